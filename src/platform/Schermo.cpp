// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Schermo.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vortilla {

const char* const MessaggioSenzaSchermo =
    "vortilla: nessuno schermo disponibile; avviare il programma da una sessione grafica.";

namespace {

QtMessageHandler precedente = nullptr;

void EsciSenzaSchermo()
{
    std::fprintf(stderr, "%s\n", MessaggioSenzaSchermo);
    std::fflush(stderr);
    std::_Exit(1);
}

void Gestore(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    if (tipo == QtFatalMsg)
        EsciSenzaSchermo();
    if (precedente)
        precedente(tipo, contesto, testo);
}

bool Impostata(const char* nome)
{
    const char* valore = std::getenv(nome);
    return valore && *valore;
}

} // namespace

bool SchermoIndicato(int argc, char** argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return Impostata("DISPLAY") || Impostata("WAYLAND_DISPLAY") || Impostata("QT_QPA_PLATFORM");
#else
    // Elsewhere the system's own windowing is always there.
    (void)argc;
    (void)argv;
    return true;
#endif
}

GuardiaSchermo::GuardiaSchermo() { precedente = qInstallMessageHandler(Gestore); }

GuardiaSchermo::~GuardiaSchermo() { qInstallMessageHandler(precedente); }

} // namespace vortilla
