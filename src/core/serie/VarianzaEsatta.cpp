// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/VarianzaEsatta.h"

#include "serie/RigheDistinte.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <map>
#include <utility>
#include <vector>

// The pair loops are popcounts and little else: without the instruction
// they take several times as long, so they are built twice and the loader
// picks the copy the processor can run (not in sanitized builds).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__POPCNT__)        \
    && !defined(__SANITIZE_ADDRESS__)
#define VORTILLA_CON_POPCNT __attribute__((target_clones("popcnt", "default")))
#else
#define VORTILLA_CON_POPCNT
#endif

namespace vortilla {
namespace {

// The joint law of two lines depends only on the multiplicity in each line
// of every number of their union. Each line form has at most four distinct
// multiplicities (1+2+3+4 = 10); two lines of given forms are then told
// apart by how many numbers occur exactly v times in one and w in the other,
// for each such v and w. Those counts, as the digits of one number in mixed
// radix, are the pair's code: below 65,536 for any two forms.
constexpr int ValoriMassimi = 4;

struct GruppoForma {
    std::array<int, ValoriMassimi> valori{}; // distinct multiplicities, largest first
    std::array<int, ValoriMassimi> quanti{}; // numbers with each
    int nValori = 0;
    Probabilita pmf{};
    // Per line: the numbers occurring exactly valori[k] times, for each k,
    // and all its numbers.
    std::vector<std::array<Maschera, ValoriMassimi>> perValore;
    std::vector<Maschera> distinti;
    std::vector<std::uint64_t> copie;
};

inline unsigned Comuni(const Maschera& a, const Maschera& b)
{
    return static_cast<unsigned>(std::popcount(a.basso & b.basso) + std::popcount(a.alto & b.alto));
}

// The code's digits for two forms: the count for A's k-th multiplicity and
// B's l-th is at most the smaller of the numbers having them.
struct Cifre {
    std::array<std::array<std::uint64_t, ValoriMassimi>, ValoriMassimi> peso{}, base{};
    std::uint64_t codici = 1; // how many codes there can be

