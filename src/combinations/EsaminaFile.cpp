#include "combinations/EsaminaFile.h"

#include "combinations/LettoreElementi.h"
#include "combinations/Normalizza.h"
#include "errors/ErroreNumerato.h"

#include <limits>

namespace vortilla {

std::int32_t EsaminaFile(const std::string& percorso, const LimitiGioco& limiti,
                         FileAperti& registro, std::vector<std::string>& righe,
                         std::size_t daConservare, std::size_t blocco)
{
    LettoreElementi lettore(percorso, registro, blocco);
    std::int32_t conta = 0;
    std::size_t conservate = 0;
    std::string spazio; // reused, so checking a large file allocates nothing per item
    std::string_view elemento;
    while (lettore.Prossimo(elemento)) {
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
