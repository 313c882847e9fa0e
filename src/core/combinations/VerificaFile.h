// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "errors/DatiErrori.h"
#include "errors/FinestraMessaggio.h"

#include <cstdint>
#include <string>

namespace vortilla {

// Checks every item of a combination file before anything is loaded, with
// `minimo`..`massimo` numbers per combination from 1 to `numeroMassimo`.
// Returns false when the whole file is valid. Returns true when it is not, or
// cannot be read: the message for the first error has then been shown
// through MostraErrore and no file is left open. Changes no simulation state.
bool VerificaFile(const std::string& percorso, std::int16_t minimo, std::int16_t massimo,
                  std::int16_t numeroMassimo, DatiErrori& dati, FinestraMessaggio& finestra);

} // namespace vortilla
