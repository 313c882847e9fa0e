// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/EseguiSerie.h"

#include "serie/PunteggioVeloce.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include <sched.h>

namespace vortilla {
namespace {

// What a block of draws writes: the tallies and, when the scoring needs
// them, each line's points in a draw and each line's tallies. These grow with
// the lines, so there are only as many as the cores that actually work: a
// thread beyond them waits until one is free. Any block may land in any of
// them, since every tally is an integer sum. Each sits on cache lines of its
// own: threads that shared a line of their tallies would slow each other
// down at every draw.
struct alignas(64) Scorta {
    Conteggi conteggi;
    std::vector<std::uint8_t> punti; // each line's points in a draw
};

class Deposito {
public:
    explicit Deposito(std::vector<Scorta>& scorte)
    {
        for (Scorta& s : scorte)
            liberi_.push_back(&s);
    }

    Scorta& Prendi()
    {
        std::unique_lock blocco(mutex_);
        libera_.wait(blocco, [&] { return !liberi_.empty(); });
        Scorta* s = liberi_.back();
        liberi_.pop_back();
        return *s;
    }

    void Rendi(Scorta& s)
    {
        {
            std::lock_guard blocco(mutex_);
            liberi_.push_back(&s);
        }
        libera_.notify_one();
    }

private:
    std::mutex mutex_;
    std::condition_variable libera_;
    std::vector<Scorta*> liberi_;
};

// Holds a Scorta for one block.
class Prestito {
public:
    explicit Prestito(Deposito& d) : deposito_(d), scorta_(d.Prendi()) {}
    Prestito(const Prestito&) = delete;
    Prestito& operator=(const Prestito&) = delete;
    ~Prestito() { deposito_.Rendi(scorta_); }
    Scorta* operator->() { return &scorta_; }

private:
    Deposito& deposito_;
    Scorta& scorta_;
};

struct Lavoro {
    Lavoro(const Sistema& s, const ParametriSerie& p, const std::atomic<bool>& f, unsigned quanti,
           std::vector<Scorta>& scorte)
        : sistema(s), parametri(p), ferma(f), perBlocco(EstrazioniPerBlocco(s)),
          blocchi((p.estrazioni + perBlocco - 1) / perBlocco), deposito(scorte), attivi(quanti)
    {
    }

