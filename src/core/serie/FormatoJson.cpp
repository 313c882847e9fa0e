// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Formati.h"
#include "serie/FormatoJsonParti.h"

namespace vortilla {
namespace {

using namespace json;

// The keys of every object come in alphabetical order, the order the
// format has always had. Each element of a table takes one line.
void Almeno(const Risultato& r, std::string& t)
{
    t += "    \"almeno\": [\n";
    for (std::size_t p = 0; p < ValoriPunti; ++p) {
        const RigaAlmeno& a = r.statistiche.almeno[p];
        t += "        {";
        Reale(t, "esatto", a.esatto);
        t += ", ";
        Intero(t, "estrazioni", a.estrazioni);
        t += ", ";
        Reale(t, "indipendenti", a.indipendenti);
        t += ", ";
        Coppia(t, "intervallo95", std::array{a.basso, a.alto});
        t += ", ";
        Reale(t, "percentuale", a.percentuale);
        t += ", ";
        Intero(t, "punti", static_cast<std::uint64_t>(a.punti));
        t += p + 1 < ValoriPunti ? "},\n" : "}\n";
    }
    t += "    ],\n";
}

void Dettaglio(const Risultato& r, Destinazione& d)
{
    d.Scrivi("    \"dettaglio\": [\n");
    std::string t;
    const std::size_t righe = r.conteggi.perRiga.size();
    for (std::size_t i = 0; i < righe; ++i) {
        t = "        {";
        Stringa(t, "combinazione", (*r.righe)[i]);
        t += ", \"punti\": [";
        for (std::size_t p = 0; p < ValoriPunti; ++p) {
            if (p != 0)
                t += ", ";
            campi::Intero(t, r.conteggi.perRiga[i][p]);
        }
        t += "], ";
        Intero(t, "riga", i + 1);
        t += i + 1 < righe ? "},\n" : "}\n";
        d.Scrivi(t);
    }
    d.Scrivi("    ],\n");
}

void Livelli(const Risultato& r, std::string& t)
{
    Chiave(t, "garanzia");
    if (!r.garanzia) {
        t += "null,\n";
        return;
    }
    t += "[\n";
    const auto& livelli = r.garanzia->livelli;
    for (std::size_t i = 0; i < livelli.size(); ++i) {
        t += "        {\"distribuzione\": [";
        for (std::size_t p = 0; p < ValoriPunti; ++p) {
            if (p != 0)
                t += ", ";
            campi::Intero(t, livelli[i].distribuzione[p]);
        }
        t += "], ";
        Intero(t, "indovinati", static_cast<std::uint64_t>(livelli[i].indovinati));
        t += ", ";
        Intero(t, "minimo", static_cast<std::uint64_t>(livelli[i].minimo));
        t += i + 1 < livelli.size() ? "},\n" : "}\n";
    }
    t += "    ],\n";
}

void Centro(const Risultato& r, std::string& t)
{
    t += "    ";
    Stringa(t, "errore_standard", MetodoErrore);
    t += ",\n    ";
    Intero(t, "estratti", static_cast<std::uint64_t>(r.estratti));
    t += ",\n    ";
    Intero(t, "estrazioni", r.conteggi.estrazioni);
    t += ",\n    ";
    Intero(t, "estrazioni_richieste", r.estrazioniChieste);
    t += ",\n    ";
    Stringa(t, "file", r.file);
    t += ",\n    ";
    Livelli(r, t);
    t += "    ";
    Chiave(t, "interrotta");
    t += r.interrotta ? "true" : "false";
    t += ",\n    ";
    Stringa(t, "intervallo", MetodoIntervallo);
    t += ",\n    \"migliore\": [\n";
    for (std::size_t p = 0; p < ValoriPunti; ++p) {
        t += "        {";
        Intero(t, "estrazioni", r.conteggi.migliore[p]);
        t += ", ";
        Intero(t, "punti", p);
        t += p + 1 < ValoriPunti ? "},\n" : "}\n";
    }
    t += "    ],\n    \"numeri\": 90,\n    ";
    Intero(t, "numeri_sistema", static_cast<std::uint64_t>(r.numeriSistema));
    t += ",\n    \"per_lunghezza\": {";
    // "10" sorts before "3".
    for (const std::size_t k : {10, 3, 4, 5, 6, 7, 8, 9}) {
        t += k == 10 ? "" : ", ";
        Intero(t, std::to_string(k), r.perLunghezza[k]);
    }
    t += "},\n    ";
    Premi(r, t);
    t += "    \"prestazioni\": {";
    Reale(t, "estrazioni_al_secondo", r.EstrazioniAlSecondo());
    t += ", ";
    Reale(t, "secondi", r.secondi);
    t += ", ";
    Intero(t, "thread", r.thread);
    t += "},\n";
}

void Punti(const Risultato& r, std::string& t)
{
    t += "    \"punti\": [\n";
    for (std::size_t p = 0; p < ValoriPunti; ++p) {
        const RigaPunti& riga = r.statistiche.punti[p];
        t += "        {";
        Reale(t, "attesi", riga.attesi);
        t += ", ";
        Reale(t, "errore_standard", riga.erroreStandard);
        t += ", ";
        Stringa(t, "metodo", NomeMetodo(riga.metodo));
        t += ", ";
        Intero(t, "osservati", riga.osservati);
        t += ", ";
        Chiave(t, "pochi_casi");
        t += riga.pochiCasi ? "true" : "false";
        t += ", ";
        Intero(t, "punti", static_cast<std::uint64_t>(riga.punti));
        t += ", ";
        Reale(t, "z", riga.z);
        t += p + 1 < ValoriPunti ? "},\n" : "}\n";
    }
    t += "    ],\n    ";
    Intero(t, "ripetizioni", r.conRipetizioni);
    t += ",\n    ";
    Chiave(t, "seme");
    // As a string: 64-bit seeds do not fit the doubles of many readers.
    // None when the draws are the archive's.
    if (r.archivio)
        t += "null";
    else {
        t += '"';
        campi::Intero(t, r.seme);
        t += '"';
    }
    t += "\n}\n";
}

} // namespace

void ScriviJson(const Risultato& r, Destinazione& destinazione)
{
    std::string t = "{\n";
    Almeno(r, t);
    t += "    ";
    Archivio(r, t);
    t += "    ";
    Intero(t, "combinazioni", r.combinazioni);
    t += ",\n";
    destinazione.Scrivi(t);
    if (r.ConDettaglio())
        Dettaglio(r, destinazione);
    t.clear();
    Centro(r, t);
    Punti(r, t);
    destinazione.Scrivi(t);
}

} // namespace vortilla
