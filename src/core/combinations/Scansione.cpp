// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/Scansione.h"

#include <array>
#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vortilla {
namespace {

bool FineElemento(char c) { return c == ',' || c == '\r' || c == '\n'; }

// 1 for a space, 2 for the other separators.
constexpr std::array<std::uint8_t, 256> TabellaSeparatori = [] {
    std::array<std::uint8_t, 256> t{};
    t[' '] = 1;
    t['\t'] = t['\r'] = t[','] = t['.'] = t[':'] = 2;
    return t;
}();

// Without branches: digits and spaces alternate unpredictably.
bool SoloSpaziSingoliCorto(const char* p, std::size_t n)
{
    unsigned difetti = 0;
    unsigned precedente = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned classe = TabellaSeparatori[static_cast<unsigned char>(p[i])];
        difetti |= (classe & 2u) | (classe & precedente);
        precedente = classe;
    }
    return difetti == 0;
}

#if defined(__SSE2__)

// Whether the 16 bytes at p hold no separator but spaces, and no two spaces
// in a row; `prima` tells whether the byte before them is a space.
bool BloccoPulito(const char* p, bool prima)
{
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i altri = _mm_cmpeq_epi8(v, _mm_set1_epi8('\t'));
    altri = _mm_or_si128(altri, _mm_cmpeq_epi8(v, _mm_set1_epi8('\r')));
    altri = _mm_or_si128(altri, _mm_cmpeq_epi8(v, _mm_set1_epi8(',')));
    altri = _mm_or_si128(altri, _mm_cmpeq_epi8(v, _mm_set1_epi8('.')));
    altri = _mm_or_si128(altri, _mm_cmpeq_epi8(v, _mm_set1_epi8(':')));
    const auto spazi =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(' '))));
    return _mm_movemask_epi8(altri) == 0 && (spazi & ((spazi << 1) | unsigned{prima})) == 0;
}

#endif

} // namespace

#if defined(__SSE2__)

std::size_t CercaFineElemento(const char* p, std::size_t n)
{
    const __m128i virgola = _mm_set1_epi8(',');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    std::size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i trovati = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(v, virgola), _mm_cmpeq_epi8(v, cr)), _mm_cmpeq_epi8(v, lf));
        const auto maschera = static_cast<unsigned>(_mm_movemask_epi8(trovati));
        if (maschera != 0)
            return i + static_cast<std::size_t>(std::countr_zero(maschera));
    }
    while (i < n && !FineElemento(p[i]))
        ++i;
    return i;
}

bool SoloSpaziSingoli(const char* p, std::size_t n)
{
    if (n < 16)
        return SoloSpaziSingoliCorto(p, n);
    std::size_t i = 0;
    for (; i + 16 <= n; i += 16)
        if (!BloccoPulito(p + i, i > 0 && p[i - 1] == ' '))
            return false;
    // The last, partial block is checked again as the 16 bytes ending the text.
    return i == n || BloccoPulito(p + n - 16, p[n - 17] == ' ');
}

#else

std::size_t CercaFineElemento(const char* p, std::size_t n)
{
    std::size_t i = 0;
    while (i < n && !FineElemento(p[i]))
        ++i;
    return i;
}

bool SoloSpaziSingoli(const char* p, std::size_t n) { return SoloSpaziSingoliCorto(p, n); }

#endif

} // namespace vortilla
