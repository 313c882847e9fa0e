// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ImmaginiRisorse.h"

#include <QGuiApplication>
#include <QImageReader>

namespace vortilla {

QImage ImmagineRisorsa(const QString& percorso)
{
    QImageReader lettore(percorso, "png");
    lettore.setAutoDetectImageFormat(false);
    return lettore.read();
}

QPixmap PixmapRisorsa(const QString& percorso)
{
    return QPixmap::fromImage(ImmagineRisorsa(percorso));
}

QIcon IconaRisorsa(const QString& percorso)
{
    QIcon icona(PixmapRisorsa(percorso));
    // The same lookup QIcon::addFile makes; the reader gives the @2x picture
    // its pixel ratio from the name.
    const QString doppia = qt_findAtNxFile(percorso, qApp->devicePixelRatio());
    if (doppia != percorso)
        icona.addPixmap(PixmapRisorsa(doppia));
    return icona;
}

} // namespace vortilla
