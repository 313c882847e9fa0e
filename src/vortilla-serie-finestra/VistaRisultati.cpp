// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VistaRisultati.h"

VistaRisultati::VistaRisultati(QWidget* genitore) : QTabWidget(genitore)
{
    setObjectName(QStringLiteral("vistaRisultati"));
}

void VistaRisultati::Mostra(const vortilla::Risultato&) {}

void VistaRisultati::Svuota() {}

QChartView* VistaRisultati::GraficoCorrente() const
{
    return nullptr;
}
