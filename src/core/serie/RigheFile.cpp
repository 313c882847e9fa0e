// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/RigheFile.h"

#include "combinations/FileTesto.h"
#include "errors/ErroreNumerato.h"
#include "errors/MessaggioErrore.h"

#include <algorithm>

namespace vortilla {
namespace {

std::string_view SenzaRitorno(std::string_view riga)
{
    if (!riga.empty() && riga.back() == '\r')
        riga.remove_suffix(1);
    return riga;
}

std::string TroppoLunga(std::size_t numero)
{
    return "riga " + std::to_string(numero) + ": è più lunga di "
           + std::to_string(RigaMassima / 1024) + " KiB";
}

} // namespace

void PerOgniRiga(std::string_view testo, const AzioneRiga& azione)
{
    std::size_t numero = 0;
    while (!testo.empty()) {
        const std::size_t fine = testo.find('\n');
        if (!azione(++numero, SenzaRitorno(testo.substr(0, fine))) || fine == testo.npos)
            return;
        testo.remove_prefix(fine + 1);
    }
}

std::optional<std::string> PerOgniRigaDelFile(const std::string& percorso, const AzioneRiga& azione)
{
    try {
        FileAperti registro;
        FileTesto file(percorso, registro);
        std::string riga; // the line that the last block left unfinished
        std::size_t numero = 0;
        for (std::string_view blocco = file.Leggi(); !blocco.empty(); blocco = file.Leggi()) {
            for (std::size_t fine = blocco.find('\n'); fine != blocco.npos;
                 fine = blocco.find('\n')) {
                if (riga.size() + fine > RigaMassima + 1)
                    return TroppoLunga(numero + 1);
                riga.append(blocco.substr(0, fine));
                if (!azione(++numero, SenzaRitorno(riga)))
                    return std::nullopt;
                riga.clear();
                blocco.remove_prefix(fine + 1);
            }
            if (riga.size() + blocco.size() > RigaMassima + 1)
                return TroppoLunga(numero + 1);
            riga.append(blocco);
        }
        if (!riga.empty())
            azione(++numero, SenzaRitorno(riga));
        return std::nullopt;
    } catch (const ErroreNumerato& errore) {
        std::string testo = MessaggioErrore(errore.numero());
        std::replace(testo.begin(), testo.end(), '|', ' ');
        return testo;
    }
}

std::string_view SenzaCommento(std::string_view riga) { return riga.substr(0, riga.find('#')); }

std::string_view Rifilato(std::string_view testo)
{
    const std::size_t inizio = testo.find_first_not_of(" \t");
    if (inizio == testo.npos)
        return {};
    return testo.substr(inizio, testo.find_last_not_of(" \t") - inizio + 1);
}

std::string Citazione(std::string_view testo)
{
    constexpr std::size_t Massimo = 24;
    bool tagliato = false;
    if (testo.size() > Massimo) {
        std::size_t taglio = Massimo;
        // Back to the first byte of a character, never into its middle.
        while (taglio > 0 && (static_cast<unsigned char>(testo[taglio]) & 0xC0) == 0x80)
            --taglio;
        testo = testo.substr(0, taglio);
        tagliato = true;
    }
    std::string citato = "«";
    for (const char c : testo) {
        const auto u = static_cast<unsigned char>(c);
        citato += u < 0x20 || u == 0x7F ? '?' : c;
    }
    return citato + (tagliato ? "…»" : "»");
}

bool SoloCifre(std::string_view testo)
{
    return !testo.empty()
           && std::all_of(testo.begin(), testo.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace vortilla
