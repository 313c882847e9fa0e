// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/StatoSimulazione.h"
#include "errors/DatiErrori.h"

#include <cstdint>
#include <string>

namespace vortilla {

// Everything the program shares between its windows and procedures. One
// instance lives in main() for the whole run and is passed by reference to
// whoever needs it.
struct DatiProgramma : DatiErrori {
    StatoSimulazione Stato;
    std::string CartellaSistemi;          // where the open dialog starts
    std::int16_t ContaTab = 0;            // last tab index given out by the grid layout
    std::string SeparatoreMigliaia = ","; // the user's digit grouping, for FormattaNumero
};

} // namespace vortilla
