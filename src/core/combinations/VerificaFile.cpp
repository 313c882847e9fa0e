// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/VerificaFile.h"

#include "combinations/EsaminaFile.h"
#include "errors/ErroreNumerato.h"
#include "errors/MostraErrore.h"

#include <new>

namespace vortilla {

bool VerificaFile(const std::string& percorso, std::int16_t minimo, std::int16_t massimo,
                  std::int16_t numeroMassimo, DatiErrori& dati, FinestraMessaggio& finestra)
{
    std::int32_t numero = 0;
    try {
        std::vector<std::string> nessuna;
        EsaminaFile(percorso, {minimo, massimo, numeroMassimo}, dati.File, nessuna, 0);
        return false;
    } catch (const ErroreNumerato& errore) {
        numero = errore.numero();
    } catch (const std::bad_alloc&) {
        numero = errori::MemoriaEsaurita;
    }
    dati.File.ChiudiTutti();
    MostraErrore(numero, dati, finestra);
    return true;
}

} // namespace vortilla
