// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bit-sliced scoring that every kernel shares, written once over a word
// type W that the kernel chooses (a 64-bit integer, or 256 or 512 bits of
// vector). In each group of 512 lines, the rows of the drawn numbers (and of
// their further layers, for lines that repeat them) are added into four bit
// planes: bit i of plane j is bit j of line i's points. One mask per points
// value then gives its count by population count.
//
// A kernel includes this file after its `#pragma GCC target`, so that these
// templates are compiled for its instructions, and after the standard headers
// named below, so that nothing of the standard library is. Everything here is
// internal to that kernel's translation unit.
//
// Needs: <algorithm>, <array>, <bit>, <cstddef>, <cstdint>, <cstring>, <utility>,
// "serie/PunteggioVeloce.h".

namespace vortilla {
namespace {

// A policy P gives:
//   W                  the word type; a group of 512 lines is 64 / sizeof(W) words
//   Csa(r, s, a, b)    a carry-save adder: s + a + b = 2·r + s'
//   C, Conta(W)        a counter of set bits and the count of one word
//   Totale(C)          what a counter holds
//   Vuota(W)           whether no bit of the word is set
//   Contatore          counts lines by points over the groups of a draw,
//                      ContatoreSemplice<P> or one of the kernel's own
//   Basi(m, righe, gruppi, basi) for each number n of m, in order, the row
//                      righe + (n-1)·gruppi into basi[0..135], aligned to 64
//                      bytes; returns how many

template <class W>
[[gnu::always_inline]] inline W Carica(const Fila& fila, std::size_t parte)
{
    W w;
    std::memcpy(&w, reinterpret_cast<const char*>(fila.parole.data()) + parte * sizeof(W),
                sizeof(W));
    return w;
}

template <class W>
[[gnu::always_inline]] inline std::uint64_t Parola(const W& w, std::size_t i)
{
    std::uint64_t p;
    std::memcpy(&p, reinterpret_cast<const char*>(&w) + i * 8, 8);
    return p;
}

// somma + a + b = 2·riporto + somma', bit by bit: a carry-save adder.
template <class W>
[[gnu::always_inline]] inline void CsaGenerico(W& riporto, W& somma, const W a, const W b)
{
    const W u = somma ^ a;
    riporto = (somma & a) | (u & b);
    somma = u ^ b;
}

// Bit planes of the points: points = uno + 2·due + 4·quattro + 8·otto. No
// line makes more than 10 points, so nothing carries out of `otto`.
template <class W>
struct Piani {
    W uno{}, due{}, quattro{}, otto{};

    // Adds `x` (bits of weight 2) into `due` and above.
    [[gnu::always_inline]] void AggiungiDue(const W x)
    {
        const W r4 = due & x;
        due ^= x;
        AggiungiQuattro(r4);
    }

    // Adds `x` (bits of weight 4) into `quattro` and `otto`.
    [[gnu::always_inline]] void AggiungiQuattro(const W x)
    {
        const W r8 = quattro & x;
        quattro ^= x;
        otto |= r8;
    }

    template <int P>
    [[gnu::always_inline]] W Uguale() const
    {
        const W d = (P & 8) ? otto : ~otto;
        return UgualeSenzaOtto<P & 7>() & d;
    }

