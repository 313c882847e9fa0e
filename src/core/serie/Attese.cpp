// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Attese.h"

#include <algorithm>
#include <cmath>

namespace vortilla {

double Binomiale(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    long double c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return static_cast<double>(c);
}

Probabilita DistribuzionePunti(std::span<const std::uint8_t> molteplicita, int estratti, int numeri)
{
    constexpr std::size_t P = ValoriPunti;
    const int distinti = static_cast<int>(molteplicita.size());
    Probabilita pmf{};
    int somma = 0;
    for (const std::uint8_t m : molteplicita)
        somma += m;
    if (somma >= static_cast<int>(P) || distinti >= static_cast<int>(P))
        return pmf; // not a line of the game: all zero
    // sottoinsiemi[h][j]: subsets of h distinct numbers whose occurrences add
    // up to j. Each such subset is exactly the drawn part of the line with
    // probability C(numeri - distinti, estratti - h) / C(numeri, estratti).
    std::array<std::array<double, P>, P> sottoinsiemi{};
    sottoinsiemi[0][0] = 1;
    for (const std::uint8_t m : molteplicita) {
        for (int h = distinti - 1; h >= 0; --h)
            for (int j = static_cast<int>(P) - 1 - m; j >= 0; --j)
                sottoinsiemi[static_cast<std::size_t>(h + 1)][static_cast<std::size_t>(j + m)] +=
                    sottoinsiemi[static_cast<std::size_t>(h)][static_cast<std::size_t>(j)];
    }
    const double tutte = Binomiale(numeri, estratti);
    for (int h = 0; h <= distinti; ++h) {
        const double resto = Binomiale(numeri - distinti, estratti - h) / tutte;
        for (std::size_t j = 0; j < P; ++j)
            pmf[j] += sottoinsiemi[static_cast<std::size_t>(h)][j] * resto;
    }
    return pmf;
}

Probabilita AttesePerEstrazione(const Sistema& sistema, int estratti, int numeri)
{
    Probabilita attese{};
    for (const auto& [forma, righe] : sistema.forme) {
        const Probabilita pmf = DistribuzionePunti(Molteplicita(forma), estratti, numeri);
        for (std::size_t p = 0; p < attese.size(); ++p)
            attese[p] += pmf[p] * static_cast<double>(righe);
    }
    return attese;
}

Probabilita AlmenoIndipendenti(const Sistema& sistema, int estratti, int numeri)
{
    // The logarithm of the product, term by term with log1p: 500 lines that
    // each reach ten once in 3·10^8 draws still give 500 times that.
    std::array<long double, ValoriPunti> logNessuna{};
    for (const auto& [forma, righe] : sistema.forme) {
        const Probabilita pmf = DistribuzionePunti(Molteplicita(forma), estratti, numeri);
        long double almeno = 0;
        for (std::size_t k = ValoriPunti; k-- > 0;) {
            almeno += pmf[k];
            logNessuna[k] += static_cast<long double>(righe) * std::log1p(-std::min(almeno, 1.0L));
        }
    }
    Probabilita almeno{};
    for (std::size_t k = 0; k < ValoriPunti; ++k)
        almeno[k] = static_cast<double>(-std::expm1(logNessuna[k]));
    return almeno;
}

} // namespace vortilla
