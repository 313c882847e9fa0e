// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/TabellaPremi.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace vortilla {
namespace {

std::vector<std::string_view> Campi(std::string_view riga)
{
    std::vector<std::string_view> campi;
    for (std::size_t fine = riga.find(';');; fine = riga.find(';')) {
        campi.push_back(Rifilato(riga.substr(0, fine)));
        if (fine == riga.npos)
            return campi;
        riga.remove_prefix(fine + 1);
    }
}

// A whole number from `minimo` to `massimo`, or nothing.
std::optional<int> Intero(std::string_view testo, int minimo, int massimo)
{
    if (!SoloCifre(testo) || testo.size() > 2)
        return std::nullopt;
    int n = 0;
    for (const char c : testo)
        n = n * 10 + (c - '0');
    if (n < minimo || n > massimo)
        return std::nullopt;
    return n;
}

// Takes the table line by line, from a text or from a file alike.
class LettorePremi {
public:
    bool Riga(std::size_t numero, std::string_view riga)
    {
        riga = Rifilato(SenzaCommento(riga));
        if (riga.empty())
            return true;
        errore_ = Leggi(riga);
        if (!errore_.empty())
            errore_ = "riga " + std::to_string(numero) + ": " + errore_;
        else
            dataAllaRiga_[ultima_[0]][ultima_[1]] = numero;
        return errore_.empty();
    }

    Esito<TabellaPremi> Fine(const std::optional<std::string>& erroreFile) const
    {
        if (erroreFile)
            return {{}, *erroreFile};
        if (!errore_.empty())
            return {{}, errore_};
        if (!premi_)
            return {{}, "il file non contiene premi (righe «numeri giocati;punti;vincita»)"};
        return {tabella_, {}};
    }

private:
    // The reason `riga` is refused, or nothing.
    std::string Leggi(std::string_view riga)
    {
        constexpr int Massimo = static_cast<int>(ValoriPunti) - 1;
        const std::vector<std::string_view> campi = Campi(riga);
        if (campi.size() != 3)
            return "servono tre campi separati da «;» (numeri giocati;punti;vincita), "
                   + (campi.size() == 1 ? std::string("ce n'è 1")
                                        : "ce ne sono " + std::to_string(campi.size()));
        const std::optional<int> numeri = Intero(campi[0], 1, Massimo);
        if (!numeri)
            return "numeri giocati " + Citazione(campi[0]) + ": deve essere un intero da 1 a 10";
        const std::optional<int> punti = Intero(campi[1], 0, Massimo);
        if (!punti)
            return "punti " + Citazione(campi[1]) + ": deve essere un intero da 0 a 10";
        if (*punti > *numeri)
            return std::to_string(*punti) + " punti non si fanno con " + std::to_string(*numeri)
                   + " numeri giocati";
        const Esito<Centesimi> vincita = LeggiImporto(campi[2]);
        if (!vincita.valore)
            return "vincita: " + vincita.errore;
        const auto n = static_cast<std::size_t>(*numeri);
        const auto p = static_cast<std::size_t>(*punti);
        if (dataAllaRiga_[n][p] != 0)
            return "la vincita per " + std::to_string(n) + " numeri e " + std::to_string(p)
                   + " punti è già data alla riga " + std::to_string(dataAllaRiga_[n][p]);
        tabella_.premio[n][p] = *vincita.valore;
        ultima_ = {n, p};
        premi_ = true;
        return {};
    }

    TabellaPremi tabella_;
    std::array<std::array<std::size_t, ValoriPunti>, ValoriPunti> dataAllaRiga_{};
    std::array<std::size_t, 2> ultima_{};
    std::string errore_;
    bool premi_ = false;
};

} // namespace

Esito<TabellaPremi> LeggiTabellaPremi(std::string_view testo)
{
    LettorePremi lettore;
    PerOgniRiga(testo, [&](std::size_t n, std::string_view riga) { return lettore.Riga(n, riga); });
    return lettore.Fine(std::nullopt);
}

Esito<TabellaPremi> LeggiFilePremi(const std::string& percorso)
{
    LettorePremi lettore;
    const auto errore = PerOgniRigaDelFile(
        percorso, [&](std::size_t n, std::string_view riga) { return lettore.Riga(n, riga); });
    return lettore.Fine(errore);
}

std::optional<std::string> ControllaLimitiPremi(const TabellaPremi& tabella, const Sistema& sistema,
                                                std::uint64_t sessione)
{
    unsigned __int128 massima = 0; // the most one draw can win
    for (std::size_t n = 0; n < ValoriPunti; ++n) {
        const Centesimi migliore =
            *std::max_element(tabella.premio[n].begin(), tabella.premio[n].end());
        massima += static_cast<unsigned __int128>(sistema.perLunghezza[n])
                   * static_cast<std::uint64_t>(migliore);
    }
    // A session's stake as well: its result runs from minus the stake to
    // the winnings.
    const auto costo = static_cast<unsigned __int128>(sistema.righe.size()) * 100;
    const unsigned __int128 limite = std::numeric_limits<std::int64_t>::max();
    const unsigned __int128 perEstrazione = std::max(massima, costo);
    if (perEstrazione != 0 && sessione > limite / perEstrazione)
        return "premi troppo grandi da sommare esattamente: con queste combinazioni una sessione "
               "di "
               + std::to_string(sessione)
               + " estrazioni può superare 92233720368547758,07 per posta 1; accorcia la sessione";
    return std::nullopt;
}

} // namespace vortilla
