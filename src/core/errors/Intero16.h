// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "errors/ErroreNumerato.h"

#include <cstdint>
#include <limits>

namespace vortilla {

// Counters of the program are signed 16-bit values that never wrap: a step
// past the range raises the overflow error instead.
inline std::int16_t Somma16(std::int16_t valore, int passo)
{
    const int risultato = int{valore} + passo;
    if (risultato > std::numeric_limits<std::int16_t>::max()
        || risultato < std::numeric_limits<std::int16_t>::min())
        throw ErroreNumerato(errori::Overflow);
    return static_cast<std::int16_t>(risultato);
}

} // namespace vortilla
