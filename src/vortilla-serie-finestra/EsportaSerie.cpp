// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EsportaSerie.h"

#include "serie/FileCompleto.h"
#include "serie/Formati.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>

#include <algorithm>

namespace {

// Writes what `scrivi` produces into a FileCompleto at `percorso`.
template <typename Scrittura>
QString ScriviCompleto(const QString& percorso, Scrittura scrivi)
{
    const vortilla::Bersaglio bersaglio =
        vortilla::ControllaBersaglio(QFile::encodeName(percorso).toStdString());
    std::string errore = bersaglio.errore;
    if (errore.empty()) {
        vortilla::FileCompleto file(bersaglio.percorso);
        scrivi(file);
        errore = file.Conferma();
    }
    return QString::fromStdString(errore);
}

QByteArray Svg(QWidget* grafico)
{
    QBuffer bytes;
    QSvgGenerator svg;
    svg.setOutputDevice(&bytes);
    svg.setSize(grafico->size());
    svg.setViewBox(grafico->rect());
    svg.setTitle(grafico->accessibleName());
    QPainter pittore(&svg);
    grafico->render(&pittore);
    pittore.end();
    return bytes.data();
}

QByteArray Png(QWidget* grafico)
{
    const qreal rapporto = std::max<qreal>(2, grafico->devicePixelRatioF());
    QImage immagine(grafico->size() * rapporto, QImage::Format_ARGB32_Premultiplied);
    immagine.setDevicePixelRatio(rapporto);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    grafico->render(&pittore);
    pittore.end();
    QBuffer bytes;
    immagine.save(&bytes, "PNG");
    return bytes.data();
}

} // namespace

QString EsportaTabelle(const vortilla::Risultato& r, FormatoTabelle formato,
                       const QString& percorso)
{
    return ScriviCompleto(percorso, [&](vortilla::Destinazione& d) {
        if (formato == FormatoTabelle::Csv)
            vortilla::ScriviCsv(r, d);
        else
            vortilla::ScriviJson(r, d);
    });
}

QString EsportaGrafico(QWidget* grafico, const QString& percorso)
{
    const bool svg = percorso.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const QByteArray bytes = svg ? Svg(grafico) : Png(grafico);
    return ScriviCompleto(percorso, [&](vortilla::Destinazione& d) {
        d.Scrivi(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}
