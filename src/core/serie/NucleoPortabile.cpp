// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The portable kernel: the bit-sliced scoring on 64-bit words, eight to a
// group of lines, in plain C++. It runs anywhere and is the reference the
// others are tested against.

#include "serie/PunteggioVeloce.h"

#include "serie/Generatore.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "serie/NucleoComune.h"

// The distribution's x86-64 baseline has no population-count instruction,
// and a portable popcount costs several times as much as the rest of the
// scoring; the kernel is therefore built twice, whole, and the loader picks
// the copy that the processor can run. Sanitized builds keep one copy.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__POPCNT__)        \
    && !defined(__SANITIZE_ADDRESS__)
#define VORTILLA_DUE_COPIE __attribute__((target_clones("popcnt", "default"), flatten))
#else
#define VORTILLA_DUE_COPIE
#endif

namespace vortilla {
namespace {

struct Portabile {
    using W = std::uint64_t;
    using Contatore = ContatoreSemplice<Portabile>;
    using C = std::uint64_t;

    static void Csa(W& r, W& s, W a, W b) { CsaGenerico(r, s, a, b); }
    static bool Vuota(W w) { return w == 0; }
    static C Conta(W w) { return static_cast<C>(std::popcount(w)); }
    static std::uint64_t Totale(C c) { return c; }
    static std::size_t Basi(const Maschera& m, const Fila* righe, std::size_t gruppi,
                            const Fila** basi)
    {
        std::size_t k = 0;
        for (std::uint64_t w = m.basso; w != 0; w &= w - 1)
            basi[k++] = righe + static_cast<std::size_t>(std::countr_zero(w)) * gruppi;
        for (std::uint64_t w = m.alto; w != 0; w &= w - 1)
            basi[k++] = righe + static_cast<std::size_t>(64 + std::countr_zero(w)) * gruppi;
        return k;
    }
};

bool Sempre() { return true; }

void SommaPortabile(const ConteggioEstrazione* conteggi, std::size_t quante, SommeLotto& somme)
{
    SommaSemplice(conteggi, quante, somme);
}

VORTILLA_DUE_COPIE
void ContaPortabile(const Sistema& sistema, const Maschera* estrazioni, std::size_t quante,
                    ConteggioEstrazione* conteggi, const Dettagli& dettagli)
{
    ContaLotto<Portabile>(sistema, estrazioni, quante, conteggi, dettagli);
}

} // namespace

extern const Nucleo NucleoPortabile{"portabile", Sempre, EstraiLotto, ContaPortabile,
                                    SommaPortabile};

} // namespace vortilla
