// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "errors/MostraErrore.h"

#include "errors/MessaggioErrore.h"

namespace vortilla {

void MostraErrore(std::int32_t numero, DatiErrori& dati, FinestraMessaggio& finestra)
{
    dati.File.ChiudiTutti();
    dati.Canale.TestoMessaggio = MessaggioErrore(numero);
    dati.Canale.Pulsanti = "OK";
    finestra.ApriModale();
}

} // namespace vortilla
