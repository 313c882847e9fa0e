// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/EsaminaFile.h"

#include "combinations/ElementiComuni.h"
#include "combinations/LettoreElementi.h"
#include "combinations/Normalizza.h"
#include "errors/ErroreNumerato.h"

#include <algorithm>
#include <limits>

namespace vortilla {
namespace {

// Moves the reader past the common items at the head of its block and adds
// them to `conta`; returns how many it took. Too many to count are all left
// to the full road, which raises the overflow at the right item.
std::size_t SaltaElementiComuni(LettoreElementi& lettore, const LimitiGioco& limiti,
                                std::int32_t& conta)
{
    const TestaComune testa = ElementiComuniInTesta(lettore.Anteprima(), limiti);
    const auto margine = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() - conta);
    if (testa.elementi > margine)
        return 0;
    lettore.Salta(testa.byte);
    conta += static_cast<std::int32_t>(testa.elementi);
    return testa.elementi;
}

// When to try the quick sweep. A file written another way (dots, tabs,
// quotes around every line) would pay for a sweep that finds nothing before
// each of its items: after such a sweep the next one waits for twice as
// many items as the last wait, up to 64; a sweep that finds items brings
// it back to every item.
class Cadenza {
public:
    bool Tocca()
    {
        if (attesa_ == 0)
            return true;
        --attesa_;
        return false;
    }

    void Esito(std::size_t trovati)
    {
        if (trovati > 0) {
            passo_ = 1;
            return;
        }
        attesa_ = passo_;
        passo_ = std::min<std::size_t>(passo_ * 2, 64);
    }

private:
    std::size_t attesa_ = 0;
    std::size_t passo_ = 1;
};

} // namespace

std::int32_t EsaminaFile(const std::string& percorso, const LimitiGioco& limiti,
                         FileAperti& registro, std::vector<std::string>& righe,
                         std::size_t daConservare, std::size_t blocco)
{
    LettoreElementi lettore(percorso, registro, blocco);
    std::int32_t conta = 0;
    std::size_t conservate = 0;
    std::string spazio; // reused, so checking a large file allocates nothing per item
    std::string_view elemento;
    Cadenza cadenza;
    for (;;) {
        // Once no more lines are to be kept, the common items of each block
        // are checked in one sweep; the first item it leaves, the odd one or
        // the one cut by the end of the block, takes the full road below.
        if (conservate >= daConservare && cadenza.Tocca())
            cadenza.Esito(SaltaElementiComuni(lettore, limiti, conta));
        if (!lettore.Prossimo(elemento))
            break;
        if (conta == std::numeric_limits<std::int32_t>::max())
            throw ErroreNumerato(errori::Overflow);
        ++conta;
        const std::string_view riga = Normalizza(elemento, spazio);
        ControllaRiga(riga, limiti);
        if (conservate < daConservare) {
            righe.emplace_back(riga);
            ++conservate;
        }
    }
    if (conta < 1)
        throw ErroreNumerato(errori::FileVuoto);
    return conta;
}

} // namespace vortilla
