// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Figure.h"

#include "serie/VarianzaEsatta.h"

#include <bit>

namespace vortilla {
namespace {

int NumeriUsati(const Sistema& sistema)
{
    Maschera tutti;
    for (const Maschera& riga : sistema.righe) {
        tutti.basso |= riga.basso;
        tutti.alto |= riga.alto;
    }
    return std::popcount(tutti.basso) + std::popcount(tutti.alto);
}

std::vector<MiglioriPunti> Migliori(const DatiSerie& dati, const StatoSerie& stato)
{
    std::vector<MiglioriPunti> migliori;
    for (std::size_t p = ValoriPunti; p-- > 0 && migliori.size() < PunteggiElencati;) {
        if (stato.conteggi.migliore[p] == 0)
            continue;
        MiglioriPunti voce{static_cast<int>(p), stato.conteggi.migliore[p], {}};
        for (const std::uint64_t i : stato.migliori.perPunti[p])
            voce.estrazioni.push_back({dati.primaArchivio + i, dati.archivio[i].etichetta});
        migliori.push_back(std::move(voce));
    }
    return migliori;
}

} // namespace

FigureEsatte CalcolaFigureEsatte(const DatiSerie& dati, const std::atomic<bool>* ferma)
{
    const Sistema& sistema = *dati.sistema;
    FigureEsatte e;
    e.attese = AttesePerEstrazione(sistema, dati.estratti);
    e.riferimenti.varianze = VarianzePerEstrazione(sistema, dati.estratti);
    e.riferimenti.indipendenti = AlmenoIndipendenti(sistema, dati.estratti);
    e.garanzia = CalcolaGaranzia(sistema, dati.estratti, 90, SecondiGaranziaMassimi, ferma);
    if (e.garanzia)
        e.riferimenti.almenoEsatto = e.garanzia->almeno;
    if (dati.premi)
        e.resa = CalcolaResaAttesa(sistema, *dati.premi, dati.posta, dati.estratti);
    if (!dati.archivio.empty())
        e.analisi = AnalizzaArchivio(dati.archivio, dati.estratti);
    e.numeriSistema = NumeriUsati(sistema);
    return e;
}

ParametriSerie ParametriDi(const DatiSerie& dati, unsigned thread)
{
    ParametriSerie p;
    p.seme = dati.seme;
    p.estrazioni = dati.archivio.empty() ? dati.estrazioni : dati.archivio.size();
    p.estratti = dati.estratti;
    p.thread = thread;
    p.perRiga = dati.righe != nullptr;
    p.archivio = dati.archivio;
    p.premi = dati.premi;
    p.sessione = dati.sessione;
    p.migliori = dati.elencoArchivio && !dati.archivio.empty() ? EstrazioniElencate : 0;
    return p;
}

Risultato ComponiRisultato(const DatiSerie& dati, const FigureEsatte& esatte, StatoSerie stato)
{
    const Sistema& sistema = *dati.sistema;
    Risultato r;
    r.file = dati.file;
    r.combinazioni = sistema.righe.size();
    r.perLunghezza = sistema.perLunghezza;
    r.conRipetizioni = sistema.conRipetizioni;
    r.numeriSistema = esatte.numeriSistema;
    r.estratti = dati.estratti;
    r.estrazioniChieste = dati.archivio.empty() ? dati.estrazioni : dati.archivio.size();
    r.seme = dati.seme;
    r.interrotta = stato.conteggi.estrazioni < r.estrazioniChieste;
    r.statistiche = CalcolaStatistiche(stato.conteggi, esatte.attese, esatte.riferimenti);
    r.righe = dati.righe;
    r.garanzia = esatte.garanzia;
    if (dati.premi && esatte.resa && stato.premi)
        r.premi = FigurePremi{dati.filePremi, *esatte.resa, Riassumi(*stato.premi, dati.posta)};
    if (!dati.archivio.empty() && esatte.analisi) {
        FigureArchivio a;
        a.file = dati.fileArchivio;
        a.prima = dati.primaArchivio;
        a.analisi = *esatte.analisi;
        a.conElenco = dati.elencoArchivio;
        if (a.conElenco)
            a.migliori = Migliori(dati, stato);
        r.archivio = std::move(a);
    }
    r.thread = stato.conteggi.thread;
    r.conteggi = std::move(stato.conteggi);
    return r;
}

} // namespace vortilla
