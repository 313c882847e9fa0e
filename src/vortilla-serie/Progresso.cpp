// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Progresso.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

Progresso::Progresso(std::uint64_t totale, Orologio::time_point inizio, bool terminale, bool codici)
    : totale_(totale), inizio_(inizio), terminale_(terminale), codici_(codici)
{
}

void Progresso::Mostra(std::uint64_t fatte, Orologio::time_point adesso)
{
    const double secondi = std::chrono::duration<double>(adesso - inizio_).count();
    if (!terminale_ || secondi < 1 || totale_ == 0)
        return;
    const double velocita = static_cast<double>(fatte) / secondi;
    const double percentuale = 100.0 * static_cast<double>(fatte) / static_cast<double>(totale_);
    char riga[160];
    int n = std::snprintf(riga, sizeof riga, "%5.1f%%  %.0f estrazioni/s", percentuale, velocita);
    if (velocita > 0 && n > 0 && n < static_cast<int>(sizeof riga))
        n += std::snprintf(riga + n, sizeof riga - static_cast<std::size_t>(n),
                           "  %.0f s alla fine", static_cast<double>(totale_ - fatte) / velocita);
    n = std::min<int>(n, sizeof riga - 1);
    // Without escape codes a shorter line is padded over the longer one.
    const int vuoto = codici_ ? 0 : std::max(0, scritta_ - n);
    std::fprintf(stderr, codici_ ? "\r\033[K%s" : "\r%s%*s", riga, vuoto, "");
    std::fflush(stderr);
    scritta_ = n;
}

void Progresso::Cancella()
{
    if (scritta_ == 0)
        return;
    if (codici_)
        std::fputs("\r\033[K", stderr);
    else
        std::fprintf(stderr, "\r%*s\r", scritta_, "");
    scritta_ = 0;
}

bool StderrTerminale() { return isatty(STDERR_FILENO) == 1; }

bool TerminaleConCodici()
{
    const char* termine = std::getenv("TERM");
    return termine != nullptr && *termine != '\0' && std::strcmp(termine, "dumb") != 0;
}
