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
namespace {

// The layers of a line come in turn, m = 2, 3, ... for each line that has them.
void AffettaStrati(const Sistema& sistema, Fette& fette)
{
    std::map<std::pair<int, int>, Fila> delGruppo; // (number, m) -> lines of the group
    std::size_t gruppo = 0;
    const auto chiudiGruppi = [&](std::size_t finoA) {
        for (; gruppo < finoA; ++gruppo) {
            for (const auto& [chiave, fila] : delGruppo) {
                fette.strati.push_back(fila);
                fette.numeroStrato.push_back(static_cast<std::uint8_t>(chiave.first));
            }
            delGruppo.clear();
            fette.primoStrato.push_back(static_cast<std::uint32_t>(fette.strati.size()));
        }
    };
    std::uint32_t rigaPrima = UINT32_MAX;
    int m = 1;
    for (const Strato& strato : sistema.strati) {
        m = strato.riga == rigaPrima ? m + 1 : 2;
        rigaPrima = strato.riga;
        chiudiGruppi(strato.riga / RighePerGruppo);
        for (int n = 1; n <= 90; ++n)
            if (strato.numeri.Contiene(n))
                delGruppo[{n, m}].Aggiungi(strato.riga % RighePerGruppo);
    }
    chiudiGruppi(fette.gruppi);
}

Fette Affetta(const Sistema& sistema, std::span<const std::uint8_t> lunghezze)
{
    Fette fette;
    const std::size_t righe = sistema.righe.size();
    const std::size_t gruppi = (righe + RighePerGruppo - 1) / RighePerGruppo;
    fette.gruppi = gruppi;
    fette.perNumero.resize(90 * gruppi);
    fette.perLunghezza.resize(Lunghezze * gruppi);
    for (std::size_t r = 0; r < righe; ++r) {
        const std::size_t g = r / RighePerGruppo;
        const std::size_t bit = r % RighePerGruppo;
        for (int n = 1; n <= 90; ++n)
            if (sistema.righe[r].Contiene(n))
                fette.perNumero[static_cast<std::size_t>(n - 1) * gruppi + g].Aggiungi(bit);
        fette.perLunghezza[(lunghezze[r] - LunghezzaMinima) * gruppi + g].Aggiungi(bit);
    }
    AffettaStrati(sistema, fette);
    return fette;
}

} // namespace

Sistema CompilaSistema(std::span<const std::string> righe)
{
    Sistema sistema;
    sistema.righe.reserve(righe.size());
    std::vector<std::uint8_t> lunghezze;
    lunghezze.reserve(righe.size());
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
        lunghezze.push_back(static_cast<std::uint8_t>(numeri));
        sistema.conRipetizioni += piuVolte > 1;
        std::sort(forma.begin(), forma.end(), std::greater<>());
        ++sistema.forme[forma];
    }
    sistema.fette = Affetta(sistema, lunghezze);
    return sistema;
}

} // namespace vortilla
