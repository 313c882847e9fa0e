// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Informazioni.h"

namespace vortilla {

std::string ComponiTestoInfo()
{
    return std::string("Simulazione VORTILLA:||") + "1) - Caricare file da controllare|"
           + "2) - Dalle Terzine alle Decine|" + "3) - Max. 500 combinazioni|"
           + "4) - Procedere con le estrazioni desiderate|";
}

void MostraInformazioni(CanaleDialogo& canale, FinestraInfo& info)
{
    canale.TestoInfo = ComponiTestoInfo();
    info.ApriModale();
}

bool ConfermaUscita(CanaleDialogo& canale, FinestraMessaggio& messaggio)
{
    canale.TestoMessaggio = "Confermi uscita dal programma?";
    canale.Pulsanti = "NO,SI";
    messaggio.ApriModale();
    return canale.Risposta != 1;
}

} // namespace vortilla
