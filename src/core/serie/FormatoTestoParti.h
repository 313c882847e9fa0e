// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Destinazione.h"
#include "serie/Risultato.h"

// The text format's sections on money and on the archive.
namespace vortilla {

void TestoPremi(const Risultato& r, Destinazione& d);    // r.premi set
void TestoArchivio(const Risultato& r, Destinazione& d); // r.archivio set

} // namespace vortilla
