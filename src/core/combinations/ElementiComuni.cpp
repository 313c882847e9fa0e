// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/ElementiComuni.h"

#include "combinations/ClassificaSedici.h"
#include "combinations/LettoreElementi.h"

#include <algorithm>
#include <array>
#include <bit>

namespace vortilla {
namespace {

constexpr std::size_t Sedici = 16;

// The sixteen bytes of `testo` from `da`, with the two before them. Before
// the text an item starts, as after a line end; bytes past its end are not
// reported.
ClassiSedici ClassificaDa(std::string_view testo, std::size_t da, std::int8_t massimo)
{
    const std::size_t restano = testo.size() - da;
    if (da >= 2 && restano >= Sedici)
        return ClassificaSedici(testo.data() + da, massimo);

    std::array<char, Sedici + 2> copia;
    copia.fill('\n');
    for (std::size_t k = 0; k < copia.size(); ++k)
        if (da + k >= 2 && da + k - 2 < testo.size())
            copia[k] = testo[da + k - 2];
    ClassiSedici classi = ClassificaSedici(copia.data() + 2, massimo);
    if (restano < Sedici) {
        const unsigned dentro = (1u << restano) - 1;
        classi.fini &= dentro;
        classi.difetti &= dentro;
    }
    return classi;
}

// Numbers of one or two digits are at most 99, so a higher limit changes
// nothing, and one below 1 admits no number at all.
std::int8_t MassimoSuDueCifre(std::int16_t numeroMassimo)
{
    return static_cast<std::int8_t>(std::clamp<int>(numeroMassimo, 0, 99));
}

bool Ammesso(std::size_t numeri, std::size_t lunghezza, const LimitiGioco& limiti)
{
    return numeri >= static_cast<std::size_t>(std::max<int>(limiti.Minimo, 0))
           && static_cast<std::ptrdiff_t>(numeri) <= limiti.Massimo
           && lunghezza <= LettoreElementi::LunghezzaMassima;
}

} // namespace

TestaComune ElementiComuniInTesta(std::string_view testo, const LimitiGioco& limiti)
{
    const std::int8_t massimo = MassimoSuDueCifre(limiti.NumeroMassimo);
    TestaComune testa;
    std::size_t numeri = 0; // closed so far in the item being read
    for (std::size_t da = 0; da < testo.size(); da += Sedici) {
        const ClassiSedici classi = ClassificaDa(testo, da, massimo);
        unsigned difetti = classi.difetti;
        std::size_t chiusiPrima = 0; // closed in these sixteen bytes by the items already taken
        for (unsigned fini = classi.fini; fini != 0; fini &= fini - 1) {
            const auto j = static_cast<std::size_t>(std::countr_zero(fini));
            const unsigned finoQui = (2u << j) - 1;
            if ((difetti & finoQui) != 0)
                return testa;
            numeri += classi.chiusi[j] - chiusiPrima;
            const std::size_t fine = da + j;
            // An empty item closes no number: the reader skips it too.
            if (numeri != 0) {
                if (!Ammesso(numeri, fine - testa.byte, limiti))
                    return testa;
                ++testa.elementi;
            }
            testa.byte = fine + 1;
            numeri = 0;
            chiusiPrima = classi.chiusi[j];
            difetti &= ~finoQui;
        }
        if (difetti != 0)
            return testa;
        numeri += classi.chiusi[Sedici - 1] - chiusiPrima;
    }
    return testa;
}

} // namespace vortilla
