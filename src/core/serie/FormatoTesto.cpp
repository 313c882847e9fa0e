// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Campi.h"
#include "serie/Formati.h"
#include "serie/FormatoTestoParti.h"
#include "serie/VarianzaEsatta.h"

namespace vortilla {
namespace {

std::string Lunghezze(const Risultato& r)
{
    std::string parti;
    for (std::size_t k = 3; k <= 10; ++k) {
        if (r.perLunghezza[k] == 0)
            continue;
        if (!parti.empty())
            parti += ", ";
        campi::Intero(parti, r.perLunghezza[k]);
        parti += " da ";
        campi::Intero(parti, k);
    }
    return parti;
}

void Intestazione(const Risultato& r, Destinazione& d)
{
    std::string t = "File:            " + r.file + "\nCombinazioni:    ";
    campi::Intero(t, r.combinazioni);
    t += " (" + Lunghezze(r) + ")\n";
    if (r.conRipetizioni != 0) {
        t += "                 ";
        campi::Intero(t, r.conRipetizioni);
        t += " con numeri ripetuti: ogni ripetizione di un numero estratto vale un punto, come "
             "nella finestra\n";
    }
    t += "Numeri usati:    ";
    campi::Intero(t, static_cast<std::uint64_t>(r.numeriSistema));
    t += "\nEstratti:        ";
    campi::Intero(t, static_cast<std::uint64_t>(r.estratti));
    t += " su 90\nEstrazioni:      ";
    campi::Intero(t, r.conteggi.estrazioni);
    if (r.interrotta) {
        t += " di ";
        campi::Intero(t, r.estrazioniChieste);
        t += ": SERIE INTERROTTA, risultati delle estrazioni completate";
    }
    if (r.archivio) {
        t += "\nArchivio:        " + r.archivio->file + ", dalla n. ";
        campi::Intero(t, r.archivio->prima);
        t += " alla n. ";
        campi::Intero(t, r.archivio->prima + r.estrazioniChieste - 1);
        t += " (estrazioni del file, non simulate)";
    } else {
        t += "\nSeme:            ";
        campi::Intero(t, r.seme);
    }
    if (r.premi) {
        t += "\nPremi:           " + r.premi->file + ", posta ";
        campi::Fisso(t, r.premi->osservato.posta, 2, 0);
        t += " per combinazione per estrazione";
    }
    t += "\nThread:          ";
    campi::Intero(t, r.thread);
    t += "\nTempo:           ";
    campi::Fisso(t, r.secondi, 3, 0);
    t += " s, ";
    campi::Fisso(t, r.EstrazioniAlSecondo(), 0, 0);
    t += " estrazioni al secondo\n";
    d.Scrivi(t);
}

void TabellaPunti(const Risultato& r, Destinazione& d)
{
    std::string t = "\nPunti delle combinazioni in tutte le estrazioni (la tabella cumulativa "
                    "della finestra)\n";
    campi::ADestra(t, "Punti", 5);
    t += ' ';
    campi::ADestra(t, "Osservati", 16);
    t += ' ';
    campi::ADestra(t, "Attesi", 20);
    t += ' ';
    campi::ADestra(t, "Errore std", 14);
    t += ' ';
    campi::ADestra(t, "z", 8);
    t += "  Errore\n";
    bool pochi = false;
    for (std::size_t p = ValoriPunti; p-- > 0;) {
        const RigaPunti& riga = r.statistiche.punti[p];
        campi::InteroADestra(t, p, 5);
        t += ' ';
        campi::InteroADestra(t, riga.osservati, 16);
        t += ' ';
        campi::Significative(t, riga.attesi, 2, 20);
        t += ' ';
        campi::Significative(t, riga.erroreStandard, 2, 14);
        t += ' ';
        campi::Fisso(t, riga.z, 2, 8);
        t += "  ";
        t += NomeMetodo(riga.metodo);
        t += riga.pochiCasi ? " *\n" : "\n";
        pochi = pochi || riga.pochiCasi;
    }
    t += r.archivio ? "Osservati: contati sulle estrazioni dell'archivio. "
                    : "Osservati: contati sulle estrazioni simulate. ";
    t += "Attesi: esatti, le probabilità\nipergeometriche di ogni combinazione, sommate, per le "
         "estrazioni.\n";
    if (r.statistiche.punti[0].metodo == Metodo::Esatto)
        t += "Errore std esatto: dalla varianza esatta del conteggio per estrazione, che conta "
             "ogni coppia\ndi combinazioni con numeri in comune (non sono indipendenti).\n";
    else {
        t += "Errore std campionario: dalla varianza dei conteggi per estrazione osservati, mai "
             "sotto μ-μ²\n(μ media esatta per estrazione): oltre ";
        campi::Intero(t, RigheDistinteEsatte);
        t += " combinazioni diverse la varianza esatta non si calcola.\n";
    }
    if (pochi) {
        t += "* meno di ";
        campi::Fisso(t, CasiAttesiMinimi, 0, 0);
        t += " casi attesi: lì z dice poco.\n";
    }
    d.Scrivi(t);
}

void TabellaMigliore(const Risultato& r, Destinazione& d)
{
    std::string t = "\nMiglior punteggio del sistema in ogni estrazione (la combinazione "
                    "migliore)\n";
    campi::ADestra(t, "Punti", 5);
    t += ' ';
    campi::ADestra(t, "Estrazioni", 16);
    t += ' ';
    campi::ADestra(t, "Almeno (%)", 12);
    t += ' ';
    campi::ADestra(t, "Intervallo 95%", 24);
    t += ' ';
    campi::ADestra(t, "Indipendenti (%)", 18);
    t += ' ';
    campi::ADestra(t, "Esatto (%)", 12);
    t += '\n';
    for (std::size_t p = ValoriPunti; p-- > 0;) {
        const RigaAlmeno& almeno = r.statistiche.almeno[p];
        campi::InteroADestra(t, p, 5);
        t += ' ';
        campi::InteroADestra(t, r.conteggi.migliore[p], 16);
        t += ' ';
        campi::Significative(t, almeno.percentuale, 4, 12);
        t += "   [";
        campi::Significative(t, almeno.basso, 4, 9);
        t += ", ";
        campi::Significative(t, almeno.alto, 4, 9);
        t += "] ";
        if (almeno.indipendenti)
            campi::Significative(t, *almeno.indipendenti, 4, 18);
        else
            campi::ADestra(t, "-", 18);
        t += ' ';
        if (almeno.esatto)
            campi::Significative(t, *almeno.esatto, 4, 12);
        else
            campi::ADestra(t, "-", 12);
        t += '\n';
    }
    t += "Estrazioni: quelle in cui il punteggio migliore è esattamente quello; Almeno: quelle "
         "in cui\nalmeno una combinazione fa almeno quei punti, con l'intervallo di ";
    t += MetodoIntervallo;
    t += r.archivio ? ", sulle\nestrazioni dell'archivio. " : ", sulle\nestrazioni simulate. ";
    t += "Indipendenti: esatto, se le stesse combinazioni non avessero numeri\nin comune. ";
    if (r.garanzia)
        t += "Esatto: la probabilità esatta per il sistema, da tutti i casi (vedi la garanzia).\n";
    else {
        t += "Esatto: non calcolato, il sistema usa ";
        campi::Intero(t, static_cast<std::uint64_t>(r.numeriSistema));
        t += " numeri, troppi per contarne\ntutti i casi in pochi secondi.\n";
    }
    d.Scrivi(t);
}

void TabellaGaranzia(const Garanzia& g, Destinazione& d)
{
    std::string t = "\nGaranzia del sistema (esatta, su tutti i casi dei suoi ";
    campi::Intero(t, static_cast<std::uint64_t>(g.numeriSistema));
    t += " numeri)\n";
    campi::ADestra(t, "Indovinati", 10);
    campi::ADestra(t, "Minimo", 8);
    t += "  casi per punteggio migliore:\n";
    campi::ADestra(t, "", 18);
    for (std::size_t p = 0; p < ValoriPunti; ++p)
        campi::ADestra(t, std::to_string(p) + " p", 10);
    t += '\n';
    for (const LivelloGaranzia& livello : g.livelli) {
        campi::InteroADestra(t, static_cast<std::uint64_t>(livello.indovinati), 10);
        campi::InteroADestra(t, static_cast<std::uint64_t>(livello.minimo), 8);
        for (const std::uint64_t n : livello.distribuzione)
            campi::InteroADestra(t, n, 10);
        t += '\n';
    }
    t += "Indovinati: quanti numeri del sistema escono; Minimo: il punteggio che il sistema fa "
         "comunque\nescano (la garanzia); casi: i gruppi di numeri del sistema che possono "
         "uscire, per il\npunteggio migliore che danno.\n";
    d.Scrivi(t);
}

void Dettaglio(const Risultato& r, Destinazione& d)
{
    std::string t = "\nDettaglio: estrazioni per punti di ogni combinazione\n";
    campi::ADestra(t, "Riga", 8);
    t += "  ";
    for (std::size_t p = 0; p < ValoriPunti; ++p)
        campi::ADestra(t, std::to_string(p) + " p", 10);
    t += "  Combinazione\n";
    d.Scrivi(t);
    for (std::size_t i = 0; i < r.conteggi.perRiga.size(); ++i) {
        t.clear();
        campi::InteroADestra(t, i + 1, 8);
        t += "  ";
        for (const std::uint64_t n : r.conteggi.perRiga[i])
            campi::InteroADestra(t, n, 10);
        t += "  ";
        t += (*r.righe)[i];
        t += '\n';
        d.Scrivi(t);
    }
}

} // namespace

void ScriviTesto(const Risultato& r, Destinazione& destinazione)
{
    Intestazione(r, destinazione);
    TabellaPunti(r, destinazione);
    TabellaMigliore(r, destinazione);
    if (r.garanzia)
        TabellaGaranzia(*r.garanzia, destinazione);
    if (r.premi)
        TestoPremi(r, destinazione);
    if (r.archivio)
        TestoArchivio(r, destinazione);
    if (r.ConDettaglio())
        Dettaglio(r, destinazione);
}

} // namespace vortilla
