// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Opzioni.h"

#include "serie/PunteggioVeloce.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cstdio>
#include <thread>

namespace {

constexpr auto Descrizione =
    "Simula una lunga serie di estrazioni (20 o 6 numeri su 90) sulle combinazioni\n"
    "di FILE, letto e controllato come dal programma a finestre, e confronta i punti\n"
    "ottenuti con le probabilità esatte. Con lo stesso seme e le stesse opzioni i\n"
    "risultati sono identici qualunque siano il numero di thread e il processore.\n"
    "\n"
    "Stato d'uscita: 0 serie completata, 1 file rifiutato, 2 riga di comando non\n"
    "valida, 130 serie interrotta (Ctrl-C): si stampano i risultati delle estrazioni\n"
    "completate.\n"
    "\n"
    "VORTILLA_NUCLEO=portabile, avx2 o avx512 impone il nucleo di calcolo; senza,\n"
    "il più veloce che il processore esegue. --version dice quale è in uso.";

// Whole decimal number without sign or spaces, within 1..massimo.
std::optional<std::uint64_t> Numero(const QString& testo, std::uint64_t minimo,
                                    std::uint64_t massimo)
{
    static const QRegularExpression cifre("^[0-9]{1,20}$");
    bool ok = false;
    const qulonglong valore = testo.toULongLong(&ok);
    if (!cifre.match(testo).hasMatch() || !ok || valore < minimo || valore > massimo)
        return std::nullopt;
    return valore;
}

void Rifiuta(const QString& motivo)
{
    std::fprintf(stderr, "vortilla-serie: %s\nUsare --help per l'elenco delle opzioni.\n",
                 qPrintable(motivo));
}

} // namespace

std::optional<Opzioni> LeggiOpzioni(const QStringList& argomenti, int& uscita)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(Descrizione));
    const QCommandLineOption aiuto({"h", "help"}, "Mostra questo aiuto ed esce.");
    const QCommandLineOption versione({"v", "version"}, "Mostra la versione ed esce.");
    const QCommandLineOption tutte("tutte",
                                   "Usa tutte le combinazioni del file, non solo le prime 500.");
    const QCommandLineOption estratti(
        "estratti", "Numeri estratti a ogni estrazione: 20 (predefinito) o 6.", "N");
    const QCommandLineOption estrazioni(
        "estrazioni", "Numero di estrazioni, da 1 a 1000000000000 (predefinito 10000).", "N");
    const QCommandLineOption seme("seme",
                                  "Seme della serie (intero da 0 a 18446744073709551615); "
                                  "senza, un seme nuovo, sempre stampato.",
                                  "S");
    const QCommandLineOption thread("thread", "Thread di calcolo (predefinito: tutti i core).",
                                    "T");
    const QCommandLineOption formato(
        "formato", "Formato dei risultati su stdout: testo (predefinito), csv o json.", "F");
    const QCommandLineOption grafico(
        "grafico", "Scrive il grafico dei risultati in FILE.png o FILE.svg.", "FILE");
    const QCommandLineOption dettaglio("dettaglio",
                                       "Aggiunge i conteggi per punti di ogni combinazione.");
    parser.addOptions(
        {aiuto, versione, tutte, estratti, estrazioni, seme, thread, formato, grafico, dettaglio});
    parser.addPositionalArgument("FILE",
                                 "File di combinazioni (da 3 a 10 numeri da 1 a 90 per riga).");

    uscita = 2;
    // The usage line names the program, not the path it was started by.
    QStringList argv = argomenti;
    if (!argv.isEmpty())
        argv.front() = "vortilla-serie";
    if (!parser.parse(argv)) {
        const QStringList sconosciute = parser.unknownOptionNames();
        Rifiuta(sconosciute.isEmpty() ? "riga di comando non valida: " + parser.errorText()
                                      : "opzione sconosciuta: " + sconosciute.front());
        return std::nullopt;
    }
    if (parser.isSet(aiuto)) {
        // Without an application object Qt cannot name the program in the
        // usage line; help2man builds the manual's synopsis from it.
        QString testo = parser.helpText();
        testo.replace(0, testo.indexOf('\n'), "Usage: vortilla-serie [options] FILE");
        std::fputs(testo.toUtf8().constData(), stdout);
        uscita = 0;
        return std::nullopt;
    }
    std::string motivo;
    const vortilla::Nucleo* nucleo = vortilla::NucleoRichiesto(motivo);
    if (!nucleo) {
        std::fprintf(stderr, "vortilla-serie: %s\n", motivo.c_str());
        return std::nullopt;
    }
    if (parser.isSet(versione)) {
        std::printf("vortilla-serie %s\nnucleo di calcolo: %s\n", VORTILLA_VERSIONE, nucleo->nome);
        uscita = 0;
        return std::nullopt;
    }

    Opzioni o;
    const QStringList file = parser.positionalArguments();
    if (file.size() != 1) {
        Rifiuta(file.isEmpty() ? QString("manca il file di combinazioni.")
                               : QString("un solo file, per favore."));
        return std::nullopt;
    }
    o.file = file.front();
    o.tutte = parser.isSet(tutte);
    o.dettaglio = parser.isSet(dettaglio);
    if (parser.isSet(estratti)) {
        const QString v = parser.value(estratti);
        if (v != "20" && v != "6") {
            Rifiuta("--estratti vale 20 o 6, non \"" + v + "\".");
            return std::nullopt;
        }
        o.estratti = v.toInt();
    }
    if (parser.isSet(estrazioni)) {
        const auto n = Numero(parser.value(estrazioni), 1, EstrazioniMassime);
        if (!n) {
            Rifiuta("--estrazioni vuole un intero da 1 a 1000000000000, non \""
                    + parser.value(estrazioni) + "\".");
            return std::nullopt;
        }
        o.estrazioni = *n;
    }
    if (parser.isSet(seme)) {
        o.seme = Numero(parser.value(seme), 0, UINT64_MAX);
        if (!o.seme) {
            Rifiuta("--seme vuole un intero da 0 a 18446744073709551615, non \""
                    + parser.value(seme) + "\".");
            return std::nullopt;
        }
    }
    if (parser.isSet(thread)) {
        const auto t = Numero(parser.value(thread), 1, 1024);
        if (!t) {
            Rifiuta("--thread vuole un intero da 1 a 1024, non \"" + parser.value(thread) + "\".");
            return std::nullopt;
        }
        o.thread = static_cast<unsigned>(*t);
    }
    if (o.thread == 0)
        o.thread = std::max(1u, std::thread::hardware_concurrency());
    if (parser.isSet(formato)) {
        const QString f = parser.value(formato);
        if (f == "testo")
            o.formato = Opzioni::Formato::Testo;
        else if (f == "csv")
            o.formato = Opzioni::Formato::Csv;
        else if (f == "json")
            o.formato = Opzioni::Formato::Json;
        else {
            Rifiuta("--formato vale testo, csv o json, non \"" + f + "\".");
            return std::nullopt;
        }
    }
    if (parser.isSet(grafico)) {
        o.grafico = parser.value(grafico);
        const QString minuscolo = o.grafico.toLower();
        if (!minuscolo.endsWith(".png") && !minuscolo.endsWith(".svg")) {
            Rifiuta("--grafico scrive un file .png o .svg, non \"" + o.grafico + "\".");
            return std::nullopt;
        }
    }
    uscita = 0;
    return o;
}
