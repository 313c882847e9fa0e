// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Applicazione.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vortilla::Applicazione programma;
    programma.Mostra();
    return app.exec();
}
