// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// vortilla-serie: a long series of draws on a combination file, at full
// speed, against the exact odds.

#include "GraficoIsolato.h"
#include "Opzioni.h"
#include "Progresso.h"
#include "Segnali.h"
#include "Uscite.h"

#include "errors/ErroreNumerato.h"
#include "errors/MessaggioErrore.h"
#include "serie/DescriviErrore.h"
#include "serie/EseguiSerie.h"
#include "serie/Figure.h"
#include "serie/FileCompleto.h"
#include "serie/Formati.h"
#include "serie/PreparaSerie.h"

#include <cctype>
#include <cerrno>
#include <cstdio>

#include <unistd.h>

namespace {

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

// A refused run: a file at fault ends with its own status, a count of
// draws that cannot be run with the command line's.
int Rifiuta(const vortilla::RifiutoSerie& rifiuto)
{
    using Motivo = vortilla::RifiutoSerie::Motivo;
    if (rifiuto.motivo == Motivo::ArchivioCorto) {
        std::fprintf(stderr,
                     "vortilla-serie: %s: l'archivio ha %llu estrazioni, --estrazioni ne "
                     "chiede %llu.\n",
                     rifiuto.testo.c_str(), static_cast<unsigned long long>(rifiuto.disponibili),
                     static_cast<unsigned long long>(rifiuto.chieste));
        return RigaDiComando;
    }
    std::fprintf(stderr, "vortilla-serie: %s\n", rifiuto.testo.c_str());
    return rifiuto.motivo == Motivo::File ? FileRifiutato : RigaDiComando;
}

vortilla::RichiestaSerie RichiestaDi(const Opzioni& o)
{
    vortilla::RichiestaSerie r;
    r.file = o.file;
    r.premi = o.premi;
    r.archivio = o.archivio;
    r.estratti = o.estratti;
    r.estrazioni = o.estrazioni;
    r.seme = o.seme;
    r.tutte = o.tutte;
    r.posta = o.posta.value_or(r.posta);
    r.sessione = o.sessione.value_or(r.sessione);
    r.dettaglio = o.dettaglio;
    return r;
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
    vortilla::RifiutoSerie rifiuto;
    const auto serie = vortilla::PreparaSerie(RichiestaDi(o), rifiuto);
    if (!serie)
        return Rifiuta(rifiuto);
    const vortilla::DatiSerie& dati = serie->dati;
    const std::uint64_t estrazioni = dati.estrazioni;
    // Until the series starts a signal ends the program at once: these
    // take at most some seconds, and nothing is lost.
    const vortilla::FigureEsatte esatte = vortilla::CalcolaFigureEsatte(dati, &RichiestaDiStop());

    AvviaSerie();
    using Orologio = Progresso::Orologio;
    const auto inizio = Orologio::now();
    Progresso progresso(estrazioni, inizio, StderrTerminale(), TerminaleConCodici());
    vortilla::StatoSerie stato =
        vortilla::EseguiSerie(serie->sistema, vortilla::ParametriDi(dati, o.thread),
                              RichiestaDiStop(), [&](const vortilla::StatoSerie& s) {
                                  progresso.Mostra(s.conteggi.estrazioni, Orologio::now());
                              });
    const double secondi = std::chrono::duration<double>(Orologio::now() - inizio).count();
    progresso.Cancella();
    vortilla::Risultato r = vortilla::ComponiRisultato(dati, esatte, std::move(stato));
    r.secondi = secondi;

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
