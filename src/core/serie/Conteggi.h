// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/PunteggioVeloce.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vortilla {

using Tabella64 = std::array<std::uint64_t, ValoriPunti>;

// What a series of draws leaves behind. Integers only, so that tallies made
// by different threads add up to the same totals in any order.
struct Conteggi {
    std::uint64_t estrazioni = 0;
    Tabella64 osservati{}; // line-draws by points
    std::array<unsigned __int128, ValoriPunti>
        quadrati{};                 // sum over draws of (lines with p points)^2
    Tabella64 migliore{};           // draws by the best points of any line
    std::vector<Tabella64> perRiga; // by line, only when asked for
    unsigned thread = 0;            // the threads that ran the series

    // Adds one draw whose lines scored `conteggio`.
    void Aggiungi(const ConteggioEstrazione& conteggio)
    {
        ++estrazioni;
        std::size_t meglio = 0;
        for (std::size_t p = 0; p < conteggio.size(); ++p) {
            const std::uint64_t x = conteggio[p];
            osservati[p] += x;
            quadrati[p] += static_cast<unsigned __int128>(x * x);
            if (x != 0)
                meglio = p;
        }
        ++migliore[meglio];
    }

    void Unisci(const Conteggi& altri);
};

} // namespace vortilla
