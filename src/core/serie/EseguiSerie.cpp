// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/EseguiSerie.h"

#include "serie/PunteggioVeloce.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <iterator>
#include <mutex>
#include <system_error>
#include <thread>

#include <sched.h>

namespace vortilla {
namespace {

// What a block of draws writes when each line is tallied: each line's
// points in a draw and each line's tallies. These grow with the lines, so
// there are only as many as the cores that actually work: a thread beyond
// them waits until one is free. Any block may land in any of them, since
// every tally is an integer sum. Each sits on cache lines of its own:
// threads that shared a line of their tallies would slow each other down at
// every draw.
struct alignas(64) Scorta {
    std::vector<Tabella64> perRiga;
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

// The only length of the system's lines, or 0 when they have several: with
// one length, a draw's winnings come from its counts by points alone.
std::size_t UnicaLunghezza(const Sistema& sistema)
{
    std::size_t unica = 0;
    for (std::size_t n = 0; n < ValoriPunti; ++n)
        if (sistema.perLunghezza[n] != 0) {
            if (unica != 0)
                return 0;
            unica = n;
        }
    return unica;
}

struct Lavoro {
    Lavoro(const Sistema& s, const ParametriSerie& p, const std::atomic<bool>& f, unsigned quanti,
           std::vector<Scorta>& scorte)
        : sistema(s), parametri(p), ferma(f), perBlocco(EstrazioniPerBlocco(s)),
          estrazioni(p.archivio.empty() ? p.estrazioni : p.archivio.size()),
          blocchi((estrazioni + perBlocco - 1) / perBlocco), unicaLunghezza(UnicaLunghezza(s)),
          deposito(scorte), attivi(quanti), stato(Vuoto())
    {
    }

    // The state of no draw, for these parameters.
    StatoSerie Vuoto() const
    {
        StatoSerie vuoto;
        if (parametri.premi)
            vuoto.premi.emplace(static_cast<Centesimi>(sistema.righe.size()) * 100,
                                parametri.sessione);
        vuoto.migliori.massimo = parametri.migliori;
        return vuoto;
    }

    // Adds a completed block to the state that callers see.
    void Deposita(const StatoSerie& blocco)
    {
        std::lock_guard chiuso(mutexStato);
        stato.conteggi.Unisci(blocco.conteggi);
        if (stato.premi)
            stato.premi->Unisci(*blocco.premi);
        stato.migliori.Unisci(blocco.migliori);
    }

    StatoSerie Istantanea()
    {
        std::lock_guard chiuso(mutexStato);
        return stato;
    }

