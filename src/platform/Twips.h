// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QFont;
class QString;
class QWidget;

namespace vortilla {

// Geometry as the program states it: twips, 1/1440 inch, relative to the
// container. This header is the only place where twips become pixels:
// 15 twips to a logical pixel, as at 96 dpi. Qt scales logical pixels to the
// screen, so the same numbers stay crisp at 2x.
inline constexpr int TwipsPerPixel = 15;

struct RettangoloTwips {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    friend bool operator==(const RettangoloTwips&, const RettangoloTwips&) = default;
};

// Rounds each edge to the nearest pixel, so neighbours placed edge to edge in
// twips stay edge to edge in pixels and no error accumulates along a row.
QRect InPixel(const RettangoloTwips& twips);
int InPixel(int twips);

// Places a widget and remembers its twips, so that reading the geometry back
// gives exactly what was set.
void ImpostaGeometria(QWidget* widget, const RettangoloTwips& twips);
RettangoloTwips GeometriaTwips(const QWidget* widget);

// A top-level window's client area, fixed: the user cannot resize it.
void ImpostaAreaClienteFissa(QWidget* finestra, int widthTwips, int heightTwips);

// Title bar and borders of a fixed dialog frame, the part of a window's outer
// height that is not client area. Outer heights are stated including it.
inline constexpr int AltezzaCorniceTwips = 420;
// Sets a window's outer height (title bar and borders included) keeping its
// width; the client area gets the outer height less the frame.
void ImpostaAltezzaEsterna(QWidget* finestra, int heightTwips);
int AltezzaEsternaTwips(const QWidget* finestra);

// A font of the given family and size in points, sized in logical pixels
// (1 pt = 20 twips) so that text keeps its proportion to the twips geometry
// whatever the screen's font dpi.
QFont Carattere(const QString& famiglia, double punti, int peso = 400);

} // namespace vortilla
