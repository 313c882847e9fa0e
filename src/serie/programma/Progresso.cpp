// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Progresso.h"

#include <cstdio>

Progresso::Progresso(std::uint64_t totale, Orologio::time_point inizio, bool terminale)
    : totale_(totale), inizio_(inizio), terminale_(terminale)
{
}

void Progresso::Mostra(std::uint64_t fatte, Orologio::time_point adesso)
{
    const double secondi = std::chrono::duration<double>(adesso - inizio_).count();
    if (!terminale_ || secondi < 1 || totale_ == 0)
        return;
    const double velocita = static_cast<double>(fatte) / secondi;
    const double percentuale = 100.0 * static_cast<double>(fatte) / static_cast<double>(totale_);
    std::fprintf(stderr, "\r\033[K%5.1f%%  %.0f estrazioni/s", percentuale, velocita);
    if (velocita > 0)
        std::fprintf(stderr, "  %.0f s alla fine", static_cast<double>(totale_ - fatte) / velocita);
    std::fflush(stderr);
    scritta_ = true;
}

void Progresso::Cancella()
{
    if (scritta_)
        std::fputs("\r\033[K", stderr);
    scritta_ = false;
}
