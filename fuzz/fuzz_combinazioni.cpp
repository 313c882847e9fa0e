// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes, as a combination file, to the item reader, the
// normaliser, the validation and the load, and stops at the first
// disagreement:
// - the reader gives the same items whatever its block size;
// - the one-pass normaliser gives what the six literal steps give;
// - the validation refuses exactly when an item fails the line rules (or
//   the file has none), with that error's number;
// - whatever validates loads, as the first 500 normalised lines;
// - every loaded line passes the line rules on its own, and a file made of
//   the loaded lines validates and loads back the same lines;
// - the quick check of common items classifies sixteen bytes exactly as its
//   scalar twin, takes exactly the head that a plain reading of its rule
//   gives, and every item of that head is one the reader and the line rules
//   accept unchanged;
// - the whole check, with the quick road, any block size and other limits,
//   refuses exactly as the line rules do and keeps the same lines.

#include "combinations/ClassificaSedici.h"
#include "combinations/ControllaRiga.h"
#include "combinations/ElementiComuni.h"
#include "combinations/EsaminaFile.h"
#include "combinations/LettoreElementi.h"
#include "combinations/Normalizza.h"
#include "combinations/VerificaFile.h"
#include "engine/CaricaCombinazioni.h"
#include "engine/DatiProgramma.h"
#include "engine/Porte.h"
#include "errors/ErroreNumerato.h"
#include "errors/MessaggioErrore.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace vortilla;

[[noreturn]] void Disaccordo(const char* che)
{
    std::fprintf(stderr, "disagreement: %s\n", che);
    std::abort();
}

void Verifica(bool condizione, const char* che)
{
    if (!condizione)
        Disaccordo(che);
}

struct Finestra : FinestraMessaggio {
    explicit Finestra(DatiProgramma& d) : dati(d) {}
    void ApriModale() override
    {
        Verifica(dati.File.Quanti() == 0, "a file was open while a message showed");
        testi.push_back(dati.Canale.TestoMessaggio);
        Verifica(dati.Canale.Pulsanti == "OK", "a message without the single OK button");
    }
    DatiProgramma& dati;
    std::vector<std::string> testi;
};

struct Vista : VistaTabellone {
    void MostraTry(bool) override { Disaccordo("load touched imgtry"); }
    void ScriviTentativi(const std::string&) override
    {
        Disaccordo("load touched the draw counter");
    }
    void ScriviCatturate(const std::string& t) override { catturate.push_back(t); }
    void ColoraPalla(std::int16_t, Colore, Colore) override { Disaccordo("load touched a ball"); }
    void ScriviPunti(std::int16_t, Colore, const std::string&) override
    {
        Disaccordo("load touched a count");
    }
    void ScriviPuntiTot(std::int16_t, const std::string&) override
    {
        Disaccordo("load touched a total");
    }
    std::vector<std::string> catturate;
};

std::string TrimSpazi(const std::string& s)
{
    const auto inizio = s.find_first_not_of(' ');
    if (inizio == std::string::npos)
        return {};
    return s.substr(inizio, s.find_last_not_of(' ') - inizio + 1);
}

std::string Sostituisci(const std::string& s, const std::string& cosa)
{
    std::string risultato;
    for (std::size_t i = 0; i < s.size();) {
        if (s.compare(i, cosa.size(), cosa) == 0) {
            risultato += ' ';
            i += cosa.size();
        } else {
            risultato += s[i++];
        }
    }
    return risultato;
}

std::string SeiPassi(std::string s)
{
    for (const char* cosa : {"\t", "\r", ",", ".", ":", "  "})
        s = Sostituisci(TrimSpazi(s), cosa);
    return s;
}

struct Lettura {
    std::vector<std::string> elementi;
    std::int32_t errore = 0; // a reader error ends the list
};

Lettura Leggi(const std::string& percorso, std::size_t blocco)
{
    Lettura lettura;
    FileAperti registro;
    try {
        LettoreElementi lettore(percorso, registro, blocco);
        std::string_view elemento;
        while (lettore.Prossimo(elemento))
            lettura.elementi.emplace_back(elemento);
    } catch (const ErroreNumerato& e) {
        lettura.errore = e.numero();
    }
    Verifica(registro.Quanti() == 0, "the reader left its file open");
    return lettura;
}

std::int32_t ErroreRiga(std::string_view riga, const LimitiGioco& limiti = LimitiCaricamento)
{
    try {
        ControllaRiga(riga, limiti);
        return 0;
    } catch (const ErroreNumerato& e) {
        return e.numero();
    }
}

// A folder of the process's own for the inputs, removed at a normal exit (a
// failed check aborts and leaves it, with the input that failed).
const std::string& Cartella()
{
    static const std::string cartella = [] {
        char modello[] = "/tmp/fuzz_combinazioni.XXXXXX";
        const char* fatta = mkdtemp(modello);
        if (!fatta)
            std::abort();
        return std::string(fatta);
    }();
    // Registered once the path is whole, so that it runs before the path's
    // own destructor.
    static const int rimozione = std::atexit([] {
        std::error_code ignorato;
        std::filesystem::remove_all(cartella, ignorato);
    });
    static_cast<void>(rimozione);
    return cartella;
}

