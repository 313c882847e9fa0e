// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/NumeriArchivio.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

#include <algorithm>
#include <cmath>
#include <map>

namespace vortilla {

double ChiQuadro(std::span<const std::uint64_t> uscite, std::uint64_t estrazioni, int estratti)
{
    const auto n = static_cast<long double>(uscite.size());
    const long double q = estratti / n;
    const long double attese = static_cast<long double>(estrazioni) * q;
    long double scarti = 0;
    for (const std::uint64_t u : uscite)
        scarti += (static_cast<long double>(u) - attese) * (static_cast<long double>(u) - attese);
    // Var(O_i) = D q(1-q) and Cov(O_i, O_j) = -D q(1-q)/(n-1): on the
    // deviations, which add up to zero, the covariance is D q(1-q) n/(n-1)
    // times the identity.
    const long double varianza = attese * (1 - q) * n / (n - 1);
    return varianza > 0 ? static_cast<double>(scarti / varianza) : 0;
}

double ProbabilitaRitardo(std::uint64_t ritardo, int estratti, int numeri)
{
    const long double fuori = static_cast<long double>(numeri - estratti) / numeri;
    return static_cast<double>(std::pow(fuori, static_cast<long double>(ritardo)));
}

double ProbabilitaRitardoMassimo(std::uint64_t ritardo, std::uint64_t estrazioni, int estratti,
                                 int numeri)
{
    if (ritardo == 0)
        return 1;
    if (ritardo > estrazioni)
        return 0;
    const long double dentro = static_cast<long double>(estratti) / numeri;
    const long double fuoriL = ProbabilitaRitardo(ritardo, estratti, numeri);
    // v[m]: chance of such a run within the first m draws. The first run to
    // reach `ritardo` draws ends at draw m when the number came out at draw
    // m - ritardo (or that is the start), stayed out since, and no such run
    // came before: v[m] = v[m-1] + dentro·fuori^L·(1 - v[m-L-1]). Every step
    // adds, so small chances keep their precision. Only the last L + 1
    // values are kept.
    const std::uint64_t L = ritardo;
    std::vector<long double> v(L + 1, 0); // v[m % (L + 1)]
    long double precedente = fuoriL;      // v[L]
    v[L % (L + 1)] = precedente;
    for (std::uint64_t m = L + 1; m <= estrazioni; ++m) {
        long double& posto = v[m % (L + 1)]; // holds v[m - L - 1]
        const long double corrente = precedente + dentro * fuoriL * (1 - posto);
        posto = corrente;
        precedente = corrente;
    }
    return static_cast<double>(std::min(1.0L, precedente));
}

double ProbabilitaQualcheRitardo(std::uint64_t ritardo, int estratti, int numeri)
{
    if (ritardo == 0)
        return 1; // every number has been out of no draw
    // The terms alternate in sign and reach C(90,45) ≈ 1e26 while the sum is
    // at most 1: a hundred digits keep every digit of a double.
    using Reale = boost::multiprecision::cpp_bin_float_100;
    Reale somma = 0;
    Reale binomiale = 1; // C(numeri, j)
    Reale tutte = 1;     // numeri! / (numeri - estratti)!, shared by every ratio below
    for (int i = 0; i < estratti; ++i)
        tutte *= numeri - i;
    for (int j = 1; j <= numeri - estratti; ++j) {
        binomiale = binomiale * (numeri - j + 1) / j;
        // The chance that j given numbers all stay out of one draw.
        Reale fuori = 1;
        for (int i = 0; i < estratti; ++i)
            fuori *= numeri - j - i;
        fuori /= tutte;
        const Reale termine = binomiale * pow(fuori, Reale(ritardo));
        somma += j % 2 == 1 ? termine : Reale(-termine);
    }
    return std::clamp(static_cast<double>(somma), 0.0, 1.0);
}

AnalisiArchivio AnalizzaArchivio(std::span<const EstrazioneArchivio> estrazioni, int estratti,
                                 int numeri)
{
    AnalisiArchivio a;
    const std::uint64_t d = estrazioni.size();
    a.estrazioni = d;
    std::vector<std::uint64_t> uscite(static_cast<std::size_t>(numeri), 0);
    // Each number's last draw + 1 (0: none yet) and longest run out so far.
    std::vector<std::uint64_t> ultima(static_cast<std::size_t>(numeri), 0);
    std::vector<std::uint64_t> piuLungo(static_cast<std::size_t>(numeri), 0);
    for (std::uint64_t i = 0; i < d; ++i)
        for (int n = 1; n <= numeri; ++n)
            if (estrazioni[i].numeri.Contiene(n)) {
                const auto k = static_cast<std::size_t>(n - 1);
                ++uscite[k];
                piuLungo[k] = std::max(piuLungo[k], i - ultima[k]);
                ultima[k] = i + 1;
            }
    std::map<std::uint64_t, double> perRitardoMassimo; // the same run lengths recur
    for (int n = 1; n <= numeri; ++n) {
        const auto k = static_cast<std::size_t>(n - 1);
        NumeroArchivio x;
        x.numero = n;
        x.uscite = uscite[k];
        x.attese = static_cast<double>(d) * estratti / numeri;
        x.ritardo = d - ultima[k];
        x.ritardoMassimo = std::max(piuLungo[k], x.ritardo);
        x.pRitardo = ProbabilitaRitardo(x.ritardo, estratti, numeri);
        auto [voce, nuova] = perRitardoMassimo.try_emplace(x.ritardoMassimo, 0.0);
        if (nuova)
            voce->second = ProbabilitaRitardoMassimo(x.ritardoMassimo, d, estratti, numeri);
        x.pRitardoMassimo = voce->second;
        a.ritardoPiuLungo = std::max(a.ritardoPiuLungo, x.ritardo);
        a.numeri.push_back(x);
    }
    a.chiQuadro = ChiQuadro(uscite, d, estratti);
    a.gradiLiberta = numeri - 1;
    a.pValore = boost::math::cdf(
        boost::math::complement(boost::math::chi_squared(a.gradiLiberta), a.chiQuadro));
    a.pRitardoPiuLungo = ProbabilitaQualcheRitardo(a.ritardoPiuLungo, estratti, numeri);
    return a;
}

} // namespace vortilla
