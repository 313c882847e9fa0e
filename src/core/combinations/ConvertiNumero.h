// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

namespace vortilla {

// Converts one token of a combination line to a signed 16-bit number: an
// optional sign followed by decimal digits ("07" gives 7). Any other form,
// the empty token included, raises error 13; a value outside
// -32768..32767 raises error 6. Validation and scoring both use it, so a line
// scores exactly what it validated as.
std::int16_t ConvertiNumero(std::string_view token);

} // namespace vortilla
