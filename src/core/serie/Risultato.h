// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Conteggi.h"
#include "serie/Sistema.h"
#include "serie/Statistiche.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vortilla {

// Everything a run prints, in every format. Only `secondi` and `thread` may
// differ between two runs with the same seed and options.
struct Risultato {
    std::string file; // the name as given: bytes, not necessarily UTF-8
    std::uint64_t combinazioni = 0;
    std::array<std::uint64_t, ValoriPunti> perLunghezza{};
    std::uint64_t conRipetizioni = 0;
    int estratti = 20;
    std::uint64_t estrazioniChieste = 0;
    std::uint64_t seme = 0;
    bool interrotta = false;
    Conteggi conteggi;
    Statistiche statistiche;
    const std::vector<std::string>* righe = nullptr; // the lines' text, with the detail

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
    "dai conteggi per estrazione: varianza campionaria, mai sotto μ-μ² (μ media esatta per "
    "estrazione); le combinazioni di una stessa estrazione non sono indipendenti";
inline constexpr std::string_view MetodoIntervallo = "Wilson, 95%";

} // namespace vortilla
