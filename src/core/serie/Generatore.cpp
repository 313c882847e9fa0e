// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Generatore.h"

namespace vortilla {
namespace {

// `chiave` is Mescola(seme). No branch depends on the numbers: a pick that is
// refused only leaves the set as it was, so the loop runs at full speed.
[[gnu::always_inline]] inline Maschera Estrai(std::uint64_t chiave, std::uint64_t indice,
                                              int quanti, std::uint32_t massimo)
{
    std::uint64_t stato = Mescola(chiave + indice);
    const std::uint32_t soglia = 65536u % massimo;
    std::uint64_t basso = 0;
    std::uint64_t alto = 0;
    int presi = 0;
    while (presi < quanti) {
        stato += PassoFlusso;
        std::uint64_t parola = Mescola(stato);
        for (int q = 0; q < 4; ++q, parola >>= 16) {
            const std::uint32_t prodotto = static_cast<std::uint32_t>(parola & 0xFFFF) * massimo;
            const std::uint32_t n = prodotto >> 16; // 0-based
            const std::uint64_t bit = std::uint64_t{1} << (n & 63);
            const std::uint64_t inAlto = 0 - std::uint64_t{n >> 6}; // all ones above 64
            const std::uint64_t bitBasso = bit & ~inAlto;
            const std::uint64_t bitAlto = bit & inAlto;
            // Bitwise, not logical, ands: all three tests are made, no branch.
            const std::uint64_t prendi =
                std::uint64_t{(prodotto & 0xFFFF) >= soglia} & std::uint64_t{presi < quanti}
                & std::uint64_t{((basso & bitBasso) | (alto & bitAlto)) == 0};
            basso |= bitBasso & (0 - prendi);
            alto |= bitAlto & (0 - prendi);
            presi += static_cast<int>(prendi);
        }
    }
    return {basso, alto};
}

} // namespace

Maschera EstraiNumeri(std::uint64_t seme, std::uint64_t indice, int quanti, int massimo)
{
    return Estrai(Mescola(seme), indice, quanti, static_cast<std::uint32_t>(massimo));
}

void EstraiLotto(std::uint64_t seme, std::uint64_t prima, std::size_t quante, int quanti,
                 Maschera* uscita)
{
    const std::uint64_t chiave = Mescola(seme);
    for (std::size_t i = 0; i < quante; ++i)
        uscita[i] = Estrai(chiave, prima + i, quanti, 90);
}

} // namespace vortilla
