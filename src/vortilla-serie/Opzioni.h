// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Importi.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// What the command line asks for. Names are kept as the bytes they were
// given, whatever their encoding.
struct Opzioni {
    enum class Formato { Testo, Csv, Json };

    std::string file; // "-": standard input
    bool tutte = false;
    int estratti = 20;
    std::optional<std::uint64_t> estrazioni; // empty: 10000, or every draw of the archive
    std::optional<std::uint64_t> seme;       // empty: fresh entropy
    unsigned thread = 0;                     // 0: every core
    Formato formato = Formato::Testo;
    std::string grafico; // empty: no chart
    bool dettaglio = false;
    std::string premi;                        // the prize table; empty: none
    std::optional<vortilla::Centesimi> posta; // only with a table: 1 when not given
    std::optional<std::uint64_t> sessione;    // only with a table: 100 when not given
    std::string archivio;                     // past draws; empty: simulated ones
};

// The most threads; the draws' limits are the series library's.
inline constexpr unsigned ThreadMassimi = 1024;

// Reads the arguments that follow the program's name. Prints help or
// version on stdout, or a refusal on stderr, and returns the exit status in
// `uscita` when the program must stop there: 0 after help or version, 2 for
// a bad command line, 3 when the help could not be written.
std::optional<Opzioni> LeggiOpzioni(std::span<const char* const> argomenti, int& uscita);
