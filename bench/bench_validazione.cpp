// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Validation throughput against `wc -l` on the same cached file, peak memory,
// and the time of a whole 500-line load. Prints figures only. A second file
// with dots between the numbers shows the speed of items that take the full
// road (read out, normalised, split) rather than the quick sweep.
//
//   bench_validazione [megabytes]   (default 100)

#include "combinations/VerificaFile.h"
#include "engine/CaricaCombinazioni.h"
#include "engine/DatiProgramma.h"
#include "engine/Porte.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

namespace {

using Orologio = std::chrono::steady_clock;
namespace fs = std::filesystem;

struct SilenzioMessaggi : vortilla::FinestraMessaggio {
    int aperture = 0;
    void ApriModale() override { ++aperture; }
};

struct VistaMuta : vortilla::VistaTabellone {
    void MostraTry(bool) override {}
    void ScriviTentativi(const std::string&) override {}
    void ScriviCatturate(const std::string&) override {}
    void ColoraPalla(std::int16_t, vortilla::Colore, vortilla::Colore) override {}
    void ScriviPunti(std::int16_t, vortilla::Colore, const std::string&) override {}
    void ScriviPuntiTot(std::int16_t, const std::string&) override {}
};

// Lines of 3 to 10 numbers, CR LF ended, written a block at a time so the
// generator itself does not raise the peak memory being measured.
std::uintmax_t ScriviFile(const fs::path& percorso, std::uintmax_t byteVoluti, std::uint32_t seme,
                          char separatore = ' ')
{
    std::mt19937 caso(seme);
    std::uniform_int_distribution<int> quanti(3, 10), numero(1, 90);
    std::ofstream file(percorso, std::ios::binary);
    std::string blocco;
    std::uintmax_t scritti = 0;
    while (scritti < byteVoluti) {
        blocco.clear();
        while (blocco.size() < (1u << 20)) {
            for (int n = quanti(caso), i = 0; i < n; ++i) {
                if (i > 0)
                    blocco += separatore;
                blocco += std::to_string(numero(caso));
            }
            blocco += "\r\n";
        }
        file.write(blocco.data(), static_cast<std::streamsize>(blocco.size()));
        scritti += blocco.size();
    }
    return scritti;
}

double Secondi(Orologio::duration d) { return std::chrono::duration<double>(d).count(); }

template <typename Azione>
double Migliore(int volte, Azione&& azione)
{
    double migliore = 1e300;
    for (int i = 0; i < volte; ++i) {
        const auto inizio = Orologio::now();
        azione();
        migliore = std::min(migliore, Secondi(Orologio::now() - inizio));
    }
    return migliore;
}

long PiccoMemoriaKiB()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    const double megabyte = argc > 1 ? std::atof(argv[1]) : 100.0;
    char modello[] = "/tmp/bench_validazione.XXXXXX";
    if (!mkdtemp(modello))
        return 1;
    const fs::path cartella = modello;
    const fs::path grande = cartella / "grande.txt";
    const fs::path piccolo = cartella / "cinquecento.txt";
    const fs::path puntato = cartella / "puntato.txt";

    const auto dimensione = ScriviFile(grande, static_cast<std::uintmax_t>(megabyte * 1e6), 1);
    const auto dimensionePuntato =
        ScriviFile(puntato, static_cast<std::uintmax_t>(megabyte * 0.25e6), 3, '.');
    std::ofstream(piccolo, std::ios::binary); // truncate
    {
        std::mt19937 caso(2);
        std::uniform_int_distribution<int> numero(1, 90);
        std::ofstream file(piccolo, std::ios::binary);
        for (int riga = 0; riga < 500; ++riga) {
            for (int i = 0; i < 6; ++i)
                file << (i ? " " : "") << numero(caso);
            file << "\r\n";
        }
    }
    const long memoriaPrima = PiccoMemoriaKiB();

    vortilla::DatiProgramma dati;
    SilenzioMessaggi messaggi;
    VistaMuta vista;
    bool rifiutato = false;
    VerificaFile(grande.string(), 3, 10, 90, dati, messaggi); // warms the page cache
    const double tValida =
        Migliore(5, [&] { rifiutato |= VerificaFile(grande.string(), 3, 10, 90, dati, messaggi); });
    VerificaFile(puntato.string(), 3, 10, 90, dati, messaggi);
    const double tPuntato = Migliore(
        3, [&] { rifiutato |= VerificaFile(puntato.string(), 3, 10, 90, dati, messaggi); });
    const long memoriaDopo = PiccoMemoriaKiB();

    const std::string comandoWc = "wc -l '" + grande.string() + "' > /dev/null";
    const double tWc = Migliore(5, [&] {
        if (std::system(comandoWc.c_str()) != 0)
            rifiutato = true;
    });
    const double tCarica = Migliore(
        20, [&] { vortilla::CaricaCombinazioni(piccolo.string(), dati, messaggi, vista); });

    const double mb = static_cast<double>(dimensione) / 1e6;
    std::printf("file: %.1f MB\n", mb);
    std::printf("VerificaFile: %.3f s, %.0f MB/s\n", tValida, mb / tValida);
    std::printf("VerificaFile, dots between numbers: %.1f MB, %.0f MB/s\n",
                static_cast<double>(dimensionePuntato) / 1e6,
                static_cast<double>(dimensionePuntato) / 1e6 / tPuntato);
    std::printf("wc -l: %.3f s, %.0f MB/s (process start included)\n", tWc, mb / tWc);
    std::printf("ratio VerificaFile / wc -l: 1/%.1f\n", tValida / tWc);
    std::printf("peak RSS: %.1f MB before validating, %.1f MB after\n", memoriaPrima / 1024.0,
                memoriaDopo / 1024.0);
    std::printf("500-line load: %.3f ms (%d lines loaded)\n", tCarica * 1e3,
                int{dati.Stato.NumCombinazioni});
    if (rifiutato || messaggi.aperture != 0)
        std::printf("warning: a file was refused or a command failed\n");

    fs::remove_all(cartella);
    return 0;
}
