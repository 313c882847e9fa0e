// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "errors/CanaleDialogo.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace vortilla {

// Shows CanaleDialogo::TestoInfo on as many lines as it has, with one "OK"
// button. It lays itself out once, when built, so each opening builds a new
// one. "OK", the close box and Escape all close it.
class FrmInfo : public QDialog {
    Q_OBJECT
public:
    explicit FrmInfo(const CanaleDialogo& canale, QWidget* parent = nullptr);

private:
    void CreaControlli();
    void Caricamento();

    const CanaleDialogo& canale_;
    QFrame* fraInfo_ = nullptr;
    QLabel* Image1_ = nullptr;
    QLabel* lblInfo_ = nullptr;
    QPushButton* cmdInfo_ = nullptr;
};

} // namespace vortilla
