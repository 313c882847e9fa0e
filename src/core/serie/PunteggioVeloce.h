// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Sistema.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vortilla {

// Entry p: how many lines scored p points in one draw.
using ConteggioEstrazione = std::array<std::uint32_t, ValoriPunti>;

// Entry [L][p]: how many lines of L numbers (repeats counted, 3..10) scored
// p points in one draw. Entries for L < 3 stay 0.
using ConteggioPerLunghezza = std::array<ConteggioEstrazione, ValoriPunti>;

// What a kernel also gives for each draw, when asked. Without them it takes
// its fast path.
struct Dettagli {
    ConteggioPerLunghezza* perLunghezza = nullptr; // one per draw
    std::uint8_t* punti = nullptr; // each line's points: draw d's line r at [d·lines + r]
};

// What a series keeps of a few draws, by points: the lines summed over the
// draws, the sum of their squares, and the draws whose best line made them.
struct SommeLotto {
    std::array<std::uint64_t, ValoriPunti> righe{};
    std::array<std::uint64_t, ValoriPunti> quadrati{};
    std::array<std::uint64_t, ValoriPunti> migliori{};
};

// The draws of a series and their scoring, written for one instruction set.
// Every kernel gives the same draws and the same figures, bit for bit.
struct Nucleo {
    const char* nome;      // "portabile", "avx2", "avx512"
    bool (*disponibile)(); // whether this processor runs it
    // Draws prima .. prima + quante - 1 of the series, `quanti` of 90 each:
    // the numbers EstraiNumeri gives.
    void (*estrai)(std::uint64_t seme, std::uint64_t prima, std::size_t quante, int quanti,
                   Maschera* uscita);
    // Counts the lines of `sistema` by points in each of `quante` draws,
    // sets of numbers from 1 to 90.
    void (*conta)(const Sistema& sistema, const Maschera* estrazioni, std::size_t quante,
                  ConteggioEstrazione* conteggi, const Dettagli& dettagli);
    // Adds `quante` (at most 16) draws' counts, each below 2^30, into `somme`.
    void (*somma)(const ConteggioEstrazione* conteggi, std::size_t quante, SommeLotto& somme);
};

// Every kernel built in, the portable one first and the fastest last.
std::span<const Nucleo> Nuclei();

// The kernel called `nome`, or null.
const Nucleo* NucleoDiNome(std::string_view nome);

// The kernel that the environment variable VORTILLA_NUCLEO names, or the
// fastest that this processor runs when it is unset or empty. Null when it
// names an unknown kernel or one this processor lacks: `motivo` then says so.
const Nucleo* NucleoRichiesto(std::string& motivo);

// The kernel that series run with: NucleoRichiesto's, or the fastest when
// that is null. Chosen once.
const Nucleo& NucleoInUso();

} // namespace vortilla
