// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Generatore.h"

namespace vortilla {
namespace {

// The SplitMix64 finaliser: a bijection of 64-bit words that spreads every
// input bit over the whole output.
constexpr std::uint64_t Mescola(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

// SplitMix64. Each draw starts its own stream at a scrambled point of the
// 2^64 cycle; neighbouring draws therefore do not share consecutive states.
class Flusso {
public:
    Flusso(std::uint64_t seme, std::uint64_t indice) : stato_(Mescola(Mescola(seme) + indice)) {}

    std::uint32_t Prossimo32()
    {
        if (!riserva_) {
            stato_ += 0x9e3779b97f4a7c15u;
            const std::uint64_t uscita = Mescola(stato_);
            metaAlta_ = static_cast<std::uint32_t>(uscita >> 32);
            riserva_ = true;
            return static_cast<std::uint32_t>(uscita);
        }
        riserva_ = false;
        return metaAlta_;
    }

    // Unbiased value in 0..n-1 by multiplication and rare rejection (Lemire).
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

} // namespace

Maschera EstraiNumeri(std::uint64_t seme, std::uint64_t indice, int quanti, int massimo)
{
    Flusso flusso(seme, indice);
    Maschera estratti;
    for (int presi = 0; presi < quanti;) {
        const int n = static_cast<int>(flusso.Sotto(static_cast<std::uint32_t>(massimo))) + 1;
        if (!estratti.Contiene(n)) {
            estratti.Aggiungi(n);
            ++presi;
        }
    }
    return estratti;
}

} // namespace vortilla
