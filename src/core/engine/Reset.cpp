// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Reset.h"

#include <string>

namespace vortilla {

void RichiediReset(DatiProgramma& dati, FinestraMessaggio& messaggio, VistaTabellone& tabellone)
{
    dati.Canale.TestoMessaggio = avvisi::ConfermaReset;
    dati.Canale.Pulsanti = avvisi::PulsantiReset;
    messaggio.ApriModale();
    if (dati.Canale.Risposta == 1)
        Resetta(dati.Stato, tabellone);
}

void Resetta(StatoSimulazione& stato, VistaTabellone& tabellone)
{
    AdattaControlli(tabellone);

    stato.Tentativi = 0;
    tabellone.ScriviTentativi("0");

    for (std::size_t p = 0; p < stato.VinciteTotali.size(); ++p) {
        stato.VinciteTotali[p] = 0;
        tabellone.ScriviPuntiTot(static_cast<std::int16_t>(p),
                                 std::to_string(stato.VinciteTotali[p]) + " ");
    }
}

void AdattaControlli(VistaTabellone& tabellone)
{
    for (std::int16_t p = 0; p < static_cast<std::int16_t>(StatoSimulazione::PuntiPossibili); ++p)
        tabellone.ScriviPunti(p, colori::SfondoFinestra, "0 ");
}

} // namespace vortilla
