// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The pieces the output formats are made of, appended to a string. None
// depends on the locale, so a program that sets one writes the same bytes.
namespace vortilla::campi {

void Intero(std::string& s, std::uint64_t n);
// The shortest text that reads back as the same double; "null" if not finite.
void Reale(std::string& s, double x);
// `x` with `decimali` digits after the point, right-aligned in `larghezza`.
void Fisso(std::string& s, double x, int decimali, int larghezza);
// The same, with more decimals for a small `x`: as many as show its first
// two significant digits (3.8e-5 is "0.000038", never "0.0000"), up to
// twelve, then in scientific notation. Zero stays "0.0000".
void Significative(std::string& s, double x, int decimali, int larghezza);
// `testo` right-aligned in `larghezza` (counted in bytes: ASCII expected).
void ADestra(std::string& s, std::string_view testo, int larghezza);
void InteroADestra(std::string& s, std::uint64_t n, int larghezza);

// `testo` as valid UTF-8: each byte that is not part of a well-formed
// sequence becomes U+FFFD, the replacement character.
void Utf8(std::string& s, std::string_view testo);
// A JSON string, quoted and escaped, in valid UTF-8.
void StringaJson(std::string& s, std::string_view testo);
// A CSV field, quoted when it holds a quote, a comma or a line break.
void CampoCsv(std::string& s, std::string_view testo);

} // namespace vortilla::campi
