// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/FormatoJsonParti.h"

namespace vortilla::json {
namespace {

void Sessioni(const RiepilogoPremi& o, std::string& t)
{
    t += "        \"sessioni\": {";
    Intero(t, "chiuse_in_attivo", o.inAttivo);
    t += ", ";
    Intero(t, "complete", o.sessioni);
    t += ", ";
    Intero(t, "estrazioni_escluse", o.estrazioniEscluse);
    t += ", ";
    Reale(t, "in_attivo", o.percentualeInAttivo);
    t += ", ";
    Intero(t, "incomplete", o.sessioniIncomplete);
    t += ", ";
    Coppia(t, "intervallo95", o.inAttivo95);
    t += ", ";
    Intero(t, "lunghezza", o.lunghezzaSessione);
    t += ", ";
    Reale(t, "mediana", o.mediana);
    t += ", ";
    Reale(t, "p5", o.p5);
    t += ", ";
    Reale(t, "p95", o.p95);
    t += "},\n";
}

void MiglioriArchivio(const FigureArchivio& a, std::string& t)
{
    Chiave(t, "migliori");
    if (!a.conElenco) {
        t += "null,\n";
        return;
    }
    t += "[\n";
    for (std::size_t i = 0; i < a.migliori.size(); ++i) {
        const MiglioriPunti& m = a.migliori[i];
        t += "            {\"estrazioni\": [";
        for (std::size_t e = 0; e < m.estrazioni.size(); ++e) {
            t += e == 0 ? "{" : ", {";
            Stringa(t, "etichetta", m.estrazioni[e].etichetta);
            t += ", ";
            Intero(t, "numero", m.estrazioni[e].numero);
            t += '}';
        }
        t += "], ";
        Intero(t, "punti", static_cast<std::uint64_t>(m.punti));
        t += ", ";
        Intero(t, "totale", m.totale);
        t += i + 1 < a.migliori.size() ? "},\n" : "}\n";
    }
    t += "        ],\n";
}

} // namespace

void Premi(const Risultato& r, std::string& t)
{
    Chiave(t, "premi");
    if (!r.premi) {
        t += "null,\n";
        return;
    }
    const ResaAttesa& attesa = r.premi->attesa;
    const RiepilogoPremi& o = r.premi->osservato;
    t += "{\n        ";
    Reale(t, "coperte", o.coperte);
    t += ",\n        ";
    Coppia(t, "coperte_intervallo95", o.coperteIntervallo95);
    t += ",\n        ";
    Reale(t, "costo", attesa.sistema.costo);
    t += ",\n        ";
    Intero(t, "estrazioni", o.estrazioni);
    t += ",\n        ";
    Stringa(t, "file", r.premi->file);
    t += ",\n        ";
    Reale(t, "giocato", static_cast<double>(o.giocato));
    t += ",\n        ";
    Coppia(t, "intervallo95", o.intervallo95);
    t += ",\n        \"per_lunghezza\": [\n";
    for (std::size_t i = 0; i < attesa.perLunghezza.size(); ++i) {
        const ResaPerLunghezza& l = attesa.perLunghezza[i];
        t += "            {";
        Intero(t, "combinazioni", l.righe);
        t += ", ";
        Reale(t, "costo", l.costo);
        t += ", ";
        Intero(t, "numeri", static_cast<std::uint64_t>(l.numeri));
        t += ", ";
        Reale(t, "resa_attesa", l.resa);
        t += ", ";
        Reale(t, "vincita_attesa", l.vincitaAttesa);
        t += i + 1 < attesa.perLunghezza.size() ? "},\n" : "}\n";
    }
    t += "        ],\n        ";
    Reale(t, "posta", o.posta);
    t += ",\n        ";
    Reale(t, "resa_attesa", attesa.sistema.resa);
    t += ",\n        ";
    Reale(t, "resa_osservata", o.resa);
    t += ",\n        ";
    Intero(t, "serie_perdente_massima", o.seriePerdenteMassima);
    t += ",\n";
    Sessioni(o, t);
    t += "        ";
    Reale(t, "vincita_attesa", attesa.sistema.vincitaAttesa);
    t += ",\n        ";
    Reale(t, "vinto", static_cast<double>(o.vinto));
    t += "\n    },\n";
}

void Archivio(const Risultato& r, std::string& t)
{
    Chiave(t, "archivio");
    if (!r.archivio) {
        t += "null,\n";
        return;
    }
    const FigureArchivio& archivio = *r.archivio;
    const AnalisiArchivio& a = archivio.analisi;
    t += "{\n        ";
    Reale(t, "chi_quadro", a.chiQuadro);
    t += ",\n        ";
    Intero(t, "estrazioni", a.estrazioni);
    t += ",\n        ";
    Stringa(t, "file", archivio.file);
    t += ",\n        ";
    Intero(t, "gradi_liberta", static_cast<std::uint64_t>(a.gradiLiberta));
    t += ",\n        ";
    MiglioriArchivio(archivio, t);
    t += "        \"numeri\": [\n";
    for (std::size_t i = 0; i < a.numeri.size(); ++i) {
        const NumeroArchivio& n = a.numeri[i];
        t += "            {";
        Reale(t, "attese", n.attese);
        t += ", ";
        Intero(t, "numero", static_cast<std::uint64_t>(n.numero));
        t += ", ";
        Reale(t, "p_ritardo", n.pRitardo);
        t += ", ";
        Reale(t, "p_ritardo_massimo", n.pRitardoMassimo);
        t += ", ";
        Intero(t, "ritardo", n.ritardo);
        t += ", ";
        Intero(t, "ritardo_massimo", n.ritardoMassimo);
        t += ", ";
        Intero(t, "uscite", n.uscite);
        t += i + 1 < a.numeri.size() ? "},\n" : "}\n";
    }
    t += "        ],\n        ";
    Reale(t, "p_ritardo_piu_lungo", a.pRitardoPiuLungo);
    t += ",\n        ";
    Reale(t, "p_valore", a.pValore);
    t += ",\n        ";
    Intero(t, "prima", archivio.prima);
    t += ",\n        ";
    Intero(t, "ritardo_piu_lungo", a.ritardoPiuLungo);
    t += "\n    },\n";
}

} // namespace vortilla::json