    // The lines with P points (P < 8) where no line has 8 or more.
    template <int P>
    [[gnu::always_inline]] W UgualeSenzaOtto() const
    {
        const W a = (P & 1) ? uno : ~uno;
        const W b = (P & 2) ? due : ~due;
        const W c = (P & 4) ? quattro : ~quattro;
        return a & b & c;
    }
};

// Adds the rows riga(i), i < n, into the planes: four at a time through two
// levels of carry-save adders, then a pair, then a single one.
template <class P, class W, class Riga>
[[gnu::always_inline]] inline void AggiungiRighe(Piani<W>& piani, std::size_t n, Riga riga)
{
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        W dueA, dueB, quattroA;
        P::Csa(dueA, piani.uno, riga(i), riga(i + 1));
        P::Csa(dueB, piani.uno, riga(i + 2), riga(i + 3));
        P::Csa(quattroA, piani.due, dueA, dueB);
        piani.AggiungiQuattro(quattroA);
    }
    if (i + 2 <= n) {
        W dueA;
        P::Csa(dueA, piani.uno, riga(i), riga(i + 1));
        piani.AggiungiDue(dueA);
        i += 2;
    }
    if (i < n) {
        const W r2 = piani.uno & riga(i);
        piani.uno ^= riga(i);
        piani.AggiungiDue(r2);
    }
}

// Adds the rows righe[i][g], i < n, over word `parte` of group g.
template <class P, class W>
[[gnu::always_inline]] inline void Somma(Piani<W>& piani, const Fila* const* righe, std::size_t n,
                                         std::size_t g, std::size_t parte)
{
    AggiungiRighe<P>(piani, n, [&](std::size_t i) { return Carica<W>(righe[i][g], parte); });
}

// Each line's points as one byte, from its four bits: Sparsi[b] has byte j
// equal to bit j of b.
constexpr std::array<std::uint64_t, 256> Sparsi = [] {
    std::array<std::uint64_t, 256> t{};
    for (std::size_t b = 0; b < 256; ++b)
        for (std::size_t j = 0; j < 8; ++j)
            t[b] |= static_cast<std::uint64_t>((b >> j) & 1) << (8 * j);
    return t;
}();

// Writes the points of the `righe` lines (at most 64) of one word of planes.
inline void ScriviPunti(std::uint64_t b0, std::uint64_t b1, std::uint64_t b2, std::uint64_t b3,
                        std::size_t righe, std::uint8_t* punti)
{
    for (std::size_t j = 0; j * 8 < righe; ++j) {
        const auto byte = [&](std::uint64_t b) { return Sparsi[(b >> (8 * j)) & 0xFF]; };
        const std::uint64_t otto = byte(b0) | byte(b1) << 1 | byte(b2) << 2 | byte(b3) << 3;
        std::memcpy(punti + 8 * j, &otto, std::min<std::size_t>(8, righe - 8 * j));
    }
}

// Counts by points, one counter per points value.
template <class P>
struct ContatoreSemplice {
    std::array<typename P::C, ValoriPunti> acc{};

    template <int Primo, class W, int... Q>
    [[gnu::always_inline]] void Conta(const Piani<W>& piani, std::integer_sequence<int, Q...>)
    {
        ((acc[Primo + Q] += P::Conta(piani.template Uguale<Primo + Q>())), ...);
    }

    template <class W>
    [[gnu::always_inline]] void Aggiungi(const Piani<W>& piani)
    {
        Conta<1>(piani, std::make_integer_sequence<int, 7>{});
        // Eight points or more are rare: most groups skip their counts.
        if (!P::Vuota(piani.otto))
            Conta<8>(piani, std::make_integer_sequence<int, 3>{});
    }

