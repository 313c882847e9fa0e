// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/ResaAttesa.h"

#include "serie/Attese.h"

#include <numeric>

namespace vortilla {
namespace {

// Cents at a stake of 1 -> euros at the stake `posta` (cents).
double Euro(long double centesimi, Centesimi posta)
{
    return static_cast<double>(centesimi * static_cast<long double>(posta) / 10'000);
}

Resa Calcola(long double vincita, std::uint64_t righe, Centesimi posta)
{
    const long double costo = 100.0L * static_cast<long double>(righe);
    return {Euro(vincita, posta), Euro(costo, posta),
            righe ? static_cast<double>(100 * vincita / costo) : 0};
}

} // namespace

ResaAttesa CalcolaResaAttesa(const Sistema& sistema, const TabellaPremi& tabella, Centesimi posta,
                             int estratti, int numeri)
{
    // Expected cents at a stake of 1, by line length.
    std::array<long double, ValoriPunti> attesa{};
    for (const auto& [forma, righe] : sistema.forme) {
        const auto molteplicita = Molteplicita(forma);
        const std::size_t lunghezza = std::accumulate(molteplicita.begin(), molteplicita.end(), 0u);
        const Probabilita pmf = DistribuzionePunti(molteplicita, estratti, numeri);
        long double perRiga = 0;
        for (std::size_t p = 0; p < ValoriPunti; ++p)
            perRiga += static_cast<long double>(pmf[p]) * tabella.premio[lunghezza][p];
        attesa[lunghezza] += perRiga * static_cast<long double>(righe);
    }
    ResaAttesa resa;
    long double totale = 0;
    for (std::size_t n = 0; n < ValoriPunti; ++n) {
        const std::uint64_t righe = sistema.perLunghezza[n];
        if (righe == 0)
            continue;
        resa.perLunghezza.push_back({Calcola(attesa[n], righe, posta), static_cast<int>(n), righe});
        totale += attesa[n];
    }
    resa.sistema = Calcola(totale, sistema.righe.size(), posta);
    return resa;
}

} // namespace vortilla
