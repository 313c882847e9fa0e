// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/AccumuloPremi.h"
#include "serie/Conteggi.h"
#include "serie/Garanzia.h"
#include "serie/NumeriArchivio.h"
#include "serie/ResaAttesa.h"
#include "serie/Sistema.h"
#include "serie/Statistiche.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vortilla {

// The money of a run with a prize table: exact expectations and what the
// draws gave.
struct FigurePremi {
    std::string file;
    ResaAttesa attesa;
    RiepilogoPremi osservato;
};

// A past draw in a listing: its place in the archive file (from 1, among its
// draws) and its label.
struct EstrazioneElencata {
    std::uint64_t numero = 0;
    std::string etichetta;
};

// The latest draws where the system's best line made `punti`, of `totale`.
struct MiglioriPunti {
    int punti = 0;
    std::uint64_t totale = 0;
    std::vector<EstrazioneElencata> estrazioni; // oldest first
};

// With an archive and its listing: the latest draws kept for each of the
// best scores reached, and how many of the best scores.
inline constexpr std::size_t EstrazioniElencate = 10;
inline constexpr std::size_t PunteggiElencati = 3;

// A run on past draws instead of simulated ones.
struct FigureArchivio {
    std::string file;
    std::uint64_t prima = 1;             // the first draw used, counted from 1 in the file
    AnalisiArchivio analisi;             // of the draws used
    bool conElenco = false;              // whether `migliori` was asked for
    std::vector<MiglioriPunti> migliori; // the best scores reached, best first
};

// Everything a run prints, in every format. Only `secondi` and `thread` may
// differ between two runs with the same seed and options.
struct Risultato {
    std::string file; // the name as given: bytes, not necessarily UTF-8
    std::uint64_t combinazioni = 0;
    std::array<std::uint64_t, ValoriPunti> perLunghezza{};
    std::uint64_t conRipetizioni = 0;
    int numeriSistema = 0; // the distinct numbers its lines use
    int estratti = 20;
    std::uint64_t estrazioniChieste = 0;
    std::uint64_t seme = 0;
    bool interrotta = false;
    Conteggi conteggi;
    Statistiche statistiche;
    const std::vector<std::string>* righe = nullptr; // the lines' text, with the detail
    std::optional<Garanzia> garanzia;
    std::optional<FigurePremi> premi;
    std::optional<FigureArchivio> archivio; // then `seme` means nothing

    double secondi = 0;
    unsigned thread = 1;

    double EstrazioniAlSecondo() const
    {
        return secondi > 0 ? static_cast<double>(conteggi.estrazioni) / secondi : 0;
    }
    bool ConDettaglio() const { return righe != nullptr && !conteggi.perRiga.empty(); }
};

// How the standard errors and the intervals are obtained, as the output says it.
inline constexpr std::string_view MetodoErrore =
    "dalla varianza del conteggio per estrazione, che tiene conto dei numeri che le combinazioni "
    "hanno in comune: esatta (metodo esatto) per i sistemi fino a 20000 combinazioni diverse, "
    "altrimenti varianza campionaria dei conteggi per estrazione, mai sotto μ-μ² con μ media "
    "esatta per estrazione (metodo campionario); ogni riga dice il suo metodo";
inline constexpr std::string_view MetodoIntervallo = "Wilson, 95%";

} // namespace vortilla
