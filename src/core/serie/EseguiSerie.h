// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Conteggi.h"
#include "serie/PunteggioVeloce.h"
#include "serie/Sistema.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace vortilla {

struct ParametriSerie {
    std::uint64_t seme = 0;
    std::uint64_t estrazioni = 0;   // draws 0..estrazioni-1
    int estratti = 20;              // numbers per draw, of 90
    unsigned thread = 1;            // >= 1
    bool perRiga = false;           // also tally each line by points
    const Nucleo* nucleo = nullptr; // the kernel; null for NucleoInUso()
};

// Draws per block: a block takes a few milliseconds whatever the number of
// lines, so that a stop request is heard quickly. Results do not depend on it.
std::uint64_t EstrazioniPerBlocco(const Sistema& sistema);

// Runs the series on `parametri.thread` threads (or on as many as the system
// lets start, at least the calling one), which take fixed blocks of
// draws in turn. Draw i depends only on the seed and i, and every tally is
// an integer sum, so the results are the same for any thread count.
// When `ferma` becomes true each thread finishes its block and takes no
// other: the result then holds exactly the draws completed (`estrazioni`).
// `avanzamento`, if set, is called about ten times a second from the
// calling thread with the count of draws completed so far.
Conteggi EseguiSerie(const Sistema& sistema, const ParametriSerie& parametri,
                     const std::atomic<bool>& ferma,
                     const std::function<void(std::uint64_t)>& avanzamento = {});

} // namespace vortilla
