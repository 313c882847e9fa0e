// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Importi.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>

namespace vortilla {

// The money side of a series of draws, as it went. Fed with each draw's
// winnings at a stake of 1 (in cents); the stake only scales the figures
// afterwards. Everything kept is an integer, so accumulators filled with
// any split of the draws, in any order, merge into exactly the same figures.
//
// Sessions are the runs of `sessione` consecutive draws starting at draw 0,
// N, 2N...; a draw loses money when it wins less than the system stakes.
// Sessions and losing streaks that cross from one accumulator's draws into
// another's are joined when the two merge. Memory grows with the distinct
// session results and with the gaps between the stretches of consecutive
// draws held: merge each finished block of draws into one shared
// accumulator and the gaps stay as few as the blocks in progress.
class AccumuloPremi {
public:
    // `costo`: what one draw costs the whole system at a stake of 1, in
    // cents (lines × 100, > 0); `sessione` >= 1 draws.
    AccumuloPremi(Centesimi costo, std::uint64_t sessione);

    // Draw `indice` won `vincita` cents at a stake of 1 (0 <= vincita, and a
    // session's winnings within the bounds ControllaLimitiPremi checks).
    // Each draw goes to one accumulator once; draws in increasing order
    // are the fast path.
    void Aggiungi(std::uint64_t indice, Centesimi vincita);

    // Takes in the draws of `altro`, which has the same cost and session
    // length and none of these draws.
    void Unisci(const AccumuloPremi& altro);

    Centesimi Costo() const { return costo_; }
    std::uint64_t Sessione() const { return sessione_; }
    std::uint64_t Estrazioni() const { return estrazioni_; }
    unsigned __int128 Vinto() const { return vinto_; } // cents at a stake of 1
    long double SommaQuadrati() const;                 // of the per-draw winnings
    std::uint64_t Coperte() const { return coperte_; } // draws that won at least the stake
    // Complete sessions by their net result (winnings - stake), cents at a
    // stake of 1.
    const std::map<Centesimi, std::uint64_t>& Sessioni() const { return sessioni_; }
    // Draws of sessions not complete: the last one when the series stops
    // inside it, or any whose draws were not all made.
    std::uint64_t EstrazioniInSessioniIncomplete() const;
    std::uint64_t SessioniIncomplete() const { return aperte_.size(); }
    std::uint64_t SeriePerdenteMassima() const;

private:
    // Consecutive draws [inizio, fine): `testa` of them lose at its start and
    // `coda` at its end (both the whole length when all lose). A run goes to
    // seriePerdente_ once a winning draw or a joint ends it; runs still open
    // at either end of a stretch may grow when a neighbour joins.
    struct Tratto {
        std::uint64_t fine = 0;
        std::uint64_t testa = 0;
        std::uint64_t coda = 0;
    };
    struct Parziale {
        Centesimi vinto = 0;
        std::uint64_t estrazioni = 0;
    };
    using Tratti = std::map<std::uint64_t, Tratto>;

    void AggiungiTratto(std::uint64_t inizio, Tratto tratto);
    Tratti::iterator Unisci(Tratti::iterator prima, Tratti::iterator dopo);
    void AggiungiSessione(std::uint64_t indice, Parziale parziale);

    Centesimi costo_;
    std::uint64_t sessione_;
    std::uint64_t estrazioni_ = 0;
    unsigned __int128 vinto_ = 0;
    std::array<unsigned __int128, 2> quadrati_{}; // low and high word of a 256-bit sum
    std::uint64_t coperte_ = 0;
    std::uint64_t seriePerdente_ = 0;
    std::map<Centesimi, std::uint64_t> sessioni_;
    std::map<std::uint64_t, Parziale> aperte_; // sessions by index, not complete yet
    Tratti tratti_;                            // by first draw
};

// Figures of an accumulator at a stake of `posta` cents per line per draw.
struct RiepilogoPremi {
    double posta = 0; // euros per line per draw
    std::uint64_t estrazioni = 0;
    long double giocato = 0; // euros staked in all
    long double vinto = 0;   // euros won in all
    double resa = 0;         // vinto / giocato, %
    // 95% interval of the return from the spread of the per-draw winnings
    // (normal approximation); none below two draws.
    std::optional<std::array<double, 2>> intervallo95;
    double coperte = 0;                          // % of draws that won back at least their stake
    std::array<double, 2> coperteIntervallo95{}; // Wilson, %

    std::uint64_t lunghezzaSessione = 0;
    std::uint64_t sessioni = 0; // complete ones
    std::uint64_t inAttivo = 0; // complete sessions that ended ahead (net > 0)
    // The rest is empty when no session is complete.
    std::optional<double> percentualeInAttivo;       // %
    std::optional<std::array<double, 2>> inAttivo95; // Wilson, %
    std::optional<double> mediana, p5, p95;          // a session's net result, euros
    std::uint64_t sessioniIncomplete = 0;            // left out of the figures above
    std::uint64_t estrazioniEscluse = 0;             // their draws
    std::uint64_t seriePerdenteMassima = 0;          // consecutive draws that lost money
};

RiepilogoPremi Riassumi(const AccumuloPremi& accumulo, Centesimi posta);

// The smallest result r such that at least `percento` % of the sessions
// ended at r or below (the nearest rank: always a result that occurred),
// cents; 0 < percento <= 100, `sessioni` not empty.
Centesimi Percentile(const std::map<Centesimi, std::uint64_t>& sessioni, int percento);

} // namespace vortilla
