// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

namespace vortilla {

// What a game allows in one combination. The lowest number is always 1.
struct LimitiGioco {
    std::int16_t Minimo;        // fewest numbers in a combination
    std::int16_t Massimo;       // most numbers in a combination
    std::int16_t NumeroMassimo; // highest number
};

// The limits of every load: 3 to 10 numbers from 1 to 90.
inline constexpr LimitiGioco LimitiCaricamento{3, 10, 90};

// Checks one combination line (already normalised). Tokens are taken in
// order, and the first bad one decides: 13 not a number (the empty token
// too), 6 outside the 16-bit range, 102 above NumeroMassimo or below 1. Only
// when every token has passed is their count compared with Minimo..Massimo,
// raising 100; so "0 1" fails with 102, not 100. Raises ErroreNumerato.
void ControllaRiga(std::string_view riga, const LimitiGioco& limiti);

} // namespace vortilla
