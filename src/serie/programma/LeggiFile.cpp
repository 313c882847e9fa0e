// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LeggiFile.h"

#include "combinations/ApriFileRegolare.h"
#include "combinations/EsaminaFile.h"
#include "engine/CaricaCombinazioni.h"
#include "errors/ErroreNumerato.h"
#include "errors/MessaggioErrore.h"
#include "serie/DescriviErrore.h"
#include "serie/Destinazione.h"
#include "serie/Temporanei.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <new>

#include <fcntl.h>
#include <unistd.h>

namespace {

using vortilla::ErroreNumerato;

constexpr std::int32_t LetturaOltreLaFine = 62;

std::string Proc(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

bool ProcDisponibile() { return ::access("/proc/self/fd", X_OK) == 0; }

// A pipe, a socket or a terminal on standard input cannot be read twice.
bool DaCopiare(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return false; // closed: the reading says so
    return S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) || ::isatty(fd) == 1;
}

void Rifiuta(const std::string& nome, const std::string& motivo)
{
    std::fprintf(stderr, "vortilla-serie: %s: %s\n", nome.c_str(), motivo.c_str());
}

// Standard input into a temporary file without a name; -1 after a refusal.
int CopiaIngresso()
{
    const char* tmp = std::getenv("TMPDIR");
    const int fd = vortilla::CreaAnonimo(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp", 0600);
    if (fd < 0) {
        Rifiuta("-",
                "copia dello standard input non riuscita: " + vortilla::DescriviErrore(-fd) + ".");
        return -1;
    }
    std::vector<char> blocco(1 << 16);
    for (;;) {
        const ssize_t letti = ::read(STDIN_FILENO, blocco.data(), blocco.size());
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti <= 0) {
            if (letti == 0)
                return fd;
            Rifiuta("-", "lettura dello standard input non riuscita: "
                             + vortilla::DescriviErrore(errno) + ".");
            break;
        }
        const std::string_view dati(blocco.data(), static_cast<std::size_t>(letti));
        if (const int errore = vortilla::ScriviDescrittore(fd, dati)) {
            Rifiuta("-", "copia dello standard input non riuscita: "
                             + vortilla::DescriviErrore(errore) + ".");
            break;
        }
    }
    ::close(fd);
    return -1;
}

} // namespace

FileCombinazioni::FileCombinazioni(std::string nome, int fd, bool perNome)
    : nome_(std::move(nome)), percorso_(perNome ? nome_ : Proc(fd)), fd_(fd), perNome_(perNome)
{
    ::fstat(fd_, &prima_);
}

FileCombinazioni::~FileCombinazioni()
{
    if (fd_ != STDIN_FILENO)
        ::close(fd_);
}

std::unique_ptr<FileCombinazioni> FileCombinazioni::Apri(const std::string& nome)
{
    const bool proc = ProcDisponibile();
    if (nome == "-") {
        if (!proc) {
            Rifiuta(nome, "lo standard input si legge solo con /proc montato.");
            return nullptr;
        }
        const int fd = DaCopiare(STDIN_FILENO) ? CopiaIngresso() : STDIN_FILENO;
        if (fd < 0)
            return nullptr;
        // Anything else, a regular file or not, is read, or refused, as a
        // named one would be.
        return std::unique_ptr<FileCombinazioni>(new FileCombinazioni(nome, fd, false));
    }
    try {
        const int fd = vortilla::ApriFileRegolare(nome);
        return std::unique_ptr<FileCombinazioni>(new FileCombinazioni(nome, fd, !proc));
    } catch (const ErroreNumerato& errore) {
        FileCombinazioni(nome, -1, true).Segnala(errore.numero());
        return nullptr;
    }
}

void FileCombinazioni::Segnala(std::int32_t numero, const std::string& parole) const
{
    std::string testo = vortilla::MessaggioErrore(numero);
    std::replace(testo.begin(), testo.end(), '|', ' ');
    // Where the window's table gives only the number, say what it is.
    std::string spiegazione = parole;
    struct stat info {};
    switch (parole.empty() ? numero : 0) {
    case vortilla::errori::AccessoNegato:
        spiegazione = ::stat(percorso_.c_str(), &info) == 0 && S_ISDIR(info.st_mode)
                          ? "è una cartella"
                          : "accesso negato";
        break;
    case vortilla::errori::PermessoNegato: spiegazione = "permesso negato"; break;
    case vortilla::errori::ErroreIngressoUscita: spiegazione = "errore di lettura"; break;
    case vortilla::errori::TroppiFileAperti: spiegazione = "troppi file aperti"; break;
    default: break;
    }
    if (!spiegazione.empty())
        testo += " (" + spiegazione + ")";
    Rifiuta(nome_, testo);
}

// Two readings run EsaminaFile as the window's validation and load do, and
// report the way their handlers do: any ErroreNumerato, and 7 when memory
// runs out.
template <typename Lettura>
static std::optional<std::int32_t> Leggi(Lettura&& lettura, std::int32_t& numero)
{
    try {
        return lettura();
    } catch (const ErroreNumerato& errore) {
        numero = errore.numero();
    } catch (const std::bad_alloc&) {
        numero = vortilla::errori::MemoriaEsaurita;
    }
    return std::nullopt;
}

std::optional<std::int32_t> FileCombinazioni::Verifica()
{
    vortilla::FileAperti registro;
    std::int32_t numero = 0;
    std::vector<std::string> nessuna;
    const auto elementi = Leggi(
        [&] {
            return vortilla::EsaminaFile(percorso_, vortilla::LimitiCaricamento, registro, nessuna,
                                         0);
        },
        numero);
    if (!elementi) {
        Segnala(numero);
        return std::nullopt;
    }
    elementi_ = *elementi;
    return elementi_;
}

std::optional<std::vector<std::string>> FileCombinazioni::Carica(std::size_t quante)
{
    vortilla::FileAperti registro;
    std::int32_t numero = 0;
    std::vector<std::string> righe;
    const auto elementi = Leggi(
        [&] {
            return vortilla::EsaminaFile(percorso_, vortilla::LimitiCaricamento, registro, righe,
                                         quante);
        },
        numero);
    if (!elementi) {
        Segnala(numero);
        return std::nullopt;
    }
    if (*elementi != elementi_ || Cambiato()) {
        Segnala(LetturaOltreLaFine, "il file è cambiato tra le due letture");
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
    // Read by name, the name must still be the file held open.
    struct stat nome {};
    return perNome_
           && (::stat(nome_.c_str(), &nome) != 0 || nome.st_dev != dopo.st_dev
               || nome.st_ino != dopo.st_ino);
}
