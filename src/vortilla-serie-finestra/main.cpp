// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// vortilla-serie-finestra: the series of draws in a window of its own.

#include "FinestraSerie.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FinestraSerie finestra;
    finestra.show();
    return app.exec();
}