    const Sistema& sistema;
    const ParametriSerie& parametri;
    const std::atomic<bool>& ferma;
    std::uint64_t perBlocco;
    std::uint64_t blocchi;
    std::atomic<std::uint64_t> prossimo{0}; // next block to hand out
    std::atomic<std::uint64_t> fatte{0};    // draws completed
    Deposito deposito;
    std::mutex mutex;
    std::condition_variable finito;
    unsigned attivi;
};

// Conteggi::Aggiungi for a few draws at once, summed by the kernel.
void AggiungiLotto(Conteggi& conteggi, const SommeLotto& somme, std::size_t quante)
{
    conteggi.estrazioni += quante;
    for (std::size_t p = 0; p < ValoriPunti; ++p) {
        conteggi.osservati[p] += somme.righe[p];
        conteggi.quadrati[p] += somme.quadrati[p];
        conteggi.migliore[p] += somme.migliori[p];
    }
}

void Esegui(Lavoro& lavoro)
{
    const ParametriSerie& p = lavoro.parametri;
    const bool perRiga = p.perRiga;
    const Nucleo& nucleo = p.nucleo ? *p.nucleo : NucleoInUso();
    // A few draws at a time, so that a kernel can make them side by side;
    // one at a time when each line's points are wanted, or when 16 squares
    // of counts of lines might not add up within 64 bits.
    constexpr std::uint64_t Lotto = 16;
    const std::uint64_t perLotto =
        perRiga || lavoro.sistema.righe.size() >= (std::uint64_t{1} << 30) ? 1 : Lotto;
    std::array<Maschera, Lotto> estratti;
    std::array<ConteggioEstrazione, Lotto> contati;
    for (;;) {
        // The Scorta is taken before the block, so that a thread waiting
        // for one holds up no block when a stop comes.
        Prestito prestito(lavoro.deposito);
        Conteggi& conteggi = prestito->conteggi;
        std::vector<std::uint8_t>& punti = prestito->punti;
        if (lavoro.ferma.load(std::memory_order_relaxed))
            break;
        const std::uint64_t blocco = lavoro.prossimo.fetch_add(1, std::memory_order_relaxed);
        if (blocco >= lavoro.blocchi)
            break;
        const std::uint64_t inizio = blocco * lavoro.perBlocco;
        const std::uint64_t fine = std::min(p.estrazioni, inizio + lavoro.perBlocco);
        for (std::uint64_t i = inizio; i < fine;) {
            const auto quante = static_cast<std::size_t>(std::min(perLotto, fine - i));
            nucleo.estrai(p.seme, i, quante, p.estratti, estratti.data());
            nucleo.conta(lavoro.sistema, estratti.data(), quante, contati.data(),
                         {nullptr, perRiga ? punti.data() : nullptr});
            SommeLotto somme;
            nucleo.somma(contati.data(), quante, somme);
            AggiungiLotto(conteggi, somme, quante);
            if (perRiga)
                for (std::size_t r = 0; r < punti.size(); ++r)
                    ++conteggi.perRiga[r][punti[r]];
            i += quante;
        }
        lavoro.fatte.fetch_add(fine - inizio, std::memory_order_relaxed);
    }
    std::lock_guard blocco(lavoro.mutex);
    --lavoro.attivi;
    lavoro.finito.notify_one();
}

// The processors this process may run on.
unsigned CoriAlLavoro()
{
    cpu_set_t insieme;
    if (sched_getaffinity(0, sizeof insieme, &insieme) == 0)
        return static_cast<unsigned>(std::max(1, CPU_COUNT(&insieme)));
    return std::max(1u, std::thread::hardware_concurrency());
}

} // namespace

std::uint64_t EstrazioniPerBlocco(const Sistema& sistema)
{
    // About two million line scorings, a millisecond or two on one core.
    const std::uint64_t lavoroPerEstrazione = sistema.righe.size() + sistema.strati.size() + 16;
    return std::clamp<std::uint64_t>(2'000'000 / lavoroPerEstrazione, 1, 4096);
}

Conteggi EseguiSerie(const Sistema& sistema, const ParametriSerie& parametri,
                     const std::atomic<bool>& ferma,
                     const std::function<void(std::uint64_t)>& avanzamento)
{
    const unsigned quanti = std::max(1u, parametri.thread);
    // Everything a thread needs is allocated here, so that a failure to
    // allocate happens before any thread starts.
    // The kernels score repeated numbers by layers of their own: only the
    // per-line tallies need each line's points.
    const bool puntiPerRiga = parametri.perRiga;
    const unsigned numeroScorte = puntiPerRiga ? std::min(quanti, CoriAlLavoro()) : quanti;
    std::vector<Scorta> scorte(numeroScorte);
    for (Scorta& s : scorte) {
        if (puntiPerRiga)
            s.punti.resize(sistema.righe.size());
        if (parametri.perRiga)
            s.conteggi.perRiga.resize(sistema.righe.size());
    }
    Lavoro lavoro(sistema, parametri, ferma, quanti, scorte);

    std::vector<std::jthread> thread;
    thread.reserve(quanti);
    try {
        for (unsigned t = 0; t < quanti; ++t)
            thread.emplace_back(Esegui, std::ref(lavoro));
    } catch (const std::system_error&) {
        // The system starts no more threads (a limit on processes or on
        // memory): those that started take every block, and the results
        // stay the same. With none, this thread runs the series.
        std::lock_guard blocco(lavoro.mutex);
        lavoro.attivi -= quanti - static_cast<unsigned>(thread.size());
    }
    if (thread.empty()) {
        lavoro.attivi = 1;
        Esegui(lavoro);
    }
    {
        std::unique_lock blocco(lavoro.mutex);
        while (!lavoro.finito.wait_for(blocco, std::chrono::milliseconds(100),
                                       [&] { return lavoro.attivi == 0; }))
            if (avanzamento) {
                blocco.unlock();
                avanzamento(lavoro.fatte.load(std::memory_order_relaxed));
                blocco.lock();
            }
    }
    const auto avviati = static_cast<unsigned>(std::max<std::size_t>(1, thread.size()));
    thread.clear();
    Conteggi totale = std::move(scorte[0].conteggi);
    for (std::size_t s = 1; s < scorte.size(); ++s)
        totale.Unisci(scorte[s].conteggi);
    totale.thread = avviati;
    return totale;
}

} // namespace vortilla
