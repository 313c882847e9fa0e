// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Sistema.h"
#include "serie/TabellaPremi.h"

#include <cstdint>
#include <vector>

namespace vortilla {

// What a group of lines is expected to win in one draw, exactly (from the
// exact points distributions), against what it stakes.
struct Resa {
    double vincitaAttesa = 0; // euros per draw at the stake
    double costo = 0;         // euros staked per draw
    double resa = 0;          // return to player: vincitaAttesa / costo, %
};

struct ResaPerLunghezza : Resa {
    int numeri = 0; // numbers per line, repeats included
    std::uint64_t righe = 0;
};

struct ResaAttesa {
    std::vector<ResaPerLunghezza> perLunghezza; // the lengths the system has, shortest first
    Resa sistema;                               // all the lines together
};

// `posta` is the stake per line per draw, in cents (> 0); `estratti` of
// `numeri` are drawn. The return does not depend on the stake, the amounts do.
ResaAttesa CalcolaResaAttesa(const Sistema& sistema, const TabellaPremi& tabella, Centesimi posta,
                             int estratti, int numeri = 90);

} // namespace vortilla
