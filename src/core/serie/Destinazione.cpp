// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Destinazione.h"

#include <cerrno>

#include <unistd.h>

namespace vortilla {

void Destinazione::Scrivi(std::string_view testo)
{
    // After a failure Svuota() only empties, so nothing more is written.
    if (raccolto_.size() + testo.size() > Capienza && Svuota() != 0)
        return;
    if (testo.size() >= Capienza)
        errore_ = ScriviTutto(testo);
    else
        raccolto_.append(testo);
}

int Destinazione::Svuota()
{
    if (errore_ == 0 && !raccolto_.empty())
        errore_ = ScriviTutto(raccolto_);
    raccolto_.clear();
    return errore_;
}

int ScriviDescrittore(int fd, std::string_view testo)
{
    while (!testo.empty()) {
        const ssize_t scritti = ::write(fd, testo.data(), testo.size());
        if (scritti < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        // A file that takes nothing would loop forever; it is full.
        if (scritti == 0)
            return ENOSPC;
        testo.remove_prefix(static_cast<std::size_t>(scritti));
    }
    return 0;
}

int DestinazioneDescrittore::ScriviTutto(std::string_view testo)
{
    return ScriviDescrittore(fd_, testo);
}

} // namespace vortilla
