// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/DisposizioneGriglia.h"

#include "errors/Intero16.h"

#include <string>

namespace vortilla {
namespace {

struct Parametri {
    std::int16_t Inizio, Fine, PerRiga, SpazioX, SpazioY;
    bool ImpostaTab, ImpostaCaption, PortaAvanti;
};

// Both directions share one walk; `passo` is +1 or -1.
void Disponi(const Parametri& p, int passo, ArrayControlli& controlli, std::int16_t& contaTab)
{
    const int leftOrigine = controlli.Left(p.Inizio);
    const int altezzaRiga = controlli.Height(p.Inizio);
    int prossimoLeft = leftOrigine;
    int prossimoTop = controlli.Top(p.Inizio);
    std::int16_t indice = p.Inizio;
    std::int16_t inRiga = 0;

    // The loop counts how many elements remain rather than stepping a 16-bit
    // loop variable, so reaching 32767 or -32768 overflows only through the
    // current index, as every other counter does.
    const int elementi = passo > 0 ? p.Fine - p.Inizio + 1 : p.Inizio - p.Fine + 1;
    for (int n = 0; n < elementi; ++n) {
        if (p.ImpostaTab)
            contaTab = Somma16(contaTab, 1);
        inRiga = Somma16(inRiga, 1);
        const bool daCreare =
            passo > 0 ? indice > controlli.IndiceMassimo() : indice < controlli.IndiceMinimo();
        if (daCreare)
            controlli.Crea(indice);
        controlli.Sposta(indice, prossimoLeft, prossimoTop);
        if (p.PortaAvanti)
            controlli.PortaAvanti(indice);
        controlli.Mostra(indice);
        if (p.ImpostaCaption)
            controlli.ImpostaTesto(indice, std::to_string(indice));
        if (p.ImpostaTab)
            controlli.ImpostaTabIndex(indice, contaTab);
        prossimoLeft = controlli.Left(indice) + controlli.Width(indice) + p.SpazioX;
        indice = Somma16(indice, passo);
        if (inRiga == p.PerRiga) {
            inRiga = 0;
            prossimoTop = prossimoTop + altezzaRiga + p.SpazioY;
            prossimoLeft = leftOrigine;
        }
    }
}

} // namespace

void DisponiAvanti(std::int16_t Inizio, std::int16_t Fine, std::int16_t PerRiga,
                   std::int16_t SpazioX, std::int16_t SpazioY, bool ImpostaTab, bool ImpostaCaption,
                   bool PortaAvanti, ArrayControlli& Controlli, std::int16_t& ContaTab)
{
    Disponi({Inizio, Fine, PerRiga, SpazioX, SpazioY, ImpostaTab, ImpostaCaption, PortaAvanti}, +1,
            Controlli, ContaTab);
}

void DisponiIndietro(std::int16_t Inizio, std::int16_t Fine, std::int16_t PerRiga,
                     std::int16_t SpazioX, std::int16_t SpazioY, bool ImpostaTab,
                     bool ImpostaCaption, bool PortaAvanti, ArrayControlli& Controlli,
                     std::int16_t& ContaTab)
{
    Disponi({Inizio, Fine, PerRiga, SpazioX, SpazioY, ImpostaTab, ImpostaCaption, PortaAvanti}, -1,
            Controlli, ContaTab);
}

} // namespace vortilla