std::string Scrivi(const std::string& nome, const std::uint8_t* dati, std::size_t n)
{
    const std::string percorso = Cartella() + "/" + nome;
    const int fd = open(percorso.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || write(fd, dati, n) != static_cast<ssize_t>(n))
        std::abort();
    close(fd);
    return percorso;
}

void ControllaCaricamento(const std::string& percorso, const std::vector<std::string>& attese,
                          std::int32_t erroreAtteso)
{
    DatiProgramma dati;
    dati.Stato.Combinazioni = {"prima"};
    dati.Stato.NumCombinazioni = 1;
    dati.Stato.Tentativi = 3;
    Finestra finestra(dati);
    Vista vista;

    const bool rifiutato = VerificaFile(percorso, 3, 10, 90, dati, finestra);
    Verifica(rifiutato == (erroreAtteso != 0), "validation disagrees with the line rules");
    if (rifiutato)
        Verifica(finestra.testi == std::vector<std::string>{MessaggioErrore(erroreAtteso)},
                 "validation showed the wrong message");
    finestra.testi.clear();

    CaricaCombinazioni(percorso, dati, finestra, vista);
    Verifica(dati.Stato.Tentativi == 3, "a load touched the draw counter");
    if (erroreAtteso != 0) {
        Verifica(finestra.testi.size() == 2 && finestra.testi[1] == "Da Ambi a Decine ..!",
                 "a refused load did not show its two messages");
        Verifica(dati.Stato.Combinazioni == std::vector<std::string>{"prima"}
                     && dati.Stato.NumCombinazioni == 1,
                 "a refused load changed the list");
        return;
    }
    Verifica(finestra.testi.empty(), "a valid load showed a message");
    Verifica(dati.Stato.Combinazioni == attese,
             "the load kept other lines than the validated ones");
    Verifica(dati.Stato.NumCombinazioni == static_cast<std::int16_t>(attese.size()),
             "the count differs from the list");
    Verifica(vista.catturate == std::vector<std::string>{std::to_string(attese.size())},
             "the label shows another count");
}

// Limits other than the loader's, to reach the edges of the quick check:
// bounds below 1 or past two digits, counts that admit nothing.
LimitiGioco LimitiDa(std::uint8_t scelta)
{
    constexpr std::array<std::int16_t, 8> massimi{90, 0, 1, 9, 10, 99, 100, -1};
    constexpr std::array<std::int16_t, 4> minimi{3, 1, -2, 11};
    constexpr std::array<std::int16_t, 2> quanti{10, 32767};
    return {minimi[(scelta >> 3) % 4], quanti[(scelta >> 5) % 2], massimi[scelta % 8]};
}

void ConfrontaClassi(const std::uint8_t* dati, std::size_t n, std::int8_t massimo)
{
    for (std::size_t da = 0; da < n; ++da) {
        std::array<char, 18> copia{};
        for (std::size_t k = 0; k < copia.size(); ++k)
            if (da + k >= 2 && da + k - 2 < n)
                copia[k] = static_cast<char>(dati[da + k - 2]);
        Verifica(ClassificaSedici(copia.data() + 2, massimo)
                     == ClassificaSediciScalare(copia.data() + 2, massimo),
                 "the wide classification differs from the scalar one");
    }
}

bool Cifra(char c) { return c >= '0' && c <= '9'; }

// The quick check's rule read plainly: numbers of one or two digits with
// one space between them, all within the limits.
bool ElementoComune(std::string_view elemento, const LimitiGioco& limiti)
{
    std::size_t numeri = 0;
    std::size_t i = 0;
    for (;;) {
        std::size_t cifre = 0;
        int valore = 0;
        while (i < elemento.size() && Cifra(elemento[i]) && cifre < 3) {
            valore = valore * 10 + (elemento[i++] - '0');
            ++cifre;
        }
        if (cifre == 0 || cifre > 2 || valore < 1 || valore > limiti.NumeroMassimo)
            return false;
        ++numeri;
        if (i == elemento.size())
            break;
        if (elemento[i++] != ' ')
            return false;
    }
    return static_cast<long>(numeri) >= limiti.Minimo && static_cast<long>(numeri) <= limiti.Massimo
           && elemento.size() <= LettoreElementi::LunghezzaMassima;
}

TestaComune TestaAttesa(std::string_view testo, const LimitiGioco& limiti)
{
    TestaComune testa;
    for (std::size_t inizio = 0;;) {
        const std::size_t fine = testo.find_first_of(",\r\n", inizio);
        if (fine == std::string_view::npos)
            return testa;
        const std::string_view elemento = testo.substr(inizio, fine - inizio);
        if (!elemento.empty()) {
            if (!ElementoComune(elemento, limiti))
                return testa;
            ++testa.elementi;
        }
        testa.byte = inizio = fine + 1;
    }
}

