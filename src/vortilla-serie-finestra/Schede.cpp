// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Schede.h"

#include "serie/Campi.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QXYSeries>

namespace cifre {

QString Intero(std::uint64_t n) { return QString::number(n); }

QString Fisso(double x, int decimali)
{
    std::string testo;
    vortilla::campi::Fisso(testo, x, decimali, 0);
    return QString::fromStdString(testo);
}

QString Significative(double x, int decimali)
{
    std::string testo;
    vortilla::campi::Significative(testo, x, decimali, 0);
    return QString::fromStdString(testo);
}

QString Facoltativo(const std::optional<double>& x, int decimali)
{
    return x ? Significative(*x, decimali) : QStringLiteral("-");
}

QString Intervallo(const std::array<double, 2>& intervallo, int decimali)
{
    return '[' + Significative(intervallo[0], decimali) + ", "
           + Significative(intervallo[1], decimali) + ']';
}

} // namespace cifre

QString GiudizioCaso(double p)
{
    return p >= SogliaCaso ? QStringLiteral("compatibile con il caso")
                           : QStringLiteral("non compatibile con il caso");
}

Scheda::Scheda(const QString& nome, QWidget* genitore)
    : QWidget(genitore), nome_(nome), intestazione_(new QLabel(this)), assenza_(new QLabel(this)),
      divisore_(new QSplitter(Qt::Horizontal, this)), tabelle_(new QVBoxLayout),
      nota_(new QLabel(this))
{
    setObjectName("scheda" + nome);
    intestazione_->setObjectName("intestazione" + nome);
    intestazione_->setWordWrap(true);
    intestazione_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    intestazione_->setToolTip(QStringLiteral(
        "La serie mostrata: il file, le estrazioni fatte su quelle chieste e da dove vengono."));
    assenza_->setObjectName("assenza" + nome);
    assenza_->setWordWrap(true);
    assenza_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    assenza_->hide();
    nota_->setObjectName("nota" + nome);
    nota_->setWordWrap(true);

    auto* sinistra = new QWidget(divisore_);
    sinistra->setObjectName("tabelle" + nome);
    sinistra->setLayout(tabelle_);
    tabelle_->setContentsMargins(0, 0, 0, 0);
    tabelle_->addWidget(nota_);
    divisore_->setObjectName("divisore" + nome);
    divisore_->addWidget(sinistra);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(intestazione_);
    colonna->addWidget(assenza_);
    colonna->addWidget(divisore_, 1);
}

QString Scheda::Assenza(const vortilla::Risultato&) const { return {}; }

void Scheda::Intesta(const QString& intestazione)
{
    if (intestazione_->text() != intestazione)
        intestazione_->setText(intestazione);
}

void Scheda::MostraAssenza(const QString& motivo)
{
    assenza_->setText(motivo);
    assenza_->setVisible(!motivo.isEmpty());
    divisore_->setVisible(motivo.isEmpty());
}

QTableWidget* Scheda::NuovaTabella(const QString& nome, const QString& accessibile,
                                   const QList<Colonna>& colonne)
{
    auto* tabella = new QTableWidget(0, static_cast<int>(colonne.size()), this);
    tabella->setObjectName(nome);
    tabella->setAccessibleName(accessibile);
    for (int c = 0; c < colonne.size(); ++c) {
        auto* titolo = new QTableWidgetItem(colonne[c].titolo);
        titolo->setToolTip(colonne[c].spiegazione);
        tabella->setHorizontalHeaderItem(c, titolo);
    }
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->setAlternatingRowColors(true);
    tabella->verticalHeader()->hide();
    tabella->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    tabelle_->insertWidget(tabelle_->count() - 1, tabella, 1);
    return tabella;
}

QChart* Scheda::NuovoGrafico(const QString& titolo, const QString& accessibile)
{
    auto* grafico = new QChart;
    grafico->setTitle(titolo);
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    grafico_ = new QChartView(grafico, divisore_);
    grafico_->setObjectName("grafico" + nome_);
    grafico_->setAccessibleName(accessibile);
    grafico_->setRenderHint(QPainter::Antialiasing);
    grafico_->setMinimumWidth(420);
    divisore_->addWidget(grafico_);
    divisore_->setStretchFactor(0, 1);
    divisore_->setStretchFactor(1, 1);
    divisore_->setSizes({1000, 1000}); // half each, whatever the window's width
    return grafico;
}

void Scheda::Nota(const QString& testo)
{
    if (nota_->text() != testo)
        nota_->setText(testo);
}

void Righe(QTableWidget* tabella, int righe)
{
    if (tabella->rowCount() != righe)
        tabella->setRowCount(righe);
}

// Fitting the columns to their contents measures every cell: done only when
// a text grew, not at each of a run's updates (a column never narrows while
// the user reads it).
constexpr const char* DaAdattare = "vortillaDaAdattare";

void Cella(QTableWidget* tabella, int riga, int colonna, const QString& testo)
{
    if (QTableWidgetItem* cella = tabella->item(riga, colonna)) {
        const QString prima = cella->text();
        if (prima == testo)
            return;
        cella->setText(testo);
        if (testo.size() > prima.size())
            tabella->setProperty(DaAdattare, true);
        return;
    }
    tabella->setProperty(DaAdattare, true);
    auto* cella = new QTableWidgetItem(testo);
    cella->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    // Figures right-aligned, so that their digits line up; words to the left.
    const bool parole = !testo.isEmpty() && testo.front().isLetter();
    cella->setTextAlignment(Qt::AlignVCenter | (parole ? Qt::AlignLeft : Qt::AlignRight));
    // A cell explains itself as its row's title does, or else as its column's.
    const QTableWidgetItem* titolo = tabella->verticalHeader()->isHidden()
                                         ? tabella->horizontalHeaderItem(colonna)
                                         : tabella->verticalHeaderItem(riga);
    if (titolo)
        cella->setToolTip(titolo->toolTip());
    tabella->setItem(riga, colonna, cella);
}

void Adatta(QTableWidget* tabella)
{
    if (!tabella->property(DaAdattare).toBool())
        return;
    tabella->setProperty(DaAdattare, false);
    tabella->resizeColumnsToContents();
}

void Valori(QBarSet* insieme, const QList<qreal>& valori)
{
    if (insieme->count() != valori.size()) {
        insieme->remove(0, insieme->count());
        insieme->append(valori);
        return;
    }
    for (int i = 0; i < valori.size(); ++i)
        if (insieme->at(i) != valori[i])
            insieme->replace(i, valori[i]);
}

void Punti(QXYSeries* serie, const QList<QPointF>& punti)
{
    if (serie->points() != punti)
        serie->replace(punti);
}
