// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the command line asks for.
struct Opzioni {
    enum class Formato { Testo, Csv, Json };

    QString file;
    bool tutte = false;
    int estratti = 20;
    std::uint64_t estrazioni = 10'000;
    std::optional<std::uint64_t> seme; // empty: fresh entropy
    unsigned thread = 0;               // 0: every core
    Formato formato = Formato::Testo;
    QString grafico; // empty: no chart
    bool dettaglio = false;
};

// The most draws one run takes.
inline constexpr std::uint64_t EstrazioniMassime = 1'000'000'000'000;

// Reads the arguments (program name first); needs no application object. Prints help or version on
// stdout, or a refusal on stderr, and returns the exit status in `uscita`
// when the program must stop there: 0 after help or version, 2 for a bad
// command line.
std::optional<Opzioni> LeggiOpzioni(const QStringList& argomenti, int& uscita);
