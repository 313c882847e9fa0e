// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// vortilla-serie: a long series of draws on a combination file, at full
// speed, against the exact odds.

#include "Formati.h"
#include "Grafico.h"
#include "LeggiFile.h"
#include "Opzioni.h"
#include "Progresso.h"
#include "Segnali.h"

#include "engine/StatoSimulazione.h"
#include "errors/ErroreNumerato.h"
#include "errors/MessaggioErrore.h"
#include "serie/EseguiSerie.h"

#include <QApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>
#include <limits>
#include <memory>
#include <optional>
#include <random>

#include <unistd.h>

namespace {

enum Uscita { Completata = 0, FileRifiutato = 1, RigaDiComando = 2, Interrotta = 130 };

std::uint64_t SemeNuovo()
{
    std::random_device entropia;
    return (std::uint64_t{entropia()} << 32) ^ entropia();
}

void Scrivi(const QByteArray& testo)
{
    std::fwrite(testo.constData(), 1, static_cast<std::size_t>(testo.size()), stdout);
}

int Esegui(const Opzioni& o)
{
    const std::string percorso = QFile::encodeName(o.file).toStdString();
    const std::string nome = o.file.toStdString();
    const std::size_t quante = o.tutte ? std::numeric_limits<std::size_t>::max()
                                       : vortilla::StatoSimulazione::MassimoCombinazioni;
    auto righe = LeggiFile(percorso, nome, quante);
    if (!righe)
        return FileRifiutato;

    Risultato r;
    vortilla::Sistema sistema;
    try {
        sistema = vortilla::CompilaSistema(*righe);
    } catch (const vortilla::ErroreNumerato& errore) {
        // Only if the file changed under the reader between its checks.
        std::fprintf(stderr, "vortilla-serie: %s: %s\n", nome.c_str(),
                     vortilla::MessaggioErrore(errore.numero()).c_str());
        return FileRifiutato;
    }
    if (!o.dettaglio)
        std::vector<std::string>().swap(*righe); // the masks are all the run needs
    else
        r.righe = &*righe;

    r.combinazioni = sistema.righe.size();
    // Totals are 64-bit: refuse a run whose line-draws could not be counted.
    if (o.estrazioni
        > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) / r.combinazioni) {
        std::fprintf(stderr, "vortilla-serie: troppe estrazioni per %llu combinazioni.\n",
                     static_cast<unsigned long long>(r.combinazioni));
        return RigaDiComando;
    }
    r.file = o.file;
    r.perLunghezza = sistema.perLunghezza;
    r.conRipetizioni = sistema.conRipetizioni;
    r.estratti = o.estratti;
    r.estrazioniChieste = o.estrazioni;
    r.seme = o.seme ? *o.seme : SemeNuovo();
    r.thread = o.thread;

    // The chart's file is opened before the run, so that a path that cannot
    // be written is refused before the work, not after it. It stays a
    // temporary file until the chart is complete.
    std::optional<QSaveFile> grafico;
    if (!o.grafico.isEmpty()) {
        grafico.emplace(o.grafico);
        if (!grafico->open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "vortilla-serie: %s: %s\n", qPrintable(o.grafico),
                         qPrintable(grafico->errorString()));
            return RigaDiComando;
        }
    }

    FermaAlSegnale();
    using Orologio = Progresso::Orologio;
    const auto inizio = Orologio::now();
    Progresso progresso(o.estrazioni, inizio, isatty(STDERR_FILENO) == 1);
    r.conteggi = vortilla::EseguiSerie(
        sistema, {r.seme, o.estrazioni, o.estratti, o.thread, o.dettaglio}, RichiestaDiStop(),
        [&](std::uint64_t fatte) { progresso.Mostra(fatte, Orologio::now()); });
    r.secondi = std::chrono::duration<double>(Orologio::now() - inizio).count();
    progresso.Cancella();
    r.interrotta = r.conteggi.estrazioni < o.estrazioni;
    r.statistiche = vortilla::CalcolaStatistiche(
        r.conteggi, vortilla::AttesePerEstrazione(sistema, o.estratti));

    switch (o.formato) {
    case Opzioni::Formato::Testo: Scrivi(InTesto(r)); break;
    case Opzioni::Formato::Csv: Scrivi(InCsv(r)); break;
    case Opzioni::Formato::Json: Scrivi(InJson(r)); break;
    }
    std::fflush(stdout);
    if (grafico) {
        const QString errore = ScriviGrafico(*grafico, r);
        if (!errore.isEmpty()) {
            std::fprintf(stderr, "vortilla-serie: %s: grafico non scritto: %s\n",
                         qPrintable(o.grafico), qPrintable(errore));
            return FileRifiutato;
        }
    }
    return r.interrotta ? Interrotta : Completata;
}

} // namespace

int main(int argc, char** argv)
{
    // The options come first, so that a bad command line is refused before
    // any part of Qt starts.
    QStringList argomenti;
    for (int i = 0; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    int uscita = 0;
    const auto opzioni = LeggiOpzioni(argomenti, uscita);
    if (!opzioni)
        return uscita;

    // Charts are graphics items and need the graphical application, drawn
    // offscreen. Every other run uses only Qt's strings, files and JSON,
    // which need no application object: it starts sooner and lighter.
    std::unique_ptr<QApplication> applicazione;
    if (!opzioni->grafico.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        applicazione = std::make_unique<QApplication>(argc, argv);
    }
    try {
        return Esegui(*opzioni);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "vortilla-serie: %s\n",
                     vortilla::MessaggioErrore(vortilla::errori::MemoriaEsaurita).c_str());
        return FileRifiutato;
    }
}
