// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Sistema.h"

#include <array>
#include <cstdint>
#include <span>

namespace vortilla {

using Probabilita = std::array<double, ValoriPunti>;

// C(n, k) as a double; 0 outside 0 <= k <= n.
double Binomiale(int n, int k);

// Exact distribution of the points of one line when `estratti` distinct
// numbers of `numeri` are drawn. The line's distinct numbers occur
// `molteplicita` times each (at most 10 in all): a drawn number adds as many
// points as it occurs. With no repeats this is the hypergeometric law.
Probabilita DistribuzionePunti(std::span<const std::uint8_t> molteplicita, int estratti,
                               int numeri = 90);

// Entry p: the expected count of lines scoring p points in one draw.
Probabilita AttesePerEstrazione(const Sistema& sistema, int estratti, int numeri = 90);

// Entry k: the chance that at least one line scores k points or more in one
// draw if the lines were independent, 1 - prod(1 - P(line >= k)): what the
// same lines would give if they shared no numbers and did not compete for
// the drawn ones. Entry 0 is 1 for a system with lines.
Probabilita AlmenoIndipendenti(const Sistema& sistema, int estratti, int numeri = 90);

} // namespace vortilla