void ControllaTestaComune(const std::uint8_t* dati, std::size_t n, const LimitiGioco& limiti)
{
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    const TestaComune testa = ElementiComuniInTesta(testo, limiti);
    const TestaComune attesa = TestaAttesa(testo, limiti);
    Verifica(testa.byte == attesa.byte && testa.elementi == attesa.elementi,
             "the quick check took another head than its rule gives");

    // What the full road makes of that head: the same items, each already a
    // line and a valid one.
    const std::string percorso = Scrivi("testa.txt", dati, testa.byte);
    const Lettura lettura = Leggi(percorso, FileTesto::BloccoPredefinito);
    Verifica(lettura.errore == 0 && lettura.elementi.size() == testa.elementi,
             "the reader finds other items in the quick head");
    std::string spazio;
    for (const std::string& elemento : lettura.elementi) {
        Verifica(Normalizza(elemento, spazio) == elemento, "a quick item is not its own line");
        Verifica(ErroreRiga(elemento, limiti) == 0, "the quick check took an invalid item");
    }
}

// EsaminaFile with `limiti` and `blocco`, against the outcome that the items
// and the line rules give.
void ControllaEsame(const std::string& percorso, const Lettura& intera, const LimitiGioco& limiti,
                    std::size_t blocco, std::size_t daConservare)
{
    std::int32_t errore = 0;
    std::vector<std::string> attese;
    for (const std::string& elemento : intera.elementi) {
        const std::string riga = SeiPassi(elemento);
        errore = ErroreRiga(riga, limiti);
        if (errore != 0)
            break;
        if (attese.size() < daConservare)
            attese.push_back(riga);
    }
    if (errore == 0)
        errore = intera.errore;
    if (errore == 0 && intera.elementi.empty())
        errore = errori::FileVuoto;

    FileAperti registro;
    std::vector<std::string> righe;
    std::int32_t trovato = 0;
    std::int32_t conta = 0;
    try {
        conta = EsaminaFile(percorso, limiti, registro, righe, daConservare, blocco);
    } catch (const ErroreNumerato& e) {
        trovato = e.numero();
    }
    Verifica(trovato == errore, "the check with the quick road gives another error");
    Verifica(registro.Quanti() == 0, "the check left its file open");
    if (errore == 0) {
        Verifica(conta == static_cast<std::int32_t>(intera.elementi.size()),
                 "the check counted other items");
        Verifica(righe == attese, "the check kept other lines");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    const std::string percorso = Scrivi("file.txt", dati, n);

    const Lettura intera = Leggi(percorso, FileTesto::BloccoPredefinito);
    const std::size_t blocco = n > 0 ? dati[0] % 13 + 1 : 1;
    const Lettura aPezzi = Leggi(percorso, blocco);
    Verifica(intera.elementi == aPezzi.elementi && intera.errore == aPezzi.errore,
             "the block size changed the items");

    // The outcome the rules give, item by item: the first bad line, else
    // the reader's own error, else an empty file.
    std::int32_t errore = 0;
    std::vector<std::string> righe;
    std::string spazio;
    for (const std::string& elemento : intera.elementi) {
        Verifica(!elemento.empty(), "the reader handed out an empty item");
        const std::string riga = SeiPassi(elemento);
        Verifica(Normalizza(elemento, spazio) == riga, "the normaliser differs from the six steps");
        if (errore == 0)
            errore = ErroreRiga(riga);
        if (errore == 0 && righe.size() < StatoSimulazione::MassimoCombinazioni)
            righe.push_back(riga);
    }
    if (errore == 0)
        errore = intera.errore;
    if (errore == 0 && intera.elementi.empty())
        errore = errori::FileVuoto;

    const LimitiGioco limiti = n > 1 ? LimitiDa(dati[n - 1]) : LimitiCaricamento;
    ConfrontaClassi(dati, n,
                    static_cast<std::int8_t>(std::clamp<int>(limiti.NumeroMassimo, 0, 99)));
    ControllaTestaComune(dati, n, limiti);
    ControllaEsame(percorso, intera, limiti, blocco, 0);
    ControllaEsame(percorso, intera, LimitiCaricamento, blocco, n > 2 ? dati[1] % 4 : 0);

    ControllaCaricamento(percorso, righe, errore);
    if (errore != 0)
        return 0;

    for (const std::string& riga : righe)
        Verifica(ErroreRiga(riga) == 0, "a loaded line fails the line rules");
    std::string copia;
    for (const std::string& riga : righe)
        copia += riga + "\r\n";
    const std::string percorsoCopia =
        Scrivi("copia.txt", reinterpret_cast<const std::uint8_t*>(copia.data()), copia.size());
    ControllaCaricamento(percorsoCopia, righe, 0);
    return 0;
}
