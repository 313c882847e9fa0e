// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/DatiProgramma.h"
#include "engine/Porte.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vortilla {

// What the load button does once the open dialog has given `percorso`
// (empty when the user cancelled: then nothing happens). The file is
// validated; if it is refused the user also reads "Da Ambi a Decine ..!".
// Otherwise it is read again and its first 500 lines replace the loaded
// combinations, and lblCatturate shows their count. The draw counter and the
// tallies are never touched; a load that fails keeps the previous list.
void CaricaCombinazioni(const std::string& percorso, DatiProgramma& dati,
                        FinestraMessaggio& finestra, VistaTabellone& vista);

// The second reading alone. It checks every line again with the rules of the
// validation, because the file may have changed since: a line that fails is
// reported through MostraErrore and the previous list stays. Returns true
// when the list was replaced.
bool LeggiCombinazioni(const std::string& percorso, DatiProgramma& dati,
                       FinestraMessaggio& finestra, VistaTabellone& vista);

// The reading under LeggiCombinazioni: the first `quante` normalised lines of
// the file, every line checked again. Empty when a line or the file fails:
// its message has then been shown through MostraErrore.
std::optional<std::vector<std::string>> RileggiRighe(const std::string& percorso,
                                                     std::size_t quante, DatiErrori& dati,
                                                     FinestraMessaggio& finestra);

} // namespace vortilla
