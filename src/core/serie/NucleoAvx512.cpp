// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The AVX-512 kernel: the bit-sliced scoring with a group of 512 lines in one
// register and the population count in one instruction; draws made eight at
// a time, one in each 64-bit lane, by exactly the steps of EstraiNumeri.
// A series' draws (no layers, no details) take a path of their own, written
// for the few instructions per draw that a system of a group or two needs.

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
#pragma GCC target(                                                                                \
    "avx512f,avx512dq,avx512bw,avx512vl,avx512vpopcntdq,avx512vbmi,avx512vbmi2,bmi,bmi2,popcnt")

#include "serie/NucleoComune.h"

namespace vortilla {
namespace {

using V = std::uint64_t __attribute__((vector_size(64)));

template <int Tabella>
[[gnu::always_inline]] inline V Ternaria(V a, V b, V c)
{
    return reinterpret_cast<V>(_mm512_ternarylogic_epi64(reinterpret_cast<__m512i>(a),
                                                         reinterpret_cast<__m512i>(b),
                                                         reinterpret_cast<__m512i>(c), Tabella));
}

// The planes' steps that GCC leaves as two or three instructions, as one
// three-input logic instruction.
template <>
[[gnu::always_inline]] inline void Piani<V>::AggiungiQuattro(const V x)
{
    otto = Ternaria<0xF8>(otto, quattro, x); // otto | (quattro & x)
    quattro ^= x;
}

template <>
template <int P>
[[gnu::always_inline]] inline V Piani<V>::UgualeSenzaOtto() const
{
    // The truth tables of the first, second and third inputs, or of their
    // complements.
    constexpr int a = (P & 1) ? 0xF0 : 0x0F;
    constexpr int b = (P & 2) ? 0xCC : 0x33;
    constexpr int c = (P & 4) ? 0xAA : 0x55;
    return Ternaria<a & b & c>(uno, due, quattro);
}

// Byte i holds i: compressed by a mask, the indices of its set bits.
inline __m512i Indici()
{
    return _mm512_set_epi8(63, 62, 61, 60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48, 47, 46,
                           45, 44, 43, 42, 41, 40, 39, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29, 28,
                           27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10,
                           9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
}

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
        const __m512i indici = Indici();
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

// [a0+a1, b0+b1, a2+a3, b2+b3, ...]
inline V Coppie(V a, V b)
{
    return __builtin_shufflevector(a, b, 0, 8, 2, 10, 4, 12, 6, 14)
           + __builtin_shufflevector(a, b, 1, 9, 3, 11, 5, 13, 7, 15);
}

// [a0+a1+a2+a3, b.., c.., d.., a4+a5+a6+a7, b.., c.., d..] from two pairs.
inline V Quattro(V ab, V cd)
{
    return __builtin_shufflevector(ab, cd, 0, 1, 8, 9, 4, 5, 12, 13)
           + __builtin_shufflevector(ab, cd, 2, 3, 10, 11, 6, 7, 14, 15);
}

// Lane k: the sum of the lanes of v[k], by transposing the vectors as they
// are added.
inline V SommeDiOtto(const V* v)
{
    const V abcd = Quattro(Coppie(v[0], v[1]), Coppie(v[2], v[3]));
    const V efgh = Quattro(Coppie(v[4], v[5]), Coppie(v[6], v[7]));
    return __builtin_shufflevector(abcd, efgh, 0, 1, 2, 3, 8, 9, 10, 11)
           + __builtin_shufflevector(abcd, efgh, 4, 5, 6, 7, 12, 13, 14, 15);
}

// The bytes of a and b that `indici` picks, 0..63 from a, 64..127 from b.
inline V Unisci(V a, const std::array<std::uint8_t, 64>& indici, V b)
{
    return reinterpret_cast<V>(_mm512_permutex2var_epi8(reinterpret_cast<__m512i>(a),
                                                        _mm512_load_si512(indici.data()),
                                                        reinterpret_cast<__m512i>(b)));
}

// The same when every lane is below 256, in fewer instructions: the lanes'
// low bytes gathered, v[k]'s into bytes 8k..8k+7, by three levels of
// two-source byte permutations, then each eight added up.
inline V SommeDiOttoPiccole(const std::array<V, 8>& v)
{
    // Bytes j of the result, by 2·largo at a time: the first `largo` from
    // bytes 0, passo, 2·passo... of the first source, the others likewise
    // from the second.
    constexpr auto Indici = [](int largo, int passo) {
        std::array<std::uint8_t, 64> indici{};
        for (int j = 0; j < 64; ++j) {
            const int k = j % (2 * largo);
            indici[static_cast<std::size_t>(j)] =
                static_cast<std::uint8_t>((k < largo ? 0 : 64) + passo * (k % largo));
        }
        return indici;
    };
    alignas(64) static constexpr std::array<std::uint8_t, 64> Primo = Indici(8, 8);
    alignas(64) static constexpr std::array<std::uint8_t, 64> Secondo = Indici(16, 1);
    alignas(64) static constexpr std::array<std::uint8_t, 64> Terzo = Indici(32, 1);
    const V b01 = Unisci(v[0], Primo, v[1]);
    const V b23 = Unisci(v[2], Primo, v[3]);
    const V b45 = Unisci(v[4], Primo, v[5]);
    const V b67 = Unisci(v[6], Primo, v[7]);
    const V b03 = Unisci(b01, Secondo, b23);
    const V b47 = Unisci(b45, Secondo, b67);
    return reinterpret_cast<V>(_mm512_sad_epu8(reinterpret_cast<__m512i>(Unisci(b03, Terzo, b47)),
                                               _mm512_setzero_si512()));
}

// Counts by points, one vector of eight counters per points value, reduced
// together at the end of the draw.
struct ContatoreAvx512 : ContatoreSemplice<Avx512> {
    [[gnu::always_inline]] std::uint64_t Scrivi(ConteggioEstrazione& conteggio) const
    {
        // Counts of lines fit in 32 bits.
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(&conteggio[1]),
                            _mm512_cvtepi64_epi32(reinterpret_cast<__m512i>(SommeDiOtto(&acc[1]))));
        conteggio[9] = static_cast<std::uint32_t>(Avx512::Totale(acc[9]));
        conteggio[10] = static_cast<std::uint32_t>(Avx512::Totale(acc[10]));
        std::uint64_t somma = 0;
        for (std::size_t p = 1; p < ValoriPunti; ++p)
            somma += conteggio[p];
        return somma;
    }
};

// A draw's eleven counts in one vector of sixteen 32-bit lanes: sums and
// squares of points 0..7 and 8..10 in lanes of 64 bits, and the draws by
// best points in 32-bit lanes, one for each points value, since the best
// is the highest lane that is not zero.
void SommaAvx512(const ConteggioEstrazione* conteggi, std::size_t quante, SommeLotto& somme)
{
    constexpr __mmask16 Undici = (1u << ValoriPunti) - 1;
    const __m512i zero = _mm512_setzero_si512();
    __m512i righeBasse = zero, righeAlte = zero, quadratiBassi = zero, quadratiAlti = zero;
    __m512i migliori = zero;
    for (std::size_t d = 0; d < quante; ++d) {
        const __m512i c = _mm512_maskz_loadu_epi32(Undici, conteggi[d].data());
        const __m512i bassi = _mm512_cvtepu32_epi64(_mm512_castsi512_si256(c));
        const __m512i alti = _mm512_cvtepu32_epi64(_mm512_extracti64x4_epi64(c, 1));
        righeBasse = _mm512_add_epi64(righeBasse, bassi);
        righeAlte = _mm512_add_epi64(righeAlte, alti);
        quadratiBassi = _mm512_add_epi64(quadratiBassi, _mm512_mul_epu32(bassi, bassi));
        quadratiAlti = _mm512_add_epi64(quadratiAlti, _mm512_mul_epu32(alti, alti));
        // 0 points at least, when no line has any.
        const unsigned conPunti = _mm512_test_epi32_mask(c, c) | 1u;
        const auto migliore = static_cast<__mmask16>(std::bit_floor(conPunti));
        migliori = _mm512_mask_add_epi32(migliori, migliore, migliori, _mm512_set1_epi32(1));
    }
    alignas(64) std::array<std::uint64_t, 16> righe, quadrati;
    alignas(64) std::array<std::uint32_t, 16> perMigliore;
    _mm512_store_si512(righe.data(), righeBasse);
    _mm512_store_si512(righe.data() + 8, righeAlte);
    _mm512_store_si512(quadrati.data(), quadratiBassi);
    _mm512_store_si512(quadrati.data() + 8, quadratiAlti);
    _mm512_store_si512(perMigliore.data(), migliori);
    for (std::size_t p = 0; p < ValoriPunti; ++p) {
        somme.righe[p] += righe[p];
        somme.quadrati[p] += quadrati[p];
        somme.migliori[p] += perMigliore[p];
    }
}

// The numbers of a draw, 0-based and in order: the rows to add.
struct alignas(64) Elenco {
    std::array<std::uint8_t, 128> numeri;
};

// Lists the numbers of `m` and returns how many: those of the low half by
// one byte compression, those of the high half by another, stored right
// after them.
[[gnu::always_inline]] inline std::size_t Elenca(const Maschera& m, Elenco& elenco)
{
    const __m512i indici = Indici();
    const auto bassi = static_cast<std::size_t>(std::popcount(m.basso));
    _mm512_store_si512(elenco.numeri.data(), _mm512_maskz_compress_epi8(m.basso, indici));
    _mm512_storeu_si512(
        elenco.numeri.data() + bassi,
        _mm512_maskz_compress_epi8(m.alto, _mm512_add_epi8(indici, _mm512_set1_epi8(64))));
    return bassi + static_cast<std::size_t>(std::popcount(m.alto));
}

// f.template operator()<P>() for P = Da .. A - 1.
template <int Da, int A, class F>
[[gnu::always_inline]] inline void Per(F&& f)
{
    [&]<int... P>(std::integer_sequence<int, P...>) { (f.template operator()<Da + P>(), ...); }
    (std::make_integer_sequence<int, A - Da>{});
}

// The lines of one draw by points, lane by lane over the groups: conti[0]
// those that made any points, conti[p] those that made p, 1..7; alti[] those
// that made 8, 9, 10, counted only in the groups where some line did.
struct Conti {
    std::array<V, 8> conti{};
    std::array<V, 3> alti{};
    bool conAlti = false;