    // Writes the counts of 1..10 points; returns their sum.
    [[gnu::always_inline]] std::uint64_t Scrivi(ConteggioEstrazione& c) const
    {
        std::uint64_t somma = 0;
        for (std::size_t p = 1; p < ValoriPunti; ++p) {
            const std::uint64_t totale = P::Totale(acc[p]);
            c[p] = static_cast<std::uint32_t>(totale);
            somma += totale;
        }
        return somma;
    }
};

template <class P, bool ConStrati, bool ConDettagli>
[[gnu::always_inline]] inline void
ContaEstrazione(const Sistema& sistema, const Maschera& estrazione, ConteggioEstrazione& conteggio,
                ConteggioPerLunghezza* perLunghezza, std::uint8_t* punti)
{
    using W = typename P::W;
    constexpr std::size_t BitPerParte = 8 * sizeof(W);
    constexpr std::size_t Parti = RighePerGruppo / BitPerParte;
    const Fette& fette = sistema.fette;
    const std::size_t gruppi = fette.gruppi;
    const std::size_t righe = sistema.righe.size();

    alignas(64) std::array<const Fila*, 128 + 8> basi; // row of group 0 of each drawn number
    const std::size_t quanti = P::Basi(estrazione, fette.perNumero.data(), gruppi, basi.data());
    std::array<const Fila*, 90 * 9> strati; // at most 9 further layers of 90 numbers

    typename P::Contatore contatore;
    std::array<std::array<std::uint32_t, ValoriPunti>, Lunghezze> perL{};
    for (std::size_t g = 0; g < gruppi; ++g) {
        std::size_t n = 0;
        if constexpr (ConStrati)
            for (std::uint32_t s = fette.primoStrato[g]; s < fette.primoStrato[g + 1]; ++s)
                if (estrazione.Contiene(fette.numeroStrato[s]))
                    strati[n++] = &fette.strati[s];
        const std::size_t righeGruppo = std::min(RighePerGruppo, righe - g * RighePerGruppo);
        const std::size_t parti =
            righeGruppo == RighePerGruppo ? Parti : (righeGruppo + BitPerParte - 1) / BitPerParte;
        for (std::size_t parte = 0; parte < parti; ++parte) {
            Piani<W> piani;
            Somma<P>(piani, basi.data(), quanti, g, parte);
            if constexpr (ConStrati)
                Somma<P>(piani, strati.data(), n, 0, parte);
            contatore.Aggiungi(piani);
            if constexpr (ConDettagli) {
                if (perLunghezza)
                    for (std::size_t l = 0; l < Lunghezze; ++l) {
                        const W lunghi = Carica<W>(fette.perLunghezza[l * gruppi + g], parte);
                        [&]<std::size_t... Q>(std::index_sequence<Q...>)
                        {
                            ((perL[l][Q + 1] += static_cast<std::uint32_t>(
                                  P::Totale(P::Conta(piani.template Uguale<Q + 1>() & lunghi)))),
                             ...);
                        }
                        (std::make_index_sequence<ValoriPunti - 1>{});
                    }
                if (punti) {
                    const std::size_t prima = g * RighePerGruppo + parte * BitPerParte;
                    for (std::size_t j = 0; j < BitPerParte / 64 && prima + 64 * j < righe; ++j)
                        ScriviPunti(Parola(piani.uno, j), Parola(piani.due, j),
                                    Parola(piani.quattro, j), Parola(piani.otto, j),
                                    std::min<std::size_t>(64, righe - prima - 64 * j),
                                    punti + prima + 64 * j);
                }
            }
        }
    }

    // Lines past the last one of the last group are all zero: they would
    // count as 0 points, so the zeros are what the other values leave.
    conteggio[0] = static_cast<std::uint32_t>(righe - contatore.Scrivi(conteggio));
    if constexpr (ConDettagli)
        if (perLunghezza) {
            ConteggioPerLunghezza& uscita = *perLunghezza;
            uscita = {};
            for (std::size_t l = 0; l < Lunghezze; ++l) {
                std::uint64_t somma = 0;
                for (std::size_t p = 1; p < ValoriPunti; ++p) {
                    uscita[l + LunghezzaMinima][p] = perL[l][p];
                    somma += perL[l][p];
                }
                uscita[l + LunghezzaMinima][0] =
                    static_cast<std::uint32_t>(sistema.perLunghezza[l + LunghezzaMinima] - somma);
            }
        }
}

// The best points of a draw: the highest with some line.
inline std::size_t Migliore(const ConteggioEstrazione& c)
{
    unsigned conPunti = 1; // bit p: some line made p points; 0 points at least
    for (std::size_t p = 1; p < ValoriPunti; ++p)
        conPunti |= unsigned{c[p] != 0} << p;
    return static_cast<std::size_t>(std::bit_width(conPunti)) - 1;
}

inline void SommaSemplice(const ConteggioEstrazione* conteggi, std::size_t quante,
                          SommeLotto& somme)
{
    for (std::size_t d = 0; d < quante; ++d) {
        for (std::size_t p = 0; p < ValoriPunti; ++p) {
            const std::uint64_t x = conteggi[d][p];
            somme.righe[p] += x;
            somme.quadrati[p] += x * x;
        }
        ++somme.migliori[Migliore(conteggi[d])];
    }
}

// One loop per path, so that the fast one runs without a call per draw.
template <class P>
void ContaLotto(const Sistema& sistema, const Maschera* estrazioni, std::size_t quante,
                ConteggioEstrazione* conteggi, const Dettagli& dettagli)
{
    const std::size_t righe = sistema.righe.size();
    if (dettagli.perLunghezza || dettagli.punti)
        for (std::size_t e = 0; e < quante; ++e)
            ContaEstrazione<P, true, true>(sistema, estrazioni[e], conteggi[e],
                                           dettagli.perLunghezza ? dettagli.perLunghezza + e
                                                                 : nullptr,
                                           dettagli.punti ? dettagli.punti + e * righe : nullptr);
    else if (sistema.fette.strati.empty())
        for (std::size_t e = 0; e < quante; ++e)
            ContaEstrazione<P, false, false>(sistema, estrazioni[e], conteggi[e], nullptr, nullptr);
    else
        for (std::size_t e = 0; e < quante; ++e)
            ContaEstrazione<P, true, false>(sistema, estrazioni[e], conteggi[e], nullptr, nullptr);
}

} // namespace
} // namespace vortilla
