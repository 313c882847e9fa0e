// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Sistema.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vortilla {

// One of a system's different lines: identical lines (the same numbers the
// same number of times, in any order) are one, with their count.
struct RigaDistinta {
    std::array<std::uint8_t, ValoriPunti - 1>
        numeri{}; // every occurrence, ascending; 0 past the last
    std::uint64_t copie = 0;

    // How many times each number occurs, indexed by number.
    std::array<std::uint8_t, 129> Volte() const;
};

// The different lines of `sistema`; nothing when there are more than
// `limite`, found without holding more than that many.
std::optional<std::vector<RigaDistinta>> RigheDistinte(const Sistema& sistema, std::size_t limite);

} // namespace vortilla
