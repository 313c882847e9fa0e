// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Campi.h"
#include "serie/Formati.h"

#include <initializer_list>
#include <optional>

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
    // Nothing is an empty value.
    void Reale(std::string_view tabella, std::string_view chiave, std::optional<double> x)
    {
        std::string valore;
        if (x)
            campi::Reale(valore, *x);
        Testo(tabella, chiave, valore);
    }
    void Intervallo(std::string_view tabella, std::string_view chiave,
                    const std::optional<std::array<double, 2>>& x)
    {
        Reale(tabella, std::string(chiave) + "_basso", x ? std::optional((*x)[0]) : std::nullopt);
        Reale(tabella, std::string(chiave) + "_alto", x ? std::optional((*x)[1]) : std::nullopt);
    }

private:
    Destinazione& d_;
};

void Premi(const FigurePremi& premi, Coppie& c)
{
    const RiepilogoPremi& o = premi.osservato;
    c.Testo("premi", "file", premi.file);
    c.Reale("premi", "posta", o.posta);
    c.Reale("premi", "costo", premi.attesa.sistema.costo);
    c.Reale("premi", "vincita_attesa", premi.attesa.sistema.vincitaAttesa);
    c.Reale("premi", "resa_attesa", premi.attesa.sistema.resa);
    c.Intero("premi", "estrazioni", o.estrazioni);
    c.Reale("premi", "giocato", static_cast<double>(o.giocato));
    c.Reale("premi", "vinto", static_cast<double>(o.vinto));
    c.Reale("premi", "resa_osservata", o.resa);
    c.Intervallo("premi", "intervallo95", o.intervallo95);
    c.Reale("premi", "coperte", o.coperte);
    c.Intervallo("premi", "coperte_intervallo95", o.coperteIntervallo95);
    c.Intero("premi", "sessioni_lunghezza", o.lunghezzaSessione);
    c.Intero("premi", "sessioni_complete", o.sessioni);
    c.Intero("premi", "sessioni_chiuse_in_attivo", o.inAttivo);
    c.Reale("premi", "sessioni_in_attivo", o.percentualeInAttivo);
    c.Intervallo("premi", "sessioni_intervallo95", o.inAttivo95);
    c.Reale("premi", "sessioni_mediana", o.mediana);
    c.Reale("premi", "sessioni_p5", o.p5);
    c.Reale("premi", "sessioni_p95", o.p95);
    c.Intero("premi", "sessioni_incomplete", o.sessioniIncomplete);
    c.Intero("premi", "sessioni_estrazioni_escluse", o.estrazioniEscluse);
    c.Intero("premi", "serie_perdente_massima", o.seriePerdenteMassima);
}

void Archivio(const FigureArchivio& archivio, Coppie& c)
{
    const AnalisiArchivio& a = archivio.analisi;
    c.Testo("archivio", "file", archivio.file);
    c.Intero("archivio", "prima", archivio.prima);
    c.Intero("archivio", "estrazioni", a.estrazioni);
    c.Reale("archivio", "chi_quadro", a.chiQuadro);
    c.Intero("archivio", "gradi_liberta", static_cast<std::uint64_t>(a.gradiLiberta));
    c.Reale("archivio", "p_valore", a.pValore);
    c.Intero("archivio", "ritardo_piu_lungo", a.ritardoPiuLungo);
    c.Reale("archivio", "p_ritardo_piu_lungo", a.pRitardoPiuLungo);
}

void Serie(const Risultato& r, Destinazione& d)
{
    Coppie c(d);
    c.Testo("serie", "file", r.file);
    c.Intero("serie", "combinazioni", r.combinazioni);
    for (std::size_t k = 3; k <= 10; ++k)
        c.Intero("serie", "per_lunghezza_" + std::to_string(k), r.perLunghezza[k]);
    c.Intero("serie", "ripetizioni", r.conRipetizioni);
    c.Intero("serie", "numeri_sistema", static_cast<std::uint64_t>(r.numeriSistema));
    c.Intero("serie", "estratti", static_cast<std::uint64_t>(r.estratti));
    c.Intero("serie", "estrazioni", r.conteggi.estrazioni);
    c.Intero("serie", "estrazioni_richieste", r.estrazioniChieste);
    if (r.archivio)
        c.Testo("serie", "seme", "");
    else
        c.Intero("serie", "seme", r.seme);
    c.Testo("serie", "interrotta", r.interrotta ? "true" : "false");
    c.Testo("serie", "errore_standard", MetodoErrore);
    c.Testo("serie", "intervallo", MetodoIntervallo);
    c.Reale("prestazioni", "secondi", r.secondi);
    c.Reale("prestazioni", "estrazioni_al_secondo", r.EstrazioniAlSecondo());
    c.Intero("prestazioni", "thread", r.thread);
    if (r.premi)
        Premi(*r.premi, c);
    if (r.archivio)
        Archivio(*r.archivio, c);
}

