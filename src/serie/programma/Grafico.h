// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Risultato.h"

#include <QString>

// Draws the observed counts by points against the exact expectation, and
// the distribution of the best score per draw, into a PNG or SVG file
// (by its extension). The file appears complete or not at all. Needs a
// QApplication. Returns an empty text, or why the file was not written.
QString ScriviGrafico(const QString& percorso, const Risultato& r);
