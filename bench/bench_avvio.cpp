// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up to first painted frame, and peak memory, of the program's window
// against a bare Qt window of the same size built in the same run.
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
        ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count();
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
} // namespace

int main(int argc, char** argv)
{
    const int prove = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::string cartella = argv[0];
    cartella = cartella.substr(0, cartella.find_last_of('/') + 1);
    const std::string figlio = cartella + "avvio_figlio";

    std::vector<double> tempiProgramma, tempiNuda;
    long piccoProgramma = 0, piccoNuda = 0;
    Avvia(figlio, "programma"); // warm the file cache for both
    Avvia(figlio, "nuda");
    for (int i = 0; i < prove; ++i) {
        const Misura p = Avvia(figlio, "programma");
        const Misura n = Avvia(figlio, "nuda");
        tempiProgramma.push_back(p.millisecondi);
        tempiNuda.push_back(n.millisecondi);
        piccoProgramma = std::max(piccoProgramma, p.piccoKiB);
        piccoNuda = std::max(piccoNuda, n.piccoKiB);
    }
    const double mp = Mediana(tempiProgramma), mn = Mediana(tempiNuda);
    std::printf("platform: %s\n", std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default");
    std::printf("start-up to first frame (median of %d): program %.1f ms, bare window %.1f ms, ratio %.2f\n",
                prove, mp, mn, mp / mn);
    std::printf("peak memory: program %.1f MB, bare window %.1f MB, difference %.1f MB\n",
                piccoProgramma / 1024.0, piccoNuda / 1024.0, (piccoProgramma - piccoNuda) / 1024.0);
    return 0;
}
