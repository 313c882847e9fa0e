// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace vortilla {

// Splits `testo` at every `separatore`, keeping each piece exactly as it is
// (blanks included). Empty pieces count: "a||b" and "a|" give three and two.
// An empty text gives no piece at all.
std::vector<std::string> DividiTesto(const std::string& testo, char separatore);

// The text as a label shows it: every "|" becomes a line break.
std::string ConRitorniACapo(std::string testo);

} // namespace vortilla
