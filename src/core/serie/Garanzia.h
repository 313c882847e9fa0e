// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Attese.h"

#include <atomic>
#include <optional>
#include <vector>

namespace vortilla {

// What the system guarantees when `indovinati` of its distinct numbers are
// among those drawn, over every subset of that many of its numbers.
struct LivelloGaranzia {
    int indovinati = 0;
    int minimo = 0;                                         // the least best score: the guarantee
    std::array<std::uint64_t, ValoriPunti> distribuzione{}; // subsets by best score 0..10
};

struct Garanzia {
    int numeriSistema = 0;                // D: the distinct numbers the lines use
    std::vector<LivelloGaranzia> livelli; // indovinati = 0..min(D, estratti), in order
    Probabilita almeno{};                 // entry k: exact P(the best line scores >= k) in one draw
};

// The enumeration is done when it is expected to take at most this long on
// one core: every 500-line system on up to 24 numbers is well inside.
inline constexpr double SecondiGaranziaMassimi = 25;

// Expected seconds on one core to enumerate the subsets of up to `estratti`
// of `numeriSistema` numbers against `righe` different lines. A fixed
// estimate from the counts, so that whether a run has the guarantee does not
// depend on how busy the machine is.
double StimaSecondiGaranzia(int numeriSistema, std::size_t righe, int estratti);

// The guarantee and the exact chance of "at least k" for a draw of
// `estratti` of `numeri`, by enumerating every subset of the system's
// numbers that can be among those drawn. Nothing when the estimate exceeds
// `secondiMassimi`, or when `ferma` becomes true before the end.
std::optional<Garanzia> CalcolaGaranzia(const Sistema& sistema, int estratti, int numeri = 90,
                                        double secondiMassimi = SecondiGaranziaMassimi,
                                        const std::atomic<bool>* ferma = nullptr);

} // namespace vortilla
