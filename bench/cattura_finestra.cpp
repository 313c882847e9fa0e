// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Grabs the main window to a PNG, so a reviewer can look at it without a
// display:  QT_QPA_PLATFORM=offscreen cattura_finestra out.png
#include "ui/Applicazione.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s file.png\n", argv[0]);
        return 2;
    }
    vortilla::Applicazione programma;
    programma.Mostra();
    app.processEvents();
    if (!programma.FinestraPrincipale().grab().save(QString::fromLocal8Bit(argv[1])))
        return 1;
    return 0;
}
