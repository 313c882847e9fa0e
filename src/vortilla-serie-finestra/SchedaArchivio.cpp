// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Schede.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace cifre;

namespace {

const QString Soglia = "p ≥ " + QString::number(SogliaCaso);

QLabel* Riepilogo(const QString& nome, const QString& spiegazione, QWidget* genitore)
{
    auto* etichetta = new QLabel(genitore);
    etichetta->setObjectName(nome);
    etichetta->setWordWrap(true);
    etichetta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    etichetta->setToolTip(spiegazione);
    return etichetta;
}

} // namespace

SchedaArchivio::SchedaArchivio(QWidget* genitore) : Scheda(QStringLiteral("Archivio"), genitore)
{
    tabella_ = NuovaTabella(
        QStringLiteral("tabellaArchivio"), QStringLiteral("I numeri nell'archivio"),
        {{"Numero", "Numero: uno dei 90 numeri."},
         {"Uscite", "Uscite: in quante estrazioni dell'archivio il numero è uscito."},
         {"Attese", "Attese: quante uscite il caso darebbe in media, esattamente."},
         {"Ritardo", "Ritardo: le estrazioni passate dall'ultima uscita del numero."},
         {"P(ritardo)", "P(ritardo): la probabilità esatta che un numero dato manchi tante "
                        "estrazioni di fila."},
         {"Ritardo max", "Ritardo max: la serie più lunga di estrazioni senza il numero, "
                         "nell'archivio."},
         {"P(ritardo max)", "P(ritardo max): la probabilità esatta che un numero dato manchi "
                            "almeno tante estrazioni di fila in un archivio così lungo."},
         {"Ritardi", "Ritardi: compatibili con il caso quando entrambe le probabilità sono "
                         + Soglia
                         + "; su 90 numeri uno o due sotto la soglia capitano anche "
                           "per caso."}});
    uniformita_ = Riepilogo(
        QStringLiteral("uniformitaArchivio"),
        "Chi quadro: quanto le uscite dei 90 numeri si allontanano da uscite tutte uguali; "
        "con "
            + Soglia + " la differenza è compatibile con il caso.",
        this);
    ritardo_ = Riepilogo(
        QStringLiteral("ritardoArchivio"),
        "La probabilità esatta che almeno uno dei 90 numeri sia in ritardo almeno quanto il più "
        "ritardatario; con "
            + Soglia + " il ritardo è compatibile con il caso.",
        this);
    Tabelle()->insertWidget(Tabelle()->indexOf(tabella_) + 1, uniformita_);
    Tabelle()->insertWidget(Tabelle()->indexOf(tabella_) + 2, ritardo_);

    QChart* grafico =
        NuovoGrafico(QStringLiteral("Uscite di ogni numero nell'archivio"),
                     QStringLiteral("Grafico delle uscite per numero e delle attese"));
    uscite_ = new QBarSet(QStringLiteral("uscite"));
    auto* barre = new QBarSeries;
    barre->append(uscite_);
    barre->setBarWidth(0.8);
    auto* attese = new QLineSeries;
    attese->setName(QStringLiteral("attese (esatte)"));
    attese_ = attese;
    grafico->addSeries(barre);
    grafico->addSeries(attese);
    // The bars stand at 0..89: the labels put each number under its own bar.
    auto* asseX = new QCategoryAxis;
    asseX->setRange(-0.5, 89.5);
    asseX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    asseX->append(QStringLiteral("1"), 0);
    for (int numero = 10; numero <= 90; numero += 10)
        asseX->append(QString::number(numero), numero - 1);
    asseX->setTitleText(QStringLiteral("numero"));
    asseY_ = new QValueAxis;
    asseY_->setLabelFormat(QStringLiteral("%d"));
    asseY_->setTitleText(QStringLiteral("uscite"));
    grafico->addAxis(asseX, Qt::AlignBottom);
    grafico->addAxis(asseY_, Qt::AlignLeft);
    for (QAbstractSeries* serie : grafico->series()) {
        serie->attachAxis(asseX);
        serie->attachAxis(asseY_);
    }
}

QString SchedaArchivio::Assenza(const vortilla::Risultato& r) const
{
    if (r.archivio)
        return {};
    return QStringLiteral("Nessun archivio di estrazioni vere: questa serie è simulata. "
                          "Scegli un archivio per confrontare uscite e ritardi dei numeri con "
                          "il caso.");
}

void SchedaArchivio::Mostra(const vortilla::Risultato& r)
{
    const vortilla::AnalisiArchivio& a = r.archivio->analisi;
    const int righe = static_cast<int>(a.numeri.size());
    Righe(tabella_, righe);
    QList<qreal> uscite;
    double massimo = 1;
    for (int riga = 0; riga < righe; ++riga) {
        const vortilla::NumeroArchivio& n = a.numeri[static_cast<std::size_t>(riga)];
        Cella(tabella_, riga, 0, Intero(static_cast<std::uint64_t>(n.numero)));
        Cella(tabella_, riga, 1, Intero(n.uscite));
        Cella(tabella_, riga, 2, Fisso(n.attese, 2));
        Cella(tabella_, riga, 3, Intero(n.ritardo));
        Cella(tabella_, riga, 4, Significative(n.pRitardo, 4));
        Cella(tabella_, riga, 5, Intero(n.ritardoMassimo));
        Cella(tabella_, riga, 6, Significative(n.pRitardoMassimo, 4));
        Cella(tabella_, riga, 7, GiudizioCaso(std::min(n.pRitardo, n.pRitardoMassimo)));
        uscite.append(static_cast<qreal>(n.uscite));
        massimo = std::max({massimo, static_cast<double>(n.uscite), n.attese});
    }
    Valori(uscite_, uscite);
    const double attese = a.numeri.empty() ? 0 : a.numeri.front().attese;
    Punti(attese_, {{-0.5, attese}, {89.5, attese}});
    // Ticks at round counts: a power of ten, as many times as it fits.
    const double passo = std::pow(10, std::floor(std::log10(massimo * 1.1)));
    const double alto = std::ceil(massimo * 1.1 / passo) * passo;
    if (asseY_->max() != alto) {
        asseY_->setRange(0, alto);
        asseY_->setTickCount(static_cast<int>(alto / passo) + 1);
    }

    uniformita_->setText("Uniformità delle uscite: chi quadro " + Fisso(a.chiQuadro, 2) + " con "
                         + Intero(static_cast<std::uint64_t>(a.gradiLiberta))
                         + " gradi di libertà, p = " + Significative(a.pValore, 4) + ": "
                         + GiudizioCaso(a.pValore) + " (soglia " + Soglia + ").");
    ritardo_->setText("Ritardo più lungo dei 90 numeri: " + Intero(a.ritardoPiuLungo)
                      + " estrazioni; probabilità esatta che almeno un numero sia così in "
                        "ritardo: "
                      + Significative(a.pRitardoPiuLungo, 4) + ": "
                      + GiudizioCaso(a.pRitardoPiuLungo) + " (soglia " + Soglia + ").");
    Nota(QStringLiteral(
        "Le tabelle dei punti, del miglior punteggio e dei premi delle altre schede sono "
        "sulle stesse estrazioni dell'archivio. Attese: esatte. Ogni estrazione è "
        "indipendente dalle altre: un numero in ritardo non ha più probabilità di uscire."));
}

void SchedaArchivio::Svuota()
{
    Righe(tabella_, 0);
    Valori(uscite_, {});
    Punti(attese_, {});
    uniformita_->clear();
    ritardo_->clear();
    Nota({});
}
