// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Importi.h"

namespace vortilla {

Esito<Centesimi> LeggiImporto(std::string_view testo)
{
    const std::size_t separatore = testo.find_first_of(",.");
    const std::string_view interi = testo.substr(0, separatore);
    const std::string_view decimali =
        separatore == testo.npos ? std::string_view{} : testo.substr(separatore + 1);
    if (testo.empty())
        return {{}, "manca l'importo"};
    if (!SoloCifre(interi) || (separatore != testo.npos && !SoloCifre(decimali))
        || decimali.size() > 2)
        return {{},
                Citazione(testo)
                    + " non è un importo: scrivi solo cifre, con al più due decimali dopo la "
                      "virgola o il punto e senza separatori delle migliaia (es. 1500 o 12,50)"};
    Centesimi euro = 0;
    for (const char c : interi) {
        euro = euro * 10 + (c - '0');
        if (euro > ImportoMassimo / 100)
            return {{}, Citazione(testo) + " supera l'importo massimo, 1000000000,00"};
    }
    Centesimi centesimi = 0;
    for (std::size_t i = 0; i < 2; ++i)
        centesimi = centesimi * 10 + (i < decimali.size() ? decimali[i] - '0' : 0);
    const Centesimi importo = euro * 100 + centesimi;
    if (importo > ImportoMassimo)
        return {{}, Citazione(testo) + " supera l'importo massimo, 1000000000,00"};
    return {importo, {}};
}

Esito<Centesimi> LeggiPosta(std::string_view testo)
{
    Esito<Centesimi> posta = LeggiImporto(testo);
    if (posta.valore && *posta.valore == 0)
        return {{}, "la posta deve essere maggiore di zero"};
    return posta;
}

} // namespace vortilla
