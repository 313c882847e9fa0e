// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace vortilla {

// A bare top-level window of the main window's size holding only the 134
// labels of the board and the two tables (balls 1..90, then lblNumero,
// lblPunti, lblNumTot and lblPuntiTot 0..10), built by hand from the design
// numbers: same texts, fonts, sizes, on-screen positions, borders and
// colours, each with the element name it carries in the main window. No
// frames, buttons, pictures or rules.
QWidget* CreaTabelloneEtichette();

// Compares the board with the labels of the same names in `finestra` (the
// real main window): position in the window, size, text, font, alignment,
// border and colours. Prints each difference on stderr and returns how many
// labels differ, or -1 when a label is missing from either side.
int ConfrontaTabellone(const QWidget* tabellone, const QWidget* finestra);

} // namespace vortilla
