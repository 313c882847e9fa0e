// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Sistema.h"

#include "combinations/ControllaRiga.h"
#include "combinations/ConvertiNumero.h"
#include "combinations/Token.h"
#include "errors/ErroreNumerato.h"

#include <algorithm>
#include <functional>

namespace vortilla {

Sistema CompilaSistema(std::span<const std::string> righe)
{
    Sistema sistema;
    sistema.righe.reserve(righe.size());
    std::array<std::uint8_t, 91> volte{};
    for (const std::string& riga : righe) {
        // The same checks as the load: anything else would leave the tally.
        ControllaRiga(riga, LimitiCaricamento);
        volte.fill(0);
        int numeri = 0;
        PerOgniToken(riga, [&](std::string_view token) {
            ++volte[static_cast<std::size_t>(ConvertiNumero(token))];
            ++numeri;
        });
        const auto indice = static_cast<std::uint32_t>(sistema.righe.size());
        int piuVolte = 1;
        Forma forma{};
        std::size_t distinti = 0;
        Maschera prima;
        for (int n = 1; n <= 90; ++n) {
            const std::uint8_t v = volte[static_cast<std::size_t>(n)];
            if (v == 0)
                continue;
            prima.Aggiungi(n);
            forma[distinti++] = v;
            piuVolte = std::max<int>(piuVolte, v);
        }
        sistema.righe.push_back(prima);
        for (int m = 2; m <= piuVolte; ++m) {
            Strato strato{{}, indice};
            for (int n = 1; n <= 90; ++n)
                if (volte[static_cast<std::size_t>(n)] >= m)
                    strato.numeri.Aggiungi(n);
            sistema.strati.push_back(strato);
        }
        ++sistema.perLunghezza[static_cast<std::size_t>(numeri)];
        sistema.conRipetizioni += piuVolte > 1;
        std::sort(forma.begin(), forma.end(), std::greater<>());
        ++sistema.forme[forma];
    }
    return sistema;
}

} // namespace vortilla
