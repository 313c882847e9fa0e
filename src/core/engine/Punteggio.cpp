// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Punteggio.h"

#include "combinations/ConvertiNumero.h"
#include "errors/ErroreNumerato.h"

namespace vortilla {
namespace {

std::string_view SenzaSpaziEsterni(std::string_view testo)
{
    const auto inizio = testo.find_first_not_of(' ');
    if (inizio == std::string_view::npos)
        return {};
    return testo.substr(inizio, testo.find_last_not_of(' ') - inizio + 1);
}

} // namespace

std::optional<int> PuntiCombinazione(std::string_view riga, std::span<const std::int16_t> estratti)
{
    riga = SenzaSpaziEsterni(riga);
    int punti = 0;
    int numeri = 0;
    // Every single space ends a token, so two spaces in a row leave an empty
    // token, which the conversion refuses: the line is scored exactly as it
    // was validated, not as a more lenient reading of it.
    for (;;) {
        const auto spazio = riga.find(' ');
        const std::string_view token = riga.substr(0, spazio);
        if (++numeri > NumeriPerRigaMassimi)
            return std::nullopt;
        int valore = 0;
        try {
            valore = ConvertiNumero(token);
        } catch (const ErroreNumerato&) {
            return std::nullopt;
        }
        if (valore < 1 || static_cast<std::size_t>(valore) >= estratti.size())
            return std::nullopt;
        punti += estratti[static_cast<std::size_t>(valore)];
        if (spazio == std::string_view::npos)
            return punti;
        riga.remove_prefix(spazio + 1);
    }
}

std::optional<TabellaPunti> CalcolaPunteggi(std::span<const std::string> righe,
                                            std::span<const std::int16_t> estratti)
{
    TabellaPunti tabella{};
    for (const std::string& riga : righe) {
        const auto punti = PuntiCombinazione(riga, estratti);
        // Entries other than 0 and 1 in estratti could push the points out of
        // the tally even on a short line.
        if (!punti || *punti < 0 || *punti >= static_cast<int>(tabella.size()))
            return std::nullopt;
        ++tabella[static_cast<std::size_t>(*punti)];
    }
    return tabella;
}

} // namespace vortilla
