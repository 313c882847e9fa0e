// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/EseguiSerie.h"

#include "serie/PunteggioVeloce.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace vortilla {
namespace {

struct Lavoro {
    Lavoro(const Sistema& s, const ParametriSerie& p, const std::atomic<bool>& f, unsigned quanti)
        : sistema(s), parametri(p), ferma(f), perBlocco(EstrazioniPerBlocco(s)),
          blocchi((p.estrazioni + perBlocco - 1) / perBlocco), attivi(quanti)
    {
    }

    const Sistema& sistema;
    const ParametriSerie& parametri;
    const std::atomic<bool>& ferma;
    std::uint64_t perBlocco;
    std::uint64_t blocchi;
    std::atomic<std::uint64_t> prossimo{0}; // next block to hand out
    std::atomic<std::uint64_t> fatte{0};    // draws completed
    std::mutex mutex;
    std::condition_variable finito;
    unsigned attivi;
};

// What one thread writes, on cache lines of its own: threads that shared
// a line of their tallies would slow each other down at every draw.
struct alignas(64) PerThread {
    Conteggi conteggi;
    std::vector<std::uint8_t> punti; // scratch: each line's points in a draw
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

void Esegui(Lavoro& lavoro, PerThread& mio)
{
    Conteggi& conteggi = mio.conteggi;
    std::vector<std::uint8_t>& punti = mio.punti;
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
    while (!lavoro.ferma.load(std::memory_order_relaxed)) {
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
    Lavoro lavoro(sistema, parametri, ferma, quanti);
    // Everything a thread needs is allocated here, so that a failure to
    // allocate happens before any thread starts.
    std::vector<PerThread> parziali(quanti);
    for (PerThread& p : parziali) {
        p.punti.resize(sistema.righe.size());
        if (parametri.perRiga)
            p.conteggi.perRiga.resize(sistema.righe.size());
    }

    std::vector<std::jthread> thread;
    thread.reserve(quanti);
    for (unsigned t = 0; t < quanti; ++t)
        thread.emplace_back(Esegui, std::ref(lavoro), std::ref(parziali[t]));
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
    thread.clear();

    Conteggi totale = std::move(parziali[0].conteggi);
    for (unsigned t = 1; t < quanti; ++t)
        totale.Unisci(parziali[t].conteggi);
    return totale;
}

} // namespace vortilla
