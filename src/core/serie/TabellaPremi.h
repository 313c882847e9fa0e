// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Importi.h"
#include "serie/PunteggioVeloce.h"
#include "serie/Sistema.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vortilla {

// The player's prizes for a stake of 1. A line's length is its count of
// numbers as written, repeats included ("5 5 7" plays three numbers).
struct TabellaPremi {
    // premio[numeri][punti]: cents won by one line of `numeri` numbers that
    // scores `punti`; 0 where the table says nothing.
    std::array<std::array<Centesimi, ValoriPunti>, ValoriPunti> premio{};
};

// Reads a table, one prize a line: "numeri giocati;punti;vincita", with
// 1..10 numbers played, 0..numbers played points, and the prize as
// LeggiImporto reads it; spaces around the fields are allowed, a '#' starts a
// comment, blank lines are skipped. A pair (numbers, points) given twice, or
// a table with no prize line, is refused. Errors are "riga N: reason".
Esito<TabellaPremi> LeggiTabellaPremi(std::string_view testo);

// The same for the file at `percorso` (UTF-8, or UTF-16 with a mark).
Esito<TabellaPremi> LeggiFilePremi(const std::string& percorso);

// What the lines of length `numeri` won in a draw at a stake of 1, in cents,
// `conteggio` being how many of them scored each points value.
inline std::uint64_t VincitaPerLunghezza(const TabellaPremi& tabella, std::size_t numeri,
                                         const ConteggioEstrazione& conteggio)
{
    std::uint64_t vincita = 0;
    for (std::size_t p = 0; p < ValoriPunti; ++p)
        vincita += conteggio[p] * static_cast<std::uint64_t>(tabella.premio[numeri][p]);
    return vincita;
}

// The accumulators hold a session's winnings in 64 bits. Returns the reason
// when the most that `sistema` can win in `sessione` draws (every line at its
// best prize every time) would not fit; nothing when it fits.
std::optional<std::string> ControllaLimitiPremi(const TabellaPremi& tabella, const Sistema& sistema,
                                                std::uint64_t sessione);

} // namespace vortilla
