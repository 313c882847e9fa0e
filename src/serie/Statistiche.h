// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Attese.h"
#include "serie/Conteggi.h"

#include <array>
#include <cstdint>

namespace vortilla {

// One row of the cumulative table: line-draws with `punti` points.
struct RigaPunti {
    int punti = 0;
    std::uint64_t osservati = 0;
    double attesi = 0;         // exact expectation over all the draws made
    double erroreStandard = 0; // of `osservati`, from the per-draw counts
    double z = 0;              // (osservati - attesi) / erroreStandard; 0 when both are equal
};

// Draws in which the best line scored at least `punti`, with the Wilson
// score interval at 95% (percentages).
struct RigaAlmeno {
    int punti = 0;
    std::uint64_t estrazioni = 0;
    double percentuale = 0;
    double basso = 0;
    double alto = 0;
};

struct Statistiche {
    std::array<RigaPunti, ValoriPunti> punti{};
    std::array<RigaAlmeno, ValoriPunti> almeno{};
};

// The draws are independent, so the total of a row has variance N·Var(X),
// X being that row's count in one draw. Var(X) is estimated from the per-draw
// sums and sums of squares; it is never taken below μ - μ², a bound that
// holds for any count with exact mean μ, so a rare row that has not shown up
// yet still gets a sensible error.
Statistiche CalcolaStatistiche(const Conteggi& conteggi, const Probabilita& attesePerEstrazione);

// Wilson score interval at 95% for `successi` of `prove`, as fractions.
std::array<double, 2> IntervalloWilson(std::uint64_t successi, std::uint64_t prove);

} // namespace vortilla
