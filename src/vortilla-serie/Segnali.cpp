// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Segnali.h"

#include "serie/Temporanei.h"

#include <csignal>

#include <unistd.h>

namespace {

std::atomic<bool> richiesta{false};
std::atomic<bool> inSerie{false};
std::atomic<int> ricevuto{0};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "used in a signal handler");

constexpr int Segnali[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void AlSegnale(int n)
{
    if (inSerie.load() && ricevuto.load() == 0) {
        ricevuto.store(n);
        richiesta.store(true);
        return;
    }
    vortilla::RimuoviTemporanei();
    if (!inSerie.load())
        _exit(128 + n);
    // Blocked while this handler runs, the signal arrives once it returns.
    std::signal(n, SIG_DFL);
    std::raise(n);
}

} // namespace

std::atomic<bool>& RichiestaDiStop() { return richiesta; }

int SegnaleRicevuto() { return ricevuto.load(); }

void InstallaSegnali()
{
    struct sigaction azione = {};
    azione.sa_handler = AlSegnale;
    sigemptyset(&azione.sa_mask);
    for (const int s : Segnali)
        sigaddset(&azione.sa_mask, s);
    azione.sa_flags = SA_RESTART;
    for (const int s : Segnali) {
        struct sigaction prima = {};
        if (sigaction(s, nullptr, &prima) == 0 && prima.sa_handler != SIG_IGN)
            sigaction(s, &azione, nullptr);
    }
}

void AvviaSerie() { inSerie.store(true); }
