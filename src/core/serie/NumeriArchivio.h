// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Archivio.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vortilla {

// One number over an archive, beside what chance alone gives.
struct NumeroArchivio {
    int numero = 0;
    std::uint64_t uscite = 0; // draws it came out in
    double attese = 0;        // exactly expected: draws × estratti / numeri
    // Draws since it last came out (0: in the last draw; every draw when
    // never), and the longest run of draws without it anywhere in the
    // archive, before its first and after its last draw included.
    std::uint64_t ritardo = 0;
    std::uint64_t ritardoMassimo = 0;
    double pRitardo = 0;        // ProbabilitaRitardo(ritardo)
    double pRitardoMassimo = 0; // ProbabilitaRitardoMassimo(ritardoMassimo, draws)
};

struct AnalisiArchivio {
    std::uint64_t estrazioni = 0;
    std::vector<NumeroArchivio> numeri; // 1..numeri, in order
    // Uniformity of the frequencies: ChiQuadro, numeri - 1 degrees of
    // freedom, and the chance of a value at least as large.
    double chiQuadro = 0;
    int gradiLiberta = 0;
    double pValore = 0;
    // The longest current delay of all the numbers, and the chance that some
    // number is at least that late.
    std::uint64_t ritardoPiuLungo = 0;
    double pRitardoPiuLungo = 0;
};

// Draws of `estratti` distinct numbers of 1..`numeri` (1 <= estratti < numeri <= 128).
AnalisiArchivio AnalizzaArchivio(std::span<const EstrazioneArchivio> estrazioni, int estratti,
                                 int numeri = 90);

// The frequencies' distance from uniform. Each draw takes `estratti` numbers
// without repeats, so counts move together: the plain Pearson sum
// Σ(O - E)²/E would have mean numeri × (1 - estratti/numeri), not
// numeri - 1. Scaled by the counts' exact variance it has mean numeri - 1
// and tends to the chi-square law with numeri - 1 degrees of freedom.
double ChiQuadro(std::span<const std::uint64_t> uscite, std::uint64_t estrazioni, int estratti);

// The chance that a given number stays out of `ritardo` given draws.
double ProbabilitaRitardo(std::uint64_t ritardo, int estratti, int numeri = 90);

// The chance that a given number stays out of at least `ritardo`
// consecutive draws somewhere in `estrazioni` draws.
double ProbabilitaRitardoMassimo(std::uint64_t ritardo, std::uint64_t estrazioni, int estratti,
                                 int numeri = 90);

// The chance that at least one of the `numeri` numbers stays out of
// `ritardo` given draws (by inclusion and exclusion over the numbers).
double ProbabilitaQualcheRitardo(std::uint64_t ritardo, int estratti, int numeri = 90);

} // namespace vortilla
