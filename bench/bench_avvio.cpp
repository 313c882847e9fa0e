// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up to first painted frame, and peak memory, of the program's window
// against two anchors measured in the same run: a bare Qt window of the same
// size, and one of the same size holding only the board's 134 labels with the
// window's fonts, texts and places.
//   bench_avvio [runs]     (run it offscreen or under xvfb-run)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {
struct Misura {
    double millisecondi;
    long piccoKiB;
};

Misura Avvia(const std::string& figlio, const char* modo)
{
    int tubo[2];
    if (pipe(tubo) != 0)
        return {-1, -1};
    const auto inizio = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(tubo[1], STDOUT_FILENO);
        close(tubo[0]);
        execl(figlio.c_str(), figlio.c_str(), modo, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tubo[1]);
    char buffer[64];
    double ms = -1;
    if (read(tubo[0], buffer, sizeof buffer) > 0)
        ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio)
                 .count();
    close(tubo[0]);
    int stato = 0;
    rusage uso{};
    wait4(pid, &stato, 0, &uso);
    return {ms, uso.ru_maxrss};
}

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Serie {
    const char* modo;
    std::vector<double> tempi;
    long piccoKiB = 0;
    double Mediana() const { return ::Mediana(tempi); }
    double PiccoMB() const { return piccoKiB / 1024.0; }
};

// How many of the board's labels differ from the window's, as the child
// reports it ("-1" when one side lacks some of them).
std::string Confronta(const std::string& figlio)
{
    const std::string comando = "'" + figlio + "' confronta";
    std::string risposta;
    if (FILE* uscita = popen(comando.c_str(), "r")) {
        char riga[32] = {};
        if (std::fgets(riga, sizeof riga, uscita))
            risposta = riga;
        pclose(uscita);
    }
    while (!risposta.empty() && risposta.back() == '\n')
        risposta.pop_back();
    return risposta.empty() ? "?" : risposta;
}
} // namespace

int main(int argc, char** argv)
{
    const int prove = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::string cartella = argv[0];
    cartella = cartella.substr(0, cartella.find_last_of('/') + 1);
    const std::string figlio = cartella + "avvio_figlio";

    Serie nuda{"nuda", {}}, tabellone{"tabellone", {}}, programma{"programma", {}};
    Serie* tutte[] = {&nuda, &tabellone, &programma};
    for (Serie* s : tutte) // warm the file cache for each
        Avvia(figlio, s->modo);
    for (int i = 0; i < prove; ++i) {
        for (Serie* s : tutte) {
            const Misura m = Avvia(figlio, s->modo);
            s->tempi.push_back(m.millisecondi);
            s->piccoKiB = std::max(s->piccoKiB, m.piccoKiB);
        }
    }
    const double mn = nuda.Mediana(), mt = tabellone.Mediana(), mp = programma.Mediana();
    std::printf("platform: %s\n",
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default");
    std::printf("board labels differing from the window's: %s of 134\n", Confronta(figlio).c_str());
    std::printf(
        "start-up to first frame (median of %d): bare window %.1f ms, same-label board %.1f ms, "
        "program %.1f ms\n",
        prove, mn, mt, mp);
    std::printf("ratios: program/board %.2f, board/bare %.2f, program/bare %.2f\n", mp / mt,
                mt / mn, mp / mn);
    std::printf("peak memory: bare window %.1f MB, same-label board %.1f MB, program %.1f MB, "
                "program - board %.1f MB\n",
                nuda.PiccoMB(), tabellone.PiccoMB(), programma.PiccoMB(),
                programma.PiccoMB() - tabellone.PiccoMB());
    return 0;
}
