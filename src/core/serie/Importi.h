// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/RigheFile.h"

#include <cstdint>
#include <string_view>

namespace vortilla {

// Money is counted in whole cents, so that sums are exact.
using Centesimi = std::int64_t;

// The largest amount a prize or a stake may have: 1000000000,00.
inline constexpr Centesimi ImportoMassimo = 100'000'000'000;

// An amount as a player writes it: digits, then at most two decimals after a
// comma or a point ("1500", "12,50", "0.5"). No sign, no currency, and no
// thousands separators: "1.000" would be a thousand to one player and one to
// another, so it is refused rather than guessed. At most ImportoMassimo.
Esito<Centesimi> LeggiImporto(std::string_view testo);

// The stake per combination per draw: an amount above zero.
Esito<Centesimi> LeggiPosta(std::string_view testo);

} // namespace vortilla
