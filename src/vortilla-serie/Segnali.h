// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>

// SIGINT, SIGTERM and SIGHUP, each unless it was ignored when the program
// started (as it is for background jobs). Whatever ends the program first
// removes the temporary files of vortilla::RimuoviTemporanei.
//
// While the file is read, a signal ends the program at once with status
// 128 + n. Once the series has started the first signal asks it to stop
// (RichiestaDiStop) and is remembered; a second one ends the program the
// signal's default way, at once.
void InstallaSegnali();
void AvviaSerie();

std::atomic<bool>& RichiestaDiStop();
int SegnaleRicevuto(); // the first signal of the series, 0 if none
