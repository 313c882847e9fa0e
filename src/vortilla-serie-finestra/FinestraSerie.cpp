// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FinestraSerie.h"

#include "VistaRisultati.h"

FinestraSerie::FinestraSerie(QWidget* genitore)
    : QMainWindow(genitore), risultati_(new VistaRisultati(this))
{
    setObjectName(QStringLiteral("FinestraSerie"));
    setWindowTitle(QStringLiteral("SimulazioneVortilla® - Serie"));
    setCentralWidget(risultati_);
}
