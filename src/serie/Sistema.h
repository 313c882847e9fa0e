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
};

// Builds the system from normalised lines that passed validation (3..10
// numbers from 1..90 separated by single spaces). Throws ErroreNumerato for
// a line that does not convert, as the window's scoring would refuse it.
Sistema CompilaSistema(std::span<const std::string> righe);

} // namespace vortilla
