// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Schede.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QTableWidget>
#include <QValueAxis>

using namespace cifre;

SchedaGaranzia::SchedaGaranzia(QWidget* genitore) : Scheda(QStringLiteral("Garanzia"), genitore)
{
    QList<Colonna> colonne{
        {"Indovinati", "Indovinati: quanti numeri del sistema sono tra gli estratti."},
        {"Minimo", "Minimo: il punteggio che il sistema fa comunque escano quei numeri, cioè la "
                   "garanzia."}};
    for (int p = 0; p < Punteggi; ++p)
        colonne.append({QString::number(p) + " p",
                        "Casi con " + QString::number(p)
                            + " punti: tra tutti i gruppi di numeri del sistema che possono "
                              "uscire, quanti danno questo punteggio migliore."});
    tabella_ = NuovaTabella(QStringLiteral("tabellaGaranzia"),
                            QStringLiteral("Garanzia del sistema"), colonne);

    QChart* grafico = NuovoGrafico(QStringLiteral("Punteggio garantito per numeri indovinati"),
                                   QStringLiteral("Grafico della garanzia del sistema"));
    minimo_ = new QBarSet(QStringLiteral("punti garantiti"));
    auto* barre = new QBarSeries;
    barre->append(minimo_);
    barre->setBarWidth(0.8);
    grafico->addSeries(barre);
    asseX_ = new QBarCategoryAxis;
    asseX_->setTitleText(QStringLiteral("numeri del sistema indovinati"));
    auto* asseY = new QValueAxis;
    asseY->setRange(0, 10);
    asseY->setTickCount(6);
    asseY->setLabelFormat(QStringLiteral("%d"));
    asseY->setTitleText(QStringLiteral("punti garantiti"));
    grafico->addAxis(asseX_, Qt::AlignBottom);
    grafico->addAxis(asseY, Qt::AlignLeft);
    barre->attachAxis(asseX_);
    barre->attachAxis(asseY);
    grafico->legend()->hide();
}

QString SchedaGaranzia::Assenza(const vortilla::Risultato& r) const
{
    if (r.garanzia)
        return {};
    return "Garanzia non calcolata: il sistema usa "
           + Intero(static_cast<std::uint64_t>(r.numeriSistema))
           + " numeri, troppi per contarne tutti i casi in pochi secondi.";
}

void SchedaGaranzia::Mostra(const vortilla::Risultato& r)
{
    const vortilla::Garanzia& g = *r.garanzia;
    const int righe = static_cast<int>(g.livelli.size());
    Righe(tabella_, righe);
    QList<qreal> minimi;
    QStringList categorie;
    for (int riga = 0; riga < righe; ++riga) {
        const vortilla::LivelloGaranzia& livello = g.livelli[static_cast<std::size_t>(riga)];
        Cella(tabella_, riga, 0, Intero(static_cast<std::uint64_t>(livello.indovinati)));
        Cella(tabella_, riga, 1, Intero(static_cast<std::uint64_t>(livello.minimo)));
        for (int p = 0; p < Punteggi; ++p)
            Cella(tabella_, riga, 2 + p,
                  Intero(livello.distribuzione[static_cast<std::size_t>(p)]));
        minimi.append(livello.minimo);
        categorie.append(QString::number(livello.indovinati));
    }
    if (asseX_->categories() != categorie)
        asseX_->setCategories(categorie);
    Valori(minimo_, minimi);
    Nota("Garanzia esatta, su tutti i casi dei "
         + Intero(static_cast<std::uint64_t>(g.numeriSistema))
         + " numeri del sistema. Indovinati: quanti numeri del sistema escono; Minimo: il "
           "punteggio che il sistema fa comunque escano (la garanzia); casi: i gruppi di numeri "
           "del sistema che possono uscire, per il punteggio migliore che danno.");
}

void SchedaGaranzia::Svuota()
{
    Righe(tabella_, 0);
    Valori(minimo_, {});
    Nota({});
}
