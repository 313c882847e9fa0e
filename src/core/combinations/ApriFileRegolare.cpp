// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/ApriFileRegolare.h"

#include "errors/ErroreNumerato.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vortilla {
namespace {

bool CartellaEsiste(const std::string& percorso)
{
    std::string cartella = percorso;
    while (cartella.size() > 1 && cartella.back() == '/')
        cartella.pop_back();
    const auto barra = cartella.rfind('/');
    if (barra == std::string::npos)
        return true; // the working folder
    cartella.resize(barra == 0 ? 1 : barra);
    struct stat info {};
    return ::stat(cartella.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::int32_t NumeroPerErrno(int codice, const std::string& percorso)
{
    switch (codice) {
    case ENOENT:
        return CartellaEsiste(percorso) ? errori::FileNonTrovato : errori::PercorsoNonTrovato;
    case ENOTDIR:
    case ELOOP: return errori::PercorsoNonTrovato;
    case ENAMETOOLONG: return errori::NomeFileNonValido;
    case EACCES:
    case EPERM: return errori::PermessoNegato;
    case EMFILE:
    case ENFILE: return errori::TroppiFileAperti;
    case ENOMEM: return errori::MemoriaEsaurita;
    case ENXIO:
    case ENODEV: return errori::PerifericaInaccessibile;
    default: return errori::AccessoNegato;
    }
}

void ControllaTipo(mode_t modo)
{
    if (S_ISREG(modo))
        return;
    throw ErroreNumerato(S_ISDIR(modo) ? errori::AccessoNegato : errori::PerifericaInaccessibile);
}

} // namespace

int ApriFileRegolare(const std::string& percorso)
{
    if (percorso.empty() || percorso.find('\0') != std::string::npos)
        throw ErroreNumerato(errori::NomeFileNonValido);

    // The type is checked before opening, so that no device is ever opened,
    // and again on the open descriptor, in case the name was swapped between
    // the two. O_NONBLOCK keeps a FIFO put there meanwhile from blocking open.
    struct stat info {};
    if (::stat(percorso.c_str(), &info) != 0)
        throw ErroreNumerato(NumeroPerErrno(errno, percorso));
    ControllaTipo(info.st_mode);

    const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        throw ErroreNumerato(NumeroPerErrno(errno, percorso));
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const mode_t modo = info.st_mode;
        ::close(fd);
        ControllaTipo(modo);
        throw ErroreNumerato(errori::AccessoNegato);
    }
    return fd;
}

} // namespace vortilla
