// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Colori.h"

#include <QColor>
#include <QPalette>

namespace vortilla {

// A program colour as Qt needs it: system colours are read from `tavolozza`
// (5, the window background, is the background of text areas; 8 and 18 are
// window text and button text), the others are plain 0x00BBGGRR values.
QColor ColoreQt(Colore colore, const QPalette& tavolozza);

// Sets a label's or button's background and text colours, filling its
// background.
void ImpostaColori(class QWidget* controllo, Colore sfondo, Colore testo);

} // namespace vortilla
