// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/DatiProgramma.h"
#include "engine/Porte.h"

namespace vortilla {

namespace avvisi {
inline constexpr const char* ConfermaReset =
    "Con questa operazione,|i dati finora accumulati|verranno resettati ..!";
inline constexpr const char* PulsantiReset = "Resetta,Rinuncia";
} // namespace avvisi

// The RESET button: asks for confirmation and resets only when "Resetta"
// (the first button) was pressed; a dialog closed otherwise changes nothing.
void RichiediReset(DatiProgramma& dati, FinestraMessaggio& messaggio, VistaTabellone& tabellone);

// Zeroes the draw counter and the cumulative tally and rewrites both columns.
// The loaded lines, the settings, the balls and imgtry stay as they are.
void Resetta(StatoSimulazione& stato, VistaTabellone& tabellone);

// Clears the per-draw column.
void AdattaControlli(VistaTabellone& tabellone);

} // namespace vortilla
