// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Garanzia.h"

#include "serie/RigheDistinte.h"

#include <algorithm>
#include <cmath>

namespace vortilla {
namespace {

// The scores of 16 lines, one byte each: SSE2, the x86-64 baseline, works
// on such blocks in one instruction. Every number of a small system is in a
// large share of its lines (10 in 24 or more), so adding a number's column
// to every line at once costs less than visiting those that hold it.
using Blocco = std::uint8_t __attribute__((vector_size(16)));
constexpr std::size_t RighePerBlocco = sizeof(Blocco);

// Nanoseconds per subset, and per block of lines in it, on one core of the
// machine the program is developed on (about 3.4 and 0.5 on bench_serie's
// systems), with half as much again to spare.
constexpr double NanosecondiPerSottoinsieme = 5;
constexpr double NanosecondiPerBlocco = 0.8;

inline Blocco Maggiore(Blocco a, Blocco b) { return a > b ? a : b; }

// The largest byte, folding halves over one another: 8, 4, 2 bytes apart by
// moving whole words, then 1 by a shift within 16-bit words.
inline int MassimoDelBlocco(Blocco m)
{
    using Da8 = std::uint64_t __attribute__((vector_size(16)));
    using Da4 = std::uint32_t __attribute__((vector_size(16)));
    using Da2 = std::uint16_t __attribute__((vector_size(16)));
    m = Maggiore(m, Blocco(__builtin_shufflevector(Da8(m), Da8(m), 1, 0)));
    m = Maggiore(m, Blocco(__builtin_shufflevector(Da4(m), Da4(m), 1, 0, 3, 2)));
    m = Maggiore(m, Blocco(__builtin_shufflevector(Da2(m), Da2(m), 1, 0, 3, 2, 5, 4, 7, 6)));
    m = Maggiore(m, Blocco(Da2(m) >> 8));
    return m[0];
}

// figlio = padre + colonna line by line; returns the best score in figlio.
int AggiungiEMassimo(const Blocco* padre, const Blocco* colonna, Blocco* figlio,
                     std::size_t blocchi)
{
    Blocco massimo{};
    for (std::size_t b = 0; b < blocchi; ++b) {
        const Blocco s = padre[b] + colonna[b];
        figlio[b] = s;
        massimo = Maggiore(massimo, s);
    }
    return MassimoDelBlocco(massimo);
}

// The same when the sum is not needed afterwards.
int SoloMassimo(const Blocco* padre, const Blocco* colonna, std::size_t blocchi)
{
    Blocco massimo{};
    for (std::size_t b = 0; b < blocchi; ++b) {
        const Blocco s = padre[b] + colonna[b];
        massimo = Maggiore(massimo, s);
    }
    return MassimoDelBlocco(massimo);
}

// Visits every subset of at most `massimi` of the system's numbers, each
// built from its parent by adding one number: each line's score is then its
// parent's plus that number's multiplicity in the line. Every visit is one
// pass over the lines.
class Enumerazione {
public:
    Enumerazione(const std::vector<RigaDistinta>& righe, const std::vector<int>& numeri,
                 int massimi, const std::atomic<bool>* ferma)
        : blocchi_((righe.size() + RighePerBlocco - 1) / RighePerBlocco),
          numeri_(static_cast<int>(numeri.size())), massimi_(massimi), ferma_(ferma),
          colonne_(numeri.size() * blocchi_),
          livelli_(static_cast<std::size_t>(massimi + 1) * blocchi_),
          distribuzione_(static_cast<std::size_t>(massimi + 1))
    {
        for (std::size_t r = 0; r < righe.size(); ++r) {
            const auto volte = righe[r].Volte();
            for (std::size_t d = 0; d < numeri.size(); ++d)
                colonne_[d * blocchi_ + r / RighePerBlocco][r % RighePerBlocco] =
                    volte[static_cast<std::size_t>(numeri[d])];
        }
        distribuzione_[0][0] = 1; // nothing drawn of the system: no points
    }

    // False when stopped before the end.
    bool Esegui()
    {
        if (massimi_ > 0)
            Visita(0, 0);
        return !fermata_;
    }

    const std::vector<std::array<std::uint64_t, ValoriPunti>>& Distribuzione() const
    {
        return distribuzione_;
    }

private:
    const Blocco* Colonna(int d) const { return &colonne_[static_cast<std::size_t>(d) * blocchi_]; }
    Blocco* Livello(int m) { return &livelli_[static_cast<std::size_t>(m) * blocchi_]; }

