// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <vector>

namespace vortilla {

class DescrittoreFile;

// Every file the program holds open, so that an error handler can close them
// all before it speaks to the user, whoever opened them. DatiProgramma owns
// the one registry of the run.
class FileAperti {
public:
    FileAperti() = default;
    FileAperti(const FileAperti&) = delete;
    FileAperti& operator=(const FileAperti&) = delete;
    ~FileAperti();

    // Closes every registered file; their owners then read nothing more.
    void ChiudiTutti();
    std::size_t Quanti() const { return aperti_.size(); }

private:
    friend class DescrittoreFile;
    void Registra(DescrittoreFile* file);
    void Rimuovi(DescrittoreFile* file);

    std::vector<DescrittoreFile*> aperti_;
};

// An open file descriptor, registered for as long as it is open.
class DescrittoreFile {
public:
    // Takes ownership of `fd` (>= 0).
    DescrittoreFile(FileAperti& registro, int fd);
    DescrittoreFile(const DescrittoreFile&) = delete;
    DescrittoreFile& operator=(const DescrittoreFile&) = delete;
    ~DescrittoreFile();

    int Fd() const { return fd_; } // -1 once closed
    void Chiudi();

private:
    FileAperti* registro_;
    int fd_;
};

} // namespace vortilla