    Cifre(const GruppoForma& a, const GruppoForma& b)
    {
        for (std::size_t k = 0; k < static_cast<std::size_t>(a.nValori); ++k)
            for (std::size_t l = 0; l < static_cast<std::size_t>(b.nValori); ++l) {
                peso[k][l] = codici;
                base[k][l] = static_cast<std::uint64_t>(std::min(a.quanti[k], b.quanti[l]) + 1);
                codici *= base[k][l];
            }
    }
    int Cifra(std::uint64_t codice, int k, int l) const
    {
        const auto K = static_cast<std::size_t>(k), L = static_cast<std::size_t>(l);
        return static_cast<int>(codice / peso[K][L] % base[K][L]);
    }
};

// Which of the form's multiplicities number n has in line i of the group.
inline std::size_t Valore(const GruppoForma& g, std::size_t i, int n)
{
    std::size_t k = 0;
    while (!g.perValore[i][k].Contiene(n))
        ++k;
    return k;
}

// Pairs of lines by code. `stesso`: a and b are one group, so each pair once.
// With few multiplicities the code's digits are counted one by one; with
// more, from the shared numbers, about one per pair on average.
VORTILLA_CON_POPCNT
void ContaCoppie(const GruppoForma& a, const GruppoForma& b, bool stesso, const Cifre& cifre,
                 std::vector<std::uint64_t>& perCodice)
{
    const auto va = static_cast<std::size_t>(a.nValori), vb = static_cast<std::size_t>(b.nValori);
    const bool perCifra = va * vb <= 4;
    for (std::size_t i = 0; i < a.copie.size(); ++i) {
        for (std::size_t j = stesso ? i + 1 : 0; j < b.copie.size(); ++j) {
            std::uint64_t codice = 0;
            const auto aggiungi = [&](std::uint64_t parola, int primo) {
                for (; parola != 0; parola &= parola - 1) {
                    const int n = std::countr_zero(parola) + primo;
                    codice += cifre.peso[Valore(a, i, n)][Valore(b, j, n)];
                }
            };
            if (perCifra) {
                for (std::size_t k = 0; k < va; ++k)
                    for (std::size_t l = 0; l < vb; ++l)
                        codice += Comuni(a.perValore[i][k], b.perValore[j][l]) * cifre.peso[k][l];
            } else {
                aggiungi(a.distinti[i].basso & b.distinti[j].basso, 1);
                aggiungi(a.distinti[i].alto & b.distinti[j].alto, 65);
            }
            perCodice[codice] += a.copie[i] * b.copie[j];
        }
    }
}

// The same for lines without repeats, where the code is the shared count:
// the loop that a system of 20,000 plain lines spends its time in.
VORTILLA_CON_POPCNT
void ContaCoppieSemplici(const GruppoForma& a, const GruppoForma& b, bool stesso,
                         std::vector<std::uint64_t>& perComuni)
{
    for (std::size_t i = 0; i < a.copie.size(); ++i) {
        const Maschera ri = a.distinti[i];
        std::array<std::uint64_t, ValoriPunti> riga{};
        for (std::size_t j = stesso ? i + 1 : 0; j < b.copie.size(); ++j)
            riga[Comuni(ri, b.distinti[j])] += b.copie[j];
        for (std::size_t s = 0; s < perComuni.size(); ++s)
            perComuni[s] += a.copie[i] * riga[s];
    }
}

// P(S_A = p and S_B = p) for every p, the union of the two lines given as
// each number's multiplicity in A and in B. Counts the subsets of the union
// by size and by both scores; a subset of h numbers is exactly the drawn part
// of the union with probability C(numeri - u, estratti - h) / C(numeri, estratti).
Probabilita DiagonaleCongiunta(const std::vector<std::pair<int, int>>& unione, int estratti,
                               int numeri)
{
    constexpr int P = ValoriPunti;
    const int u = static_cast<int>(unione.size());
    std::vector<double> sottoinsiemi(static_cast<std::size_t>((u + 1) * P * P));
    const auto at = [&](int h, int x, int y) -> double& {
        return sottoinsiemi[static_cast<std::size_t>((h * P + x) * P + y)];
    };
    at(0, 0, 0) = 1;
    int presi = 0;
    for (const auto& [a, b] : unione) {
        for (int h = presi; h >= 0; --h)
            for (int x = P - 1 - a; x >= 0; --x)
                for (int y = P - 1 - b; y >= 0; --y)
                    at(h + 1, x + a, y + b) += at(h, x, y);
        ++presi;
    }
    const double tutte = Binomiale(numeri, estratti);
    Probabilita diagonale{};
    for (int h = 0; h <= u; ++h) {
        const double resto = Binomiale(numeri - u, estratti - h) / tutte;
        for (int p = 0; p < P; ++p)
            diagonale[static_cast<std::size_t>(p)] += at(h, p, p) * resto;
    }
    return diagonale;
}

std::vector<std::pair<int, int>> Unione(const GruppoForma& a, const GruppoForma& b,
                                        const Cifre& cifre, std::uint64_t codice)
{
    std::vector<std::pair<int, int>> unione;
    std::array<int, ValoriMassimi> soloB = b.quanti;
    for (int k = 0; k < a.nValori; ++k) {
        const int va = a.valori[static_cast<std::size_t>(k)];
        int soloA = a.quanti[static_cast<std::size_t>(k)];
        for (int l = 0; l < b.nValori; ++l) {
            const int e = cifre.Cifra(codice, k, l);
            unione.insert(unione.end(), static_cast<std::size_t>(e),
                          {va, b.valori[static_cast<std::size_t>(l)]});
            soloA -= e;
            soloB[static_cast<std::size_t>(l)] -= e;
        }
        unione.insert(unione.end(), static_cast<std::size_t>(soloA), {va, 0});
    }
    for (int l = 0; l < b.nValori; ++l)
        unione.insert(unione.end(), static_cast<std::size_t>(soloB[static_cast<std::size_t>(l)]),
                      {0, b.valori[static_cast<std::size_t>(l)]});
    return unione;
}

std::vector<GruppoForma> GruppiPerForma(const std::vector<RigaDistinta>& righe, int estratti,
                                        int numeri)
{
    std::map<Forma, GruppoForma> gruppi;
    for (const RigaDistinta& riga : righe) {
        const auto volte = riga.Volte();
        Forma forma{};
        std::size_t distinti = 0;
        for (const std::uint8_t v : volte)
            if (v != 0)
                forma[distinti++] = v;
        std::sort(forma.begin(), forma.end(), std::greater<>());
        auto [it, nuovo] = gruppi.try_emplace(forma);
        GruppoForma& g = it->second;
        if (nuovo) {
            for (std::size_t i = 0; i < distinti; ++i) {
                if (g.nValori == 0 || g.valori[static_cast<std::size_t>(g.nValori - 1)] != forma[i])
                    g.valori[static_cast<std::size_t>(g.nValori++)] = forma[i];
                ++g.quanti[static_cast<std::size_t>(g.nValori - 1)];
            }
            g.pmf = DistribuzionePunti(Molteplicita(forma), estratti, numeri);
        }
        std::array<Maschera, ValoriMassimi> perValore{};
        Maschera tutti;
        for (std::size_t n = 0; n < volte.size(); ++n)
            for (int k = 0; k < g.nValori; ++k)
                if (volte[n] != 0 && volte[n] == g.valori[static_cast<std::size_t>(k)]) {
                    perValore[static_cast<std::size_t>(k)].Aggiungi(static_cast<int>(n));
                    tutti.Aggiungi(static_cast<int>(n));
                }
        g.perValore.push_back(perValore);
        g.distinti.push_back(tutti);
        g.copie.push_back(riga.copie);
    }
    std::vector<GruppoForma> elenco;
    for (auto& [forma, g] : gruppi)
        elenco.push_back(std::move(g));
    return elenco;
}

} // namespace

std::optional<Probabilita> VarianzePerEstrazione(const Sistema& sistema, int estratti, int numeri,
                                                 std::size_t limite)
{
    const auto righe = RigheDistinte(sistema, limite);
    if (!righe)
        return std::nullopt;
    const std::vector<GruppoForma> gruppi = GruppiPerForma(*righe, estratti, numeri);
    std::array<long double, ValoriPunti> varianze{};
    for (std::size_t ga = 0; ga < gruppi.size(); ++ga) {
        const GruppoForma& a = gruppi[ga];
        for (std::size_t i = 0; i < a.copie.size(); ++i)
            for (std::size_t p = 0; p < ValoriPunti; ++p)
                varianze[p] += static_cast<long double>(a.copie[i]) * a.pmf[p] * (1 - a.pmf[p]);
        for (std::size_t gb = ga; gb < gruppi.size(); ++gb) {
            const GruppoForma& b = gruppi[gb];
            const Cifre cifre(a, b);
            std::vector<std::uint64_t> perCodice(cifre.codici);
            const bool semplici =
                a.nValori == 1 && a.valori[0] == 1 && b.nValori == 1 && b.valori[0] == 1;
            if (semplici)
                ContaCoppieSemplici(a, b, ga == gb, perCodice);
            else
                ContaCoppie(a, b, ga == gb, cifre, perCodice);
            if (ga == gb) {
                // Copies of one line: a pair that shares everything.
                std::uint64_t identico = 0;
                for (std::size_t k = 0; k < static_cast<std::size_t>(a.nValori); ++k)
                    identico += static_cast<std::uint64_t>(a.quanti[k]) * cifre.peso[k][k];
                for (const std::uint64_t c : a.copie)
                    perCodice[identico] += c * (c - 1) / 2;
            }
            for (std::uint64_t codice = 0; codice < perCodice.size(); ++codice) {
                const std::uint64_t coppie = perCodice[codice];
                if (coppie == 0)
                    continue;
                const Probabilita insieme =
                    DiagonaleCongiunta(Unione(a, b, cifre, codice), estratti, numeri);
                // Each unordered pair stands for two ordered ones.
                for (std::size_t p = 0; p < ValoriPunti; ++p)
                    varianze[p] += 2.0L * static_cast<long double>(coppie)
                                   * (insieme[p] - a.pmf[p] * b.pmf[p]);
            }
        }
    }
    Probabilita risultato{};
    for (std::size_t p = 0; p < ValoriPunti; ++p)
        risultato[p] = static_cast<double>(std::max(0.0L, varianze[p]));
    return risultato;
}

} // namespace vortilla
