// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Campi.h"
#include "serie/Formati.h"

#include <initializer_list>

namespace vortilla {
namespace {

// A row of fields that need no quoting: names and numbers.
std::string Riga(std::initializer_list<std::string_view> campi)
{
    std::string t;
    for (const std::string_view campo : campi) {
        if (!t.empty())
            t += ',';
        t += campo;
    }
    return t + '\n';
}

class Coppie {
public:
    explicit Coppie(Destinazione& d) : d_(d) { d_.Scrivi("tabella,chiave,valore\n"); }

    void Testo(std::string_view tabella, std::string_view chiave, std::string_view valore)
    {
        std::string t = Riga({tabella, chiave});
        t.back() = ',';
        campi::CampoCsv(t, valore);
        d_.Scrivi(t + '\n');
    }
    void Intero(std::string_view tabella, std::string_view chiave, std::uint64_t n)
    {
        std::string valore;
        campi::Intero(valore, n);
        Testo(tabella, chiave, valore);
    }
    void Reale(std::string_view tabella, std::string_view chiave, double x)
    {
        std::string valore;
        campi::Reale(valore, x);
        Testo(tabella, chiave, valore);
    }

private:
    Destinazione& d_;
};

void Serie(const Risultato& r, Destinazione& d)
{
    Coppie c(d);
    c.Testo("serie", "file", r.file);
    c.Intero("serie", "combinazioni", r.combinazioni);
    for (std::size_t k = 3; k <= 10; ++k)
        c.Intero("serie", "per_lunghezza_" + std::to_string(k), r.perLunghezza[k]);
    c.Intero("serie", "ripetizioni", r.conRipetizioni);
    c.Intero("serie", "estratti", static_cast<std::uint64_t>(r.estratti));
    c.Intero("serie", "estrazioni", r.conteggi.estrazioni);
    c.Intero("serie", "estrazioni_richieste", r.estrazioniChieste);
    c.Intero("serie", "seme", r.seme);
    c.Testo("serie", "interrotta", r.interrotta ? "true" : "false");
    c.Testo("serie", "errore_standard", MetodoErrore);
    c.Testo("serie", "intervallo", MetodoIntervallo);
    c.Reale("prestazioni", "secondi", r.secondi);
    c.Reale("prestazioni", "estrazioni_al_secondo", r.EstrazioniAlSecondo());
    c.Intero("prestazioni", "thread", r.thread);
}

void Tabelle(const Risultato& r, Destinazione& d)
{
    std::string t = "\ntabella,punti,osservati,attesi,errore_standard,z\n";
    for (const RigaPunti& riga : r.statistiche.punti) {
        t += "punti,";
        campi::Intero(t, static_cast<std::uint64_t>(riga.punti));
        t += ',';
        campi::Intero(t, riga.osservati);
        t += ',';
        campi::Reale(t, riga.attesi);
        t += ',';
        campi::Reale(t, riga.erroreStandard);
        t += ',';
        campi::Reale(t, riga.z);
        t += '\n';
    }
    t += "\ntabella,punti,estrazioni\n";
    for (std::size_t p = 0; p < ValoriPunti; ++p) {
        t += "migliore,";
        campi::Intero(t, p);
        t += ',';
        campi::Intero(t, r.conteggi.migliore[p]);
        t += '\n';
    }
    t += "\ntabella,punti,estrazioni,percentuale,intervallo95_basso,intervallo95_alto\n";
    for (const RigaAlmeno& a : r.statistiche.almeno) {
        t += "almeno,";
        campi::Intero(t, static_cast<std::uint64_t>(a.punti));
        t += ',';
        campi::Intero(t, a.estrazioni);
        for (const double x : {a.percentuale, a.basso, a.alto}) {
            t += ',';
            campi::Reale(t, x);
        }
        t += '\n';
    }
    d.Scrivi(t);
}

void Dettaglio(const Risultato& r, Destinazione& d)
{
    std::string t = "\ntabella,riga,combinazione";
    for (std::size_t p = 0; p < ValoriPunti; ++p)
        t += ",punti_" + std::to_string(p);
    d.Scrivi(t + '\n');
    for (std::size_t i = 0; i < r.conteggi.perRiga.size(); ++i) {
        t = "dettaglio,";
        campi::Intero(t, i + 1);
        t += ',';
        campi::CampoCsv(t, (*r.righe)[i]);
        for (const std::uint64_t n : r.conteggi.perRiga[i]) {
            t += ',';
            campi::Intero(t, n);
        }
        t += '\n';
        d.Scrivi(t);
    }
}

} // namespace

void ScriviCsv(const Risultato& r, Destinazione& destinazione)
{
    Serie(r, destinazione);
    Tabelle(r, destinazione);
    if (r.ConDettaglio())
        Dettaglio(r, destinazione);
}

} // namespace vortilla
