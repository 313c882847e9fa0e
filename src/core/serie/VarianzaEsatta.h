// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Attese.h"

#include <optional>

namespace vortilla {

// Systems with at most this many different lines get the exact variance:
// about two seconds on one core for this many lines without repeats.
inline constexpr std::size_t RigheDistinteEsatte = 20'000;

// Entry p: the exact variance of X_p, the count of lines scoring p points in
// one draw of `estratti` of `numeri`: the sum over lines of P(1-P) plus the
// covariance of every ordered pair of lines. Nothing when the system has more
// than `limite` different lines (identical lines count once, however many).
std::optional<Probabilita> VarianzePerEstrazione(const Sistema& sistema, int estratti,
                                                 int numeri = 90,
                                                 std::size_t limite = RigheDistinteEsatte);

} // namespace vortilla
