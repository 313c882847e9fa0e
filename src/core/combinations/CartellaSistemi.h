// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace vortilla {

// Where the open dialog starts: the program's folder followed by
// Shared/Costruzioni/ and a final separator. The parts are joined as they
// stand: a folder that already ends with a separator gives a doubled one.
inline std::string ComponiCartellaSistemi(std::string_view cartellaProgramma, char separatore)
{
    std::string cartella(cartellaProgramma);
    for (std::string_view parte : {"Shared", "Costruzioni"}) {
        cartella += separatore;
        cartella += parte;
    }
    cartella += separatore;
    return cartella;
}

} // namespace vortilla
