// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "errors/FileAperti.h"

#include <algorithm>

#include <unistd.h>

namespace vortilla {

FileAperti::~FileAperti() { ChiudiTutti(); }

void FileAperti::ChiudiTutti()
{
    // Chiudi() removes the file from the list, so take from the back.
    while (!aperti_.empty())
        aperti_.back()->Chiudi();
}

void FileAperti::Registra(DescrittoreFile* file) { aperti_.push_back(file); }

void FileAperti::Rimuovi(DescrittoreFile* file)
{
    aperti_.erase(std::remove(aperti_.begin(), aperti_.end(), file), aperti_.end());
}

DescrittoreFile::DescrittoreFile(FileAperti& registro, int fd) : registro_(&registro), fd_(fd)
{
    try {
        registro_->Registra(this);
    } catch (...) {
        ::close(fd_);
        throw;
    }
}

DescrittoreFile::~DescrittoreFile() { Chiudi(); }

void DescrittoreFile::Chiudi()
{
    if (fd_ < 0)
        return;
    ::close(fd_);
    fd_ = -1;
    registro_->Rimuovi(this);
}

} // namespace vortilla
