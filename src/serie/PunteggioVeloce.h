// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Sistema.h"

#include <array>
#include <cstdint>
#include <span>

namespace vortilla {

// Entry p: how many lines scored p points in one draw.
using ConteggioEstrazione = std::array<std::uint32_t, ValoriPunti>;

// Scores every line of `sistema` against `estratti` and returns the count of
// lines by points. `punti` (one entry per line) receives each line's points
// when `perRiga` is true or the system has lines with repeats; otherwise it
// is left untouched.
ConteggioEstrazione ContaPunti(const Sistema& sistema, Maschera estratti,
                               std::span<std::uint8_t> punti, bool perRiga);

// Which scoring loop this processor runs: "popcnt" for the one built with the
// population-count instruction, "base" for the portable one.
const char* VarianteConteggio();

} // namespace vortilla
