// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The AVX2 kernel: the bit-sliced scoring on 256-bit words, two to a group
// of lines, with the population count done by nibble lookups; draws made
// four at a time, one in each 64-bit lane, by exactly the steps of
// EstraiNumeri.

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

#pragma GCC push_options
#pragma GCC target("avx2,bmi,bmi2,popcnt")

#include "serie/NucleoComune.h"

namespace vortilla {
namespace {

struct ContatoreAvx2;

struct Avx2 {
    using W = std::uint64_t __attribute__((vector_size(32)));
    using Contatore = ContatoreAvx2;
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

// Counts by points, one vector of four counters per points value, reduced
// together at the end of the draw by transposing them as they are added.
struct ContatoreAvx2 : ContatoreSemplice<Avx2> {
    static __m256i V(Avx2::C c) { return reinterpret_cast<__m256i>(c); }
    // [a0+a1, b0+b1, a2+a3, b2+b3]
    static __m256i Coppie(Avx2::C a, Avx2::C b)
    {
        return _mm256_add_epi64(_mm256_unpacklo_epi64(V(a), V(b)),
                                _mm256_unpackhi_epi64(V(a), V(b)));
    }
    // [a, b, c, d] from two pairs, as 32-bit counts in the low half.
    static __m128i Quattro(__m256i ab, __m256i cd)
    {
        const __m256i somme = _mm256_add_epi64(_mm256_permute2x128_si256(ab, cd, 0x20),
                                               _mm256_permute2x128_si256(ab, cd, 0x31));
        return _mm256_castsi256_si128(
            _mm256_permutevar8x32_epi32(somme, _mm256_setr_epi32(0, 2, 4, 6, 0, 2, 4, 6)));
    }

    [[gnu::always_inline]] std::uint64_t Scrivi(ConteggioEstrazione& conteggio) const
    {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(&conteggio[1]),
                         Quattro(Coppie(acc[1], acc[2]), Coppie(acc[3], acc[4])));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(&conteggio[5]),
                         Quattro(Coppie(acc[5], acc[6]), Coppie(acc[7], acc[8])));
        const __m128i alti = Quattro(Coppie(acc[9], acc[10]), _mm256_setzero_si256());
        conteggio[9] = static_cast<std::uint32_t>(_mm_extract_epi32(alti, 0));
        conteggio[10] = static_cast<std::uint32_t>(_mm_extract_epi32(alti, 1));
        std::uint64_t somma = 0;
        for (std::size_t p = 1; p < ValoriPunti; ++p)
            somma += conteggio[p];
        return somma;
    }
};

// a·b, 64 bits by 64, low half: AVX2 multiplies only 32 bits by 32.
[[gnu::always_inline]] inline __m256i Per64(__m256i a, __m256i b)
{
    const __m256i basso = _mm256_mul_epu32(a, b);
    const __m256i incrociati = _mm256_add_epi64(_mm256_mul_epu32(_mm256_srli_epi64(a, 32), b),
                                                _mm256_mul_epu32(a, _mm256_srli_epi64(b, 32)));
    return _mm256_add_epi64(basso, _mm256_slli_epi64(incrociati, 32));
}

[[gnu::always_inline]] inline __m256i Mescola4(__m256i z)
{
    z = Per64(_mm256_xor_si256(z, _mm256_srli_epi64(z, 30)),
              _mm256_set1_epi64x(static_cast<long long>(0xbf58476d1ce4e5b9u)));
    z = Per64(_mm256_xor_si256(z, _mm256_srli_epi64(z, 27)),
              _mm256_set1_epi64x(static_cast<long long>(0x94d049bb133111ebu)));
    return _mm256_xor_si256(z, _mm256_srli_epi64(z, 31));
}

// Four draws in the lanes of a vector, by exactly the steps of EstraiNumeri;
// a lane that has its numbers takes no more. Masks are lanes of all ones.
struct Quartetto {
    __m256i stato;
    __m256i basso = _mm256_setzero_si256();
    __m256i alto = _mm256_setzero_si256();
    __m256i mancano; // numbers still to draw, per lane

    Quartetto(std::uint64_t chiave, std::size_t quante, int quanti)
        : stato(Mescola4(_mm256_add_epi64(_mm256_set1_epi64x(static_cast<long long>(chiave)),
                                          _mm256_setr_epi64x(0, 1, 2, 3)))),
          // Lanes past `quante` start with nothing to draw.
          mancano(_mm256_and_si256(
              _mm256_set1_epi64x(quanti),
              _mm256_cmpgt_epi64(_mm256_set1_epi64x(static_cast<long long>(quante)),
                                 _mm256_setr_epi64x(0, 1, 2, 3))))
    {
    }

    bool Finito() const { return _mm256_testz_si256(mancano, mancano); }

