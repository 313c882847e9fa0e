// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Risultato.h"

#include <QSaveFile>
#include <QString>

// Draws the observed counts by points against the exact expectation, and
// the distribution of the best score per draw, into `file` (open for
// writing), as PNG or SVG by the extension of its name, and commits it: the
// file appears complete or not at all. Needs a QApplication. Returns an
// empty text, or why the file was not written.
QString ScriviGrafico(QSaveFile& file, const Risultato& r);
