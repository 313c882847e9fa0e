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

QPixmap PixmapRisorsa(const QString& percorso, qreal rapporto)
{
    // The same lookup QIcon::addFile makes; the reader gives the @2x picture
    // its pixel ratio from the name.
    if (rapporto <= 0)
        rapporto = qApp->devicePixelRatio();
    return QPixmap::fromImage(ImmagineRisorsa(qt_findAtNxFile(percorso, rapporto)));
}

QIcon IconaRisorsa(const QString& percorso)
{
    QIcon icona(QPixmap::fromImage(ImmagineRisorsa(percorso)));
    const QString doppia = qt_findAtNxFile(percorso, qApp->devicePixelRatio());
    if (doppia != percorso)
        icona.addPixmap(QPixmap::fromImage(ImmagineRisorsa(doppia)));
    return icona;
}

} // namespace vortilla
