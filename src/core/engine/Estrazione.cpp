// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Estrazione.h"

#include "engine/FormattaNumero.h"
#include "engine/Punteggio.h"
#include "errors/Intero16.h"

#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vortilla {
namespace {

constexpr int PausaPerPalla = 200; // milliseconds
constexpr std::int16_t PuntoMassimo = StatoSimulazione::PuntiPossibili - 1;

void Avvisa(CanaleDialogo& canale, FinestraMessaggio& finestra, const char* testo)
{
    canale.TestoMessaggio = testo;
    canale.Pulsanti = "OK";
    finestra.ApriModale();
}

// The bounds that keep every loop finite and every index inside its table.
bool ImpostazioniUtilizzabili(const StatoSimulazione& stato)
{
    return stato.NumeroMassimo >= 1 && stato.NumeriEstratti >= 1
           && stato.NumeriEstratti <= stato.NumeroMassimo && stato.NumeriMax >= 0
           && stato.NumeriMax <= stato.NumeroMassimo
           && static_cast<std::size_t>(stato.NumCombinazioni) <= stato.Combinazioni.size();
}

// Drawing by rejection: every try is uniform over 1..numeroMassimo, so the
// set that comes out is uniform over all sets of `quanti` numbers.
// Entry n of the result is 1 when n was drawn; entry 0 is unused.
std::vector<std::int16_t> EstraiNumeri(GeneratoreCasuale& generatore, int numeroMassimo, int quanti)
{
    std::vector<std::int16_t> estratti(static_cast<std::size_t>(numeroMassimo) + 1, 0);
    std::vector<bool> usciti(estratti.size(), false);
    for (int presi = 0; presi < quanti;) {
        // The port promises [0, 1), but an index must not depend on that
        // promise: a value out of range lands on the nearest number.
        double posizione = std::floor(generatore.Prossimo() * numeroMassimo);
        if (!(posizione >= 0))
            posizione = 0;
        if (posizione > numeroMassimo - 1)
            posizione = numeroMassimo - 1;
        const auto n = static_cast<std::size_t>(posizione) + 1;
        if (!usciti[n]) {
            usciti[n] = true;
            estratti[n] = 1;
            ++presi;
        }
    }
    return estratti;
}

// The counters after this draw, or nothing when one of them would pass the
// 16-bit limit.
struct ContatoriNuovi {
    std::int16_t Tentativi;
    std::array<std::int16_t, StatoSimulazione::PuntiPossibili> VinciteTotali;
};

std::optional<ContatoriNuovi> Incrementa(const StatoSimulazione& stato, const TabellaPunti& punti)
{
    try {
        ContatoriNuovi nuovi{Somma16(stato.Tentativi, 1), {}};
        for (std::size_t p = 0; p < punti.size(); ++p)
            nuovi.VinciteTotali[p] = Somma16(stato.VinciteTotali[p], punti[p]);
        return nuovi;
    } catch (const ErroreNumerato&) {
        return std::nullopt;
    }
}

std::string Cella(int conteggio) { return std::to_string(conteggio) + " "; }

} // namespace

void EseguiEstrazione(DatiProgramma& dati, PorteEstrazione& porte)
{
    StatoSimulazione& stato = dati.Stato;
    VistaTabellone& tabellone = porte.Tabellone;

    if (stato.NumCombinazioni < 1) {
        Avvisa(dati.Canale, porte.Messaggio, avvisi::NessunaCombinazione);
        return;
    }
    if (!ImpostazioniUtilizzabili(stato)) {
        Avvisa(dati.Canale, porte.Messaggio, avvisi::AzioneNegata);
        return;
    }

    // Whether the draw can complete depends on its outcome (a cumulative
    // entry may be one short of the limit), and a draw must not stop half
    // shown. So the numbers are drawn and scored first; the board then
    // replays the draw step by step.
    porte.Generatore.Rimescola(porte.Ora.SecondiDallaMezzanotte());
    const auto estratti = EstraiNumeri(porte.Generatore, stato.NumeroMassimo, stato.NumeriEstratti);
    const auto righe = std::span<const std::string>(stato.Combinazioni)
                           .first(static_cast<std::size_t>(stato.NumCombinazioni));
    const auto punti = CalcolaPunteggi(righe, estratti);
    if (!punti) {
        Avvisa(dati.Canale, porte.Messaggio, avvisi::AzioneNegata);
        return;
    }
    const auto nuovi = Incrementa(stato, *punti);
    if (!nuovi) {
        Avvisa(dati.Canale, porte.Messaggio, avvisi::ContatoriPieni);
        return;
    }

    tabellone.MostraTry(false);

    stato.Tentativi = nuovi->Tentativi;
    tabellone.ScriviTentativi(FormattaNumero(stato.Tentativi, dati.SeparatoreMigliaia));

    // int loop counters: NumeriMax may be 32767, where a 16-bit one would wrap.
    const int palle = stato.NumeriMax;
    for (int i = 1; i <= palle; ++i)
        tabellone.ColoraPalla(static_cast<std::int16_t>(i), colori::Bianco, colori::TestoPulsante);

    for (std::int16_t p = PuntoMassimo; p >= 0; --p)
        tabellone.ScriviPunti(p, colori::SfondoFinestra, "0 ");

    for (int i = 1; i <= palle; ++i) {
        if (estratti[static_cast<std::size_t>(i)] == 1) {
            porte.Attesa.Attendi(PausaPerPalla);
            tabellone.ColoraPalla(static_cast<std::int16_t>(i), colori::Arancio, colori::Bianco);
        }
    }

    stato.VinciteTotali = nuovi->VinciteTotali;

    for (std::int16_t p = PuntoMassimo; p >= 0; --p) {
        const int conteggio = (*punti)[static_cast<std::size_t>(p)];
        if (conteggio != 0)
            tabellone.ScriviPunti(p, colori::ArancioChiaro, Cella(conteggio));
    }

    for (std::int16_t p = PuntoMassimo; p >= 0; --p)
        tabellone.ScriviPuntiTot(p, Cella(stato.VinciteTotali[static_cast<std::size_t>(p)]));

    tabellone.MostraTry(true);
}

} // namespace vortilla
