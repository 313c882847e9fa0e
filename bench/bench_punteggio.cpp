// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the scoring of a full set of stored lines against one draw: 500
// lines of 10 numbers, the most a file can load. Prints figures only.

#include "engine/Punteggio.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int Righe = 500;
constexpr int NumeriPerRiga = 10;
constexpr int Giri = 2000;

std::vector<std::string> RigheCasuali(std::mt19937& motore)
{
    std::uniform_int_distribution<int> numero(1, 90);
    std::vector<std::string> righe;
    for (int r = 0; r < Righe; ++r) {
        std::string riga;
        for (int i = 0; i < NumeriPerRiga; ++i) {
            if (i > 0)
                riga += ' ';
            riga += std::to_string(numero(motore));
        }
        righe.push_back(riga);
    }
    return righe;
}

} // namespace

int main()
{
    std::mt19937 motore(12345);
    const auto righe = RigheCasuali(motore);
    std::vector<std::int16_t> estratti(91, 0);
    std::vector<int> numeri(90);
    for (int i = 0; i < 90; ++i)
        numeri[static_cast<std::size_t>(i)] = i + 1;
    std::shuffle(numeri.begin(), numeri.end(), motore);
    for (int i = 0; i < 20; ++i)
        estratti[static_cast<std::size_t>(numeri[static_cast<std::size_t>(i)])] = 1;

    std::vector<double> durate;
    long controllo = 0;
    for (int g = 0; g < Giri; ++g) {
        const auto inizio = std::chrono::steady_clock::now();
        const auto tabella = vortilla::CalcolaPunteggi(righe, estratti);
        const auto fine = std::chrono::steady_clock::now();
        durate.push_back(std::chrono::duration<double, std::micro>(fine - inizio).count());
        if (!tabella)
            return 1;
        controllo += (*tabella)[2];
    }
    std::sort(durate.begin(), durate.end());
    std::printf("punteggio di %d righe da %d numeri, %d giri (controllo %ld)\n", Righe,
                NumeriPerRiga, Giri, controllo);
    std::printf("  mediana %.2f us, minimo %.2f us, 95%% %.2f us\n", durate[durate.size() / 2],
                durate.front(), durate[durate.size() * 95 / 100]);
    return 0;
}
