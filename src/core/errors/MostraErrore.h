// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "errors/DatiErrori.h"
#include "errors/FinestraMessaggio.h"

#include <cstdint>

namespace vortilla {

// Closes every open file, then shows the message for `numero` with the single
// button "OK" and returns once the dialog has closed. Risposta is not read.
void MostraErrore(std::int32_t numero, DatiErrori& dati, FinestraMessaggio& finestra);

} // namespace vortilla
