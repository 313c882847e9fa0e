// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/PunteggioVeloce.h"

#include <bit>

// The distribution's x86-64 baseline has no population-count instruction,
// and a portable popcount costs several times as much as the whole rest of
// the loop; the hot loops are therefore built twice and the loader picks the
// copy that the processor can run. Sanitized builds keep one copy, and so
// do builds with VORTILLA_UNA_COPIA defined, to measure the portable loop.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__POPCNT__)        \
    && !defined(VORTILLA_UNA_COPIA) && !defined(__SANITIZE_ADDRESS__)
#define VORTILLA_DUE_COPIE __attribute__((target_clones("popcnt", "default")))
#define VORTILLA_SCELTA_AL_CARICAMENTO 1
#else
#define VORTILLA_DUE_COPIE
#endif

namespace vortilla {
namespace {

inline unsigned Comuni(const Maschera& a, const Maschera& b)
{
    return static_cast<unsigned>(std::popcount(a.basso & b.basso) + std::popcount(a.alto & b.alto));
}

// Four tallies taken in turn, so that lines with the same points in a row do
// not wait on one another's increment.
struct Tallie {
    std::uint32_t t[4][16] = {};

    ConteggioEstrazione Somma() const
    {
        ConteggioEstrazione somma{};
        for (std::size_t p = 0; p < somma.size(); ++p)
            somma[p] = t[0][p] + t[1][p] + t[2][p] + t[3][p];
        return somma;
    }
};

VORTILLA_DUE_COPIE
void ContaSenzaStrati(const Maschera* righe, std::size_t n, Maschera estratti, Tallie& tallie)
{
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        ++tallie.t[0][Comuni(righe[i], estratti)];
        ++tallie.t[1][Comuni(righe[i + 1], estratti)];
        ++tallie.t[2][Comuni(righe[i + 2], estratti)];
        ++tallie.t[3][Comuni(righe[i + 3], estratti)];
    }
    for (; i < n; ++i)
        ++tallie.t[0][Comuni(righe[i], estratti)];
}

VORTILLA_DUE_COPIE
void PuntiConStrati(const Sistema& sistema, Maschera estratti, std::uint8_t* punti)
{
    const std::size_t n = sistema.righe.size();
    const Maschera* righe = sistema.righe.data();
    for (std::size_t i = 0; i < n; ++i)
        punti[i] = static_cast<std::uint8_t>(Comuni(righe[i], estratti));
    for (const Strato& strato : sistema.strati)
        punti[strato.riga] =
            static_cast<std::uint8_t>(punti[strato.riga] + Comuni(strato.numeri, estratti));
}

} // namespace

ConteggioEstrazione ContaPunti(const Sistema& sistema, Maschera estratti,
                               std::span<std::uint8_t> punti, bool perRiga)
{
    Tallie tallie;
    if (sistema.strati.empty() && !perRiga) {
        ContaSenzaStrati(sistema.righe.data(), sistema.righe.size(), estratti, tallie);
        return tallie.Somma();
    }
    PuntiConStrati(sistema, estratti, punti.data());
    const std::size_t n = sistema.righe.size();
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        ++tallie.t[0][punti[i]];
        ++tallie.t[1][punti[i + 1]];
        ++tallie.t[2][punti[i + 2]];
        ++tallie.t[3][punti[i + 3]];
    }
    for (; i < n; ++i)
        ++tallie.t[0][punti[i]];
    return tallie.Somma();
}

const char* VarianteConteggio()
{
#if defined(__POPCNT__)
    return "popcnt";
#elif defined(VORTILLA_SCELTA_AL_CARICAMENTO)
    // The same test the loader's resolver makes for the copies above.
    __builtin_cpu_init();
    return __builtin_cpu_supports("popcnt") ? "popcnt" : "base";
#else
    return "base";
#endif
}

} // namespace vortilla
