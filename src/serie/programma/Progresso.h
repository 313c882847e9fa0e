// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>

// The progress line on stderr: only on a terminal, and only once a run has
// lasted a second, so that short runs and redirected output stay clean.
class Progresso {
public:
    using Orologio = std::chrono::steady_clock;

    Progresso(std::uint64_t totale, Orologio::time_point inizio, bool terminale);
    void Mostra(std::uint64_t fatte, Orologio::time_point adesso);
    void Cancella(); // before the results

private:
    std::uint64_t totale_;
    Orologio::time_point inizio_;
    bool terminale_;
    bool scritta_ = false;
};
