// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Segnali.h"

#include <csignal>

namespace {

std::atomic<bool> richiesta{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void AlSegnale(int) { richiesta.store(true); }

} // namespace

std::atomic<bool>& RichiestaDiStop() { return richiesta; }

void FermaAlSegnale()
{
    struct sigaction azione = {};
    azione.sa_handler = AlSegnale;
    sigemptyset(&azione.sa_mask);
    // A second Ctrl-C, if the first is not heard soon enough, still ends
    // the program at once.
    azione.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &azione, nullptr);
    sigaction(SIGTERM, &azione, nullptr);
}
