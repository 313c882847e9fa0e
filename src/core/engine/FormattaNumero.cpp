// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/FormattaNumero.h"

namespace vortilla {

std::string FormattaNumero(std::int16_t valore, std::string_view separatoreMigliaia)
{
    const std::string cifre = std::to_string(valore < 0 ? -int{valore} : int{valore});
    std::string testo = valore < 0 ? "-" : "";
    for (std::size_t i = 0; i < cifre.size(); ++i) {
        if (i > 0 && (cifre.size() - i) % 3 == 0)
            testo += separatoreMigliaia;
        testo += cifre[i];
    }
    return testo;
}

} // namespace vortilla
