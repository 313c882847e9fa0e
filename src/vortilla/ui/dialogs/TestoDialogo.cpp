// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/TestoDialogo.h"

#include <algorithm>

namespace vortilla {

std::vector<std::string> DividiTesto(const std::string& testo, char separatore)
{
    std::vector<std::string> pezzi;
    if (testo.empty())
        return pezzi;
    std::string::size_type inizio = 0;
    for (;;) {
        const std::string::size_type fine = testo.find(separatore, inizio);
        if (fine == std::string::npos) {
            pezzi.push_back(testo.substr(inizio));
            return pezzi;
        }
        pezzi.push_back(testo.substr(inizio, fine - inizio));
        inizio = fine + 1;
    }
}

std::string ConRitorniACapo(std::string testo)
{
    // Qt labels break lines at "\n" alone, so no carriage return goes in.
    std::replace(testo.begin(), testo.end(), '|', '\n');
    return testo;
}

} // namespace vortilla
