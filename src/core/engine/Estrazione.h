// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/DatiProgramma.h"
#include "engine/Porte.h"

namespace vortilla {

// What one draw needs from the outside world.
struct PorteEstrazione {
    VistaTabellone& Tabellone;
    FinestraMessaggio& Messaggio;
    Pausa& Attesa;
    Orologio& Ora;
    GeneratoreCasuale& Generatore;
};

// Texts of the notices a draw can give instead of running, each with the one
// button "OK".
namespace avvisi {
inline constexpr const char* NessunaCombinazione =
    "Nessuna combinazione in memoria ..!|Caricare un file.";
inline constexpr const char* ContatoriPieni =
    "Overflow ..!|Premere RESET per azzerare i contatori.";
inline constexpr const char* AzioneNegata = "Azione negata ..!";
} // namespace avvisi

// One press of ESTRAZIONE: takes NumeriEstratti distinct numbers out of
// 1..NumeroMassimo, lights them in ascending order one every 200 ms, scores
// every stored line and updates the counter and both tables.
// It runs only when all of it can complete. Otherwise it shows one notice and
// leaves the state and the board as they were:
//  - no stored line: avvisi::NessunaCombinazione;
//  - the counter or a cumulative entry would pass 32767: avvisi::ContatoriPieni;
//  - a stored line or a setting the draw cannot work with (a number outside
//    1..NumeroMassimo, a line of more than 10 numbers, NumeriEstratti outside
//    1..NumeroMassimo, NumeriMax above NumeroMassimo, NumCombinazioni above
//    the stored lines): avvisi::AzioneNegata.
void EseguiEstrazione(DatiProgramma& dati, PorteEstrazione& porte);

} // namespace vortilla
