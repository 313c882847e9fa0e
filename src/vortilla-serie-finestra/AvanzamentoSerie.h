// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Risultato.h"

#include <QWidget>

class QLabel;
class QProgressBar;

// How far a run is: the bar, the draws done, the speed, the time left and
// the seed that repeats it.
class AvanzamentoSerie : public QWidget {
    Q_OBJECT

public:
    explicit AvanzamentoSerie(QWidget* genitore = nullptr);

    // The files are read, the exact figures are being computed.
    void Inizia();
    // A snapshot of the run, or with `finale` its end.
    void Mostra(const vortilla::Risultato& r, bool finale);

private:
    QProgressBar* barra_;
    QLabel* estrazioni_;
    QLabel* velocita_;
    QLabel* tempo_;
    QLabel* seme_;
};