    [[gnu::always_inline]] void Passo()
    {
        const __m256i zero = _mm256_setzero_si256();
        const __m256i uno = _mm256_set1_epi64x(1);
        stato = _mm256_add_epi64(stato, _mm256_set1_epi64x(static_cast<long long>(PassoFlusso)));
        __m256i parola = Mescola4(stato);
        for (int q = 0; q < 4; ++q, parola = _mm256_srli_epi64(parola, 16)) {
            const __m256i prodotto = _mm256_mul_epu32(
                _mm256_and_si256(parola, _mm256_set1_epi64x(0xFFFF)), _mm256_set1_epi64x(90));
            // 65536 mod 90 = 16: the low 16 bits are refused below 16.
            const __m256i rifiutato =
                _mm256_cmpeq_epi64(_mm256_and_si256(prodotto, _mm256_set1_epi64x(0xFFF0)), zero);
            const __m256i n = _mm256_srli_epi64(prodotto, 16);
            // A shift by 64 or more gives 0: one of the two bits is empty.
            const __m256i bitBasso = _mm256_sllv_epi64(uno, n);
            const __m256i bitAlto =
                _mm256_sllv_epi64(uno, _mm256_sub_epi64(n, _mm256_set1_epi64x(64)));
            const __m256i nuovo = _mm256_cmpeq_epi64(
                _mm256_or_si256(_mm256_and_si256(basso, bitBasso), _mm256_and_si256(alto, bitAlto)),
                zero);
            const __m256i attiva = _mm256_cmpgt_epi64(mancano, zero);
            const __m256i prendi = _mm256_andnot_si256(rifiutato, _mm256_and_si256(nuovo, attiva));
            basso = _mm256_or_si256(basso, _mm256_and_si256(prendi, bitBasso));
            alto = _mm256_or_si256(alto, _mm256_and_si256(prendi, bitAlto));
            mancano = _mm256_add_epi64(mancano, prendi);
        }
    }

    void Scrivi(Maschera* uscita, std::size_t quante) const
    {
        alignas(32) std::array<std::uint64_t, 4> bassi;
        alignas(32) std::array<std::uint64_t, 4> alti;
        _mm256_store_si256(reinterpret_cast<__m256i*>(bassi.data()), basso);
        _mm256_store_si256(reinterpret_cast<__m256i*>(alti.data()), alto);
        for (std::size_t i = 0; i < std::min<std::size_t>(quante, 4); ++i)
            uscita[i] = {bassi[i], alti[i]};
    }
};

// Two quartets side by side, so that each hides the other's latencies.
void EstraiAvx2(std::uint64_t seme, std::uint64_t prima, std::size_t quante, int quanti,
                Maschera* uscita)
{
    const std::uint64_t chiave = Mescola(seme) + prima;
    for (std::size_t fatte = 0; fatte < quante; fatte += 8) {
        const std::size_t qui = quante - fatte;
        Quartetto a(chiave + fatte, qui, quanti);
        Quartetto b(chiave + fatte + 4, qui > 4 ? qui - 4 : 0, quanti);
        while (!a.Finito() || !b.Finito()) {
            a.Passo();
            b.Passo();
        }
        a.Scrivi(uscita + fatte, qui);
        if (qui > 4)
            b.Scrivi(uscita + fatte + 4, qui - 4);
    }
}

// Points 1..8 of each draw in one vector: sums and squares of four lanes
// of 64 bits twice, and the lines that made points by a comparison.
void SommaAvx2(const ConteggioEstrazione* conteggi, std::size_t quante, SommeLotto& somme)
{
    __m256i righeA = _mm256_setzero_si256(), righeB = righeA;
    __m256i quadratiA = righeA, quadratiB = righeA;
    for (std::size_t d = 0; d < quante; ++d) {
        const ConteggioEstrazione& c = conteggi[d];
        const __m256i otto = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&c[1]));
        const __m256i a = _mm256_cvtepu32_epi64(_mm256_castsi256_si128(otto));
        const __m256i b = _mm256_cvtepu32_epi64(_mm256_extracti128_si256(otto, 1));
        righeA = _mm256_add_epi64(righeA, a);
        righeB = _mm256_add_epi64(righeB, b);
        quadratiA = _mm256_add_epi64(quadratiA, _mm256_mul_epu32(a, a));
        quadratiB = _mm256_add_epi64(quadratiB, _mm256_mul_epu32(b, b));
        for (const std::size_t p : {std::size_t{0}, std::size_t{9}, std::size_t{10}}) {
            somme.righe[p] += c[p];
            somme.quadrati[p] += std::uint64_t{c[p]} * c[p];
        }
        const auto vuoti = static_cast<unsigned>(_mm256_movemask_ps(
            _mm256_castsi256_ps(_mm256_cmpeq_epi32(otto, _mm256_setzero_si256()))));
        const unsigned conPunti =
            1 | (~vuoti & 0xFF) << 1 | unsigned{c[9] != 0} << 9 | unsigned{c[10] != 0} << 10;
        ++somme.migliori[static_cast<std::size_t>(std::bit_width(conPunti)) - 1];
    }
    alignas(32) std::array<std::uint64_t, 8> righe, quadrati;
    _mm256_store_si256(reinterpret_cast<__m256i*>(righe.data()), righeA);
    _mm256_store_si256(reinterpret_cast<__m256i*>(righe.data() + 4), righeB);
    _mm256_store_si256(reinterpret_cast<__m256i*>(quadrati.data()), quadratiA);
    _mm256_store_si256(reinterpret_cast<__m256i*>(quadrati.data() + 4), quadratiB);
    for (std::size_t p = 1; p <= 8; ++p) {
        somme.righe[p] += righe[p - 1];
        somme.quadrati[p] += quadrati[p - 1];
    }
}

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

extern const Nucleo NucleoAvx2{"avx2", Avx2Disponibile, EstraiAvx2, ContaAvx2, SommaAvx2};

} // namespace vortilla

#endif
