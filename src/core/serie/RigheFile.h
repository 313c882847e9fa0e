// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vortilla {

// What reading a file or an option gives: the value, or the reason it was
// refused (Italian, "riga N: ..." first when one line is at fault), never both.
template <typename T>
struct Esito {
    std::optional<T> valore;
    std::string errore;
};

// The longest line a table or an archive may have, in bytes: far beyond any
// real one, and a bound on what a file without line ends can take.
inline constexpr std::size_t RigaMassima = 64 * 1024;

// Called with each line's number (from 1) and text without its end (LF or
// CRLF); returning false stops the reading.
using AzioneRiga = std::function<bool(std::size_t numero, std::string_view riga)>;

void PerOgniRiga(std::string_view testo, const AzioneRiga& azione);

// The same over the file at `percorso`, read as combination files are: a
// UTF-8 byte-order mark is skipped, UTF-16 with a mark is turned into UTF-8.
// Returns the reason when the file cannot be read or a line is longer than
// RigaMassima; nothing when every line was handed over (or `azione` stopped).
std::optional<std::string> PerOgniRigaDelFile(const std::string& percorso,
                                              const AzioneRiga& azione);

// `riga` without its comment: a '#' starts one that runs to the line's end.
std::string_view SenzaCommento(std::string_view riga);

// `testo` without the spaces and tabs around it.
std::string_view Rifilato(std::string_view testo);

// «testo» for a message: at most 24 bytes of it (cut between characters),
// control characters shown as '?', so that no file can garble a terminal.
std::string Citazione(std::string_view testo);

// Whether `testo` is a plain number: one or more digits and nothing else.
bool SoloCifre(std::string_view testo);

} // namespace vortilla
