// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace vortilla {

// Where results go as they are produced: standard output, a file. Text is
// gathered into large writes; the first failure is kept, and everything
// written after it is dropped, so that a writer checks once, at the end.
class Destinazione {
public:
    Destinazione() { raccolto_.reserve(Capienza); }
    virtual ~Destinazione() = default;

    void Scrivi(std::string_view testo);
    // Hands on what is gathered. Returns 0, or the errno of the first failure.
    int Svuota();
    int Errore() const { return errore_; }

protected:
    // Writes all of `testo`; returns 0 or the errno of why it could not.
    virtual int ScriviTutto(std::string_view testo) = 0;

private:
    static constexpr std::size_t Capienza = 64 * 1024;
    std::string raccolto_;
    int errore_ = 0;
};

// An open file descriptor, such as standard output, written with checked
// writes. The descriptor stays open.
class DestinazioneDescrittore : public Destinazione {
public:
    explicit DestinazioneDescrittore(int fd) : fd_(fd) {}

protected:
    int ScriviTutto(std::string_view testo) override;

private:
    int fd_;
};

// Writes all of `testo` to `fd`, through short writes and interruptions.
// Returns 0 or the errno of the failure.
int ScriviDescrittore(int fd, std::string_view testo);

} // namespace vortilla
