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

// The combination file, read as the window reads it and through the same
// code: validated whole, then read again for its lines. It is opened once
// and both readings go through that one opening, so that they read the same
// file even if its name is moved or reused meanwhile. A file that changed
// between the two (fewer or more items, another size or modification time)
// is refused with the error of a second reading that fails, 62.
// "-" is standard input: a pipe or a terminal is copied first into a
// temporary file without a name, which can be read twice.
// Every refusal is reported on stderr as "vortilla-serie: FILE: message",
// with the window's message and, where the window gives only a number, words.
class FileCombinazioni {
public:
    static std::unique_ptr<FileCombinazioni> Apri(const std::string& nome);
    ~FileCombinazioni();

    // The first reading: the count of items, every one checked.
    std::optional<std::int32_t> Verifica();
    // The second: the first `quante` lines.
    std::optional<std::vector<std::string>> Carica(std::size_t quante);

private:
    FileCombinazioni(std::string nome, int fd, bool perNome);
    void Segnala(std::int32_t numero, const std::string& parole = {}) const;
    bool Cambiato() const;

    std::string nome_;     // as given
    std::string percorso_; // what each reading opens
    int fd_;               // held from start to end
    bool perNome_;         // readings open the name itself (no /proc)
    struct stat prima_ {};
    std::int32_t elementi_ = 0;
};
