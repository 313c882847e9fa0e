// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ColoriQt.h"

#include <QApplication>
#include <QWidget>

namespace vortilla {

QColor ColoreQt(Colore colore, const QPalette& tavolozza)
{
    if (!colori::DiSistema(colore))
        return QColor(colori::Rosso(colore), colori::Verde(colore), colori::Blu(colore));
    switch (colori::IndiceSistema(colore)) {
    case 5: return tavolozza.color(QPalette::Base);
    case 8: return tavolozza.color(QPalette::WindowText);
    case 15: return tavolozza.color(QPalette::Button);
    case 18: return tavolozza.color(QPalette::ButtonText);
    default: return tavolozza.color(QPalette::Window);
    }
}

void ImpostaColori(QWidget* controllo, Colore sfondo, Colore testo)
{
    const QPalette sistema = QApplication::palette();
    QPalette p = controllo->palette();
    p.setColor(QPalette::Window, ColoreQt(sfondo, sistema));
    p.setColor(QPalette::Button, ColoreQt(sfondo, sistema));
    p.setColor(QPalette::WindowText, ColoreQt(testo, sistema));
    p.setColor(QPalette::ButtonText, ColoreQt(testo, sistema));
    controllo->setPalette(p);
    controllo->setAutoFillBackground(true);
}

} // namespace vortilla
