// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vortilla {

// A counter as "#,###,##0": at least one digit, the user's grouping separator
// between groups of three digits from the right, a minus sign when negative.
// FormattaNumero(32767, ".") == "32.767".
std::string FormattaNumero(std::int16_t valore, std::string_view separatoreMigliaia);

} // namespace vortilla
