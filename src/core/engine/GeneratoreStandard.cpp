// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/GeneratoreStandard.h"

#include <array>
#include <bit>
#include <vector>

namespace vortilla {
namespace {

// seed_seq reads 32-bit words.
void AggiungiParole(std::vector<std::uint32_t>& parole, std::uint64_t valore)
{
    parole.push_back(static_cast<std::uint32_t>(valore));
    parole.push_back(static_cast<std::uint32_t>(valore >> 32));
}

} // namespace

GeneratoreStandard::GeneratoreStandard()
{
    std::random_device entropia;
    std::array<std::uint32_t, 16> parole{};
    for (auto& parola : parole)
        parola = entropia();
    std::seed_seq semi(parole.begin(), parole.end());
    motore_.seed(semi);
}

GeneratoreStandard::GeneratoreStandard(std::uint64_t seme) : motore_(seme) {}

void GeneratoreStandard::Rimescola(double seme)
{
    // Every draw reseeds from the time of day, but the clock advances in
    // coarse ticks: two draws started within one tick read the same time.
    // Restarting from the time alone would then repeat the previous draw
    // number for number. Feeding 256 bits of the current state in with the
    // time keeps the sequences apart while the time still changes the state.
    std::vector<std::uint32_t> parole;
    parole.reserve(10);
    for (int i = 0; i < 4; ++i)
        AggiungiParole(parole, motore_());
    AggiungiParole(parole, std::bit_cast<std::uint64_t>(seme));
    std::seed_seq semi(parole.begin(), parole.end());
    motore_.seed(semi);
}

double GeneratoreStandard::Prossimo()
{
    // The top 53 bits scaled by 2^-53: exact in a double and never 1.0,
    // which std::generate_canonical does not promise on every library.
    return static_cast<double>(motore_() >> 11) * 0x1.0p-53;
}

} // namespace vortilla