    // The subset in Livello(m) has m numbers, the last below `da`.
    void Visita(int m, int da)
    {
        auto& perMigliore = distribuzione_[static_cast<std::size_t>(m + 1)];
        if (m + 1 == massimi_) {
            for (int d = da; d < numeri_; ++d)
                ++perMigliore[static_cast<std::size_t>(
                    SoloMassimo(Livello(m), Colonna(d), blocchi_))];
            return;
        }
        for (int d = da; d < numeri_ && !fermata_; ++d) {
            ++perMigliore[static_cast<std::size_t>(
                AggiungiEMassimo(Livello(m), Colonna(d), Livello(m + 1), blocchi_))];
            Visita(m + 1, d + 1);
            fermata_ = ferma_ && ferma_->load(std::memory_order_relaxed);
        }
    }

    std::size_t blocchi_;
    int numeri_;
    int massimi_;
    const std::atomic<bool>* ferma_;
    bool fermata_ = false;
    std::vector<Blocco> colonne_; // by number, then by block of lines
    std::vector<Blocco> livelli_; // the scores of the subset being built, by its size
    std::vector<std::array<std::uint64_t, ValoriPunti>> distribuzione_;
};

double Sottoinsiemi(int numeriSistema, int estratti)
{
    double sottoinsiemi = 0;
    for (int m = 1; m <= std::min(numeriSistema, estratti); ++m)
        sottoinsiemi += Binomiale(numeriSistema, m);
    return sottoinsiemi;
}

} // namespace

double StimaSecondiGaranzia(int numeriSistema, std::size_t righe, int estratti)
{
    const double blocchi = std::ceil(static_cast<double>(righe) / RighePerBlocco);
    return Sottoinsiemi(numeriSistema, estratti)
           * (NanosecondiPerSottoinsieme + NanosecondiPerBlocco * blocchi) * 1e-9;
}

std::optional<Garanzia> CalcolaGaranzia(const Sistema& sistema, int estratti, int numeri,
                                        double secondiMassimi, const std::atomic<bool>* ferma)
{
    Maschera tutti;
    for (const Maschera& riga : sistema.righe) {
        tutti.basso |= riga.basso;
        tutti.alto |= riga.alto;
    }
    const int d = tutti.Quanti();
    // The most different lines that fit in the time allowed, before
    // looking for them: a system of millions of lines is refused at once.
    const double perSottoinsieme = secondiMassimi * 1e9 / std::max(1.0, Sottoinsiemi(d, estratti));
    const double blocchi =
        std::floor((perSottoinsieme - NanosecondiPerSottoinsieme) / NanosecondiPerBlocco);
    if (blocchi < 1)
        return std::nullopt;
    const auto righe =
        RigheDistinte(sistema, static_cast<std::size_t>(std::min(blocchi * RighePerBlocco, 1e12)));
    if (!righe)
        return std::nullopt;

    std::vector<int> numeriSistema;
    for (int n = 1; n <= 128; ++n)
        if (tutti.Contiene(n))
            numeriSistema.push_back(n);
    const int massimi = std::min(d, estratti);
    Enumerazione enumerazione(*righe, numeriSistema, massimi, ferma);
    if (!enumerazione.Esegui())
        return std::nullopt;

    Garanzia g;
    g.numeriSistema = d;
    const double tutte = Binomiale(numeri, estratti);
    for (int m = 0; m <= massimi; ++m) {
        LivelloGaranzia livello{m, 0, enumerazione.Distribuzione()[static_cast<std::size_t>(m)]};
        while (livello.distribuzione[static_cast<std::size_t>(livello.minimo)] == 0)
            ++livello.minimo;
        // Given m of them drawn, each m-subset of the system's numbers is
        // equally likely, and comes with C(numeri - d, estratti - m) draws.
        const double perSottoinsieme = Binomiale(numeri - d, estratti - m) / tutte;
        std::uint64_t almeno = 0;
        for (std::size_t k = ValoriPunti; k-- > 0;) {
            almeno += livello.distribuzione[k];
            g.almeno[k] += static_cast<double>(almeno) * perSottoinsieme;
        }
        g.livelli.push_back(livello);
    }
    return g;
}

} // namespace vortilla
