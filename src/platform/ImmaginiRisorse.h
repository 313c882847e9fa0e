// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace vortilla {

// The program's pictures are PNG files compiled in as resources. These read
// them as PNG straight away: left to guess, Qt asks every installed image
// plugin (JPEG, GIF, SVG...) whether it reads PNG, loading them all, which
// costs the start-up several milliseconds for pictures Qt reads by itself.

// The picture as stored, with straight alpha.
QImage ImmagineRisorsa(const QString& percorso);

// The picture for a screen of the given pixel ratio (by default the
// highest of the screens): its @2x render beside it on a high-density
// screen, when there is one, else the picture itself.
QPixmap PixmapRisorsa(const QString& percorso, qreal rapporto = 0);

// As QIcon(percorso): the picture, and on a high-density screen the @2x
// render beside it when there is one.
QIcon IconaRisorsa(const QString& percorso);

} // namespace vortilla
