// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Sistema.h"

#include <array>
#include <cstdint>
#include <span>

namespace vortilla {

using Probabilita = std::array<double, ValoriPunti>;

// Exact distribution of the points of one line when `estratti` distinct
// numbers of `numeri` are drawn. The line's distinct numbers occur
// `molteplicita` times each (at most 10 in all): a drawn number adds as many
// points as it occurs. With no repeats this is the hypergeometric law.
Probabilita DistribuzionePunti(std::span<const std::uint8_t> molteplicita, int estratti,
                               int numeri = 90);

// Entry p: the expected count of lines scoring p points in one draw.
Probabilita AttesePerEstrazione(const Sistema& sistema, int estratti);

} // namespace vortilla
