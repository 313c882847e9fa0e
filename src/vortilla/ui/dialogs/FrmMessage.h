// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "errors/CanaleDialogo.h"
#include "platform/ArrayWidget.h"

#include <QDialog>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;

namespace vortilla {

// The program's one message box: CanaleDialogo::TestoMessaggio on one or more
// lines over a centred row of one to three buttons captioned from
// CanaleDialogo::Pulsanti. It lays itself out once, when built, so each
// opening builds a new one. Risposta is 0 from construction, then the number
// of the pressed button counted from 1; pressing a button closes the dialog.
// Only a button or the program closes it: its own frame and Escape do not.
class FrmMessage : public QDialog {
    Q_OBJECT
public:
    explicit FrmMessage(CanaleDialogo& canale, QWidget* parent = nullptr);
    ~FrmMessage() override;

protected:
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void CreaControlli();
    void Caricamento();
    void DisponiPulsanti(const std::vector<std::string>& didascalie);
    void DisponiInFila(const std::vector<std::string>& didascalie, int left, int spazio);
    void Premuto(std::int16_t indice);

    CanaleDialogo& canale_;
    QFrame* fraMessage_ = nullptr;
    QLabel* Image1_ = nullptr;
    QLabel* lblMessage_ = nullptr;
    std::unique_ptr<ArrayWidget<QPushButton>> cmdPulsante_;
};

} // namespace vortilla
