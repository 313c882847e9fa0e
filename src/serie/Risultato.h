// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Conteggi.h"
#include "serie/Sistema.h"
#include "serie/Statistiche.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// Everything a run prints. Only `secondi` and `thread` may differ between
// two runs with the same seed and options.
struct Risultato {
    QString file;
    std::uint64_t combinazioni = 0;
    std::array<std::uint64_t, vortilla::ValoriPunti> perLunghezza{};
    std::uint64_t conRipetizioni = 0;
    int estratti = 20;
    std::uint64_t estrazioniChieste = 0;
    std::uint64_t seme = 0;
    bool interrotta = false;
    vortilla::Conteggi conteggi;
    vortilla::Statistiche statistiche;
    const std::vector<std::string>* righe = nullptr; // the lines' text, with --dettaglio

    double secondi = 0;
    unsigned thread = 1;

    double EstrazioniAlSecondo() const
    {
        return secondi > 0 ? static_cast<double>(conteggi.estrazioni) / secondi : 0;
    }
};

// How the standard errors are obtained, as the output says it.
inline const char* const MetodoErrore =
    "dai conteggi per estrazione: varianza campionaria, mai sotto μ-μ² (μ media esatta per "
    "estrazione); "
    "le combinazioni di una stessa estrazione non sono indipendenti";
inline const char* const MetodoIntervallo = "Wilson, 95%";
