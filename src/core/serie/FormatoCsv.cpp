// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Campi.h"
#include "serie/Formati.h"

#include <concepts>
#include <optional>
#include <span>

namespace vortilla {
namespace {

// The fields of a table's row, each after a comma: counts as integers,
// figures as the other formats write them, an absent figure empty, names
// as they are, the user's own text quoted when it must be.
struct Citato {
    std::string_view testo;
};

template <std::integral Numero>
void Campo(std::string& t, Numero n)
{
    t += ',';
    campi::Intero(t, static_cast<std::uint64_t>(n));
}
void Campo(std::string& t, double x)
{
    t += ',';
    campi::Reale(t, x);
}
void Campo(std::string& t, const std::optional<double>& x)
{
    t += ',';
    if (x)
        campi::Reale(t, *x);
}
void Campo(std::string& t, std::string_view nome)
{
    t += ',';
    t += nome;
}
void Campo(std::string& t, Citato testo)
{
    t += ',';
    campi::CampoCsv(t, testo.testo);
}
void Campo(std::string& t, std::span<const std::uint64_t> conteggi)
{
    for (const std::uint64_t n : conteggi)
        Campo(t, n);
}

template <typename... Valori>
void RigaTabella(std::string& t, std::string_view tabella, const Valori&... valori)
{
    t += tabella;
    (Campo(t, valori), ...);
    t += '\n';
}

class Coppie {
public:
    explicit Coppie(Destinazione& d) : d_(d) { d_.Scrivi("tabella,chiave,valore\n"); }

    void Testo(std::string_view tabella, std::string_view chiave, std::string_view valore)
    {
        Scrivi(tabella, chiave, Citato{valore});
    }
    void Intero(std::string_view tabella, std::string_view chiave, std::uint64_t n)
    {
        Scrivi(tabella, chiave, n);
    }
    // Nothing is an empty value.
    void Reale(std::string_view tabella, std::string_view chiave, std::optional<double> x)
    {
        Scrivi(tabella, chiave, x);
    }
    void Intervallo(std::string_view tabella, std::string_view chiave,
                    const std::optional<std::array<double, 2>>& x)
    {
        Reale(tabella, std::string(chiave) + "_basso", x ? std::optional((*x)[0]) : std::nullopt);
        Reale(tabella, std::string(chiave) + "_alto", x ? std::optional((*x)[1]) : std::nullopt);
    }

private:
    template <typename Valore>
    void Scrivi(std::string_view tabella, std::string_view chiave, const Valore& valore)
    {
        std::string t;
        RigaTabella(t, tabella, chiave, valore);
        d_.Scrivi(t);
    }

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

// A table's heading: its columns, then one per points value, `prefisso`0..10.
std::string Intestazione(std::string_view colonne, std::string_view prefisso = {})
{
    std::string t = "\ntabella,";
    t += colonne;
    if (!prefisso.empty())
        for (std::size_t p = 0; p < ValoriPunti; ++p)
            t += "," + std::string(prefisso) + std::to_string(p);
    return t + '\n';
}

void TabellaGaranzia(const Garanzia& g, std::string& t)
{
    t += Intestazione("indovinati,minimo", "casi_");
    for (const LivelloGaranzia& livello : g.livelli)
        RigaTabella(t, "garanzia", livello.indovinati, livello.minimo,
                    std::span<const std::uint64_t>(livello.distribuzione));
}

void TabellaResa(const ResaAttesa& attesa, std::string& t)
{
    t += Intestazione("numeri,combinazioni,costo,vincita_attesa,resa_attesa");
    for (const ResaPerLunghezza& l : attesa.perLunghezza)
        RigaTabella(t, "resa", l.numeri, l.righe, l.costo, l.vincitaAttesa, l.resa);
}

void TabelleArchivio(const FigureArchivio& archivio, std::string& t)
{
    t += Intestazione("numero,uscite,attese,ritardo,p_ritardo,ritardo_massimo,p_ritardo_massimo");
    for (const NumeroArchivio& n : archivio.analisi.numeri)
        RigaTabella(t, "numeri", n.numero, n.uscite, n.attese, n.ritardo, n.pRitardo,
                    n.ritardoMassimo, n.pRitardoMassimo);
    if (!archivio.conElenco)
        return;
    t += Intestazione("punti,totale,numero,etichetta");
    for (const MiglioriPunti& m : archivio.migliori)
        for (const EstrazioneElencata& e : m.estrazioni)
            RigaTabella(t, "migliori_archivio", m.punti, m.totale, e.numero, Citato{e.etichetta});
}

void Tabelle(const Risultato& r, Destinazione& d)
{
    std::string t = Intestazione("punti,osservati,attesi,errore_standard,z,metodo,pochi_casi");
    for (const RigaPunti& riga : r.statistiche.punti)
        RigaTabella(t, "punti", riga.punti, riga.osservati, riga.attesi, riga.erroreStandard,
                    riga.z, NomeMetodo(riga.metodo),
                    std::string_view(riga.pochiCasi ? "true" : "false"));
    t += Intestazione("punti,estrazioni");
    for (std::size_t p = 0; p < ValoriPunti; ++p)
        RigaTabella(t, "migliore", p, r.conteggi.migliore[p]);
    t += Intestazione("punti,estrazioni,percentuale,intervallo95_basso,intervallo95_alto,"
                      "indipendenti,esatto");
    for (const RigaAlmeno& a : r.statistiche.almeno)
        RigaTabella(t, "almeno", a.punti, a.estrazioni, a.percentuale, a.basso, a.alto,
                    a.indipendenti, a.esatto);
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
    d.Scrivi(Intestazione("riga,combinazione", "punti_"));
    std::string t;
    for (std::size_t i = 0; i < r.conteggi.perRiga.size(); ++i) {
        t.clear();
        RigaTabella(t, "dettaglio", i + 1, Citato{(*r.righe)[i]},
                    std::span<const std::uint64_t>(r.conteggi.perRiga[i]));
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
