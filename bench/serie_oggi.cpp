// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie_oggi.h"

#include "serie/Conteggi.h"
#include "serie/Generatore.h"

#include <bit>

// As then: the hot loop built twice, with and without the population-count
// instruction, and the loader picks the copy the processor runs.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__POPCNT__)        \
    && !defined(__SANITIZE_ADDRESS__)
#define DUE_COPIE __attribute__((target_clones("popcnt", "default")))
#else
#define DUE_COPIE
#endif

namespace bench {
namespace {

using vortilla::Maschera;
using vortilla::Mescola;

class Flusso {
public:
    Flusso(std::uint64_t seme, std::uint64_t indice) : stato_(Mescola(Mescola(seme) + indice)) {}

    std::uint32_t Prossimo32()
    {
        if (!riserva_) {
            stato_ += vortilla::PassoFlusso;
            const std::uint64_t uscita = Mescola(stato_);
            metaAlta_ = static_cast<std::uint32_t>(uscita >> 32);
            riserva_ = true;
            return static_cast<std::uint32_t>(uscita);
        }
        riserva_ = false;
        return metaAlta_;
    }

    std::uint32_t Sotto(std::uint32_t n)
    {
        std::uint64_t prodotto = std::uint64_t{Prossimo32()} * n;
        auto resto = static_cast<std::uint32_t>(prodotto);
        if (resto < n) {
            const std::uint32_t soglia = (0u - n) % n;
            while (resto < soglia) {
                prodotto = std::uint64_t{Prossimo32()} * n;
                resto = static_cast<std::uint32_t>(prodotto);
            }
        }
        return static_cast<std::uint32_t>(prodotto >> 32);
    }

private:
    std::uint64_t stato_;
    std::uint32_t metaAlta_ = 0;
    bool riserva_ = false;
};

Maschera Estrai(std::uint64_t seme, std::uint64_t indice, int quanti)
{
    Flusso flusso(seme, indice);
    Maschera estratti;
    for (int presi = 0; presi < quanti;) {
        const int n = static_cast<int>(flusso.Sotto(90)) + 1;
        if (!estratti.Contiene(n)) {
            estratti.Aggiungi(n);
            ++presi;
        }
    }
    return estratti;
}

inline unsigned Comuni(const Maschera& a, const Maschera& b)
{
    return static_cast<unsigned>(std::popcount(a.basso & b.basso) + std::popcount(a.alto & b.alto));
}

DUE_COPIE
vortilla::ConteggioEstrazione Conta(const Maschera* righe, std::size_t n, Maschera estratti)
{
    std::uint32_t t[4][16] = {};
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        ++t[0][Comuni(righe[i], estratti)];
        ++t[1][Comuni(righe[i + 1], estratti)];
        ++t[2][Comuni(righe[i + 2], estratti)];
        ++t[3][Comuni(righe[i + 3], estratti)];
    }
    for (; i < n; ++i)
        ++t[0][Comuni(righe[i], estratti)];
    vortilla::ConteggioEstrazione somma{};
    for (std::size_t p = 0; p < somma.size(); ++p)
        somma[p] = t[0][p] + t[1][p] + t[2][p] + t[3][p];
    return somma;
}

} // namespace

std::uint64_t SerieOggi(const vortilla::Sistema& sistema, int estratti, std::uint64_t estrazioni)
{
    vortilla::Conteggi conteggi;
    for (std::uint64_t i = 0; i < estrazioni; ++i)
        conteggi.Aggiungi(
            Conta(sistema.righe.data(), sistema.righe.size(), Estrai(7, i, estratti)));
    return conteggi.osservati[2];
}

} // namespace bench
