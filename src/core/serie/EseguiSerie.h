// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/AccumuloPremi.h"
#include "serie/Archivio.h"
#include "serie/Conteggi.h"
#include "serie/PunteggioVeloce.h"
#include "serie/Sistema.h"
#include "serie/TabellaPremi.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace vortilla {

// The latest draws (by index) whose best line made each points value, at
// most `massimo` of each, ascending. Kept sets merge into the same set
// whatever the split of the draws.
struct EstrazioniMigliori {
    std::size_t massimo = 0;
    std::array<std::vector<std::uint64_t>, ValoriPunti> perPunti{};

    void Aggiungi(std::size_t punti, std::uint64_t indice);
    void Unisci(const EstrazioniMigliori& altre);
};

struct ParametriSerie {
    std::uint64_t seme = 0;
    std::uint64_t estrazioni = 0;   // draws 0..estrazioni-1
    int estratti = 20;              // numbers per draw, of 90
    unsigned thread = 1;            // >= 1
    bool perRiga = false;           // also tally each line by points
    const Nucleo* nucleo = nullptr; // the kernel; null for NucleoInUso()
    // Past draws to score instead of drawing: draw i is archivio[i].numeri,
    // and `seme` and `estrazioni` are not used.
    std::span<const EstrazioneArchivio> archivio{};
    // With a table, each draw's winnings at a stake of 1 go to the money
    // accumulator, in sessions of `sessione` draws. The table must pass
    // ControllaLimitiPremi for this system and session.
    const TabellaPremi* premi = nullptr;
    std::uint64_t sessione = 100;
    std::size_t migliori = 0; // draws kept per best score (EstrazioniMigliori)
};

// What the blocks of draws completed so far leave: the tallies, the money
// when there is a prize table, the latest draws by best score when asked.
// `conteggi.perRiga` is filled only in the final state.
struct StatoSerie {
    Conteggi conteggi;
    std::optional<AccumuloPremi> premi;
    EstrazioniMigliori migliori;
};

// Draws per block: a block takes a few milliseconds whatever the number of
// lines, so that a stop request is heard quickly. Results do not depend on it.
std::uint64_t EstrazioniPerBlocco(const Sistema& sistema);

// Runs the series on `parametri.thread` threads (or on as many as the system
// lets start, at least the calling one), which take fixed blocks of
// draws in turn. Draw i depends only on the seed and i, and every tally is
// an integer sum, so the results are the same for any thread count.
// When `ferma` becomes true each thread finishes its block and takes no
// other: the result then holds exactly the draws completed.
//
// `avanzamento`, if set, is called from the calling thread about ten times
// a second with the state of the blocks completed so far, each whole: its
// points columns add up to lines × its draws. It is called once more at the
// end with the final state, the one returned.
StatoSerie EseguiSerie(const Sistema& sistema, const ParametriSerie& parametri,
                       const std::atomic<bool>& ferma,
                       const std::function<void(const StatoSerie&)>& avanzamento = {});

} // namespace vortilla
