// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include <sys/types.h>

// Files being written aside carry no name where the file system allows
// (O_TMPFILE). Where they must have one, for a moment or for the whole
// writing, the name is registered here, so that a signal that ends the
// program can remove it first: nothing half-written is ever left behind.
namespace vortilla {

// Registers `nome` for as long as it lives. At most a few names at once;
// one more is not registered.
class NomeTemporaneo {
public:
    explicit NomeTemporaneo(const std::string& nome);
    NomeTemporaneo(const NomeTemporaneo&) = delete;
    NomeTemporaneo& operator=(const NomeTemporaneo&) = delete;
    ~NomeTemporaneo(); // forgets the name; the file itself is the owner's

private:
    int posto_;
};

// Removes every registered file. Safe in a signal handler.
void RimuoviTemporanei() noexcept;

// A name in `cartella` that no file has yet, for a file written aside:
// short, so that it fits wherever the final name fits.
std::string NomeLibero(const std::string& cartella);

// Whether open() failed with O_TMPFILE because the file system lacks it.
bool SenzaTmpfile(int codice);

// Creates a file with no name in `cartella`, open for reading and writing:
// O_TMPFILE where the file system has it, otherwise a named file removed at
// once. Returns the descriptor, or minus the errno of the failure.
int CreaAnonimo(const std::string& cartella, mode_t modo);

} // namespace vortilla
