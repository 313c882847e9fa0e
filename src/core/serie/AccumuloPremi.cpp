// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/AccumuloPremi.h"

#include "serie/Statistiche.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>

namespace vortilla {
namespace {

// Cents at a stake of 1 -> euros at the stake `posta` (cents).
long double Euro(long double centesimi, Centesimi posta)
{
    return centesimi * static_cast<long double>(posta) / 10'000;
}

std::array<double, 2> Percentuali(const std::array<double, 2>& frazioni)
{
    return {100 * frazioni[0], 100 * frazioni[1]};
}

} // namespace

AccumuloPremi::AccumuloPremi(Centesimi costo, std::uint64_t sessione)
    : costo_(costo), sessione_(std::max<std::uint64_t>(1, sessione))
{
}

void AccumuloPremi::Aggiungi(std::uint64_t indice, Centesimi vincita)
{
    ++estrazioni_;
    vinto_ += static_cast<std::uint64_t>(vincita);
    const auto quadrato =
        static_cast<unsigned __int128>(vincita) * static_cast<std::uint64_t>(vincita);
    quadrati_[0] += quadrato;
    quadrati_[1] += quadrati_[0] < quadrato; // the carry
    const bool perde = vincita < costo_;
    coperte_ += !perde;

    if (!tratti_.empty() && std::prev(tratti_.end())->second.fine == indice) {
        auto& [inizio, tratto] = *std::prev(tratti_.end());
        const std::uint64_t lunghezza = tratto.fine - inizio;
        if (perde) {
            tratto.testa += tratto.testa == lunghezza;
            ++tratto.coda;
        } else {
            seriePerdente_ = std::max(seriePerdente_, tratto.coda);
            tratto.coda = 0;
        }
        ++tratto.fine;
    } else {
        AggiungiTratto(indice, {indice + 1, perde, perde});
    }

    AggiungiSessione(indice / sessione_, {vincita, 1});
}

void AccumuloPremi::AggiungiSessione(std::uint64_t indice, Parziale parziale)
{
    const auto aperta = aperte_.try_emplace(indice).first;
    aperta->second.vinto += parziale.vinto;
    aperta->second.estrazioni += parziale.estrazioni;
    if (aperta->second.estrazioni == sessione_) {
        ++sessioni_[aperta->second.vinto - static_cast<Centesimi>(sessione_) * costo_];
        aperte_.erase(aperta);
    }
}

void AccumuloPremi::AggiungiTratto(std::uint64_t inizio, Tratto tratto)
{
    auto qui = tratti_.emplace(inizio, tratto).first;
    if (qui != tratti_.begin() && std::prev(qui)->second.fine == inizio)
        qui = Unisci(std::prev(qui), qui);
    const auto dopo = std::next(qui);
    if (dopo != tratti_.end() && dopo->first == qui->second.fine)
        Unisci(qui, dopo);
}

AccumuloPremi::Tratti::iterator AccumuloPremi::Unisci(Tratti::iterator prima, Tratti::iterator dopo)
{
    const Tratto a = prima->second;
    const Tratto b = dopo->second;
    const std::uint64_t lunghezzaA = a.fine - prima->first;
    const std::uint64_t lunghezzaB = b.fine - dopo->first;
    const bool tuttaA = a.testa == lunghezzaA;
    const bool tuttaB = b.coda == lunghezzaB;
    seriePerdente_ = std::max(seriePerdente_, a.coda + b.testa);
    prima->second = {b.fine, tuttaA ? lunghezzaA + b.testa : a.testa,
                     tuttaB ? lunghezzaB + a.coda : b.coda};
    tratti_.erase(dopo);
    return prima;
}

void AccumuloPremi::Unisci(const AccumuloPremi& altro)
{
    if (altro.costo_ != costo_ || altro.sessione_ != sessione_)
        throw std::invalid_argument("AccumuloPremi: costo o sessione diversi");
    estrazioni_ += altro.estrazioni_;
    vinto_ += altro.vinto_;
    quadrati_[0] += altro.quadrati_[0];
    quadrati_[1] += altro.quadrati_[1] + (quadrati_[0] < altro.quadrati_[0]);
    coperte_ += altro.coperte_;
    seriePerdente_ = std::max(seriePerdente_, altro.seriePerdente_);
    for (const auto& [risultato, quante] : altro.sessioni_)
        sessioni_[risultato] += quante;
    for (const auto& [indice, parziale] : altro.aperte_)
        AggiungiSessione(indice, parziale);
    for (const auto& [inizio, tratto] : altro.tratti_)
        AggiungiTratto(inizio, tratto);
}

long double AccumuloPremi::SommaQuadrati() const
{
    return std::ldexp(static_cast<long double>(quadrati_[1]), 128)
           + static_cast<long double>(quadrati_[0]);
}

std::uint64_t AccumuloPremi::EstrazioniInSessioniIncomplete() const
{
    std::uint64_t estrazioni = 0;
    for (const auto& [indice, parziale] : aperte_)
        estrazioni += parziale.estrazioni;
    return estrazioni;
}

std::uint64_t AccumuloPremi::SeriePerdenteMassima() const
{
    std::uint64_t massima = seriePerdente_;
    for (const auto& [inizio, tratto] : tratti_)
        massima = std::max({massima, tratto.testa, tratto.coda});
    return massima;
}

Centesimi Percentile(const std::map<Centesimi, std::uint64_t>& sessioni, int percento)
{
    std::uint64_t totale = 0;
    for (const auto& [risultato, quante] : sessioni)
        totale += quante;
    // The rank in whole numbers: 5% of 100 sessions is the 5th, never the 6th.
    const std::uint64_t rango =
        std::max<std::uint64_t>(1, (totale * static_cast<std::uint64_t>(percento) + 99) / 100);
    std::uint64_t visti = 0;
    for (const auto& [risultato, quante] : sessioni) {
        visti += quante;
        if (visti >= rango)
            return risultato;
    }
    return sessioni.empty() ? 0 : sessioni.rbegin()->first;
}

RiepilogoPremi Riassumi(const AccumuloPremi& accumulo, Centesimi posta)
{
    RiepilogoPremi r;
    const std::uint64_t n = accumulo.Estrazioni();
    const auto costo = static_cast<long double>(accumulo.Costo());
    const auto vinto = static_cast<long double>(accumulo.Vinto());
    r.posta = static_cast<double>(posta) / 100;
    r.estrazioni = n;
    r.giocato = Euro(costo * static_cast<long double>(n), posta);
    r.vinto = Euro(vinto, posta);
    if (n > 0)
        r.resa = static_cast<double>(100 * vinto / (costo * static_cast<long double>(n)));
    if (n >= 2) {
        const long double media = vinto / static_cast<long double>(n);
        const long double varianza = std::max(0.0L, (accumulo.SommaQuadrati() - media * vinto)
                                                        / static_cast<long double>(n - 1));
        const long double errore = std::sqrt(varianza / static_cast<long double>(n)) / costo * 100;
        constexpr long double z = 1.959963984540054L;
        r.intervallo95 =
            std::array<double, 2>{static_cast<double>(std::max(0.0L, r.resa - z * errore)),
                                  static_cast<double>(r.resa + z * errore)};
    }
    if (n > 0)
        r.coperte = 100.0 * static_cast<double>(accumulo.Coperte()) / static_cast<double>(n);
    r.coperteIntervallo95 = Percentuali(IntervalloWilson(accumulo.Coperte(), n));

    r.lunghezzaSessione = accumulo.Sessione();
    for (const auto& [risultato, quante] : accumulo.Sessioni()) {
        r.sessioni += quante;
        if (risultato > 0)
            r.inAttivo += quante;
    }
    if (r.sessioni > 0) {
        r.percentualeInAttivo =
            100.0 * static_cast<double>(r.inAttivo) / static_cast<double>(r.sessioni);
        r.inAttivo95 = Percentuali(IntervalloWilson(r.inAttivo, r.sessioni));
        const auto euro = [&](int percento) {
            return static_cast<double>(
                Euro(static_cast<long double>(Percentile(accumulo.Sessioni(), percento)), posta));
        };
        r.mediana = euro(50);
        r.p5 = euro(5);
        r.p95 = euro(95);
    }
    r.sessioniIncomplete = accumulo.SessioniIncomplete();
    r.estrazioniEscluse = accumulo.EstrazioniInSessioniIncomplete();
    r.seriePerdenteMassima = accumulo.SeriePerdenteMassima();
    return r;
}

} // namespace vortilla