    [[gnu::always_inline]] void Aggiungi(const Piani<V>& piani)
    {
        constexpr auto c = &Avx512::Conta;
        if (Avx512::Vuota(piani.otto)) {
            // Each mask in one three-input logic instruction.
            conti[0] += c(piani.uno | piani.due | piani.quattro);
            Per<1, 8>([&]<int P>() { conti[P] += c(piani.template UgualeSenzaOtto<P>()); });
            return;
        }
        conti[0] += c(piani.uno | piani.due | piani.quattro | piani.otto);
        Per<1, 8>([&]<int P>() { conti[P] += c(piani.template Uguale<P>()); });
        Per<8, ValoriPunti>([&]<int P>() { alti[P - 8] += c(piani.template Uguale<P>()); });
        conAlti = true;
    }

    // `piccole`: every lane below 256; `tutte`: the count of lines in
    // every lane.
    [[gnu::always_inline]] void Scrivi(bool piccole, __m512i tutte,
                                       ConteggioEstrazione& conteggio) const
    {
        const V somme = piccole ? SommeDiOttoPiccole(conti) : SommeDiOtto(conti.data());
        // The lines without points are the others, past the last ones too.
        const auto s = reinterpret_cast<__m512i>(somme);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(conteggio.data()),
                            _mm512_cvtepi64_epi32(_mm512_mask_sub_epi64(s, 1, tutte, s)));
        for (std::size_t p = 0; p < alti.size(); ++p)
            conteggio[8 + p] = conAlti ? static_cast<std::uint32_t>(Avx512::Totale(alti[p])) : 0;
    }
};

// Draws without layers or details, a few at a time: the numbers of each are
// listed first, then each draw's rows added, so that the steps of one draw
// wait for no other's.
template <bool UnGruppo>
void ContaSemplice(const Sistema& sistema, const Maschera* estrazioni, std::size_t quante,
                   ConteggioEstrazione* conteggi)
{
    constexpr std::size_t Insieme = 16;
    const Fette& fette = sistema.fette;
    const std::size_t gruppi = fette.gruppi;
    const Fila* righe = fette.perNumero.data();
    // A lane counts at most 64 lines a group.
    const bool piccole = UnGruppo || gruppi * 64 < 256;
    const __m512i tutte = _mm512_set1_epi64(static_cast<long long>(sistema.righe.size()));
    std::array<Elenco, Insieme> elenchi;
    std::array<std::size_t, Insieme> quanti;
    for (std::size_t inizio = 0; inizio < quante; inizio += Insieme) {
        const std::size_t qui = std::min(Insieme, quante - inizio);
        for (std::size_t d = 0; d < qui; ++d)
            quanti[d] = Elenca(estrazioni[inizio + d], elenchi[d]);
        for (std::size_t d = 0; d < qui; ++d) {
            const std::uint8_t* numeri = elenchi[d].numeri.data();
            Conti conti;
            if constexpr (UnGruppo) {
                Piani<V> piani;
                AggiungiRighe<Avx512>(piani, quanti[d], [&](std::size_t i) {
                    return Carica<V>(righe[numeri[i]], 0);
                });
                conti.Aggiungi(piani);
            } else {
                std::array<const Fila*, 128> basi;
                for (std::size_t i = 0; i < quanti[d]; ++i)
                    basi[i] = righe + numeri[i] * gruppi;
                for (std::size_t g = 0; g < gruppi; ++g) {
                    Piani<V> piani;
                    AggiungiRighe<Avx512>(piani, quanti[d],
                                          [&](std::size_t i) { return Carica<V>(basi[i][g], 0); });
                    conti.Aggiungi(piani);
                }
            }
            conti.Scrivi(piccole, tutte, conteggi[inizio + d]);
        }
    }
}

void ContaAvx512(const Sistema& sistema, const Maschera* estrazioni, std::size_t quante,
                 ConteggioEstrazione* conteggi, const Dettagli& dettagli)
{
    if (dettagli.perLunghezza || dettagli.punti || !sistema.fette.strati.empty())
        ContaLotto<Avx512>(sistema, estrazioni, quante, conteggi, dettagli);
    else if (sistema.fette.gruppi == 1)
        ContaSemplice<true>(sistema, estrazioni, quante, conteggi);
    else
        ContaSemplice<false>(sistema, estrazioni, quante, conteggi);
}

[[gnu::always_inline]] inline __m512i Mescola8(__m512i z)
{
    z = _mm512_mullo_epi64(_mm512_xor_si512(z, _mm512_srli_epi64(z, 30)),
                           _mm512_set1_epi64(static_cast<long long>(0xbf58476d1ce4e5b9u)));
    z = _mm512_mullo_epi64(_mm512_xor_si512(z, _mm512_srli_epi64(z, 27)),
                           _mm512_set1_epi64(static_cast<long long>(0x94d049bb133111ebu)));
    return _mm512_xor_si512(z, _mm512_srli_epi64(z, 31));
}

// x | y | z
[[gnu::always_inline]] inline __m512i Oppure(__m512i x, __m512i y, __m512i z)
{
    return _mm512_ternarylogic_epi64(x, y, z, 0xFE);
}

// Eight draws in the lanes of a vector.
struct Ottetto {
    __m512i stato;
    __m512i basso = _mm512_setzero_si512();
    __m512i alto = _mm512_setzero_si512();

