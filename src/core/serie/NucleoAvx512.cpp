// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The AVX-512 kernel: the bit-sliced scoring with a group of 512 lines in one
// register and the population count in one instruction; draws made eight at
// a time, one in each 64-bit lane, by exactly the steps of EstraiNumeri.

#include "serie/PunteggioVeloce.h"

#include "serie/Generatore.h"

// GCC on x86-64 only: the kernel is compiled for its instructions by GCC's
// target pragma. Elsewhere the portable kernel is the only one.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include <immintrin.h>

// GCC 12 warns that the placeholder operand of some of its own AVX-512
// intrinsics is uninitialised (its bug 105593): the operand is never read.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC push_options
#pragma GCC target("avx512f,avx512dq,avx512bw,avx512vl,avx512vpopcntdq,avx512vbmi2,bmi,bmi2,popcnt")

#include "serie/NucleoComune.h"

namespace vortilla {
namespace {

using V = std::uint64_t __attribute__((vector_size(64)));

struct ContatoreAvx512;

struct Avx512 {
    using W = V;
    using C = V;
    using Contatore = ContatoreAvx512;

    // Two three-input logic instructions: the carry is the majority, the
    // sum the parity.
    static void Csa(W& riporto, W& somma, W a, W b)
    {
        const auto s = reinterpret_cast<__m512i>(somma);
        const auto x = reinterpret_cast<__m512i>(a);
        const auto y = reinterpret_cast<__m512i>(b);
        riporto = reinterpret_cast<W>(_mm512_ternarylogic_epi64(s, x, y, 0xE8));
        somma = reinterpret_cast<W>(_mm512_ternarylogic_epi64(s, x, y, 0x96));
    }
    static bool Vuota(W w)
    {
        const auto v = reinterpret_cast<__m512i>(w);
        return _mm512_test_epi64_mask(v, v) == 0;
    }
    static C Conta(W w)
    {
        return reinterpret_cast<C>(_mm512_popcnt_epi64(reinterpret_cast<__m512i>(w)));
    }
    static std::uint64_t Totale(C c)
    {
        const V a = c + __builtin_shufflevector(c, c, 4, 5, 6, 7, 0, 1, 2, 3);
        const V b = a + __builtin_shufflevector(a, a, 2, 3, 0, 1, 2, 3, 0, 1);
        return b[0] + b[1];
    }
    // The set bits' indices packed in order by byte compression, then
    // turned into addresses eight at a time.
    static std::size_t Basi(const Maschera& m, const Fila* righe, std::size_t gruppi,
                            const Fila** basi)
    {
        const __m512i indici = _mm512_set_epi8(
            63, 62, 61, 60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48, 47, 46, 45, 44, 43, 42,
            41, 40, 39, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20,
            19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
        // Two buffers, each written whole and read in pieces inside it.
        alignas(64) std::array<std::uint8_t, 64> bassi;
        alignas(64) std::array<std::uint8_t, 64> alti;
        _mm512_store_si512(bassi.data(), _mm512_maskz_compress_epi8(m.basso, indici));
        _mm512_store_si512(alti.data(), _mm512_maskz_compress_epi8(
                                            m.alto, _mm512_add_epi8(indici, _mm512_set1_epi8(64))));
        const __m512i passo = _mm512_set1_epi64(static_cast<long long>(gruppi * sizeof(Fila)));
        const __m512i base = _mm512_set1_epi64(reinterpret_cast<long long>(righe));
        const auto indirizzi = [&](const std::uint8_t* numeri, std::size_t quanti,
                                   const Fila** uscita) {
            for (std::size_t i = 0; i < quanti; i += 8) {
                const __m512i n = _mm512_cvtepu8_epi64(
                    _mm_loadl_epi64(reinterpret_cast<const __m128i*>(numeri + i)));
                _mm512_storeu_si512(uscita + i,
                                    _mm512_add_epi64(base, _mm512_mullo_epi64(n, passo)));
            }
        };
        const auto nBassi = static_cast<std::size_t>(std::popcount(m.basso));
        const auto nAlti = static_cast<std::size_t>(std::popcount(m.alto));
        if (nBassi + nAlti > 64) {
            indirizzi(bassi.data(), nBassi, basi);
            indirizzi(alti.data(), nAlti, basi + nBassi);
            return nBassi + nAlti;
        }
        // Up to 64 numbers: both halves joined in one register, then turned
        // into addresses eight at a time, each eight stored whole.
        const __mmask64 dopo = nAlti == 0 ? 0 : ((std::uint64_t{1} << nAlti) - 1) << nBassi;
        __m512i numeri = _mm512_mask_expand_epi8(_mm512_load_si512(bassi.data()), dopo,
                                                 _mm512_load_si512(alti.data()));
        for (std::size_t i = 0; i < nBassi + nAlti; i += 8) {
            const __m512i n = _mm512_cvtepu8_epi64(_mm512_castsi512_si128(numeri));
            _mm512_store_si512(basi + i, _mm512_add_epi64(base, _mm512_mullo_epi64(n, passo)));
            numeri = _mm512_alignr_epi64(_mm512_setzero_si512(), numeri, 1);
        }
        return nBassi + nAlti;
    }
};

// Counts by points, one vector of eight counters per points value, reduced
// together at the end of the draw by transposing them as they are added.
struct ContatoreAvx512 : ContatoreSemplice<Avx512> {
    // [a0+a1, b0+b1, a2+a3, b2+b3, ...]
    static V Coppie(V a, V b)
    {
        return __builtin_shufflevector(a, b, 0, 8, 2, 10, 4, 12, 6, 14)
               + __builtin_shufflevector(a, b, 1, 9, 3, 11, 5, 13, 7, 15);
    }
    // [a0+a1+a2+a3, b.., c.., d.., a4+a5+a6+a7, b.., c.., d..] from two pairs.
    static V Quattro(V ab, V cd)
    {
        return __builtin_shufflevector(ab, cd, 0, 1, 8, 9, 4, 5, 12, 13)
               + __builtin_shufflevector(ab, cd, 2, 3, 10, 11, 6, 7, 14, 15);
    }

