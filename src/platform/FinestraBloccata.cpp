// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FinestraBloccata.h"

#include <QApplication>
#include <QWidget>

namespace vortilla {

bool FinestraBloccata(const QWidget* controllo)
{
    // The program's dialogs are application-modal, so the modal window on
    // top blocks every other window.
    const QWidget* modale = QApplication::activeModalWidget();
    return modale && modale != controllo->window();
}

} // namespace vortilla
