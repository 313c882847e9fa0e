// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Campi.h"
#include "serie/FormatoTestoParti.h"

namespace vortilla {
namespace {

void Intervallo(std::string& t, const std::array<double, 2>& intervallo, int decimali)
{
    t += '[';
    campi::Significative(t, intervallo[0], decimali, 0);
    t += ", ";
    campi::Significative(t, intervallo[1], decimali, 0);
    t += ']';
}

void RigaResa(std::string& t, std::string_view nome, std::uint64_t righe, const Resa& resa)
{
    campi::ADestra(t, nome, 7);
    campi::InteroADestra(t, righe, 14);
    campi::Fisso(t, resa.costo, 2, 18);
    campi::Fisso(t, resa.vincitaAttesa, 2, 18);
    campi::Fisso(t, resa.resa, 2, 10);
    t += '\n';
}

// A label as the file gave it, without what could garble a terminal.
std::string Leggibile(std::string_view etichetta)
{
    std::string t(etichetta);
    for (char& c : t)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    return t;
}

} // namespace

void TestoPremi(const Risultato& r, Destinazione& d)
{
    const FigurePremi& premi = *r.premi;
    const RiepilogoPremi& o = premi.osservato;
    std::string t = "\nResa attesa, esatta (dalle probabilità esatte dei punti di ogni "
                    "combinazione)\n";
    t += " Numeri  Combinazioni  Costo/estrazione  Vincita attesa  Resa (%)\n";
    for (const ResaPerLunghezza& l : premi.attesa.perLunghezza)
        RigaResa(t, std::to_string(l.numeri), l.righe, l);
    RigaResa(t, "Tutte", r.combinazioni, premi.attesa.sistema);
    t += "Costo e vincita in euro per estrazione; Resa: la vincita attesa sulla posta.\n";

    t += r.archivio ? "\nSoldi sulle estrazioni dell'archivio\n" : "\nSoldi nella serie simulata\n";
    t += "Giocato:         ";
    campi::Fisso(t, static_cast<double>(o.giocato), 2, 0);
    t += "\nVinto:           ";
    campi::Fisso(t, static_cast<double>(o.vinto), 2, 0);
    t += "\nResa osservata:  ";
    campi::Significative(t, o.resa, 2, 0);
    t += " %";
    if (o.intervallo95) {
        t += ", intervallo 95% ";
        Intervallo(t, *o.intervallo95, 2);
    }
    t += "\nEstrazioni in cui il sistema riprende almeno la posta: ";
    campi::Significative(t, o.coperte, 4, 0);
    t += " % ";
    Intervallo(t, o.coperteIntervallo95, 4);
    t += "\nSessioni di ";
    campi::Intero(t, o.lunghezzaSessione);
    t += " estrazioni: ";
    if (o.sessioni == 0)
        t += "nessuna completa";
    else {
        campi::Intero(t, o.sessioni);
        t += " complete, chiuse in attivo ";
        campi::Intero(t, o.inAttivo);
        t += " (";
        campi::Significative(t, *o.percentualeInAttivo, 4, 0);
        t += " % ";
        Intervallo(t, *o.inAttivo95, 4);
        t += ")\nRisultato netto di una sessione, in euro: mediana ";
        campi::Fisso(t, *o.mediana, 2, 0);
        t += ", 5° percentile ";
        campi::Fisso(t, *o.p5, 2, 0);
        t += ", 95° percentile ";
        campi::Fisso(t, *o.p95, 2, 0);
    }
    if (o.sessioniIncomplete != 0) {
        t += "\n(escluse ";
        campi::Intero(t, o.estrazioniEscluse);
        t += " estrazioni di sessioni incomplete)";
    }
    t += "\nSerie perdente più lunga: ";
    campi::Intero(t, o.seriePerdenteMassima);
    t += " estrazioni di fila senza riprendere la posta\n";
    const double resa = premi.attesa.sistema.resa;
    t += "Il giocato, il vinto e le sessioni sono osservati; la resa attesa è esatta";
    if (resa < 100) {
        t += ": in media ogni\n100 euro giocati ne tornano ";
        campi::Fisso(t, resa, 2, 0);
        t += ", e nessuna serie di estrazioni cambia questa media. Un risultato\nmigliore in "
             "una serie è fortuna, non un vantaggio del sistema.\n";
    } else
        t += ".\n";
    d.Scrivi(t);
}

void TestoArchivio(const Risultato& r, Destinazione& d)
{
    const FigureArchivio& archivio = *r.archivio;
    const AnalisiArchivio& a = archivio.analisi;
    std::string t = "\nI numeri nell'archivio: uscite contro le attese e ritardi, contro il caso\n";
    t += "Numero    Uscite    Attese   Ritardo   P(ritardo)   Ritardo max   P(ritardo max)\n";
    for (const NumeroArchivio& n : a.numeri) {
        campi::InteroADestra(t, static_cast<std::uint64_t>(n.numero), 6);
        campi::InteroADestra(t, n.uscite, 10);
        campi::Fisso(t, n.attese, 2, 10);
        campi::InteroADestra(t, n.ritardo, 10);
        campi::Significative(t, n.pRitardo, 4, 13);
        campi::InteroADestra(t, n.ritardoMassimo, 14);
        campi::Significative(t, n.pRitardoMassimo, 4, 17);
        t += '\n';
    }
    t += "Attese: esatte. Ritardo: estrazioni dall'ultima uscita; P(ritardo): probabilità "
         "esatta che\nun numero dato manchi tante estrazioni di fila. Ritardo max: il più lungo "
         "nell'archivio;\nP(ritardo max): probabilità esatta che un numero dato manchi "
         "almeno tante estrazioni di\nfila in un archivio così lungo.\n";
    t += "Uniformità delle uscite: chi quadro ";
    campi::Fisso(t, a.chiQuadro, 2, 0);
    t += " con ";
    campi::Intero(t, static_cast<std::uint64_t>(a.gradiLiberta));
    t += " gradi di libertà, p = ";
    campi::Significative(t, a.pValore, 4, 0);
    t += "\nRitardo più lungo dei 90 numeri: ";
    campi::Intero(t, a.ritardoPiuLungo);
    t += " estrazioni; probabilità esatta che almeno un numero\nsia così in ritardo: ";
    campi::Significative(t, a.pRitardoPiuLungo, 4, 0);
    t += ". Ogni estrazione è indipendente dalle altre: un numero in ritardo non\nha più "
         "probabilità di uscire.\n";
    d.Scrivi(t);
    if (!archivio.conElenco)
        return;

    t = "\nEstrazioni dell'archivio con i punteggi migliori del sistema (le ";
    campi::Intero(t, EstrazioniElencate);
    t += " più recenti per punteggio)\n";
    t += "Punti  Estrazioni  Numero  Etichetta\n";
    for (const MiglioriPunti& m : archivio.migliori)
        for (const EstrazioneElencata& e : m.estrazioni) {
            campi::InteroADestra(t, static_cast<std::uint64_t>(m.punti), 5);
            campi::InteroADestra(t, m.totale, 12);
            campi::InteroADestra(t, e.numero, 8);
            t += "  " + Leggibile(e.etichetta) + '\n';
        }
    t += "Estrazioni: quante in tutto con quel punteggio migliore; Numero: il posto "
         "dell'estrazione\nnell'archivio.\n";
    d.Scrivi(t);
}

} // namespace vortilla