    explicit Ottetto(std::uint64_t chiave)
        : stato(Mescola8(_mm512_add_epi64(_mm512_set1_epi64(static_cast<long long>(chiave)),
                                          _mm512_set_epi64(7, 6, 5, 4, 3, 2, 1, 0))))
    {
    }

    // The four picks of the lanes' next word, each as the bit of its number
    // in the low half and in the high one; a refused pick sets neither.
    struct Scelte {
        __m512i bassi[4];
        __m512i alti[4];
    };
    [[gnu::always_inline]] Scelte Passo()
    {
        stato = _mm512_add_epi64(stato, _mm512_set1_epi64(static_cast<long long>(PassoFlusso)));
        const __m512i parola = Mescola8(stato);
        // The four 16-bit picks of a lane at once: the number is the high
        // half of pick·90, refused when the low half is below 65536 mod 90 = 16.
        __m512i novanta = _mm512_set1_epi16(90);
        // One multiplication, which GCC would otherwise spell as five
        // shifts and additions for the low half.
        asm("" : "+v"(novanta));
        const __mmask32 rifiutati =
            _mm512_cmplt_epu16_mask(_mm512_mullo_epi16(parola, novanta), _mm512_set1_epi16(16));
        // A refused pick becomes 255, which has no bit in either half.
        const __m512i numeri = _mm512_mask_mov_epi16(_mm512_mulhi_epu16(parola, novanta), rifiutati,
                                                     _mm512_set1_epi16(255));
        // Pick q alone in its lane: byte 0 from bit 16q, the others from
        // bits 8..15, the high byte of the first pick, which is 0.
        const auto sola = [&](long long q) {
            return _mm512_multishift_epi64_epi8(_mm512_set1_epi64(0x0808080808080800 + 16 * q),
                                                numeri);
        };
        const __m512i n[4] = {sola(0), sola(1), sola(2), sola(3)};
        // A shift by 64 or more gives 0, as does one by n - 64 < 0 (a
        // large unsigned count).
        const __m512i uno = _mm512_set1_epi64(1);
        Scelte scelte;
#pragma GCC unroll 4
        for (std::size_t q = 0; q < 4; ++q) {
            scelte.bassi[q] = _mm512_sllv_epi64(uno, n[q]);
            scelte.alti[q] = _mm512_sllv_epi64(uno, _mm512_sub_epi64(n[q], _mm512_set1_epi64(64)));
        }
        return scelte;
    }