void Opzionale(std::string& t, const std::optional<double>& x)
{
    t += ',';
    if (x)
        campi::Reale(t, *x);
}

void TabellaGaranzia(const Garanzia& g, std::string& t)
{
    t += "\ntabella,indovinati,minimo";
    for (std::size_t p = 0; p < ValoriPunti; ++p)
        t += ",casi_" + std::to_string(p);
    t += '\n';
    for (const LivelloGaranzia& livello : g.livelli) {
        t += "garanzia,";
        campi::Intero(t, static_cast<std::uint64_t>(livello.indovinati));
        t += ',';
        campi::Intero(t, static_cast<std::uint64_t>(livello.minimo));
        for (const std::uint64_t n : livello.distribuzione) {
            t += ',';
            campi::Intero(t, n);
        }
        t += '\n';
    }
}

void TabellaResa(const ResaAttesa& attesa, std::string& t)
{
    t += "\ntabella,numeri,combinazioni,costo,vincita_attesa,resa_attesa\n";
    for (const ResaPerLunghezza& l : attesa.perLunghezza) {
        t += "resa,";
        campi::Intero(t, static_cast<std::uint64_t>(l.numeri));
        t += ',';
        campi::Intero(t, l.righe);
        for (const double x : {l.costo, l.vincitaAttesa, l.resa}) {
            t += ',';
            campi::Reale(t, x);
        }
        t += '\n';
    }
}

void TabelleArchivio(const FigureArchivio& archivio, std::string& t)
{
    t += "\ntabella,numero,uscite,attese,ritardo,p_ritardo,ritardo_massimo,p_ritardo_massimo\n";
    for (const NumeroArchivio& n : archivio.analisi.numeri) {
        t += "numeri,";
        campi::Intero(t, static_cast<std::uint64_t>(n.numero));
        t += ',';
        campi::Intero(t, n.uscite);
        t += ',';
        campi::Reale(t, n.attese);
        t += ',';
        campi::Intero(t, n.ritardo);
        t += ',';
        campi::Reale(t, n.pRitardo);
        t += ',';
        campi::Intero(t, n.ritardoMassimo);
        t += ',';
        campi::Reale(t, n.pRitardoMassimo);
        t += '\n';
    }
    if (!archivio.conElenco)
        return;
    t += "\ntabella,punti,totale,numero,etichetta\n";
    for (const MiglioriPunti& m : archivio.migliori)
        for (const EstrazioneElencata& e : m.estrazioni) {
            t += "migliori_archivio,";
            campi::Intero(t, static_cast<std::uint64_t>(m.punti));
            t += ',';
            campi::Intero(t, m.totale);
            t += ',';
            campi::Intero(t, e.numero);
            t += ',';
            campi::CampoCsv(t, e.etichetta);
            t += '\n';
        }
}

void Tabelle(const Risultato& r, Destinazione& d)
{
    std::string t = "\ntabella,punti,osservati,attesi,errore_standard,z,metodo,pochi_casi\n";
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
        t += ',';
        t += NomeMetodo(riga.metodo);
        t += riga.pochiCasi ? ",true\n" : ",false\n";
    }
    t += "\ntabella,punti,estrazioni\n";
    for (std::size_t p = 0; p < ValoriPunti; ++p) {
        t += "migliore,";
        campi::Intero(t, p);
        t += ',';
        campi::Intero(t, r.conteggi.migliore[p]);
        t += '\n';
    }
    t += "\ntabella,punti,estrazioni,percentuale,intervallo95_basso,intervallo95_alto,"
         "indipendenti,esatto\n";
    for (const RigaAlmeno& a : r.statistiche.almeno) {
        t += "almeno,";
        campi::Intero(t, static_cast<std::uint64_t>(a.punti));
        t += ',';
        campi::Intero(t, a.estrazioni);
        for (const double x : {a.percentuale, a.basso, a.alto}) {
            t += ',';
            campi::Reale(t, x);
        }
        Opzionale(t, a.indipendenti);
        Opzionale(t, a.esatto);
        t += '\n';
    }
    if (r.garanzia)
        TabellaGaranzia(*r.garanzia, t);
    if (r.premi)
        TabellaResa(r.premi->attesa, t);
    if (r.archivio)
        TabelleArchivio(*r.archivio, t);
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
