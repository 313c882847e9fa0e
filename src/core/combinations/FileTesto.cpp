// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/FileTesto.h"

#include "combinations/ApriFileRegolare.h"
#include "errors/ErroreNumerato.h"

#include <cerrno>

#include <unistd.h>

namespace vortilla {
namespace {

std::int32_t NumeroPerErroreLettura(int codice)
{
    switch (codice) {
    case EBADF: return errori::NomeFileNonValido;
    case ENOMEM: return errori::MemoriaEsaurita;
    case EISDIR: return errori::AccessoNegato;
    default: return errori::ErroreIngressoUscita;
    }
}

bool IniziaCon(std::string_view testo, std::string_view marca)
{
    return testo.substr(0, marca.size()) == marca;
}

} // namespace

FileTesto::FileTesto(const std::string& percorso, FileAperti& registro, std::size_t blocco)
    : file_(registro, ApriFileRegolare(percorso)), grezzo_(blocco == 0 ? 1 : blocco)
{
}

std::size_t FileTesto::LeggiGrezzo(std::size_t da)
{
    for (;;) {
        const ssize_t letti = ::read(file_.Fd(), grezzo_.data() + da, grezzo_.size() - da);
        if (letti >= 0)
            return static_cast<std::size_t>(letti);
        if (errno != EINTR)
            throw ErroreNumerato(NumeroPerErroreLettura(errno));
    }
}

// The first block decides the encoding; it is filled until the longest mark
// fits, since a short read must not hide one.
std::string_view FileTesto::Primo()
{
    iniziato_ = true;
    std::size_t pieni = 0;
    while (pieni < 3 && pieni < grezzo_.size()) {
        const std::size_t letti = LeggiGrezzo(pieni);
        if (letti == 0)
            break;
        pieni += letti;
    }
    // A block too small to hold a mark is widened just for this.
    if (pieni == grezzo_.size() && pieni < 3) {
        grezzo_.resize(3);
        while (pieni < 3) {
            const std::size_t letti = LeggiGrezzo(pieni);
            if (letti == 0)
                break;
            pieni += letti;
        }
    }
    std::string_view testo(grezzo_.data(), pieni);
    if (IniziaCon(testo, "\xEF\xBB\xBF"))
        return testo.substr(3);
    const bool le = IniziaCon(testo, "\xFF\xFE");
    if (le || IniziaCon(testo, "\xFE\xFF")) {
        utf16_.emplace(!le);
        convertito_.clear();
        utf16_->Converti(testo.substr(2), convertito_);
        return convertito_;
    }
    return testo;
}

std::string_view FileTesto::Leggi()
{
    if (finito_)
        return {};
    // Blocks that turn out empty (a lone mark, half a UTF-16 unit) are not
    // the end of the file: go on until text or the real end comes.
    std::string_view testo = iniziato_ ? std::string_view{} : Primo();
    while (testo.empty()) {
        const std::size_t letti = LeggiGrezzo(0);
        if (letti == 0) {
            finito_ = true;
            if (!utf16_)
                return {};
            convertito_.clear();
            utf16_->Concludi(convertito_);
            return convertito_;
        }
        testo = std::string_view(grezzo_.data(), letti);
        if (utf16_) {
            convertito_.clear();
            utf16_->Converti(testo, convertito_);
            testo = convertito_;
        }
    }
    return testo;
}

} // namespace vortilla
