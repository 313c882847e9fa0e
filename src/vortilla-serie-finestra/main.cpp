// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// vortilla-serie-finestra: the series of draws in a window of its own.

#include "FinestraSerie.h"

#include "platform/IconaProgramma.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vortilla"));
    QApplication::setApplicationName(QStringLiteral("vortilla-serie-finestra"));
    // Every window of the program, the dialogs and the file chooser
    // included, carries the family's icon, and desktops match them to the
    // program's entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("vortilla-serie-finestra"));
    QApplication::setWindowIcon(vortilla::IconaProgramma());
    FinestraSerie finestra;
    if (argc > 1)
        finestra.ApriFile(QApplication::arguments().at(1));
    finestra.show();
    return app.exec();
}
