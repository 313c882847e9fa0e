// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Maschera.h"

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace vortilla {

inline constexpr std::size_t ValoriPunti = 11; // points 0..10

using Forma = std::array<std::uint8_t, ValoriPunti - 1>;

// The multiplicities of a form, without its trailing zeros.
inline std::span<const std::uint8_t> Molteplicita(const Forma& forma)
{
    std::size_t n = 0;
    while (n < forma.size() && forma[n] != 0)
        ++n;
    return std::span(forma).first(n);
}

// Numbers that occur at least m times (m >= 2) in line `riga`.
struct Strato {
    Maschera numeri;
    std::uint32_t riga;
};

// One bit per line of a group of 512 consecutive lines: line 64·w + b of the
// group is bit b of word w.
struct alignas(64) Fila {
    std::array<std::uint64_t, 8> parole{};

    void Aggiungi(std::size_t riga) { parole[riga / 64] |= std::uint64_t{1} << (riga % 64); }
};

inline constexpr std::size_t RighePerGruppo = 512;
inline constexpr std::size_t LunghezzaMinima = 3; // numbers of a line, repeats counted
inline constexpr std::size_t Lunghezze = ValoriPunti - LunghezzaMinima; // 3..10

// The lines sliced by number, 512 at a time: a draw is scored by adding, in
// each group, the rows of its numbers into counters of four bits per line.
struct Fette {
    std::size_t gruppi = 0;
    std::vector<Fila> perNumero;    // lines holding n, group g: row (n-1)·gruppi + g
    std::vector<Fila> perLunghezza; // lines of L numbers, group g: row (L-3)·gruppi + g
    // The further layers (numbers held m >= 2 times), group by group: those
    // of group g are strati[primoStrato[g] .. primoStrato[g+1]), each for the
    // number numeroStrato[] of the same index. Most groups have none.
    std::vector<Fila> strati;
    std::vector<std::uint8_t> numeroStrato;
    std::vector<std::uint32_t> primoStrato{0};
};

// A set of combination lines ready to be scored many times. A line's points
// are the sum over m of how many drawn numbers occur at least m times in it,
// which is what counting every token separately gives: "5 5 5" scores 3
// when 5 is drawn. Most lines repeat nothing and have only their first layer.
struct Sistema {
    std::vector<Maschera> righe; // the distinct numbers of each line, in file order
    std::vector<Strato> strati;  // the further layers, grouped by line
    std::array<std::uint64_t, ValoriPunti> perLunghezza{}; // lines by count of numbers
    std::uint64_t conRipetizioni = 0;                      // lines with a number more than once
    // How many times each distinct number of a line occurs, largest first,
    // 0 past the last -> how many lines have that form: all the exact odds
    // need to know of the lines.
    std::map<Forma, std::uint64_t> forme;
    Fette fette; // the same lines, as the scoring kernels read them
};

// Builds the system from normalised lines that passed validation (3..10
// numbers from 1..90 separated by single spaces). Throws ErroreNumerato for
// a line that does not convert, as the window's scoring would refuse it.
Sistema CompilaSistema(std::span<const std::string> righe);

} // namespace vortilla
