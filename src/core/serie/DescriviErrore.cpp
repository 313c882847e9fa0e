// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/DescriviErrore.h"

#include <cerrno>

namespace vortilla {

std::string DescriviErrore(int codice)
{
    switch (codice) {
    case ENOSPC:
    case EDQUOT: return "disco pieno";
    case EFBIG: return "file troppo grande";
    case EBADF: return "file chiuso";
    case EPIPE: return "nessuno legge più l'uscita";
    case EIO: return "errore di ingresso/uscita";
    case EROFS: return "file system in sola lettura";
    case EACCES:
    case EPERM: return "permesso negato";
    case ENOENT: return "file o cartella inesistente";
    case ENOTDIR: return "un elemento del percorso non è una cartella";
    case EISDIR: return "è una cartella";
    case ENAMETOOLONG: return "nome troppo lungo";
    case ELOOP: return "troppi collegamenti simbolici";
    case EMFILE:
    case ENFILE: return "troppi file aperti";
    case ENOMEM: return "memoria esaurita";
    case EAGAIN: return "risorsa temporaneamente non disponibile";
    default: return "errore di sistema " + std::to_string(codice);
    }
}

} // namespace vortilla