    // A word taken whole, by lanes that have at most `quanti` - 4 numbers:
    // its four picks cannot complete their draws, and a pick already drawn
    // leaves the set as it was.
    [[gnu::always_inline]] void Intera()
    {
        const Scelte s = Passo();
        basso = Oppure(basso, s.bassi[0], Oppure(s.bassi[1], s.bassi[2], s.bassi[3]));
        alto = Oppure(alto, s.alti[0], Oppure(s.alti[1], s.alti[2], s.alti[3]));
    }

    [[gnu::always_inline]] __m512i Presi() const
    {
        return _mm512_add_epi64(_mm512_popcnt_epi64(basso), _mm512_popcnt_epi64(alto));
    }

    // A word taken pick by pick, each only by the lanes still short of
    // `limite`; returns those that still are.
    [[gnu::always_inline]] __mmask8 Contata(__m512i limite, __mmask8 attive)
    {
        const Scelte s = Passo();
#pragma GCC unroll 4
        for (std::size_t q = 0; q < 4; ++q) {
            basso = _mm512_mask_or_epi64(basso, attive, basso, s.bassi[q]);
            alto = _mm512_mask_or_epi64(alto, attive, alto, s.alti[q]);
            attive = _mm512_mask_cmplt_epu64_mask(attive, Presi(), limite);
        }
        return attive;
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

// Two octets side by side, so that each hides the other's latencies. The
// first quanti / 4 words of a draw cannot complete it: they are taken whole.
void EstraiAvx512(std::uint64_t seme, std::uint64_t prima, std::size_t quante, int quanti,
                  Maschera* uscita)
{
    const std::uint64_t chiave = Mescola(seme) + prima;
    const __m512i limite = _mm512_set1_epi64(quanti);
    for (std::size_t fatte = 0; fatte < quante; fatte += 16) {
        const std::size_t qui = quante - fatte;
        Ottetto a(chiave + fatte);
        Ottetto b(chiave + fatte + 8);
        for (int parola = 0; parola < quanti / 4; ++parola) {
            a.Intera();
            b.Intera();
        }
        // Lanes past the draws asked for take nothing more.
        const auto corsie = [](std::size_t n) {
            return static_cast<__mmask8>((1u << std::min<std::size_t>(n, 8)) - 1);
        };
        __mmask8 attiveA = _mm512_mask_cmplt_epu64_mask(corsie(qui), a.Presi(), limite);
        __mmask8 attiveB =
            _mm512_mask_cmplt_epu64_mask(corsie(qui > 8 ? qui - 8 : 0), b.Presi(), limite);
        while (attiveA | attiveB) {
            attiveA = a.Contata(limite, attiveA);
            attiveB = b.Contata(limite, attiveB);
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
           && __builtin_cpu_supports("avx512vpopcntdq") && __builtin_cpu_supports("avx512vbmi")
           && __builtin_cpu_supports("avx512vbmi2") && __builtin_cpu_supports("bmi")
           && __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt");
}

} // namespace

extern const Nucleo NucleoAvx512{"avx512", Avx512Disponibile, EstraiAvx512, ContaAvx512,
                                 SommaAvx512};

} // namespace vortilla

#endif