    [[gnu::always_inline]] std::uint64_t Scrivi(ConteggioEstrazione& conteggio) const
    {
        const V abcd = Quattro(Coppie(acc[1], acc[2]), Coppie(acc[3], acc[4]));
        const V efgh = Quattro(Coppie(acc[5], acc[6]), Coppie(acc[7], acc[8]));
        const V tutti = __builtin_shufflevector(abcd, efgh, 0, 1, 2, 3, 8, 9, 10, 11)
                        + __builtin_shufflevector(abcd, efgh, 4, 5, 6, 7, 12, 13, 14, 15);
        const V altri = Quattro(Coppie(acc[9], acc[10]), V{});
        // Counts of lines fit in 32 bits.
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(&conteggio[1]),
                            _mm512_cvtepi64_epi32(reinterpret_cast<__m512i>(tutti)));
        conteggio[9] = static_cast<std::uint32_t>(altri[0] + altri[4]);
        conteggio[10] = static_cast<std::uint32_t>(altri[1] + altri[5]);
        std::uint64_t somma = 0;
        for (std::size_t p = 1; p < ValoriPunti; ++p)
            somma += conteggio[p];
        return somma;
    }
};

// Points 1..8 of each draw in one vector of eight lanes of 64 bits, and
// the lines that made points by a test into a mask.
void SommaAvx512(const ConteggioEstrazione* conteggi, std::size_t quante, SommeLotto& somme)
{
    __m512i righe = _mm512_setzero_si512();
    __m512i quadrati = righe;
    for (std::size_t d = 0; d < quante; ++d) {
        const ConteggioEstrazione& c = conteggi[d];
        const __m256i otto = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&c[1]));
        const __m512i x = _mm512_cvtepu32_epi64(otto);
        righe = _mm512_add_epi64(righe, x);
        quadrati = _mm512_add_epi64(quadrati, _mm512_mul_epu32(x, x));
        for (const std::size_t p : {std::size_t{0}, std::size_t{9}, std::size_t{10}}) {
            somme.righe[p] += c[p];
            somme.quadrati[p] += std::uint64_t{c[p]} * c[p];
        }
        const unsigned conPunti = 1 | unsigned{_mm256_test_epi32_mask(otto, otto)} << 1
                                  | unsigned{c[9] != 0} << 9 | unsigned{c[10] != 0} << 10;
        ++somme.migliori[static_cast<std::size_t>(std::bit_width(conPunti)) - 1];
    }
    alignas(64) std::array<std::uint64_t, 8> r, q;
    _mm512_store_si512(r.data(), righe);
    _mm512_store_si512(q.data(), quadrati);
    for (std::size_t p = 1; p <= 8; ++p) {
        somme.righe[p] += r[p - 1];
        somme.quadrati[p] += q[p - 1];
    }
}

void ContaAvx512(const Sistema& sistema, const Maschera* estrazioni, std::size_t quante,
                 ConteggioEstrazione* conteggi, const Dettagli& dettagli)
{
    ContaLotto<Avx512>(sistema, estrazioni, quante, conteggi, dettagli);
}

[[gnu::always_inline]] inline __m512i Mescola8(__m512i z)
{
    z = _mm512_mullo_epi64(_mm512_xor_si512(z, _mm512_srli_epi64(z, 30)),
                           _mm512_set1_epi64(static_cast<long long>(0xbf58476d1ce4e5b9u)));
    z = _mm512_mullo_epi64(_mm512_xor_si512(z, _mm512_srli_epi64(z, 27)),
                           _mm512_set1_epi64(static_cast<long long>(0x94d049bb133111ebu)));
    return _mm512_xor_si512(z, _mm512_srli_epi64(z, 31));
}

