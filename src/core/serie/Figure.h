// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Archivio.h"
#include "serie/EseguiSerie.h"
#include "serie/Risultato.h"
#include "serie/TabellaPremi.h"

#include <atomic>
#include <span>
#include <string>
#include <vector>

// One code path from a run's inputs to every figure it shows: whoever shows
// them (the command line in three formats, a window in tables), they agree.
namespace vortilla {

// What a run is made of: the system and its options. Whatever it points to
// must outlive the run and its results.
struct DatiSerie {
    std::string file; // the combination file's name, as given
    const Sistema* sistema = nullptr;
    const std::vector<std::string>* righe = nullptr; // the lines' text, to tally each line
    int estratti = 20;
    std::uint64_t estrazioni = 0; // asked for: with an archive, those it holds
    std::uint64_t seme = 0;       // not used with an archive

    std::string filePremi;
    const TabellaPremi* premi = nullptr; // none: no money
    Centesimi posta = 100;               // per line per draw
    std::uint64_t sessione = 100;

    std::string fileArchivio;
    std::span<const EstrazioneArchivio> archivio{}; // the past draws to run on, if any
    std::uint64_t primaArchivio = 1;                // the first of them, counted from 1 in the file
    bool elencoArchivio = false;                    // list the draws of the best scores
};

// What depends only on the system and the options, exactly: computed once,
// before the draws or beside them, since the variances and the guarantee
// may take seconds.
struct FigureEsatte {
    Probabilita attese{}; // AttesePerEstrazione
    Riferimenti riferimenti;
    std::optional<Garanzia> garanzia;
    std::optional<ResaAttesa> resa;         // with a prize table
    std::optional<AnalisiArchivio> analisi; // with an archive
    int numeriSistema = 0;
};

// The guarantee is left out when it would take longer than
// SecondiGaranziaMassimi, or when `ferma` becomes true meanwhile.
FigureEsatte CalcolaFigureEsatte(const DatiSerie& dati, const std::atomic<bool>* ferma = nullptr);

// The parameters that run the series `dati` describes.
ParametriSerie ParametriDi(const DatiSerie& dati, unsigned thread);

// Every figure of the run, from the state of its draws so far (a partial
// state gives the figures of the draws it holds). `secondi` is left to the
// caller; `thread` comes from the state.
Risultato ComponiRisultato(const DatiSerie& dati, const FigureEsatte& esatte, StatoSerie stato);

} // namespace vortilla
