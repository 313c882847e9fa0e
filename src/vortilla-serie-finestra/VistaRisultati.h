// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Risultato.h"

#include <QList>
#include <QString>
#include <QTabWidget>

class QChartView;
class Scheda;

// The results of a run, one tab per question, each a table with its chart
// beside it. Shows a partial run as well as a final one: each call replaces
// the figures in place, so that the tables and charts fill in while the
// series runs.
class VistaRisultati : public QTabWidget {
    Q_OBJECT

public:
    explicit VistaRisultati(QWidget* genitore = nullptr);

    // `inCorso`: the run goes on, so fewer draws than asked are not a stop.
    void Mostra(const vortilla::Risultato& r, bool inCorso = false);
    void Svuota();

    // The chart of the current tab, for export; null when it has none.
    QChartView* GraficoCorrente() const;

    // The line over every tab: what the figures are of.
    static QString Intestazione(const vortilla::Risultato& r, bool inCorso);

private:
    QList<Scheda*> schede_;
    QList<QString> spiegazioni_; // each tab's tooltip when it has figures
};
