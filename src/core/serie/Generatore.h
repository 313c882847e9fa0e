// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Maschera.h"

#include <cstddef>
#include <cstdint>

namespace vortilla {

// The numbers of draw `indice` of the series started from `seme`: `quanti`
// distinct numbers out of 1..`massimo` (1 <= quanti <= massimo <= 128),
// uniformly. A draw depends only on (seme, indice), never on which draws were
// made before it or on which thread, so a series splits freely, and the first
// N draws of a longer series are the series of N draws.
//
// Draw i has a stream of its own: SplitMix64 started from
// Mescola(Mescola(seme) + i). Each 64-bit word of it gives four 16-bit
// picks, low bits first; a pick x becomes the number 1 + (x·massimo >> 16),
// unless the low 16 bits of x·massimo fall below 65536 mod massimo (the rare
// case that would favour some numbers, Lemire's rejection) or the number was
// already drawn. Every kernel computes exactly this stream.
Maschera EstraiNumeri(std::uint64_t seme, std::uint64_t indice, int quanti, int massimo = 90);

// Draws prima .. prima + quante - 1 of 90 numbers into `uscita`.
void EstraiLotto(std::uint64_t seme, std::uint64_t prima, std::size_t quante, int quanti,
                 Maschera* uscita);

// The SplitMix64 finaliser: a bijection of 64-bit words that spreads every
// input bit over the whole output.
constexpr std::uint64_t Mescola(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

inline constexpr std::uint64_t PassoFlusso = 0x9e3779b97f4a7c15u; // SplitMix64's increment

} // namespace vortilla
