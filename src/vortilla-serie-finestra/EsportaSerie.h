// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Risultato.h"

#include <QString>

class QWidget;

// Each export writes its file whole or not at all, and returns why it could
// not, in words, or an empty text.

enum class FormatoTabelle { Csv, Json };

// The same bytes as vortilla-serie's --formato csv or json for this result.
QString EsportaTabelle(const vortilla::Risultato& r, FormatoTabelle formato,
                       const QString& percorso);

// The chart as SVG when the name ends in ".svg", else as PNG at twice its
// size on screen (or at the screen's pixel ratio, when higher), crisp on
// any display.
QString EsportaGrafico(QWidget* grafico, const QString& percorso);
