// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/FileCompleto.h"

#include "serie/DescriviErrore.h"

#include <cerrno>
#include <climits>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vortilla {
namespace {

constexpr mode_t Modo = 0666; // less the umask, as for any new file

std::string Cartella(const std::string& percorso)
{
    const auto barra = percorso.rfind('/');
    if (barra == std::string::npos)
        return ".";
    return barra == 0 ? "/" : percorso.substr(0, barra);
}

std::string Tipo(mode_t modo)
{
    if (S_ISDIR(modo))
        return "è una cartella";
    if (S_ISCHR(modo) || S_ISBLK(modo))
        return "è una periferica, non un file";
    if (S_ISFIFO(modo))
        return "è una FIFO, non un file";
    return "è un socket, non un file";
}

// The file a chain of symbolic links ends at, or why it cannot be followed.
bool Segui(std::string& percorso, std::string& errore)
{
    for (int salti = 0; salti <= 40; ++salti) {
        struct stat info {};
        if (::lstat(percorso.c_str(), &info) != 0) {
            if (errno == ENOENT)
                return true; // a new file
            errore = DescriviErrore(errno);
            return false;
        }
        if (!S_ISLNK(info.st_mode))
            return true;
        std::vector<char> meta(PATH_MAX);
        const ssize_t n = ::readlink(percorso.c_str(), meta.data(), meta.size());
        if (n < 0 || static_cast<std::size_t>(n) == meta.size()) {
            errore = DescriviErrore(n < 0 ? errno : ENAMETOOLONG);
            return false;
        }
        const std::string destinazione(meta.data(), static_cast<std::size_t>(n));
        if (destinazione.front() == '/' || percorso.find('/') == std::string::npos)
            percorso = destinazione;
        else
            percorso = Cartella(percorso) + '/' + destinazione;
    }
    errore = DescriviErrore(ELOOP);
    return false;
}

bool ProcDisponibile() { return ::access("/proc/self/fd", X_OK) == 0; }

std::string Proc(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

} // namespace

Bersaglio ControllaBersaglio(const std::string& percorso)
{
    Bersaglio b{percorso, {}};
    if (percorso.empty()) {
        b.errore = "nome vuoto";
        return b;
    }
    if (!Segui(b.percorso, b.errore))
        return b;
    struct stat info {};
    if (::stat(b.percorso.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            b.errore = Tipo(info.st_mode);
        else if (::access(b.percorso.c_str(), W_OK) != 0)
            b.errore = DescriviErrore(errno);
        if (!b.errore.empty())
            return b;
    }
    // The folder must take a new file: try one, with no name, where that can
    // be done; elsewhere ask for the permission.
    const std::string cartella = Cartella(b.percorso);
    if (::stat(cartella.c_str(), &info) != 0) {
        b.errore = errno == ENOENT ? "la cartella non esiste" : DescriviErrore(errno);
        return b;
    }
    if (!S_ISDIR(info.st_mode)) {
        b.errore = DescriviErrore(ENOTDIR);
        return b;
    }
    const int fd = ::open(cartella.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, Modo);
    if (fd >= 0)
        ::close(fd);
    else if (!SenzaTmpfile(errno))
        b.errore = DescriviErrore(errno);
    else if (::access(cartella.c_str(), W_OK | X_OK) != 0)
        b.errore = DescriviErrore(errno);
    return b;
}

FileCompleto::FileCompleto(std::string bersaglio, bool conNome)
    : bersaglio_(std::move(bersaglio)), cartella_(Cartella(bersaglio_))
{
    if (!conNome && ProcDisponibile()) {
        fd_ = ::open(cartella_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, Modo);
        if (fd_ >= 0)
            return;
        if (!SenzaTmpfile(errno)) {
            erroreApertura_ = errno;
            return;
        }
    }
    // The named way: the name is registered for the whole writing.
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        nomeAperto_ = NomeLibero(cartella_);
        registrato_.emplace(nomeAperto_);
        fd_ = ::open(nomeAperto_.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, Modo);
        if (fd_ >= 0)
            return;
        registrato_.reset();
        if (errno != EEXIST)
            break;
    }
    erroreApertura_ = errno;
    nomeAperto_.clear();
}

FileCompleto::~FileCompleto()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!nomeAperto_.empty())
        ::unlink(nomeAperto_.c_str());
}

int FileCompleto::ScriviTutto(std::string_view testo)
{
    return fd_ < 0 ? erroreApertura_ : ScriviDescrittore(fd_, testo);
}

std::string FileCompleto::Conferma()
{
    if (Svuota() != 0)
        return DescriviErrore(Errore());
    // Some file systems report a full disk only when the data reach it.
    if (::fsync(fd_) != 0)
        return DescriviErrore(errno);
    std::string errore = Colloca();
    if (::close(fd_) != 0 && errore.empty())
        errore = DescriviErrore(errno);
    fd_ = -1;
    return errore;
}

// Checked again at the last moment: a device put there meanwhile must never
// be replaced by a regular file.
std::string FileCompleto::Colloca()
{
    struct stat info {};
    const bool esiste = ::lstat(bersaglio_.c_str(), &info) == 0;
    if (esiste) {
        if (!S_ISREG(info.st_mode))
            return Tipo(info.st_mode);
        ::fchmod(fd_, info.st_mode & 07777);
    }
    if (!nomeAperto_.empty()) {
        if (::rename(nomeAperto_.c_str(), bersaglio_.c_str()) != 0)
            return DescriviErrore(errno);
        nomeAperto_.clear();
        registrato_.reset();
        return {};
    }
    // A file with no name gets one: the final name if it is free, otherwise
    // a temporary one that then replaces the old file.
    const std::string proc = Proc(fd_);
    if (!esiste
        && ::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, bersaglio_.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return {};
    if (!esiste && errno != EEXIST)
        return DescriviErrore(errno);
    const std::string temporaneo = NomeLibero(cartella_);
    const NomeTemporaneo registrato(temporaneo);
    if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, temporaneo.c_str(), AT_SYMLINK_FOLLOW) != 0)
        return DescriviErrore(errno);
    if (::lstat(bersaglio_.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        ::unlink(temporaneo.c_str());
        return Tipo(info.st_mode);
    }
    if (::rename(temporaneo.c_str(), bersaglio_.c_str()) != 0) {
        const int codice = errno;
        ::unlink(temporaneo.c_str());
        return DescriviErrore(codice);
    }
    return {};
}

} // namespace vortilla
