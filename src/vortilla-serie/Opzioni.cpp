// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Opzioni.h"

#include "Uscite.h"

#include "serie/PunteggioVeloce.h"

#include "serie/DescriviErrore.h"
#include "serie/Destinazione.h"
#include "serie/PreparaSerie.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

// Laid out as help2man reads it: the usage line, the description, then one
// option per line with its text in a column.
constexpr std::string_view Aiuto =
    "Usage: vortilla-serie [options] FILE\n"
    "Simula una lunga serie di estrazioni (20 o 6 numeri su 90) sulle combinazioni\n"
    "di FILE, letto e controllato come dal programma a finestre, e confronta i punti\n"
    "ottenuti con le probabilità esatte. Con lo stesso seme e le stesse opzioni i\n"
    "risultati sono identici qualunque siano il numero di thread e il processore.\n"
    "Dice anche che cosa vale il sistema (la copertura contro combinazioni\n"
    "indipendenti e, fino a 24 numeri, la garanzia esatta), che cosa costa con una\n"
    "tabella dei premi (--premi) e come sarebbe andato sulle estrazioni vere\n"
    "(--archivio).\n"
    "\n"
    "Options:\n"
    "  -h, --help        Mostra questo aiuto ed esce.\n"
    "  -v, --version     Mostra la versione ed esce.\n"
    "  --tutte           Usa tutte le combinazioni del file, non solo le prime 500.\n"
    "  --estratti <N>    Numeri estratti a ogni estrazione: 20 (predefinito) o 6.\n"
    "  --estrazioni <N>  Numero di estrazioni, da 1 a 1000000000000 (predefinito\n"
    "                    10000); con --archivio, le ultime N dell'archivio\n"
    "                    (predefinito: tutte).\n"
    "  --seme <S>        Seme della serie (intero da 0 a 18446744073709551615);\n"
    "                    senza, un seme nuovo, sempre stampato. Non vale con\n"
    "                    --archivio.\n"
    "  --thread <T>      Thread di calcolo, da 1 a 1024 (predefinito: tutti i core).\n"
    "  --formato <F>     Formato dei risultati su stdout: testo (predefinito), csv o\n"
    "                    json.\n"
    "  --grafico <FILE>  Scrive il grafico dei risultati in FILE.png o FILE.svg.\n"
    "  --dettaglio       Aggiunge i conteggi per punti di ogni combinazione; con\n"
    "                    --archivio, anche le estrazioni in cui il sistema ha fatto i\n"
    "                    suoi 3 punteggi migliori, per etichetta (le 10 più recenti\n"
    "                    per punteggio).\n"
    "  --premi <FILE>    Tabella dei premi, una riga per premio: «numeri\n"
    "                    giocati;punti;vincita», la vincita per una posta di 1; \"#\"\n"
    "                    inizia un commento. Aggiunge la resa attesa (esatta) e\n"
    "                    quella osservata, le sessioni e la serie perdente più\n"
    "                    lunga.\n"
    "  --posta <X>       Posta per combinazione per estrazione, fino a due decimali\n"
    "                    (predefinita 1). Solo con --premi.\n"
    "  --sessione <N>    Estrazioni di una sessione, da 1 a 1000000000000\n"
    "                    (predefinito 100). Solo con --premi.\n"
    "  --archivio <FILE>\n"
    "                    Estrazioni passate al posto di quelle simulate, una per\n"
    "                    riga dalla più vecchia: --estratti numeri diversi da 1 a 90\n"
    "                    separati da spazi, tabulazioni, virgole o punti e virgola,\n"
    "                    con in testa un'etichetta facoltativa (una data, un\n"
    "                    codice); \"#\" inizia un commento. Aggiunge le frequenze e i\n"
    "                    ritardi dei 90 numeri contro il caso.\n"
    "\n"
    "Arguments:\n"
    "  FILE              File di combinazioni (da 3 a 10 numeri da 1 a 90 per riga);\n"
    "                    - per leggerle dallo standard input.\n"
    "\n"
    "Stato d'uscita:\n"
    "  0                 serie completata.\n"
    "  1                 file rifiutato: di combinazioni, tabella dei premi o\n"
    "                    archivio (con il numero della riga e il motivo).\n"
    "  2                 riga di comando non valida, grafico che non si può\n"
    "                    scrivere, o VORTILLA_NUCLEO che non si può usare.\n"
    "  3                 risultati o grafico non scritti per intero (uscita standard\n"
    "                    chiusa, disco pieno...).\n"
    "  130, 143, 129     serie interrotta da SIGINT (Ctrl-C), SIGTERM o SIGHUP: si\n"
    "                    stampano i risultati delle estrazioni completate. Un secondo\n"
    "                    segnale termina subito.\n"
    "\n"
    "Ambiente:\n"
    "  VORTILLA_NUCLEO   portabile, avx2 o avx512 impone il nucleo di calcolo; senza,\n"
    "                    il più veloce che il processore esegue. --version dice\n"
    "                    quale è in uso.\n";

