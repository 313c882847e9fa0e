// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The AVX2 kernel: the bit-sliced scoring on 256-bit words, two to a group
// of lines, with the population count done by nibble lookups.

#include "serie/PunteggioVeloce.h"

#include "serie/Generatore.h"

#if defined(__x86_64__) && defined(__GNUC__)

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include <immintrin.h>

#pragma GCC push_options
#pragma GCC target("avx2,bmi,bmi2,popcnt")

#include "serie/NucleoComune.h"

namespace vortilla {
namespace {

struct Avx2 {
    using W = std::uint64_t __attribute__((vector_size(32)));
    using Contatore = ContatoreSemplice<Avx2>;
    using C = W;

    // Counts per 64-bit lane: bytes counted by nibbles, then summed by lane.
    static void Csa(W& r, W& s, W a, W b) { CsaGenerico(r, s, a, b); }
    static bool Vuota(W w)
    {
        const auto v = reinterpret_cast<__m256i>(w);
        return _mm256_testz_si256(v, v);
    }
    static C Conta(W w)
    {
        const __m256i tabella = _mm256_setr_epi8(0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4, 0,
                                                 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4);
        const __m256i nibble = _mm256_set1_epi8(0x0F);
        const auto v = reinterpret_cast<__m256i>(w);
        const __m256i bassi = _mm256_and_si256(v, nibble);
        const __m256i alti = _mm256_and_si256(_mm256_srli_epi16(v, 4), nibble);
        const __m256i perByte = _mm256_add_epi8(_mm256_shuffle_epi8(tabella, bassi),
                                                _mm256_shuffle_epi8(tabella, alti));
        return reinterpret_cast<C>(_mm256_sad_epu8(perByte, _mm256_setzero_si256()));
    }
    static std::uint64_t Totale(C c) { return c[0] + c[1] + c[2] + c[3]; }
    static std::size_t Basi(const Maschera& m, const Fila* righe, std::size_t gruppi,
                            const Fila** basi)
    {
        std::size_t k = 0;
        for (std::uint64_t w = m.basso; w != 0; w &= w - 1)
            basi[k++] = righe + static_cast<std::size_t>(std::countr_zero(w)) * gruppi;
        for (std::uint64_t w = m.alto; w != 0; w &= w - 1)
            basi[k++] = righe + static_cast<std::size_t>(64 + std::countr_zero(w)) * gruppi;
        return k;
    }
};

void ContaAvx2(const Sistema& sistema, const Maschera* estrazioni, std::size_t quante,
               ConteggioEstrazione* conteggi, const Dettagli& dettagli)
{
    ContaLotto<Avx2>(sistema, estrazioni, quante, conteggi, dettagli);
}

} // namespace
} // namespace vortilla

#pragma GCC pop_options

namespace vortilla {
namespace {

bool Avx2Disponibile()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi")
           && __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt");
}

} // namespace

extern const Nucleo NucleoAvx2{"avx2", Avx2Disponibile, EstraiLotto, ContaAvx2};

} // namespace vortilla

#endif