    const Sistema& sistema;
    const ParametriSerie& parametri;
    const std::atomic<bool>& ferma;
    std::uint64_t perBlocco;
    std::uint64_t estrazioni;
    std::uint64_t blocchi;
    std::size_t unicaLunghezza;
    std::atomic<std::uint64_t> prossimo{0}; // next block to hand out
    Deposito deposito;
    std::mutex mutex;
    std::condition_variable finito;
    unsigned attivi;
    std::mutex mutexStato;
    StatoSerie stato; // the blocks completed, merged as they complete
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

// The best points of a draw: the highest that some line made.
std::size_t Migliore(const ConteggioEstrazione& c)
{
    std::size_t p = ValoriPunti - 1;
    while (p > 0 && c[p] == 0)
        --p;
    return p;
}

// What a draw won at a stake of 1, in cents.
Centesimi Vincita(const Lavoro& lavoro, const ConteggioEstrazione& conteggio,
                  const ConteggioPerLunghezza& perLunghezza)
{
    const TabellaPremi& tabella = *lavoro.parametri.premi;
    if (lavoro.unicaLunghezza != 0)
        return static_cast<Centesimi>(
            VincitaPerLunghezza(tabella, lavoro.unicaLunghezza, conteggio));
    std::uint64_t vincita = 0;
    for (std::size_t n = LunghezzaMinima; n < ValoriPunti; ++n)
        vincita += VincitaPerLunghezza(tabella, n, perLunghezza[n]);
    return static_cast<Centesimi>(vincita);
}

void Esegui(Lavoro& lavoro)
{
    const ParametriSerie& p = lavoro.parametri;
    const bool perRiga = p.perRiga;
    const bool conPremi = p.premi != nullptr;
    const bool perLunghezze = conPremi && lavoro.unicaLunghezza == 0;
    const bool conMigliori = p.migliori != 0;
    const Nucleo& nucleo = p.nucleo ? *p.nucleo : NucleoInUso();
    // A few draws at a time, so that a kernel can make them side by side;
    // one at a time when each line's points are wanted, or when 16 squares
    // of counts of lines might not add up within 64 bits.
    constexpr std::uint64_t Lotto = 16;
    const std::uint64_t perLotto =
        perRiga || lavoro.sistema.righe.size() >= (std::uint64_t{1} << 30) ? 1 : Lotto;
    std::array<Maschera, Lotto> estratti;
    std::array<ConteggioEstrazione, Lotto> contati;
    std::array<ConteggioPerLunghezza, Lotto> perLunghezza;
    for (;;) {
        // The Scorta is taken before the block, so that a thread waiting
        // for one holds up no block when a stop comes.
        Prestito prestito(lavoro.deposito);
        std::vector<std::uint8_t>& punti = prestito->punti;
        if (lavoro.ferma.load(std::memory_order_relaxed))
            break;
        const std::uint64_t numeroBlocco = lavoro.prossimo.fetch_add(1, std::memory_order_relaxed);
        if (numeroBlocco >= lavoro.blocchi)
            break;
        const std::uint64_t inizio = numeroBlocco * lavoro.perBlocco;
        const std::uint64_t fine = std::min(lavoro.estrazioni, inizio + lavoro.perBlocco);
        StatoSerie blocco = lavoro.Vuoto();
        for (std::uint64_t i = inizio; i < fine;) {
            const auto quante = static_cast<std::size_t>(std::min(perLotto, fine - i));
            if (p.archivio.empty())
                nucleo.estrai(p.seme, i, quante, p.estratti, estratti.data());
            else
                for (std::size_t d = 0; d < quante; ++d)
                    estratti[d] = p.archivio[i + d].numeri;
            nucleo.conta(
                lavoro.sistema, estratti.data(), quante, contati.data(),
                {perLunghezze ? perLunghezza.data() : nullptr, perRiga ? punti.data() : nullptr});
            SommeLotto somme;
            nucleo.somma(contati.data(), quante, somme);
            AggiungiLotto(blocco.conteggi, somme, quante);
            if (perRiga)
                for (std::size_t r = 0; r < punti.size(); ++r)
                    ++prestito->perRiga[r][punti[r]];
            for (std::size_t d = 0; d < quante && conPremi; ++d)
                blocco.premi->Aggiungi(i + d, Vincita(lavoro, contati[d], perLunghezza[d]));
            for (std::size_t d = 0; d < quante && conMigliori; ++d)
                blocco.migliori.Aggiungi(Migliore(contati[d]), i + d);
            i += quante;
        }
        lavoro.Deposita(blocco);
    }
    std::lock_guard chiuso(lavoro.mutex);
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

void EstrazioniMigliori::Aggiungi(std::size_t punti, std::uint64_t indice)
{
    std::vector<std::uint64_t>& ultime = perPunti[punti];
    if (massimo == 0)
        return;
    if (ultime.size() == massimo) {
        if (indice < ultime.front())
            return;
        ultime.erase(ultime.begin());
    }
    ultime.insert(std::upper_bound(ultime.begin(), ultime.end(), indice), indice);
}

void EstrazioniMigliori::Unisci(const EstrazioniMigliori& altre)
{
    if (massimo == 0)
        return;
    for (std::size_t p = 0; p < ValoriPunti; ++p) {
        std::vector<std::uint64_t> insieme;
        insieme.reserve(perPunti[p].size() + altre.perPunti[p].size());
        std::merge(perPunti[p].begin(), perPunti[p].end(), altre.perPunti[p].begin(),
                   altre.perPunti[p].end(), std::back_inserter(insieme));
        const std::size_t via = insieme.size() - std::min(insieme.size(), massimo);
        perPunti[p].assign(insieme.begin() + static_cast<std::ptrdiff_t>(via), insieme.end());
    }
}

StatoSerie EseguiSerie(const Sistema& sistema, const ParametriSerie& parametri,
                       const std::atomic<bool>& ferma,
                       const std::function<void(const StatoSerie&)>& avanzamento)
{
    const unsigned quanti = std::max(1u, parametri.thread);
    // Everything a thread needs is allocated here, so that a failure to
    // allocate happens before any thread starts.
    // The kernels score repeated numbers by layers of their own: only the
    // per-line tallies need each line's points.
    const bool perRiga = parametri.perRiga;
    const unsigned numeroScorte = perRiga ? std::min(quanti, CoriAlLavoro()) : quanti;
    std::vector<Scorta> scorte(numeroScorte);
    for (Scorta& s : scorte)
        if (perRiga) {
            s.punti.resize(sistema.righe.size());
            s.perRiga.resize(sistema.righe.size());
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
                avanzamento(lavoro.Istantanea());
                blocco.lock();
            }
    }
    const auto avviati = static_cast<unsigned>(std::max<std::size_t>(1, thread.size()));
    thread.clear();
    StatoSerie finale = std::move(lavoro.stato);
    if (perRiga) {
        finale.conteggi.perRiga = std::move(scorte[0].perRiga);
        for (std::size_t s = 1; s < scorte.size(); ++s)
            for (std::size_t r = 0; r < scorte[s].perRiga.size(); ++r)
                for (std::size_t p = 0; p < ValoriPunti; ++p)
                    finale.conteggi.perRiga[r][p] += scorte[s].perRiga[r][p];
    }
    finale.conteggi.thread = avviati;
    if (avanzamento)
        avanzamento(finale);
    return finale;
}

} // namespace vortilla
