// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/CaricaCombinazioni.h"

#include "combinations/ControllaRiga.h"
#include "combinations/EsaminaFile.h"
#include "combinations/VerificaFile.h"
#include "engine/FormattaNumero.h"
#include "errors/ErroreNumerato.h"
#include "errors/MostraErrore.h"

#include <new>
#include <utility>

namespace vortilla {

void CaricaCombinazioni(const std::string& percorso, DatiProgramma& dati,
                        FinestraMessaggio& finestra, VistaTabellone& vista)
{
    if (percorso.empty())
        return;
    const LimitiGioco& limiti = LimitiCaricamento;
    if (VerificaFile(percorso, limiti.Minimo, limiti.Massimo, limiti.NumeroMassimo, dati,
                     finestra)) {
        dati.Canale.TestoMessaggio = "Da Ambi a Decine ..!";
        dati.Canale.Pulsanti = "OK";
        finestra.ApriModale();
        return;
    }
    LeggiCombinazioni(percorso, dati, finestra, vista);
}

bool LeggiCombinazioni(const std::string& percorso, DatiProgramma& dati,
                       FinestraMessaggio& finestra, VistaTabellone& vista)
{
    auto lista = RileggiRighe(percorso, StatoSimulazione::MassimoCombinazioni, dati, finestra);
    if (!lista)
        return false;
    dati.Stato.Combinazioni = std::move(*lista);
    dati.Stato.NumCombinazioni = static_cast<std::int16_t>(dati.Stato.Combinazioni.size());
    vista.ScriviCatturate(FormattaNumero(dati.Stato.NumCombinazioni, dati.SeparatoreMigliaia));
    return true;
}

std::optional<std::vector<std::string>> RileggiRighe(const std::string& percorso,
                                                     std::size_t quante, DatiErrori& dati,
                                                     FinestraMessaggio& finestra)
{
    std::int32_t numero = 0;
    std::vector<std::string> lista;
    try {
        EsaminaFile(percorso, LimitiCaricamento, dati.File, lista, quante);
    } catch (const ErroreNumerato& errore) {
        numero = errore.numero();
    } catch (const std::bad_alloc&) {
        numero = errori::MemoriaEsaurita;
    }
    if (numero != 0) {
        dati.File.ChiudiTutti();
        MostraErrore(numero, dati, finestra);
        return std::nullopt;
    }
    return lista;
}

} // namespace vortilla
