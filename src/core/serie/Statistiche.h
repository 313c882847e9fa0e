// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Attese.h"
#include "serie/Conteggi.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vortilla {

// Where a row's standard error comes from: the exact variance of the
// per-draw count, or the sample variance of the counts seen.
enum class Metodo { Esatto, Campionario };

// "esatto" or "campionario", as the outputs print it.
const char* NomeMetodo(Metodo metodo);

// Below this many expected cases a row's z says little.
inline constexpr double CasiAttesiMinimi = 10;

// One row of the cumulative table: line-draws with `punti` points.
struct RigaPunti {
    int punti = 0;
    std::uint64_t osservati = 0;
    double attesi = 0;         // exact expectation over all the draws made
    double erroreStandard = 0; // of `osservati`
    double z = 0;              // (osservati - attesi) / erroreStandard; 0 when both are equal
    Metodo metodo = Metodo::Campionario;
    bool pochiCasi = false; // attesi < CasiAttesiMinimi
};

// Draws in which the best line scored at least `punti`, with the Wilson
// score interval at 95% (percentages).
struct RigaAlmeno {
    int punti = 0;
    std::uint64_t estrazioni = 0;
    double percentuale = 0;
    double basso = 0;
    double alto = 0;
    std::optional<double> indipendenti; // % if the lines were independent, when known
    std::optional<double> esatto;       // the exact %, when the guarantee was computed
};

struct Statistiche {
    std::array<RigaPunti, ValoriPunti> punti{};
    std::array<RigaAlmeno, ValoriPunti> almeno{};
};

// The exact figures of a system known before any draw, each when it could
// be computed; all fractions, per draw, indexed by points.
struct Riferimenti {
    std::optional<Probabilita> varianze;     // Var(X_p): VarianzePerEstrazione
    std::optional<Probabilita> indipendenti; // AlmenoIndipendenti
    std::optional<Probabilita> almenoEsatto; // CalcolaGaranzia(...)->almeno
};

// The draws are independent, so the total of a row has variance N·Var(X),
// X being that row's count in one draw. Var(X) is the exact one when given
// (metodo Esatto); otherwise it is estimated from the per-draw sums and sums
// of squares, and never taken below μ - μ², a bound that holds for any count
// with exact mean μ, so a rare row that has not shown up yet still gets an
// error (metodo Campionario). The "almeno" rows carry the references given,
// as percentages.
Statistiche CalcolaStatistiche(const Conteggi& conteggi, const Probabilita& attesePerEstrazione,
                               const Riferimenti& riferimenti = {});

// Wilson score interval at 95% for `successi` of `prove`, as fractions.
std::array<double, 2> IntervalloWilson(std::uint64_t successi, std::uint64_t prove);

} // namespace vortilla
