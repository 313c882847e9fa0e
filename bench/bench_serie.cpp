// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of a series of draws on 500 lines of 10 numbers, 20 and 6 of 90,
// on one thread and on every core, against the window's own scoring of the
// same lines measured in the same run; and the peak memory, which must not
// grow with the number of draws. Prints figures only.

#include "engine/Punteggio.h"
#include "serie/EseguiSerie.h"
#include "serie/Garanzia.h"
#include "serie/Generatore.h"
#include "serie/PunteggioVeloce.h"
#include "serie/VarianzaEsatta.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <time.h>

#include <sys/resource.h>

namespace {

using Orologio = std::chrono::steady_clock;

std::vector<std::string> Righe(int quante)
{
    std::mt19937 motore(2026);
    std::vector<int> numeri(90);
    for (int i = 0; i < 90; ++i)
        numeri[static_cast<std::size_t>(i)] = i + 1;
    std::vector<std::string> righe;
    for (int r = 0; r < quante; ++r) {
        std::shuffle(numeri.begin(), numeri.end(), motore);
        std::string riga;
        for (int i = 0; i < 10; ++i) {
            if (i > 0)
                riga += ' ';
            riga += std::to_string(numeri[static_cast<std::size_t>(i)]);
        }
        righe.push_back(riga);
    }
    return righe;
}

double Secondi(Orologio::time_point da)
{
    return std::chrono::duration<double>(Orologio::now() - da).count();
}

// The window's path for one draw: the drawn numbers as a table of 0/1, every
// stored line split and converted, the tally by points. Half a second of it.
double MezzoSecondoDiFinestra(const std::vector<std::string>& righe, int estratti)
{
    std::vector<std::int16_t> tabella(91);
    long controllo = 0;
    std::uint64_t fatte = 0;
    const auto inizio = Orologio::now();
    while (Secondi(inizio) < 0.5) {
        for (int i = 0; i < 100; ++i, ++fatte) {
            const vortilla::Maschera m = vortilla::EstraiNumeri(1, fatte, estratti);
            for (int n = 1; n <= 90; ++n)
                tabella[static_cast<std::size_t>(n)] = m.Contiene(n);
            controllo += (*vortilla::CalcolaPunteggi(righe, tabella))[2];
        }
    }
    const double velocita = static_cast<double>(fatte) / Secondi(inizio);
    return controllo > 0 ? velocita : 0;
}

double FinestraAlSecondo(const std::vector<std::string>& righe, int estratti)
{
    double migliore = 0;
    for (int volta = 0; volta < 3; ++volta)
        migliore = std::max(migliore, MezzoSecondoDiFinestra(righe, estratti));
    return migliore;
}

double CpuSecondi()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return static_cast<double>(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec)
           + static_cast<double>(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

struct Misura {
    double alSecondo = 0; // draws per second of wall-clock time
    double core = 0;      // processor time over wall-clock time: the cores it actually had
};

// The best of three runs: the machine is shared, and a slower run only
// says that someone else had the core meanwhile.
Misura SerieAlSecondo(const vortilla::Sistema& sistema, int estratti, unsigned thread,
                      std::uint64_t estrazioni)
{
    const std::atomic<bool> mai{false};
    Misura migliore;
    for (int volta = 0; volta < 3; ++volta) {
        const double cpu = CpuSecondi();
        const auto inizio = Orologio::now();
        const auto c =
            vortilla::EseguiSerie(sistema, {7, estrazioni, estratti, thread, false}, mai);
        const double secondi = Secondi(inizio);
        const double velocita = static_cast<double>(c.estrazioni) / secondi;
        if (velocita > migliore.alSecondo)
            migliore = {velocita, (CpuSecondi() - cpu) / secondi};
    }
    return migliore;
}

long PiccoKiB()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

// The exact figures of a system: the variance of each row and the guarantee.
// The anchor is a plain pass over 20,000 lines (each line's numbers in one
// draw, added up), measured in the same run; times are the best of a few,
// in processor time of the one thread that does the work.
namespace esatti {

enum class Tipo {
    Miste,     // 3 to 10 different numbers
    Dieci,     // 10 different numbers
    UnDoppio,  // 9 different numbers, one of them twice
    QuattroUno // "a a a a b b b c c d": the most multiplicities a line can have
};

// `quante` different lines of the given type on the numbers 1..`numeri`.
std::vector<std::string> RigheCasuali(int quante, int numeri, Tipo tipo)
{
    std::mt19937 motore(2027);
    std::vector<int> tutti(static_cast<std::size_t>(numeri));
    for (int i = 0; i < numeri; ++i)
        tutti[static_cast<std::size_t>(i)] = i + 1;
    std::set<std::vector<int>> viste;
    std::vector<std::string> righe;
    while (static_cast<int>(righe.size()) < quante) {
        std::shuffle(tutti.begin(), tutti.end(), motore);
        const int diversi = tipo == Tipo::Miste      ? 3 + static_cast<int>(motore() % 8)
                            : tipo == Tipo::Dieci    ? 10
                            : tipo == Tipo::UnDoppio ? 9
                                                     : 4;
        std::vector<int> riga(tutti.begin(), tutti.begin() + diversi);
        if (tipo == Tipo::UnDoppio)
            riga.push_back(riga[0]);
        if (tipo == Tipo::QuattroUno)
            riga.insert(riga.end(), {riga[0], riga[0], riga[0], riga[1], riga[1], riga[2]});
        std::sort(riga.begin(), riga.end());
        if (!viste.insert(riga).second)
            continue;
        std::string testo;
        for (const int n : riga) {
            if (!testo.empty())
                testo += ' ';
            testo += std::to_string(n);
        }
        righe.push_back(testo);
    }
    return righe;
}

// Processor time of this thread: on a shared machine the wall clock also
// counts the time others had the core.
double SecondiDelThread()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

template <typename F>
double Migliore(int volte, F&& f)
{
    double migliore = 1e300;
    for (int i = 0; i < volte; ++i) {
        const double inizio = SecondiDelThread();
        f();
        migliore = std::min(migliore, SecondiDelThread() - inizio);
    }
    return migliore;
}

double Ancora()
{
    const auto sistema = vortilla::CompilaSistema(RigheCasuali(20'000, 90, Tipo::Miste));
    const vortilla::Maschera estratti = vortilla::EstraiNumeri(1, 0, 20);
    volatile long controllo = 0;
    return Migliore(20, [&] {
        long punti = 0;
        for (const vortilla::Maschera& riga : sistema.righe)
            punti += std::popcount(riga.basso & estratti.basso)
                     + std::popcount(riga.alto & estratti.alto);
        controllo = controllo + punti;
    });
}

void Figure()
{
    const double ancora = Ancora();
    double carico = 0;
    getloadavg(&carico, 1);
    std::printf("cifre esatte (tempo di processore, 20 su 90), carico medio %.2f; ancora: un "
                "passaggio su 20000 righe, %.1f us\n",
                carico, ancora * 1e6);
    struct Caso {
        const char* nome;
        int righe;
        Tipo tipo;
    };
    for (const Caso& caso :
         {Caso{"500 righe da 3 a 10 numeri", 500, Tipo::Miste},
          Caso{"20000 righe da 3 a 10 numeri", 20'000, Tipo::Miste},
          Caso{"20000 righe da 10, un numero doppio", 20'000, Tipo::UnDoppio},
          Caso{"20000 righe \"a a a a b b b c c d\"", 20'000, Tipo::QuattroUno}}) {
        const auto sistema = vortilla::CompilaSistema(RigheCasuali(caso.righe, 90, caso.tipo));
        const double secondi = Migliore(caso.righe > 500 ? 1 : 5, [&] {
            if (!vortilla::VarianzePerEstrazione(sistema, 20))
                std::abort();
        });
        std::printf("  varianza esatta, %-38s %8.4f s = %8.0fx l'ancora\n", caso.nome, secondi,
                    secondi / ancora);
    }
    for (const int numeri : {16, 20, 24}) {
        const auto sistema = vortilla::CompilaSistema(RigheCasuali(500, numeri, Tipo::Dieci));
        const double secondi = Migliore(numeri < 24 ? 3 : 1, [&] {
            if (!vortilla::CalcolaGaranzia(sistema, 20, 90, 1e9))
                std::abort();
        });
        double sottoinsiemi = 0;
        for (int m = 0; m <= std::min(numeri, 20); ++m)
            sottoinsiemi += vortilla::Binomiale(numeri, m);
        std::printf("  garanzia, 500 righe da 10 su %d numeri, %8.0f sottoinsiemi %8.4f s = %8.0fx "
                    "l'ancora (stima: %.4f s)\n",
                    numeri, sottoinsiemi, secondi, secondi / ancora,
                    vortilla::StimaSecondiGaranzia(numeri, 500, 20));
    }
}

} // namespace esatti

} // namespace

int main()
{
    const auto righe = Righe(500);
    const vortilla::Sistema sistema = vortilla::CompilaSistema(righe);
    const unsigned core = std::max(1u, std::thread::hardware_concurrency());
    // Other work on the machine takes cores from the runs on every core:
    // the load says how much the scaling figures below can be trusted.
    double carico = 0;
    getloadavg(&carico, 1);
    std::printf(
        "bench_serie: 500 righe da 10 numeri; conteggio \"%s\", %u core, carico medio %.2f\n",
        vortilla::VarianteConteggio(), core, carico);
    for (const int estratti : {20, 6}) {
        const double finestra = FinestraAlSecondo(righe, estratti);
        const std::uint64_t n = 1'000'000;
        const Misura uno = SerieAlSecondo(sistema, estratti, 1, n);
        const Misura tutti = SerieAlSecondo(sistema, estratti, core, n * core);
        std::printf("%2d su 90: finestra (ancora) %9.0f estrazioni/s\n", estratti, finestra);
        std::printf("          serie, 1 thread  %9.0f estrazioni/s = %6.1fx la finestra\n",
                    uno.alSecondo, uno.alSecondo / finestra);
        std::printf(
            "          serie, %u thread  %9.0f estrazioni/s = %6.1fx la finestra, %.2fx un thread"
            " (con %.2f core davvero avuti)\n",
            core, tutti.alSecondo, tutti.alSecondo / finestra, tutti.alSecondo / uno.alSecondo,
            tutti.core);
    }
    const long prima = PiccoKiB();
    SerieAlSecondo(sistema, 20, core, 10'000'000);
    std::printf("picco di memoria: %.1f MB dopo le serie qui sopra, %.1f MB dopo altre 30 milioni "
                "di estrazioni\n",
                prima / 1024.0, PiccoKiB() / 1024.0);
    esatti::Figure();
    return 0;
}
