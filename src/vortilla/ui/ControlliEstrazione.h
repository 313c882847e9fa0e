// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ArrayWidget.h"
#include "platform/PulsanteOpzione.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace vortilla {

// The controls of the main window as designed, before the grid layout
// creates the rest of the arrays. Each carries its design name as its
// objectName; array elements are named "<array>_<index>".
struct ControlliEstrazione {
    explicit ControlliEstrazione(QWidget* finestra);

    QFrame* Frame1;
    QLabel* imLogo;
    QFrame* Frame2;
    QFrame* Frame6;
    QLabel* Label2_0;
    QLabel* lblCatturate;
    QLabel* Label2_4;
    QLabel* lblTentativi;
    QFrame* Frame5;
    QLabel* imgtry;
    QFrame* Frame4;
    QLabel* Label1;
    QFrame* Frame3;
    QFrame* fraControl;
    QPushButton* cmdOpen;
    QPushButton* cmdEstrai;
    QPushButton* cmdReset;

    std::unique_ptr<ArrayWidget<QLabel>> lblBall;
    std::unique_ptr<ArrayWidget<QLabel>> lblNumero;
    std::unique_ptr<ArrayWidget<QLabel>> lblPunti;
    std::unique_ptr<ArrayWidget<QLabel>> lblNumTot;
    std::unique_ptr<ArrayWidget<QLabel>> lblPuntiTot;
    std::unique_ptr<ArrayWidget<PulsanteOpzione>> opscelta;
};

} // namespace vortilla
