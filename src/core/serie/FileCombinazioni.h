// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vortilla {

// Why a file was refused: the window's error number, with words where the
// window's table gives only the number or where more must be said. Number
// 0: the words alone say it.
struct Rifiuto {
    std::int32_t numero = 0;
    std::string parole;
};

// The message of a refusal on one line: the window's message, "|" breaks
// joined by a space, then the words in brackets.
std::string TestoRifiuto(const Rifiuto& rifiuto);

// The error of a second reading that finds a file other than the first did.
inline constexpr std::int32_t LetturaOltreLaFine = 62;

// A combination file read as the window reads it, through the same code:
// validated whole, then read again for its lines. It is opened once and both
// readings go through that one opening, so that they read the same file
// even if its name is moved or reused meanwhile. A file that changed between
// the two (another count of items, size or modification time) is refused
// with 62, the error of a second reading that fails.
// "-" is standard input: a pipe, a socket or a terminal is first copied into
// a temporary file with no name, which can be read twice; anything else is
// read, or refused, as a named file would be.
class FileCombinazioni {
public:
    static std::unique_ptr<FileCombinazioni> Apri(const std::string& nome, Rifiuto& rifiuto);
    FileCombinazioni(const FileCombinazioni&) = delete;
    FileCombinazioni& operator=(const FileCombinazioni&) = delete;
    ~FileCombinazioni();

    // The first reading: the count of items, every one checked.
    std::optional<std::int32_t> Verifica(Rifiuto& rifiuto);
    // The second: the first `quante` lines.
    std::optional<std::vector<std::string>> Carica(std::size_t quante, Rifiuto& rifiuto);

private:
    FileCombinazioni(std::string nome, int fd, bool perNome);
    Rifiuto Numerato(std::int32_t numero) const;
    bool Cambiato() const;

    std::string nome_;     // as given
    std::string percorso_; // what each reading opens
    int fd_;               // held from the first reading to the last
    bool perNome_;         // the readings open the name itself (no /proc)
    struct stat prima_ {};
    std::int32_t elementi_ = 0;
};

} // namespace vortilla
