// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// vortilla-serie: a long series of draws on a combination file, at full
// speed, against the exact odds.

#include "GraficoIsolato.h"
#include "Opzioni.h"
#include "Progresso.h"
#include "Segnali.h"
#include "Uscite.h"

#include "engine/StatoSimulazione.h"
#include "errors/ErroreNumerato.h"
#include "errors/MessaggioErrore.h"
#include "serie/DescriviErrore.h"
#include "serie/EseguiSerie.h"
#include "serie/FileCombinazioni.h"
#include "serie/FileCompleto.h"
#include "serie/Formati.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <random>

#include <unistd.h>

namespace {

std::uint64_t SemeNuovo()
{
    std::random_device entropia;
    return (std::uint64_t{entropia()} << 32) ^ entropia();
}

void Scrivi(const vortilla::Risultato& r, Opzioni::Formato formato, vortilla::Destinazione& d)
{
    switch (formato) {
    case Opzioni::Formato::Testo: vortilla::ScriviTesto(r, d); break;
    case Opzioni::Formato::Csv: vortilla::ScriviCsv(r, d); break;
    case Opzioni::Formato::Json: vortilla::ScriviJson(r, d); break;
    }
}

bool ScriviGrafico(const vortilla::Risultato& r, const std::string& nome,
                   const vortilla::Bersaglio& bersaglio)
{
    std::string errore;
    std::string estensione = nome.substr(nome.size() - 4); // ".png" or ".svg", in any case
    for (char& c : estensione)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool svg = estensione == ".svg";
    if (const auto immagine = DisegnaIsolato(r, svg, errore)) {
        vortilla::FileCompleto file(bersaglio.percorso);
        file.Scrivi(*immagine);
        errore = file.Conferma();
    }
    if (errore.empty())
        return true;
    std::fprintf(stderr, "vortilla-serie: %s: grafico non scritto: %s.\n", nome.c_str(),
                 errore.c_str());
    return false;
}

int Rifiuta(const std::string& file, const vortilla::Rifiuto& rifiuto)
{
    std::fprintf(stderr, "vortilla-serie: %s: %s\n", file.c_str(),
                 vortilla::TestoRifiuto(rifiuto).c_str());
    return FileRifiutato;
}

int Esegui(const Opzioni& o)
{
    // A chart that cannot be written is refused before the work, not after.
    vortilla::Bersaglio grafico;
    if (!o.grafico.empty()) {
        grafico = vortilla::ControllaBersaglio(o.grafico);
        if (!grafico.errore.empty()) {
            std::fprintf(stderr, "vortilla-serie: %s: grafico non scrivibile: %s.\n",
                         o.grafico.c_str(), grafico.errore.c_str());
            return RigaDiComando;
        }
    }

    vortilla::Rifiuto rifiuto;
    auto file = vortilla::FileCombinazioni::Apri(o.file, rifiuto);
    const auto elementi = file ? file->Verifica(rifiuto) : std::nullopt;
    if (!elementi)
        return Rifiuta(o.file, rifiuto);
    const std::size_t quante = o.tutte ? std::numeric_limits<std::size_t>::max()
                                       : vortilla::StatoSimulazione::MassimoCombinazioni;
    // Totals are 64-bit: a run whose line-draws could not be counted is
    // refused as soon as the count of lines is known, before the load.
    const auto combinazioni =
        std::min<std::uint64_t>(static_cast<std::uint64_t>(*elementi), quante);
    const std::uint64_t massimo =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) / combinazioni;
    if (o.estrazioni > massimo) {
        std::fprintf(stderr,
                     "vortilla-serie: troppe estrazioni per %llu combinazioni: al massimo %llu.\n",
                     static_cast<unsigned long long>(combinazioni),
                     static_cast<unsigned long long>(massimo));
        return RigaDiComando;
    }
    auto righe = file->Carica(quante, rifiuto);
    if (!righe)
        return Rifiuta(o.file, rifiuto);
    file.reset();

    vortilla::Risultato r;
    vortilla::Sistema sistema;
    try {
        sistema = vortilla::CompilaSistema(*righe);
    } catch (const vortilla::ErroreNumerato& errore) {
        // Only if the window's scoring would refuse what its load took.
        std::fprintf(stderr, "vortilla-serie: %s: %s\n", o.file.c_str(),
                     vortilla::MessaggioErrore(errore.numero()).c_str());
        return FileRifiutato;
    }
    if (!o.dettaglio)
        std::vector<std::string>().swap(*righe); // the masks are all the run needs
    else
        r.righe = &*righe;

    r.file = o.file;
    r.combinazioni = sistema.righe.size();
    r.perLunghezza = sistema.perLunghezza;
    r.conRipetizioni = sistema.conRipetizioni;
    r.estratti = o.estratti;
    r.estrazioniChieste = o.estrazioni;
    r.seme = o.seme ? *o.seme : SemeNuovo();

    AvviaSerie();
    using Orologio = Progresso::Orologio;
    const auto inizio = Orologio::now();
    Progresso progresso(o.estrazioni, inizio, StderrTerminale(), TerminaleConCodici());
    r.conteggi = vortilla::EseguiSerie(
        sistema, {r.seme, o.estrazioni, o.estratti, o.thread, o.dettaglio}, RichiestaDiStop(),
        [&](std::uint64_t fatte) { progresso.Mostra(fatte, Orologio::now()); });
    r.secondi = std::chrono::duration<double>(Orologio::now() - inizio).count();
    r.thread = r.conteggi.thread;
    progresso.Cancella();
    r.interrotta = r.conteggi.estrazioni < o.estrazioni;
    r.statistiche = vortilla::CalcolaStatistiche(
        r.conteggi, vortilla::AttesePerEstrazione(sistema, o.estratti));

    int uscita = Completata;
    vortilla::DestinazioneDescrittore stdout_(STDOUT_FILENO);
    Scrivi(r, o.formato, stdout_);
    if (const int errore = stdout_.Svuota()) {
        const std::string motivo =
            errore == EBADF ? "uscita standard chiusa" : vortilla::DescriviErrore(errore);
        std::fprintf(stderr, "vortilla-serie: risultati non scritti: %s.\n", motivo.c_str());
        uscita = NonScritti;
    }
    if (!o.grafico.empty() && !ScriviGrafico(r, o.grafico, grafico))
        uscita = NonScritti;
    if (uscita == Completata && SegnaleRicevuto() != 0)
        uscita = 128 + SegnaleRicevuto();
    return uscita;
}

} // namespace

int main(int argc, char** argv)
{
    int uscita = 0;
    const auto opzioni = LeggiOpzioni(
        std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)), uscita);
    if (!opzioni)
        return uscita;
    InstallaSegnali();
    try {
        return Esegui(*opzioni);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "vortilla-serie: %s\n",
                     vortilla::MessaggioErrore(vortilla::errori::MemoriaEsaurita).c_str());
        return FileRifiutato;
    }
}
