// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Grafico.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Larghezza = 1000;
constexpr int AltezzaGrafico = 460;

using vortilla::Risultato;

// Joined, not filled in with arg(): a '%' in the file's name stays as it is.
QString Intestazione(const Risultato& r)
{
    return QString::fromUtf8(r.file) + ": " + QString::number(r.combinazioni) + " combinazioni, "
           + QString::number(r.conteggi.estrazioni) + " estrazioni di "
           + QString::number(r.estratti) + " numeri, "
           + (r.archivio ? "archivio " + QString::fromUtf8(r.archivio->file)
                         : "seme " + QString::number(r.seme))
           + (r.interrotta ? " (interrotta)" : "");
}

// Counts by points span many powers of ten: a logarithmic axis shows the
// rare high rows beside the common low ones. Zeros have no place on it and
// are left out.
QChart* GraficoPunti(const Risultato& r)
{
    auto* chart = new QChart;
    chart->setTitle("Combinazioni per punti: osservate e attese (scala logaritmica)");
    auto* attesi = new QLineSeries;
    attesi->setName("attese (esatte)");
    attesi->setPointsVisible(true);
    auto* osservati = new QScatterSeries;
    osservati->setName("osservate");
    osservati->setMarkerSize(11);
    double minimo = 1, massimo = 1;
    for (const vortilla::RigaPunti& riga : r.statistiche.punti) {
        if (riga.attesi > 0) {
            attesi->append(riga.punti, riga.attesi);
            minimo = std::min(minimo, riga.attesi);
            massimo = std::max(massimo, riga.attesi);
        }
        if (riga.osservati > 0) {
            osservati->append(riga.punti, static_cast<double>(riga.osservati));
            massimo = std::max(massimo, static_cast<double>(riga.osservati));
        }
    }
    chart->addSeries(attesi);
    chart->addSeries(osservati);
    auto* asseX = new QValueAxis;
    asseX->setRange(-0.5, 10.5);
    asseX->setTickType(QValueAxis::TicksDynamic);
    asseX->setTickAnchor(0);
    asseX->setTickInterval(1);
    asseX->setLabelFormat("%d");
    asseX->setTitleText("punti");
    auto* asseY = new QLogValueAxis;
    asseY->setBase(10);
    asseY->setRange(std::pow(10, std::floor(std::log10(minimo)) - 0.2),
                    std::pow(10, std::ceil(std::log10(massimo)) + 0.2));
    asseY->setLabelFormat("%.0e");
    asseY->setTitleText("combinazioni × estrazioni");
    for (QAbstractAxis* asse :
         {static_cast<QAbstractAxis*>(asseX), static_cast<QAbstractAxis*>(asseY)})
        chart->addAxis(asse, asse == asseX ? Qt::AlignBottom : Qt::AlignLeft);
    for (QAbstractSeries* serie : chart->series()) {
        serie->attachAxis(asseX);
        serie->attachAxis(asseY);
    }
    return chart;
}

QChart* GraficoMigliore(const Risultato& r)
{
    auto* chart = new QChart;
    chart->setTitle("Miglior punteggio del sistema per estrazione");
    auto* insieme = new QBarSet("estrazioni (%)");
    QStringList categorie;
    const double n = static_cast<double>(std::max<std::uint64_t>(1, r.conteggi.estrazioni));
    double massimo = 0;
    for (std::size_t p = 0; p < vortilla::ValoriPunti; ++p) {
        const double percentuale = 100.0 * static_cast<double>(r.conteggi.migliore[p]) / n;
        *insieme << percentuale;
        massimo = std::max(massimo, percentuale);
        categorie << QString::number(p);
    }
    auto* barre = new QBarSeries;
    barre->append(insieme);
    barre->setLabelsVisible(true);
    barre->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    barre->setLabelsFormat("@value");
    barre->setLabelsPrecision(3);
    chart->addSeries(barre);
    auto* asseX = new QBarCategoryAxis;
    asseX->append(categorie);
    asseX->setTitleText("punti della combinazione migliore");
    auto* asseY = new QValueAxis;
    asseY->setRange(0, std::max(1.0, massimo * 1.12));
    asseY->applyNiceNumbers();
    asseY->setLabelFormat("%.0f");
    asseY->setTitleText("% delle estrazioni");
    chart->addAxis(asseX, Qt::AlignBottom);
    chart->addAxis(asseY, Qt::AlignLeft);
    barre->attachAxis(asseX);
    barre->attachAxis(asseY);
    chart->legend()->hide();
    insieme->setLabelColor(Qt::black);
    return chart;
}

} // namespace

QByteArray DisegnaGrafico(const Risultato& r, bool svg)
{
    QGraphicsScene scena;
    auto* titolo = scena.addSimpleText(Intestazione(r));
    titolo->setPos(12, 8);
    const int alto = 36;
    QChart* punti = GraficoPunti(r);
    QChart* migliore = GraficoMigliore(r);
    for (QChart* chart : {punti, migliore}) {
        scena.addItem(chart);
        chart->setAnimationOptions(QChart::NoAnimation);
    }
    punti->setGeometry(0, alto, Larghezza, AltezzaGrafico);
    migliore->setGeometry(0, alto + AltezzaGrafico, Larghezza, AltezzaGrafico);
    const QRectF area(0, 0, Larghezza, alto + 2 * AltezzaGrafico);
    scena.setSceneRect(area);
    scena.setBackgroundBrush(Qt::white);

    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generatore;
        generatore.setOutputDevice(&buffer);
        generatore.setSize(area.size().toSize());
        generatore.setViewBox(area);
        generatore.setTitle("vortilla-serie");
        QPainter pittore(&generatore);
        scena.render(&pittore, area, area);
    } else {
        QImage immagine(area.size().toSize(), QImage::Format_RGB32);
        immagine.fill(Qt::white);
        {
            QPainter pittore(&immagine);
            pittore.setRenderHint(QPainter::Antialiasing);
            scena.render(&pittore, area, area);
        }
        if (!immagine.save(&buffer, "PNG"))
            return {};
    }
    return dati;
}
