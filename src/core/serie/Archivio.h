// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Maschera.h"
#include "serie/RigheFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace vortilla {

// One past draw: its numbers and its label (a date, a code; empty when the
// line has none).
struct EstrazioneArchivio {
    Maschera numeri;
    std::string etichetta;
};

// Reads past draws, one a line, oldest first: `estratti` distinct numbers
// from 1 to `numeri`, separated by spaces, tabs, commas or semicolons (runs
// of them count as one); a first field that is not a plain number ("2026-12-07",
// "E123") is the draw's label. A '#' starts a comment; blank lines are
// skipped. An archive with no draw is refused. Errors are "riga N: reason".
Esito<std::vector<EstrazioneArchivio>> LeggiArchivio(std::string_view testo, int estratti,
                                                     int numeri = 90);

// The same for the file at `percorso` (UTF-8, or UTF-16 with a mark; CRLF
// line ends allowed).
Esito<std::vector<EstrazioneArchivio>> LeggiFileArchivio(const std::string& percorso, int estratti,
                                                         int numeri = 90);

} // namespace vortilla
