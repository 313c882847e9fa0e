// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Destinazione.h"
#include "serie/Risultato.h"

// The results in the three output formats, UTF-8, written to `destinazione`
// as they are produced: the detail of millions of lines is never held whole.
// Whoever writes them, the bytes are the same. The file name goes out as
// given in the text; CSV and JSON show each byte of it that is not UTF-8 as
// U+FFFD, so that they stay valid UTF-8.
namespace vortilla {

void ScriviTesto(const Risultato& r, Destinazione& destinazione);
void ScriviCsv(const Risultato& r, Destinazione& destinazione);
void ScriviJson(const Risultato& r, Destinazione& destinazione);

} // namespace vortilla
