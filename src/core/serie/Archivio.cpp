// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Archivio.h"

#include <algorithm>
#include <span>

namespace vortilla {
namespace {

constexpr std::string_view Separatori = " \t,;";

std::vector<std::string_view> Campi(std::string_view riga)
{
    std::vector<std::string_view> campi;
    for (std::size_t inizio = riga.find_first_not_of(Separatori); inizio != riga.npos;
         inizio = riga.find_first_not_of(Separatori, inizio)) {
        const std::size_t fine = riga.find_first_of(Separatori, inizio);
        campi.push_back(riga.substr(inizio, fine - inizio));
        inizio = fine;
    }
    return campi;
}

// Takes the archive line by line, from a text or from a file alike.
class LettoreArchivio {
public:
    LettoreArchivio(int estratti, int numeri) : estratti_(estratti), numeri_(numeri) {}

    bool Riga(std::size_t numero, std::string_view riga)
    {
        const std::vector<std::string_view> campi = Campi(SenzaCommento(riga));
        if (campi.empty())
            return true;
        errore_ = Leggi(campi);
        if (!errore_.empty())
            errore_ = "riga " + std::to_string(numero) + ": " + errore_;
        return errore_.empty();
    }

    Esito<std::vector<EstrazioneArchivio>> Fine(const std::optional<std::string>& erroreFile)
    {
        if (erroreFile)
            return {{}, *erroreFile};
        if (!errore_.empty())
            return {{}, errore_};
        if (estrazioni_.empty())
            return {{}, "il file non contiene estrazioni"};
        return {std::move(estrazioni_), {}};
    }

private:
    // The reason the line is refused, or nothing.
    std::string Leggi(std::span<const std::string_view> campi)
    {
        EstrazioneArchivio estrazione;
        if (!SoloCifre(campi.front())) {
            estrazione.etichetta = campi.front();
            campi = campi.subspan(1);
        }
        const std::string fuori = " è fuori da 1.." + std::to_string(numeri_);
        for (const std::string_view campo : campi) {
            if (!SoloCifre(campo))
                return Citazione(campo) + " non è un numero";
            // Leading zeros are fine ("07"); anything longer is out of range.
            const std::string_view cifre =
                campo.substr(std::min(campo.find_first_not_of('0'), campo.size()));
            if (cifre.size() > 3)
                return "il numero " + Citazione(campo) + fuori;
            int n = 0;
            for (const char c : cifre)
                n = n * 10 + (c - '0');
            if (n < 1 || n > numeri_)
                return "il numero " + std::to_string(n) + fuori;
            if (estrazione.numeri.Contiene(n))
                return "il numero " + std::to_string(n) + " è ripetuto";
            estrazione.numeri.Aggiungi(n);
        }
        if (campi.size() != static_cast<std::size_t>(estratti_))
            return (campi.size() == 1 ? std::string("c'è 1 numero")
                                      : "ci sono " + std::to_string(campi.size()) + " numeri")
                   + ", ne servono " + std::to_string(estratti_);
        estrazioni_.push_back(std::move(estrazione));
        return {};
    }

    int estratti_;
    int numeri_;
    std::vector<EstrazioneArchivio> estrazioni_;
    std::string errore_;
};

} // namespace

Esito<std::vector<EstrazioneArchivio>> LeggiArchivio(std::string_view testo, int estratti,
                                                     int numeri)
{
    LettoreArchivio lettore(estratti, numeri);
    PerOgniRiga(testo, [&](std::size_t n, std::string_view riga) { return lettore.Riga(n, riga); });
    return lettore.Fine(std::nullopt);
}

Esito<std::vector<EstrazioneArchivio>> LeggiFileArchivio(const std::string& percorso, int estratti,
                                                         int numeri)
{
    LettoreArchivio lettore(estratti, numeri);
    const auto errore = PerOgniRigaDelFile(
        percorso, [&](std::size_t n, std::string_view riga) { return lettore.Riga(n, riga); });
    return lettore.Fine(errore);
}

} // namespace vortilla
