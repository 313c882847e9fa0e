// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace vortilla {

// Turns an item into a combination line: tabs, CRs, commas, dots and colons
// become spaces, spaces are trimmed from both ends, and every run of n
// spaces inside becomes n/2 spaces rounded up (one or two separators in a row
// give one space, three or four give two, which later read as an empty
// token). Numbers are kept exactly as written.
// The result is a view into `elemento` when it needs no change, otherwise
// into `spazio`, which only grows so that normalising item after item
// allocates nothing; it is valid while both stay unchanged.
std::string_view Normalizza(std::string_view elemento, std::string& spazio);

inline std::string Normalizza(std::string_view elemento)
{
    std::string spazio;
    return std::string(Normalizza(elemento, spazio));
}

} // namespace vortilla