struct Voce {
    std::string_view nome; // without dashes
    char breve;            // 0: none
    bool valore;
};

constexpr std::array<Voce, 14> Voci{{
    {"help", 'h', false},
    {"version", 'v', false},
    {"tutte", 0, false},
    {"estratti", 0, true},
    {"estrazioni", 0, true},
    {"seme", 0, true},
    {"thread", 0, true},
    {"formato", 0, true},
    {"grafico", 0, true},
    {"dettaglio", 0, false},
    {"premi", 0, true},
    {"posta", 0, true},
    {"sessione", 0, true},
    {"archivio", 0, true},
}};

void Rifiuta(const std::string& motivo)
{
    std::fprintf(stderr, "vortilla-serie: %s\nUsare --help per l'elenco delle opzioni.\n",
                 motivo.c_str());
}

// Whole decimal number without sign or spaces, within minimo..massimo.
std::optional<std::uint64_t> Numero(std::string_view testo, std::uint64_t minimo,
                                    std::uint64_t massimo)
{
    std::uint64_t valore = 0;
    if (testo.empty() || testo.size() > 20
        || !std::all_of(testo.begin(), testo.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const auto esito = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (esito.ec != std::errc() || valore < minimo || valore > massimo)
        return std::nullopt;
    return valore;
}

bool FiniscePer(std::string testo, std::string_view fine)
{
    std::transform(testo.begin(), testo.end(), testo.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return testo.ends_with(fine);
}

int Stampa(std::string_view testo)
{
    vortilla::DestinazioneDescrittore uscita(STDOUT_FILENO);
    uscita.Scrivi(testo);
    if (const int errore = uscita.Svuota()) {
        std::fprintf(stderr, "vortilla-serie: scrittura non riuscita: %s.\n",
                     vortilla::DescriviErrore(errore).c_str());
        return NonScritti;
    }
    return Completata;
}

// The options as they were given, in order, by their long names.
struct Lette {
    std::vector<std::pair<std::string_view, std::string>> opzioni;
    std::vector<std::string> file;
};

std::optional<Lette> Dividi(std::span<const char* const> argomenti)
{
    Lette lette;
    bool soloFile = false;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string_view a = argomenti[i];
        if (soloFile || a == "-" || !a.starts_with('-')) {
            lette.file.emplace_back(a);
            continue;
        }
        if (a == "--") {
            soloFile = true;
            continue;
        }
        const bool lunga = a.starts_with("--");
        const std::string_view corpo = a.substr(lunga ? 2 : 1);
        const std::string_view nome = corpo.substr(0, corpo.find('='));
        const auto voce = std::find_if(Voci.begin(), Voci.end(), [&](const Voce& v) {
            return lunga ? v.nome == nome : nome.size() == 1 && v.breve == nome[0];
        });
        const std::string scritta = (lunga ? "--" : "-") + std::string(nome);
        if (voce == Voci.end()) {
            Rifiuta("opzione sconosciuta: " + std::string(a.substr(0, a.find('='))) + ".");
            return std::nullopt;
        }
        const bool conUguale = nome.size() < corpo.size();
        if (!voce->valore) {
            if (conUguale) {
                Rifiuta("l'opzione " + scritta + " non vuole un valore.");
                return std::nullopt;
            }
            lette.opzioni.emplace_back(voce->nome, std::string());
        } else if (conUguale)
            lette.opzioni.emplace_back(voce->nome, std::string(corpo.substr(nome.size() + 1)));
        else if (i + 1 < argomenti.size())
            lette.opzioni.emplace_back(voce->nome, std::string(argomenti[++i]));
        else {
            Rifiuta("manca il valore dell'opzione " + scritta + ".");
            return std::nullopt;
        }
    }
    return lette;
}

// Applies one option; false after a refusal.
bool Applica(Opzioni& o, std::string_view nome, const std::string& v)
{
    if (nome == "tutte")
        o.tutte = true;
    else if (nome == "dettaglio")
        o.dettaglio = true;
    else if (nome == "estratti") {
        if (v != "20" && v != "6") {
            Rifiuta("--estratti vale 20 o 6, non \"" + v + "\".");
            return false;
        }
        o.estratti = v == "6" ? 6 : 20;
    } else if (nome == "estrazioni") {
        const auto n = Numero(v, 1, vortilla::EstrazioniMassime);
        if (!n) {
            Rifiuta("--estrazioni vuole un intero da 1 a 1000000000000, non \"" + v + "\".");
            return false;
        }
        o.estrazioni = n;
    } else if (nome == "seme") {
        o.seme = Numero(v, 0, UINT64_MAX);
        if (!o.seme) {
            Rifiuta("--seme vuole un intero da 0 a 18446744073709551615, non \"" + v + "\".");
            return false;
        }
    } else if (nome == "thread") {
        const auto t = Numero(v, 1, ThreadMassimi);
        if (!t) {
            Rifiuta("--thread vuole un intero da 1 a 1024, non \"" + v + "\".");
            return false;
        }
        o.thread = static_cast<unsigned>(*t);
    } else if (nome == "formato") {
        if (v == "testo")
            o.formato = Opzioni::Formato::Testo;
        else if (v == "csv")
            o.formato = Opzioni::Formato::Csv;
        else if (v == "json")
            o.formato = Opzioni::Formato::Json;
        else {
            Rifiuta("--formato vale testo, csv o json, non \"" + v + "\".");
            return false;
        }
    } else if (nome == "grafico") {
        if (!FiniscePer(v, ".png") && !FiniscePer(v, ".svg")) {
            Rifiuta("--grafico scrive un file .png o .svg, non \"" + v + "\".");
            return false;
        }
        o.grafico = v;
    } else if (nome == "premi" || nome == "archivio") {
        if (v.empty()) {
            Rifiuta("--" + std::string(nome) + " vuole il nome di un file.");
            return false;
        }
        (nome == "premi" ? o.premi : o.archivio) = v;
    } else if (nome == "posta") {
        const auto posta = vortilla::LeggiPosta(v);
        if (!posta.valore) {
            Rifiuta("--posta \"" + v + "\": " + posta.errore + ".");
            return false;
        }
        o.posta = posta.valore;
    } else if (nome == "sessione") {
        o.sessione = Numero(v, 1, vortilla::EstrazioniMassime);
        if (!o.sessione) {
            Rifiuta("--sessione vuole un intero da 1 a 1000000000000, non \"" + v + "\".");
            return false;
        }
    }
    return true;
}

// Options that mean nothing together are refused, not ignored.
bool Coerenti(const Opzioni& o)
{
    for (const auto& [data, nome] : {std::pair{o.posta.has_value(), "--posta"},
                                     std::pair{o.sessione.has_value(), "--sessione"}})
        if (data && o.premi.empty()) {
            Rifiuta(std::string(nome) + " vale solo con --premi.");
            return false;
        }
    if (o.seme && !o.archivio.empty()) {
        Rifiuta("--seme non vale con --archivio: le estrazioni sono quelle dell'archivio.");
        return false;
    }
    return true;
}

} // namespace

std::optional<Opzioni> LeggiOpzioni(std::span<const char* const> argomenti, int& uscita)
{
    uscita = RigaDiComando;
    const auto lette = Dividi(argomenti);
    if (!lette)
        return std::nullopt;
    for (const auto& [nome, valore] : lette->opzioni) {
        if (nome == "help") {
            uscita = Stampa(Aiuto);
            return std::nullopt;
        }
    }
    std::string motivo;
    const vortilla::Nucleo* nucleo = vortilla::NucleoRichiesto(motivo);
    if (!nucleo) {
        std::fprintf(stderr, "vortilla-serie: %s\n", motivo.c_str());
        return std::nullopt;
    }
    for (const auto& voce : lette->opzioni)
        if (voce.first == "version") {
            uscita = Stampa("vortilla-serie " VORTILLA_VERSIONE "\nnucleo di calcolo: "
                            + std::string(nucleo->nome) + "\n");
            return std::nullopt;
        }
    Opzioni o;
    for (const auto& [nome, valore] : lette->opzioni)
        if (!Applica(o, nome, valore))
            return std::nullopt;
    if (lette->file.size() != 1) {
        Rifiuta(lette->file.empty() ? "manca il file di combinazioni."
                                    : "un solo file, per favore.");
        return std::nullopt;
    }
    o.file = lette->file.front();
    if (!Coerenti(o))
        return std::nullopt;
    if (o.thread == 0)
        o.thread = std::clamp(std::thread::hardware_concurrency(), 1u, ThreadMassimi);
    uscita = Completata;
    return o;
}
