// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Campi.h"
#include "serie/Formati.h"

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
    t += "Estratti:        ";
    campi::Intero(t, static_cast<std::uint64_t>(r.estratti));
    t += " su 90\nEstrazioni:      ";
    campi::Intero(t, r.conteggi.estrazioni);
    if (r.interrotta) {
        t += " di ";
        campi::Intero(t, r.estrazioniChieste);
        t += ": SERIE INTERROTTA, risultati delle estrazioni completate";
    }
    t += "\nSeme:            ";
    campi::Intero(t, r.seme);
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
    t += '\n';
    for (std::size_t p = ValoriPunti; p-- > 0;) {
        const RigaPunti& riga = r.statistiche.punti[p];
        campi::InteroADestra(t, p, 5);
        t += ' ';
        campi::InteroADestra(t, riga.osservati, 16);
        t += ' ';
        campi::Fisso(t, riga.attesi, 2, 20);
        t += ' ';
        campi::Fisso(t, riga.erroreStandard, 2, 14);
        t += ' ';
        campi::Fisso(t, riga.z, 2, 8);
        t += '\n';
    }
    t += "Attesi: probabilità ipergeometriche esatte per combinazione, sommate, per le "
         "estrazioni.\nErrore standard ";
    t += MetodoErrore;
    t += ".\n";
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
    t += '\n';
    for (std::size_t p = ValoriPunti; p-- > 0;) {
        const RigaAlmeno& almeno = r.statistiche.almeno[p];
        campi::InteroADestra(t, p, 5);
        t += ' ';
        campi::InteroADestra(t, r.conteggi.migliore[p], 16);
        t += ' ';
        campi::Fisso(t, almeno.percentuale, 4, 12);
        t += "   [";
        campi::Fisso(t, almeno.basso, 4, 9);
        t += ", ";
        campi::Fisso(t, almeno.alto, 4, 9);
        t += "]\n";
    }
    t += "Estrazioni: quelle in cui il punteggio migliore è esattamente quello; Almeno: quelle "
         "in cui\nalmeno una combinazione fa almeno quei punti, con l'intervallo di ";
    t += MetodoIntervallo;
    t += ".\n";
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
    if (r.ConDettaglio())
        Dettaglio(r, destinazione);
}

} // namespace vortilla