// Eight draws in the lanes of a vector; a lane that has its numbers takes
// no more.
struct Ottetto {
    __m512i stato;
    __m512i basso = _mm512_setzero_si512();
    __m512i alto = _mm512_setzero_si512();
    __m512i presi = _mm512_setzero_si512();
    __mmask8 attive;

    Ottetto(std::uint64_t chiave, std::size_t quante)
        : stato(Mescola8(_mm512_add_epi64(_mm512_set1_epi64(static_cast<long long>(chiave)),
                                          _mm512_set_epi64(7, 6, 5, 4, 3, 2, 1, 0)))),
          attive(static_cast<__mmask8>((1u << std::min<std::size_t>(quante, 8)) - 1))
    {
    }

    // The four picks of the lanes' next word.
    [[gnu::always_inline]] void Passo(__m512i limite)
    {
        const __m512i uno = _mm512_set1_epi64(1);
        stato = _mm512_add_epi64(stato, _mm512_set1_epi64(static_cast<long long>(PassoFlusso)));
        __m512i parola = Mescola8(stato);
        for (int q = 0; q < 4; ++q, parola = _mm512_srli_epi64(parola, 16)) {
            const __m512i prodotto = _mm512_mul_epu32(
                _mm512_and_si512(parola, _mm512_set1_epi64(0xFFFF)), _mm512_set1_epi64(90));
            // 65536 mod 90 = 16: the low 16 bits are refused below 16.
            const __mmask8 valido = _mm512_test_epi64_mask(prodotto, _mm512_set1_epi64(0xFFF0));
            const __m512i n = _mm512_srli_epi64(prodotto, 16);
            // A shift by 64 or more gives 0: one of the two bits is empty.
            const __m512i bitBasso = _mm512_sllv_epi64(uno, n);
            const __m512i bitAlto =
                _mm512_sllv_epi64(uno, _mm512_sub_epi64(n, _mm512_set1_epi64(64)));
            const __m512i visto = _mm512_ternarylogic_epi64(
                basso, bitBasso, _mm512_and_si512(alto, bitAlto), 0xEA); // (a & b) | c
            const __mmask8 prendi = _mm512_mask_testn_epi64_mask(attive & valido, visto, visto);
            basso = _mm512_mask_or_epi64(basso, prendi, basso, bitBasso);
            alto = _mm512_mask_or_epi64(alto, prendi, alto, bitAlto);
            presi = _mm512_mask_add_epi64(presi, prendi, presi, uno);
            attive = _mm512_mask_cmplt_epu64_mask(attive, presi, limite);
        }
    }

    void Scrivi(Maschera* uscita, std::size_t quante) const
    {
        alignas(64) std::array<std::uint64_t, 8> bassi;
        alignas(64) std::array<std::uint64_t, 8> alti;
        _mm512_store_si512(bassi.data(), basso);
        _mm512_store_si512(alti.data(), alto);
        for (std::size_t i = 0; i < std::min<std::size_t>(quante, 8); ++i)
            uscita[i] = {bassi[i], alti[i]};
    }
};

// Two octets side by side, so that each hides the other's latencies.
void EstraiAvx512(std::uint64_t seme, std::uint64_t prima, std::size_t quante, int quanti,
                  Maschera* uscita)
{
    const std::uint64_t chiave = Mescola(seme) + prima;
    const __m512i limite = _mm512_set1_epi64(quanti);
    for (std::size_t fatte = 0; fatte < quante; fatte += 16) {
        const std::size_t qui = quante - fatte;
        Ottetto a(chiave + fatte, qui);
        Ottetto b(chiave + fatte + 8, qui > 8 ? qui - 8 : 0);
        while (a.attive | b.attive) {
            a.Passo(limite);
            b.Passo(limite);
        }
        a.Scrivi(uscita + fatte, qui);
        if (qui > 8)
            b.Scrivi(uscita + fatte + 8, qui - 8);
    }
}

} // namespace
} // namespace vortilla

#pragma GCC pop_options
#pragma GCC diagnostic pop

namespace vortilla {
namespace {

bool Avx512Disponibile()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq")
           && __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl")
           && __builtin_cpu_supports("avx512vpopcntdq") && __builtin_cpu_supports("avx512vbmi2")
           && __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2")
           && __builtin_cpu_supports("popcnt");
}

} // namespace

extern const Nucleo NucleoAvx512{"avx512", Avx512Disponibile, EstraiAvx512, ContaAvx512,
                                 SommaAvx512};

} // namespace vortilla

#endif
