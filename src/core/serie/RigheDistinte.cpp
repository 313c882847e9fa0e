// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/RigheDistinte.h"

#include <bit>
#include <map>

namespace vortilla {
namespace {

template <typename F>
void PerOgniNumero(const Maschera& m, F&& f)
{
    for (std::uint64_t b = m.basso; b != 0; b &= b - 1)
        f(std::countr_zero(b) + 1);
    for (std::uint64_t b = m.alto; b != 0; b &= b - 1)
        f(std::countr_zero(b) + 65);
}

} // namespace

std::array<std::uint8_t, 129> RigaDistinta::Volte() const
{
    std::array<std::uint8_t, 129> volte{};
    for (const std::uint8_t n : numeri)
        if (n != 0)
            ++volte[n];
    return volte;
}

std::optional<std::vector<RigaDistinta>> RigheDistinte(const Sistema& sistema, std::size_t limite)
{
    using Numeri = decltype(RigaDistinta::numeri);
    // Every occurrence of each line: its distinct numbers, then its layers,
    // each in increasing order, so that equal lines give equal arrays.
    std::vector<Numeri> occorrenze(sistema.righe.size());
    std::vector<std::uint8_t> quante(sistema.righe.size());
    const auto aggiungi = [&](std::size_t r, const Maschera& m) {
        PerOgniNumero(m, [&](int n) {
            if (quante[r] < occorrenze[r].size())
                occorrenze[r][quante[r]++] = static_cast<std::uint8_t>(n);
        });
    };
    for (std::size_t r = 0; r < sistema.righe.size(); ++r)
        aggiungi(r, sistema.righe[r]);
    for (const Strato& strato : sistema.strati)
        aggiungi(strato.riga, strato.numeri);
    std::map<Numeri, std::uint64_t> righe;
    for (std::size_t r = 0; r < occorrenze.size(); ++r) {
        ++righe[occorrenze[r]];
        if (righe.size() > limite)
            return std::nullopt;
    }
    std::vector<RigaDistinta> distinte;
    distinte.reserve(righe.size());
    for (const auto& [numeri, copie] : righe)
        distinte.push_back({numeri, copie});
    return distinte;
}

} // namespace vortilla
