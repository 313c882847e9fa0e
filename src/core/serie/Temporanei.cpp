// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Temporanei.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace vortilla {
namespace {

// A fixed table, never allocated, so that a signal handler can walk it.
struct Posto {
    std::atomic<int> stato{0}; // 0 free, 1 being filled, 2 holds a name
    char nome[PATH_MAX];
};
std::array<Posto, 4> posti;
static_assert(std::atomic<int>::is_always_lock_free, "read from a signal handler");

} // namespace

bool SenzaTmpfile(int codice)
{
    // What kernels and file systems without O_TMPFILE answer.
    return codice == EOPNOTSUPP || codice == EISDIR || codice == EINVAL;
}

NomeTemporaneo::NomeTemporaneo(const std::string& nome) : posto_(-1)
{
    if (nome.size() >= PATH_MAX)
        return;
    for (std::size_t i = 0; i < posti.size(); ++i) {
        int libero = 0;
        if (posti[i].stato.compare_exchange_strong(libero, 1)) {
            std::memcpy(posti[i].nome, nome.c_str(), nome.size() + 1);
            posti[i].stato.store(2);
            posto_ = static_cast<int>(i);
            return;
        }
    }
}

NomeTemporaneo::~NomeTemporaneo()
{
    if (posto_ >= 0)
        posti[static_cast<std::size_t>(posto_)].stato.store(0);
}

void RimuoviTemporanei() noexcept
{
    for (Posto& p : posti)
        if (p.stato.load() == 2)
            ::unlink(p.nome);
}

std::string NomeLibero(const std::string& cartella)
{
    static constexpr char cifre[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device entropia;
    std::string nome = cartella + "/.vortilla-";
    const std::size_t base = nome.size();
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        nome.resize(base);
        for (int i = 0; i < 10; ++i)
            nome += cifre[entropia() % (sizeof cifre - 1)];
        if (::access(nome.c_str(), F_OK) != 0 && errno == ENOENT)
            break;
    }
    return nome;
}

int CreaAnonimo(const std::string& cartella, mode_t modo)
{
    int fd = ::open(cartella.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, modo);
    if (fd >= 0 || !SenzaTmpfile(errno))
        return fd >= 0 ? fd : -errno;
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        const std::string nome = NomeLibero(cartella);
        const NomeTemporaneo registrato(nome);
        fd = ::open(nome.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, modo);
        if (fd >= 0) {
            ::unlink(nome.c_str());
            return fd;
        }
        if (errno != EEXIST)
            return -errno;
    }
    return -EEXIST;
}

} // namespace vortilla
