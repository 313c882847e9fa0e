// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/ClassificaSedici.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vortilla {
namespace {

bool Cifra(char c) { return c >= '0' && c <= '9'; }

bool FineElemento(char c) { return c == ',' || c == '\r' || c == '\n'; }

} // namespace

ClassiSedici ClassificaSediciScalare(const char* p, std::int8_t massimo)
{
    ClassiSedici classi;
    std::uint8_t chiusi = 0;
    for (int i = 0; i < 16; ++i) {
        const char c = p[i];
        const char prima = p[i - 1];
        const char ancoraPrima = p[i - 2];
        const bool spazio = c == ' ';
        const bool fine = FineElemento(c);
        const bool chiude = (spazio || fine) && Cifra(prima);
        const int numero = (Cifra(ancoraPrima) ? (ancoraPrima - '0') * 10 : 0) + (prima - '0');
        const bool difetto = !(Cifra(c) || spazio || fine) || (spazio && !Cifra(prima))
                             || (prima == ' ' && !Cifra(c))
                             || (Cifra(c) && Cifra(prima) && Cifra(ancoraPrima))
                             || (chiude && (numero < 1 || numero > massimo));
        const unsigned bit = 1u << i;
        if (fine)
            classi.fini |= bit;
        if (difetto)
            classi.difetti |= bit;
        chiusi = static_cast<std::uint8_t>(chiusi + (chiude ? 1 : 0));
        classi.chiusi[static_cast<std::size_t>(i)] = chiusi;
    }
    return classi;
}

#if defined(__SSE2__)

namespace {

__m128i Carica(const char* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }

__m128i Uguale(__m128i v, char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); }

// Signed compares are enough: every byte from 0x80 up reads as negative.
__m128i Cifre(__m128i v)
{
    return _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8('0' - 1)),
                         _mm_cmplt_epi8(v, _mm_set1_epi8('9' + 1)));
}

__m128i PerDieci(__m128i v)
{
    const __m128i due = _mm_add_epi8(v, v);
    const __m128i quattro = _mm_add_epi8(due, due);
    return _mm_add_epi8(_mm_add_epi8(quattro, quattro), due);
}

// Entry i becomes the sum of entries 0..i.
__m128i SommePrefisse(__m128i v)
{
    v = _mm_add_epi8(v, _mm_slli_si128(v, 1));
    v = _mm_add_epi8(v, _mm_slli_si128(v, 2));
    v = _mm_add_epi8(v, _mm_slli_si128(v, 4));
    return _mm_add_epi8(v, _mm_slli_si128(v, 8));
}

unsigned Maschera(__m128i v) { return static_cast<unsigned>(_mm_movemask_epi8(v)); }

} // namespace

// The same rules as the scalar twin, each as a compare over all sixteen bytes.
ClassiSedici ClassificaSedici(const char* p, std::int8_t massimo)
{
    const __m128i c = Carica(p);
    const __m128i prima = Carica(p - 1);
    const __m128i ancoraPrima = Carica(p - 2);

    const __m128i cifra = Cifre(c);
    const __m128i cifraPrima = Cifre(prima);
    const __m128i cifraAncoraPrima = Cifre(ancoraPrima);
    const __m128i spazio = Uguale(c, ' ');
    const __m128i fine =
        _mm_or_si128(_mm_or_si128(Uguale(c, ','), Uguale(c, '\r')), Uguale(c, '\n'));
    const __m128i chiude = _mm_and_si128(_mm_or_si128(spazio, fine), cifraPrima);

    const __m128i zero = _mm_set1_epi8('0');
    const __m128i decine =
        _mm_and_si128(cifraAncoraPrima, PerDieci(_mm_sub_epi8(ancoraPrima, zero)));
    const __m128i numero = _mm_add_epi8(decine, _mm_sub_epi8(prima, zero));
    const __m128i fuori = _mm_or_si128(_mm_cmpgt_epi8(numero, _mm_set1_epi8(massimo)),
                                       _mm_cmplt_epi8(numero, _mm_set1_epi8(1)));

    const __m128i noti = _mm_or_si128(_mm_or_si128(cifra, spazio), fine);
    __m128i difetti = _mm_andnot_si128(cifraPrima, spazio);
    difetti = _mm_or_si128(difetti, _mm_andnot_si128(cifra, Uguale(prima, ' ')));
    difetti =
        _mm_or_si128(difetti, _mm_and_si128(cifra, _mm_and_si128(cifraPrima, cifraAncoraPrima)));
    difetti = _mm_or_si128(difetti, _mm_and_si128(chiude, fuori));

    ClassiSedici classi;
    classi.fini = Maschera(fine);
    classi.difetti = Maschera(difetti) | (~Maschera(noti) & 0xFFFFu);
    const __m128i uno = _mm_and_si128(chiude, _mm_set1_epi8(1));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(classi.chiusi.data()), SommePrefisse(uno));
    return classi;
}

#else

ClassiSedici ClassificaSedici(const char* p, std::int8_t massimo)
{
    return ClassificaSediciScalare(p, massimo);
}

#endif

} // namespace vortilla
