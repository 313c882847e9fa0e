// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Statistiche.h"

#include <algorithm>
#include <cmath>

namespace vortilla {
namespace {

// Sample variance of the per-draw counts: (N·S2 - S1²) / (N(N-1)).
double VarianzaCampionaria(std::uint64_t n, std::uint64_t somma, unsigned __int128 quadrati)
{
    if (n < 2)
        return 0;
    const auto s1 = static_cast<unsigned __int128>(somma);
    unsigned __int128 prodotto = 0;
    if (!__builtin_mul_overflow(quadrati, static_cast<unsigned __int128>(n), &prodotto)) {
        // Exact while it fits: no cancellation between two large numbers.
        const unsigned __int128 scarto = prodotto - s1 * s1;
        return static_cast<double>(static_cast<long double>(scarto) / n / (n - 1));
    }
    const long double media = static_cast<long double>(somma) / n;
    const long double scarto =
        static_cast<long double>(quadrati) - media * static_cast<long double>(somma);
    return static_cast<double>(std::max<long double>(0, scarto / (n - 1)));
}

} // namespace

const char* NomeMetodo(Metodo metodo)
{
    return metodo == Metodo::Esatto ? "esatto" : "campionario";
}

std::array<double, 2> IntervalloWilson(std::uint64_t successi, std::uint64_t prove)
{
    if (prove == 0)
        return {0, 1};
    constexpr double z = 1.959963984540054;
    const double n = static_cast<double>(prove);
    const double p = static_cast<double>(successi) / n;
    const double denominatore = 1 + z * z / n;
    const double centro = (p + z * z / (2 * n)) / denominatore;
    const double ampiezza = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / denominatore;
    // At either end the bound is exact: rounding would leave 1e-15 for none.
    return {successi == 0 ? 0 : std::max(0.0, centro - ampiezza),
            successi == prove ? 1 : std::min(1.0, centro + ampiezza)};
}

Statistiche CalcolaStatistiche(const Conteggi& conteggi, const Probabilita& attesePerEstrazione,
                               const Riferimenti& riferimenti)
{
    Statistiche s;
    const std::uint64_t n = conteggi.estrazioni;
    std::uint64_t almeno = 0;
    for (int p = static_cast<int>(ValoriPunti) - 1; p >= 0; --p) {
        const auto i = static_cast<std::size_t>(p);
        RigaPunti& riga = s.punti[i];
        const double mu = attesePerEstrazione[i];
        riga.punti = p;
        riga.osservati = conteggi.osservati[i];
        riga.attesi = mu * static_cast<double>(n);
        riga.pochiCasi = riga.attesi < CasiAttesiMinimi;
        double varianza = 0;
        if (riferimenti.varianze) {
            varianza = (*riferimenti.varianze)[i];
            riga.metodo = Metodo::Esatto;
        } else {
            varianza = std::max(VarianzaCampionaria(n, riga.osservati, conteggi.quadrati[i]),
                                mu - mu * mu);
            riga.metodo = Metodo::Campionario;
        }
        riga.erroreStandard = std::sqrt(static_cast<double>(n) * varianza);
        const double scarto = static_cast<double>(riga.osservati) - riga.attesi;
        riga.z = riga.erroreStandard > 0 ? scarto / riga.erroreStandard : 0;

        almeno += conteggi.migliore[i];
        const auto intervallo = IntervalloWilson(almeno, n);
        RigaAlmeno& cumulata = s.almeno[i];
        cumulata.punti = p;
        cumulata.estrazioni = almeno;
        cumulata.percentuale = n ? 100.0 * static_cast<double>(almeno) / static_cast<double>(n) : 0;
        cumulata.basso = 100 * intervallo[0];
        cumulata.alto = 100 * intervallo[1];
        if (riferimenti.indipendenti)
            cumulata.indipendenti = 100 * (*riferimenti.indipendenti)[i];
        if (riferimenti.almenoEsatto)
            cumulata.esatto = 100 * (*riferimenti.almenoEsatto)[i];
    }
    return s;
}

} // namespace vortilla
