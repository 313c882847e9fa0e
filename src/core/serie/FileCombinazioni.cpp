// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/FileCombinazioni.h"

#include "combinations/ApriFileRegolare.h"
#include "combinations/EsaminaFile.h"
#include "errors/ErroreNumerato.h"
#include "errors/MessaggioErrore.h"
#include "serie/DescriviErrore.h"
#include "serie/Destinazione.h"
#include "serie/Temporanei.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <new>

#include <fcntl.h>
#include <unistd.h>

namespace vortilla {
namespace {

std::string Proc(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

bool ProcDisponibile() { return ::access("/proc/self/fd", X_OK) == 0; }

// A pipe, a socket or a terminal cannot be read twice.
bool DaCopiare(const struct stat& info, int fd)
{
    return S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) || ::isatty(fd) == 1;
}

// Standard input into a temporary file with no name; -1 after a refusal.
int CopiaIngresso(Rifiuto& rifiuto)
{
    const char* tmp = std::getenv("TMPDIR");
    const int fd = CreaAnonimo(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp", 0600);
    if (fd < 0) {
        rifiuto = {0, "copia dello standard input non riuscita: " + DescriviErrore(-fd)};
        return -1;
    }
    std::vector<char> blocco(1 << 16);
    for (;;) {
        const ssize_t letti = ::read(STDIN_FILENO, blocco.data(), blocco.size());
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti == 0)
            return fd;
        if (letti < 0) {
            rifiuto = {0, "lettura dello standard input non riuscita: " + DescriviErrore(errno)};
            break;
        }
        const std::string_view dati(blocco.data(), static_cast<std::size_t>(letti));
        if (const int errore = ScriviDescrittore(fd, dati)) {
            rifiuto = {0, "copia dello standard input non riuscita: " + DescriviErrore(errore)};
            break;
        }
    }
    ::close(fd);
    return -1;
}

// A reading as the window's validation and load make it, caught as their
// handlers catch it: any numbered error, and 7 when memory runs out.
template <typename Lettura>
std::optional<std::int32_t> Leggi(Lettura&& lettura, std::int32_t& numero)
{
    try {
        return lettura();
    } catch (const ErroreNumerato& errore) {
        numero = errore.numero();
    } catch (const std::bad_alloc&) {
        numero = errori::MemoriaEsaurita;
    }
    return std::nullopt;
}

} // namespace

std::string TestoRifiuto(const Rifiuto& rifiuto)
{
    if (rifiuto.numero == 0)
        return rifiuto.parole;
    std::string testo = MessaggioErrore(rifiuto.numero);
    std::replace(testo.begin(), testo.end(), '|', ' ');
    return rifiuto.parole.empty() ? testo : testo + " (" + rifiuto.parole + ")";
}

FileCombinazioni::FileCombinazioni(std::string nome, int fd, bool perNome)
    : nome_(std::move(nome)), percorso_(perNome ? nome_ : Proc(fd)), fd_(fd), perNome_(perNome)
{
    if (fd_ >= 0)
        ::fstat(fd_, &prima_);
}

FileCombinazioni::~FileCombinazioni()
{
    if (fd_ > STDIN_FILENO)
        ::close(fd_);
}

std::unique_ptr<FileCombinazioni> FileCombinazioni::Apri(const std::string& nome, Rifiuto& rifiuto)
{
    const bool proc = ProcDisponibile();
    if (nome == "-") {
        if (!proc) {
            rifiuto = {0, "lo standard input si legge solo dove /proc è montato"};
            return nullptr;
        }
        struct stat info {};
        if (::fstat(STDIN_FILENO, &info) != 0) {
            rifiuto = {0, "standard input chiuso"};
            return nullptr;
        }
        const int fd = DaCopiare(info, STDIN_FILENO) ? CopiaIngresso(rifiuto) : STDIN_FILENO;
        if (fd < 0)
            return nullptr;
        return std::unique_ptr<FileCombinazioni>(new FileCombinazioni(nome, fd, false));
    }
    try {
        const int fd = ApriFileRegolare(nome);
        return std::unique_ptr<FileCombinazioni>(new FileCombinazioni(nome, fd, !proc));
    } catch (const ErroreNumerato& errore) {
        rifiuto = FileCombinazioni(nome, -1, true).Numerato(errore.numero());
        return nullptr;
    }
}

// Where the window's table gives only the number, words say what it is.
Rifiuto FileCombinazioni::Numerato(std::int32_t numero) const
{
    Rifiuto r{numero, {}};
    struct stat info {};
    switch (numero) {
    case errori::AccessoNegato:
        r.parole = ::stat(percorso_.c_str(), &info) == 0 && S_ISDIR(info.st_mode)
                       ? "è una cartella"
                       : "accesso negato";
        break;
    case errori::PermessoNegato: r.parole = "permesso negato"; break;
    case errori::ErroreIngressoUscita: r.parole = "errore di lettura"; break;
    case errori::TroppiFileAperti: r.parole = "troppi file aperti"; break;
    default: break;
    }
    return r;
}

std::optional<std::int32_t> FileCombinazioni::Verifica(Rifiuto& rifiuto)
{
    FileAperti registro;
    std::int32_t numero = 0;
    std::vector<std::string> nessuna;
    const auto elementi = Leggi(
        [&] { return EsaminaFile(percorso_, LimitiCaricamento, registro, nessuna, 0); }, numero);
    if (!elementi) {
        rifiuto = Numerato(numero);
        return std::nullopt;
    }
    elementi_ = *elementi;
    return elementi_;
}

std::optional<std::vector<std::string>> FileCombinazioni::Carica(std::size_t quante,
                                                                 Rifiuto& rifiuto)
{
    FileAperti registro;
    std::int32_t numero = 0;
    std::vector<std::string> righe;
    const auto elementi = Leggi(
        [&] { return EsaminaFile(percorso_, LimitiCaricamento, registro, righe, quante); }, numero);
    if (!elementi) {
        rifiuto = Numerato(numero);
        return std::nullopt;
    }
    if (*elementi != elementi_ || Cambiato()) {
        rifiuto = {LetturaOltreLaFine, "il file è cambiato tra le due letture"};
        return std::nullopt;
    }
    return righe;
}

bool FileCombinazioni::Cambiato() const
{
    struct stat dopo {};
    if (::fstat(fd_, &dopo) != 0)
        return true;
    if (dopo.st_size != prima_.st_size || dopo.st_mtim.tv_sec != prima_.st_mtim.tv_sec
        || dopo.st_mtim.tv_nsec != prima_.st_mtim.tv_nsec)
        return true;
    // Read by its name, the name must still be the file held open.
    struct stat nome {};
    return perNome_
           && (::stat(nome_.c_str(), &nome) != 0 || nome.st_dev != dopo.st_dev
               || nome.st_ino != dopo.st_ino);
}

} // namespace vortilla
