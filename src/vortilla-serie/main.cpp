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
#include "serie/Archivio.h"
#include "serie/DescriviErrore.h"
#include "serie/EseguiSerie.h"
#include "serie/Figure.h"
#include "serie/FileCombinazioni.h"
#include "serie/FileCompleto.h"
#include "serie/Formati.h"
#include "serie/TabellaPremi.h"

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

// A prize table or an archive refused: the reason names the line at fault.
int Rifiuta(const std::string& file, const std::string& motivo)
{
    std::fprintf(stderr, "vortilla-serie: %s: %s\n", file.c_str(), motivo.c_str());
    return FileRifiutato;
}

// What the run reads besides the combinations. Each is refused with its
// own line number.
struct Letti {
    std::optional<vortilla::TabellaPremi> premi;
    std::vector<vortilla::EstrazioneArchivio> archivio;
    std::span<const vortilla::EstrazioneArchivio> usate; // the latest --estrazioni of them
};

int Leggi(const Opzioni& o, Letti& letti)
{
    if (!o.premi.empty()) {
        auto tabella = vortilla::LeggiFilePremi(o.premi);
        if (!tabella.valore)
            return Rifiuta(o.premi, tabella.errore);
        letti.premi = std::move(tabella.valore);
    }
    if (!o.archivio.empty()) {
        auto estrazioni = vortilla::LeggiFileArchivio(o.archivio, o.estratti);
        if (!estrazioni.valore)
            return Rifiuta(o.archivio, estrazioni.errore);
        letti.archivio = std::move(*estrazioni.valore);
        const std::uint64_t tutte = letti.archivio.size();
        if (o.estrazioni > tutte) {
            std::fprintf(stderr,
                         "vortilla-serie: %s: l'archivio ha %llu estrazioni, --estrazioni ne "
                         "chiede %llu.\n",
                         o.archivio.c_str(), static_cast<unsigned long long>(tutte),
                         static_cast<unsigned long long>(*o.estrazioni));
            return RigaDiComando;
        }
        letti.usate = std::span(letti.archivio).last(o.estrazioni.value_or(tutte));
    }
    return Completata;
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
    Letti letti;
    if (const int uscita = Leggi(o, letti); uscita != Completata)
        return uscita;
    const std::uint64_t estrazioni =
        o.archivio.empty() ? o.estrazioni.value_or(EstrazioniPredefinite) : letti.usate.size();

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
    if (estrazioni > massimo) {
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

    vortilla::DatiSerie dati;
    dati.file = o.file;
    dati.sistema = &sistema;
    dati.righe = o.dettaglio ? &*righe : nullptr;
    dati.estratti = o.estratti;
    dati.estrazioni = estrazioni;
    dati.seme = o.seme ? *o.seme : o.archivio.empty() ? SemeNuovo() : 0;
    if (letti.premi) {
        dati.filePremi = o.premi;
        dati.premi = &*letti.premi;
        dati.posta = o.posta.value_or(100);
        dati.sessione = o.sessione.value_or(SessionePredefinita);
        if (const auto motivo =
                vortilla::ControllaLimitiPremi(*letti.premi, sistema, dati.sessione))
            return Rifiuta(o.premi, *motivo);
    }
    dati.fileArchivio = o.archivio;
    dati.archivio = letti.usate;
    dati.primaArchivio = letti.archivio.size() - letti.usate.size() + 1;
    dati.elencoArchivio = o.dettaglio;
    // Until the series starts a signal ends the program at once: these
    // take at most some seconds, and nothing is lost.
    const vortilla::FigureEsatte esatte = vortilla::CalcolaFigureEsatte(dati, &RichiestaDiStop());

    AvviaSerie();
    using Orologio = Progresso::Orologio;
    const auto inizio = Orologio::now();
    Progresso progresso(estrazioni, inizio, StderrTerminale(), TerminaleConCodici());
    vortilla::StatoSerie stato =
        vortilla::EseguiSerie(sistema, vortilla::ParametriDi(dati, o.thread), RichiestaDiStop(),
                              [&](const vortilla::StatoSerie& s) {
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
