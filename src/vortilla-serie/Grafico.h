// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Risultato.h"

#include <QByteArray>

// Draws the observed counts by points against the exact expectation, and
// the distribution of the best score per draw, as SVG or PNG. Needs a
// QApplication. Empty if the picture could not be encoded.
QByteArray DisegnaGrafico(const vortilla::Risultato& r, bool svg);
