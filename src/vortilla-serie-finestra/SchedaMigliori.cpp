// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Schede.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QTableWidget>
#include <QValueAxis>

using namespace cifre;

SchedaMigliori::SchedaMigliori(QWidget* genitore) : Scheda(QStringLiteral("Migliori"), genitore)
{
    tabella_ = NuovaTabella(
        QStringLiteral("tabellaMigliori"), QStringLiteral("Miglior punteggio per estrazione"),
        {{"Punti", "Punti: il punteggio della combinazione migliore del sistema."},
         {"Estrazioni", "Estrazioni: in quante estrazioni la combinazione migliore ha fatto "
                        "esattamente questi punti."},
         {"Almeno (%)", "Almeno (%): la percentuale di estrazioni in cui almeno una combinazione "
                        "ha fatto almeno questi punti."},
         {"Intervallo 95%", "Intervallo 95%: l'intervallo di Wilson, che contiene la "
                            "percentuale vera del sistema 95 volte su 100."},
         {"Indipendenti (%)", "Indipendenti (%): la percentuale esatta se le stesse combinazioni "
                              "non avessero numeri in comune."},
         {"Esatto (%)", "Esatto (%): la probabilità esatta per questo sistema, contata su tutti "
                        "i casi; «-» quando il sistema ha troppi numeri per contarli."}});

    QChart* grafico = NuovoGrafico(QStringLiteral("Almeno k punti nella stessa estrazione"),
                                   QStringLiteral("Grafico della percentuale di almeno k punti"));
    almeno_ = new QBarSet(QStringLiteral("osservata (%)"));
    auto* barre = new QBarSeries;
    barre->append(almeno_);
    auto* indipendenti = new QLineSeries;
    indipendenti->setName(QStringLiteral("indipendenti (%)"));
    indipendenti->setPointsVisible(true);
    auto* esatto = new QLineSeries;
    esatto->setName(QStringLiteral("esatta (%)"));
    esatto->setPointsVisible(true);
    indipendenti_ = indipendenti;
    esatto_ = esatto;
    grafico->addSeries(barre);
    grafico->addSeries(indipendenti);
    grafico->addSeries(esatto);
    auto* asseX = new QBarCategoryAxis;
    for (int p = 0; p < Punteggi; ++p)
        asseX->append(QString::number(p));
    asseX->setTitleText(QStringLiteral("almeno k punti"));
    auto* asseY = new QValueAxis;
    asseY->setRange(0, 100);
    asseY->setLabelFormat(QStringLiteral("%.0f"));
    asseY->setTitleText(QStringLiteral("% delle estrazioni"));
    grafico->addAxis(asseX, Qt::AlignBottom);
    grafico->addAxis(asseY, Qt::AlignLeft);
    for (QAbstractSeries* serie : grafico->series()) {
        serie->attachAxis(asseX);
        serie->attachAxis(asseY);
    }
}

void SchedaMigliori::Mostra(const vortilla::Risultato& r)
{
    Righe(tabella_, Punteggi);
    QList<qreal> almeno;
    QList<QPointF> indipendenti, esatto;
    for (int riga = 0; riga < Punteggi; ++riga) {
        const int p = Punteggi - 1 - riga;
        const vortilla::RigaAlmeno& a = r.statistiche.almeno[p];
        Cella(tabella_, riga, 0, Intero(static_cast<std::uint64_t>(a.punti)));
        Cella(tabella_, riga, 1, Intero(r.conteggi.migliore[p]));
        Cella(tabella_, riga, 2, Significative(a.percentuale, 4));
        Cella(tabella_, riga, 3, Intervallo({a.basso, a.alto}, 4));
        Cella(tabella_, riga, 4, Facoltativo(a.indipendenti, 4));
        Cella(tabella_, riga, 5, Facoltativo(a.esatto, 4));
        // The chart goes from 0 points up, as its axis does.
        const vortilla::RigaAlmeno& b = r.statistiche.almeno[riga];
        almeno.append(b.percentuale);
        if (b.indipendenti)
            indipendenti.append({static_cast<double>(riga), *b.indipendenti});
        if (b.esatto)
            esatto.append({static_cast<double>(riga), *b.esatto});
    }
    Valori(almeno_, almeno);
    Punti(indipendenti_, indipendenti);
    Punti(esatto_, esatto);
    esatto_->setVisible(!esatto.isEmpty());

    QString nota = "Estrazioni: quelle in cui il punteggio migliore è esattamente quello; "
                   "Almeno: quelle in cui almeno una combinazione fa almeno quei punti, con "
                   "l'intervallo di Wilson, 95%, sulle ";
    nota += r.archivio ? "estrazioni dell'archivio. " : "estrazioni simulate. ";
    nota += "Indipendenti: esatto, se le stesse combinazioni non avessero numeri in comune. ";
    if (r.garanzia)
        nota += "Esatto: la probabilità esatta per il sistema, da tutti i casi (vedi la "
                "garanzia).";
    else
        nota += "Esatto: non calcolato, il sistema usa "
                + Intero(static_cast<std::uint64_t>(r.numeriSistema))
                + " numeri, troppi per contarne tutti i casi in pochi secondi.";
    Nota(nota);
}

void SchedaMigliori::Svuota()
{
    Righe(tabella_, 0);
    Valori(almeno_, {});
    Punti(indipendenti_, {});
    Punti(esatto_, {});
    Nota({});
}
