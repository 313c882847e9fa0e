// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Schede.h"

#include "serie/VarianzaEsatta.h"

#include <QChart>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace cifre;

SchedaPunti::SchedaPunti(QWidget* genitore) : Scheda(QStringLiteral("Punti"), genitore)
{
    tabella_ = NuovaTabella(
        QStringLiteral("tabellaPunti"), QStringLiteral("Punti osservati e attesi"),
        {{"Punti", "Punti: quanti numeri di una combinazione sono tra gli estratti."},
         {"Osservati", "Osservati: quante volte una combinazione ha fatto questi punti, contando "
                       "tutte le combinazioni in tutte le estrazioni fatte."},
         {"Attesi", "Attesi: quante volte il caso darebbe questi punti in media, calcolato "
                    "esattamente dalle probabilità di ogni combinazione."},
         {"Errore std", "Errore std: di quanto l'osservato si allontana di solito dall'atteso "
                        "per puro caso (errore standard)."},
         {"z", "z: di quante deviazioni standard l'osservato si scosta dall'atteso."},
         {"Errore", "Errore: come si ottiene l'errore standard, esatto o campionario; l'asterisco "
                    "segna le righe con meno di 10 casi attesi, dove z dice poco."}});

    QChart* grafico = NuovoGrafico(QStringLiteral("Punti: osservati e attesi"),
                                   QStringLiteral("Grafico dei punti osservati e attesi"));
    auto* attesi = new QLineSeries;
    attesi->setName(QStringLiteral("attese (esatte)"));
    attesi->setPointsVisible(true);
    auto* osservati = new QScatterSeries;
    osservati->setName(QStringLiteral("osservate"));
    osservati->setMarkerSize(10);
    attesi_ = attesi;
    osservati_ = osservati;
    grafico->addSeries(attesi);
    grafico->addSeries(osservati);
    auto* asseX = new QValueAxis;
    asseX->setRange(-0.5, 10.5);
    asseX->setTickType(QValueAxis::TicksDynamic);
    asseX->setTickAnchor(0);
    asseX->setTickInterval(1);
    asseX->setLabelFormat(QStringLiteral("%d"));
    asseX->setTitleText(QStringLiteral("punti"));
    asseY_ = new QLogValueAxis;
    asseY_->setBase(10);
    asseY_->setLabelFormat(QStringLiteral("%.0e"));
    asseY_->setTitleText(QStringLiteral("casi, scala logaritmica"));
    grafico->addAxis(asseX, Qt::AlignBottom);
    grafico->addAxis(asseY_, Qt::AlignLeft);
    for (QXYSeries* serie : {attesi_, osservati_}) {
        serie->attachAxis(asseX);
        serie->attachAxis(asseY_);
    }
}

void SchedaPunti::Mostra(const vortilla::Risultato& r)
{
    Righe(tabella_, Punteggi);
    bool pochi = false;
    // Counts span many powers of ten: the chart's axis is logarithmic, and
    // zeros, which have no place on it, are left out.
    QList<QPointF> attesi, osservati;
    double minimo = 1, massimo = 1;
    for (int riga = 0; riga < Punteggi; ++riga) {
        const vortilla::RigaPunti& p = r.statistiche.punti[Punteggi - 1 - riga];
        Cella(tabella_, riga, 0, Intero(static_cast<std::uint64_t>(p.punti)));
        Cella(tabella_, riga, 1, Intero(p.osservati));
        Cella(tabella_, riga, 2, Significative(p.attesi, 2));
        Cella(tabella_, riga, 3, Significative(p.erroreStandard, 2));
        Cella(tabella_, riga, 4, Fisso(p.z, 2));
        Cella(tabella_, riga, 5,
              QString::fromLatin1(vortilla::NomeMetodo(p.metodo)) + (p.pochiCasi ? " *" : ""));
        pochi = pochi || p.pochiCasi;
        if (p.attesi > 0) {
            attesi.append({static_cast<double>(p.punti), p.attesi});
            minimo = std::min(minimo, p.attesi);
            massimo = std::max(massimo, p.attesi);
        }
        if (p.osservati > 0) {
            osservati.append({static_cast<double>(p.punti), static_cast<double>(p.osservati)});
            massimo = std::max(massimo, static_cast<double>(p.osservati));
        }
    }
    std::reverse(attesi.begin(), attesi.end());
    std::reverse(osservati.begin(), osservati.end());
    Punti(attesi_, attesi);
    Punti(osservati_, osservati);
    const double basso = std::pow(10, std::floor(std::log10(minimo)) - 0.2);
    const double alto = std::pow(10, std::ceil(std::log10(massimo)) + 0.2);
    if (asseY_->min() != basso || asseY_->max() != alto)
        asseY_->setRange(basso, alto);

    QString nota = r.archivio ? "Osservati: contati sulle estrazioni dell'archivio. "
                              : "Osservati: contati sulle estrazioni simulate. ";
    nota += "Attesi: esatti, le probabilità ipergeometriche di ogni combinazione, sommate, per "
            "le estrazioni. ";
    if (r.statistiche.punti[0].metodo == vortilla::Metodo::Esatto)
        nota += "Errore std esatto: dalla varianza esatta del conteggio per estrazione, che "
                "conta ogni coppia di combinazioni con numeri in comune (non sono "
                "indipendenti).";
    else
        nota += "Errore std campionario: dalla varianza dei conteggi per estrazione osservati, "
                "mai sotto μ-μ² (μ media esatta per estrazione): oltre "
                + Intero(vortilla::RigheDistinteEsatte)
                + " combinazioni diverse la varianza esatta non si calcola.";
    if (pochi)
        nota += "\n* meno di 10 casi attesi: lì z dice poco.";
    Nota(nota);
}

void SchedaPunti::Svuota()
{
    Righe(tabella_, 0);
    Punti(attesi_, {});
    Punti(osservati_, {});
    Nota({});
}
