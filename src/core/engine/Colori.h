// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace vortilla {

// Colours as the program states them: 0x00BBGGRR (red in the low byte), or
// 0x80000000 + n for the desktop's system colour n.
using Colore = std::uint32_t;

namespace colori {
inline constexpr Colore Sistema = 0x80000000u;
inline constexpr Colore SfondoFinestra = Sistema + 5;
inline constexpr Colore TestoFinestra = Sistema + 8;
inline constexpr Colore TestoPulsante = Sistema + 18;

inline constexpr Colore Bianco = 0xFFFFFF;
inline constexpr Colore Arancio = 0x0080FF;       // drawn ball, RGB(255,128,0)
inline constexpr Colore ArancioChiaro = 0x78C3FD; // per-draw row with a count, RGB(253,195,120)

constexpr bool DiSistema(Colore c) { return (c & Sistema) != 0; }
constexpr int IndiceSistema(Colore c) { return static_cast<int>(c & 0xFFu); }
constexpr int Rosso(Colore c) { return static_cast<int>(c & 0xFFu); }
constexpr int Verde(Colore c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int Blu(Colore c) { return static_cast<int>((c >> 16) & 0xFFu); }
} // namespace colori

} // namespace vortilla
