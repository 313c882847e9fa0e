// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Destinazione.h"
#include "serie/Temporanei.h"

#include <optional>
#include <string>

namespace vortilla {

// Where a new file will go, and whether it can: checked before any work, so
// that a long run is not wasted on a path that cannot take its results.
struct Bersaglio {
    std::string percorso; // the file to replace, symbolic links followed
    std::string errore;   // empty when it can be written; otherwise why not, in words
};

// Follows symbolic links to the file they name, which stays what is written
// (the links stay links). Refused: a folder, a device, a FIFO or a socket;
// a file without write permission; a folder that is missing or cannot take
// a new file; a name that is too long.
Bersaglio ControllaBersaglio(const std::string& percorso);

// A new content for a file, written aside and put in its place in one step
// once complete: the file is the old one or the whole new one, never a part.
// It keeps the old file's permissions.
class FileCompleto : public Destinazione {
public:
    // `bersaglio` as ControllaBersaglio gives it. The content has no name
    // until it is complete, where the file system allows (O_TMPFILE);
    // otherwise, or with `conNome`, it is written under a temporary name,
    // registered with NomeTemporaneo.
    explicit FileCompleto(std::string bersaglio, bool conNome = false);
    FileCompleto(const FileCompleto&) = delete;
    FileCompleto& operator=(const FileCompleto&) = delete;
    ~FileCompleto() override; // an unconfirmed content goes

    // Puts the content in place. Returns an empty text, or why it could not:
    // the old file, if any, is then untouched.
    std::string Conferma();

protected:
    int ScriviTutto(std::string_view testo) override;

private:
    std::string Colloca();

    std::string bersaglio_;
    std::string cartella_;
    int fd_ = -1;
    int erroreApertura_ = 0;
    std::string nomeAperto_; // where the file system has no O_TMPFILE
    std::optional<NomeTemporaneo> registrato_;
};

} // namespace vortilla
