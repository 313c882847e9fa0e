// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Schermo.h"
#include "ui/Applicazione.h"

#include <QApplication>

#include <cstdio>
#include <optional>

int main(int argc, char** argv)
{
    if (!vortilla::SchermoIndicato(argc, argv)) {
        std::fprintf(stderr, "%s\n", vortilla::MessaggioSenzaSchermo);
        return 1;
    }
    std::optional<vortilla::GuardiaSchermo> guardia(std::in_place);
    QApplication app(argc, argv);
    guardia.reset();

    vortilla::Applicazione programma;
    programma.Mostra();
    return app.exec();
}
