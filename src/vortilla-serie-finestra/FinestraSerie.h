// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

class VistaRisultati;

// The series window: the inputs, Avvia and Ferma, the progress, and the
// results as they come.
class FinestraSerie : public QMainWindow {
    Q_OBJECT

public:
    explicit FinestraSerie(QWidget* genitore = nullptr);

private:
    VistaRisultati* risultati_;
};
