// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>

// The progress line on stderr: only on a terminal, and only once a run has
// lasted a second, so that short runs and redirected output stay clean. On a
// terminal that takes no escape codes (TERM unset or "dumb") the line is
// rewritten with a carriage return and spaces alone.
class Progresso {
public:
    using Orologio = std::chrono::steady_clock;

    Progresso(std::uint64_t totale, Orologio::time_point inizio, bool terminale, bool codici);
    void Mostra(std::uint64_t fatte, Orologio::time_point adesso);
    void Cancella(); // before the results

private:
    std::uint64_t totale_;
    Orologio::time_point inizio_;
    bool terminale_;
    bool codici_;
    int scritta_ = 0; // length of the line on screen
};

// Whether stderr is a terminal, and whether that terminal takes escape codes.
bool StderrTerminale();
bool TerminaleConCodici();
