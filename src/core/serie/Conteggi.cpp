// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Conteggi.h"

namespace vortilla {

void Conteggi::Unisci(const Conteggi& altri)
{
    estrazioni += altri.estrazioni;
    for (std::size_t p = 0; p < ValoriPunti; ++p) {
        osservati[p] += altri.osservati[p];
        quadrati[p] += altri.quadrati[p];
        migliore[p] += altri.migliore[p];
    }
    if (perRiga.size() < altri.perRiga.size())
        perRiga.resize(altri.perRiga.size());
    for (std::size_t r = 0; r < altri.perRiga.size(); ++r)
        for (std::size_t p = 0; p < ValoriPunti; ++p)
            perRiga[r][p] += altri.perRiga[r][p];
}

} // namespace vortilla
