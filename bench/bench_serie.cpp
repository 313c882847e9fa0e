// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of a series of draws, 20 and 6 of 90, on 500 lines of 3 to 10
// numbers and on 100,000 random lines, for every scoring kernel this
// processor runs, against two anchors measured in the same run: the scoring
// that the series used before the bit-sliced kernels (a copy of it is kept
// here) and the portable kernel. Then the scaling over every core, the
// peak memory, which must not grow with the number of draws, the cost of a
// prize table against the same series without, and the exact figures.
// Prints figures only.

#include "serie_oggi.h"

#include "serie/EseguiSerie.h"
#include "serie/Garanzia.h"
#include "serie/Generatore.h"
#include "serie/PunteggioVeloce.h"
#include "serie/TabellaPremi.h"
#include "serie/VarianzaEsatta.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <time.h>

#include <sys/resource.h>

namespace {

using Orologio = std::chrono::steady_clock;

// Lines of 3 to 10 distinct numbers, like the example file.
std::vector<std::string> Righe(int quante, unsigned seme)
{
    std::mt19937 motore(seme);
    std::uniform_int_distribution<int> lunghezza(3, 10);
    std::vector<int> numeri(90);
    for (int i = 0; i < 90; ++i)
        numeri[static_cast<std::size_t>(i)] = i + 1;
    std::vector<std::string> righe;
    for (int r = 0; r < quante; ++r) {
        std::shuffle(numeri.begin(), numeri.end(), motore);
        std::string riga;
        for (int i = lunghezza(motore); i > 0; --i)
            riga += std::to_string(numeri[static_cast<std::size_t>(i)]) + (i > 1 ? " " : "");
        righe.push_back(riga);
    }
    return righe;
}

double Secondi(Orologio::time_point da)
{
    return std::chrono::duration<double>(Orologio::now() - da).count();
}

double CpuSecondi()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return static_cast<double>(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec)
           + static_cast<double>(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

std::string Velocita(double alSecondo);

struct Misura {
    double perCore = 0;   // draws per second of processor time
    double alSecondo = 0; // draws per second of wall-clock time
    double core = 0;      // processor time over wall-clock time: the cores it actually had
};

// Runs `serie(n)`, which makes n draws on each of `thread` threads, on
// enough draws for about a fifth of a second, five times, and keeps the best
// by `criterio`: the machine is shared, and a slower run only says that
// someone else had the core meanwhile. Processor time counts only while the
// run has a core, so draws per processor second stay steady on a busy machine.
Misura Migliore(const std::function<void(std::uint64_t)>& serie, unsigned thread = 1,
                double Misura::*criterio = &Misura::perCore)
{
    std::uint64_t n = 1000;
    for (auto inizio = Orologio::now(); serie(n), Secondi(inizio) < 0.05; inizio = Orologio::now())
        n *= 4;
    n *= 4;
    Misura migliore;
    for (int volta = 0; volta < 5; ++volta) {
        const double cpu = CpuSecondi();
        const auto inizio = Orologio::now();
        serie(n);
        const double secondi = Secondi(inizio);
        const double processore = CpuSecondi() - cpu;
        const auto fatte = static_cast<double>(n * thread);
        const Misura questa{fatte / processore, fatte / secondi, processore / secondi};
        if (questa.*criterio > migliore.*criterio)
            migliore = questa;
    }
    return migliore;
}

Misura Serie(const vortilla::Sistema& sistema, int estratti, unsigned thread,
             const vortilla::Nucleo& nucleo, const vortilla::TabellaPremi* premi = nullptr)
{
    const std::atomic<bool> mai{false};
    return Migliore(
        [&](std::uint64_t n) {
            vortilla::ParametriSerie p{7, n * thread, estratti, thread, false, &nucleo};
            p.premi = premi;
            vortilla::EseguiSerie(sistema, p, mai);
        },
        thread, thread == 1 ? &Misura::perCore : &Misura::alSecondo);
}

// The cost of money: the same series with a prize for every length and
// points value, on lines of several lengths (each draw's counts by length)
// and on lines of ten only (the counts by points suffice).
void Denaro(const vortilla::Nucleo& nucleo)
{
    vortilla::TabellaPremi premi;
    for (std::size_t n = 1; n < vortilla::ValoriPunti; ++n)
        for (std::size_t p = 0; p <= n; ++p)
            premi.premio[n][p] = static_cast<vortilla::Centesimi>(100 * p * p + n);
    std::printf("Il costo dei premi, 20 su 90, 1 thread, nucleo %s (ancora: la stessa serie senza "
                "premi)\n",
                nucleo.nome);
    std::vector<std::string> dieci;
    for (const std::string& riga : Righe(5000, 9))
        if (std::count(riga.begin(), riga.end(), ' ') == 9 && dieci.size() < 500)
            dieci.push_back(riga);
    struct Caso {
        const char* nome;
        std::vector<std::string> righe;
    };
    for (const Caso& caso : {Caso{"500 righe da 3 a 10 numeri", Righe(500, 500)},
                             Caso{"500 righe da 10 numeri", dieci}}) {
        const vortilla::Sistema sistema = vortilla::CompilaSistema(caso.righe);
        const Misura senza = Serie(sistema, 20, 1, nucleo);
        const Misura con = Serie(sistema, 20, 1, nucleo, &premi);
        std::printf("  %-28s senza premi %11s, con premi %11s = %5.2fx\n", caso.nome,
                    Velocita(senza.perCore).c_str(), Velocita(con.perCore).c_str(),
                    con.perCore / senza.perCore);
    }
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

std::string Velocita(double alSecondo)
{
    char testo[32];
    if (alSecondo >= 1e6)
        std::snprintf(testo, sizeof testo, "%.2f M/s", alSecondo / 1e6);
    else
        std::snprintf(testo, sizeof testo, "%.1f k/s", alSecondo / 1e3);
    return testo;
}

} // namespace

int main()
{
    const unsigned core = std::max(1u, std::thread::hardware_concurrency());
    // Other work on the machine takes cores from the runs: the load says how
    // much the figures below can be trusted.
    double carico = 0;
    getloadavg(&carico, 1);
    const vortilla::Nucleo& inUso = vortilla::NucleoInUso();
    std::printf("bench_serie: %u core, carico medio %.2f; nucleo in uso \"%s\"\n", core, carico,
                inUso.nome);
    std::vector<const vortilla::Nucleo*> nuclei;
    for (const vortilla::Nucleo& nucleo : vortilla::Nuclei())
        if (nucleo.disponibile())
            nuclei.push_back(&nucleo);
    const vortilla::Nucleo& portabile = *vortilla::NucleoDiNome("portabile");

    const vortilla::Sistema esempio = vortilla::CompilaSistema(Righe(500, 500));
    for (const int estratti : {20, 6}) {
        const Misura uno = Serie(esempio, estratti, 1, inUso);
        const Misura tutti = Serie(esempio, estratti, core, inUso);
        std::printf("%2d su 90, 500 righe, %s: 1 thread %s per core; %u thread %s = %.2fx un core "
                    "(con %.2f core davvero avuti), %.2fx per core\n",
                    estratti, inUso.nome, Velocita(uno.perCore).c_str(), core,
                    Velocita(tutti.alSecondo).c_str(), tutti.alSecondo / uno.perCore, tutti.core,
                    tutti.perCore / uno.perCore);
    }
    const long prima = PiccoKiB();
    const std::atomic<bool> mai{false};
    vortilla::EseguiSerie(esempio, {7, 30'000'000, 20, core, false, &inUso}, mai);
    std::printf("picco di memoria: %.1f MB dopo le serie qui sopra, %.1f MB dopo altre 30 milioni "
                "di estrazioni\n",
                prima / 1024.0, PiccoKiB() / 1024.0);
    struct Caso {
        const char* nome;
        int righe;
    };
    std::printf("Estrazioni per secondo di processore su un thread: oggi (il conteggio di prima, "
                "ancora), portabile (seconda ancora), ogni nucleo\n");
    for (const Caso caso : {Caso{"500 righe", 500}, Caso{"100000 righe", 100'000}}) {
        const vortilla::Sistema sistema =
            vortilla::CompilaSistema(Righe(caso.righe, static_cast<unsigned>(caso.righe)));
        for (const int estratti : {20, 6}) {
            const Misura oggi =
                Migliore([&](std::uint64_t n) { bench::SerieOggi(sistema, estratti, n); });
            const Misura base = Serie(sistema, estratti, 1, portabile);
            std::printf("%2d su 90, %-12s  oggi %11s\n", estratti, caso.nome,
                        Velocita(oggi.perCore).c_str());
            for (const vortilla::Nucleo* nucleo : nuclei) {
                const Misura m = nucleo == &portabile ? base : Serie(sistema, estratti, 1, *nucleo);
                std::printf("%26s %-9s %11s = %6.1fx oggi, %5.2fx portabile\n", "", nucleo->nome,
                            Velocita(m.perCore).c_str(), m.perCore / oggi.perCore,
                            m.perCore / base.perCore);
            }
        }
    }

    Denaro(inUso);
    esatti::Figure();
    return 0;
}
