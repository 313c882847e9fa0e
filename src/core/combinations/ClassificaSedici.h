// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

namespace vortilla {

// What sixteen bytes of a combination file hold, for the quick check of items
// written the common way: one- or two-digit numbers with one space between
// them. Bit i of a mask, and entry i of `chiusi`, tell about byte p[i].
struct ClassiSedici {
    // ',', CR or LF: where an item ends.
    unsigned fini = 0;
    // A byte that the common way does not explain:
    // - anything but a digit, a space, ',', CR or LF;
    // - a space not right after a digit, or a byte not a digit right after a space;
    // - the third digit in a row;
    // - a space or an item end that closes a number outside 1..massimo.
    // All of these only look back, so an item is judged by its own bytes
    // up to and including the one that ends it.
    unsigned difetti = 0;
    // How many numbers a space or an item end has closed in p[0..i].
    std::array<std::uint8_t, 16> chiusi{};

    bool operator==(const ClassiSedici&) const = default;
};

// Classifies p[0..16); reads p[-2] and p[-1] too. `massimo` is in 0..99.
// Sixteen bytes at a time where the processor allows it, else byte by byte.
ClassiSedici ClassificaSedici(const char* p, std::int8_t massimo);

// The byte-by-byte twin, the same everywhere: the reference that the wide
// one must match.
ClassiSedici ClassificaSediciScalare(const char* p, std::int8_t massimo);

} // namespace vortilla
