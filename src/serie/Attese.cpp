// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Attese.h"

namespace vortilla {
namespace {

double Binomiale(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    long double c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return static_cast<double>(c);
}

} // namespace

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

Probabilita AttesePerEstrazione(const Sistema& sistema, int estratti)
{
    Probabilita attese{};
    for (const auto& [forma, righe] : sistema.forme) {
        const Probabilita pmf = DistribuzionePunti(Molteplicita(forma), estratti);
        for (std::size_t p = 0; p < attese.size(); ++p)
            attese[p] += pmf[p] * static_cast<double>(righe);
    }
    return attese;
}

} // namespace vortilla
