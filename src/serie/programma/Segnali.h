// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>

// Set by the first SIGINT or SIGTERM once FermaAlSegnale() has run. A second
// one ends the program the default way.
std::atomic<bool>& RichiestaDiStop();
void FermaAlSegnale();
