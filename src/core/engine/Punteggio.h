// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/StatoSimulazione.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vortilla {

// The most numbers a line may hold: its points must stay a valid index of a
// tally by points (0..10).
inline constexpr int NumeriPerRigaMassimi = static_cast<int>(StatoSimulazione::PuntiPossibili) - 1;

// Entry p: how many lines scored exactly p points.
using TabellaPunti = std::array<int, StatoSimulazione::PuntiPossibili>;

// Points of one stored line against the drawn numbers: estratti[n] is 1 when
// number n was drawn, else 0 (entry 0 unused). The line is trimmed of spaces,
// split at every single space, and each token converted as validation does,
// so "07" counts as 7 and a number written twice counts twice.
// Empty when the line cannot be scored without leaving the tables: a token
// that is not a number, a number outside 1..estratti.size()-1, or more than
// NumeriPerRigaMassimi tokens. Allocates nothing.
std::optional<int> PuntiCombinazione(std::string_view riga, std::span<const std::int16_t> estratti);

// The per-draw tally of all the lines. Empty as soon as one line cannot be
// scored: a tally missing a line would silently break the totals.
std::optional<TabellaPunti> CalcolaPunteggi(std::span<const std::string> righe,
                                            std::span<const std::int16_t> estratti);

} // namespace vortilla
