// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/LettoreElementi.h"

#include "combinations/Scansione.h"
#include "errors/ErroreNumerato.h"

#include <cstring>

namespace vortilla {
namespace {

std::size_t FineElemento(std::string_view testo)
{
    return CercaFineElemento(testo.data(), testo.size());
}

std::size_t Virgolette(std::string_view testo)
{
    const void* trovato = std::memchr(testo.data(), '"', testo.size());
    return trovato ? static_cast<std::size_t>(static_cast<const char*>(trovato) - testo.data())
                   : testo.size();
}

bool SoloSpaziOTab(std::string_view testo)
{
    return testo.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

LettoreElementi::LettoreElementi(const std::string& percorso, FileAperti& registro,
                                 std::size_t blocco)
    : file_(percorso, registro, blocco)
{
}

bool LettoreElementi::Riempi()
{
    if (!esaurito_)
        resto_ = file_.Leggi();
    esaurito_ = resto_.empty();
    return !esaurito_;
}

void LettoreElementi::Accumula(std::string_view pezzo)
{
    if (accumulo_.size() + pezzo.size() > LunghezzaMassima)
        throw ErroreNumerato(errori::SpazioStringheEsaurito);
    accumulo_.append(pezzo);
}

// Ends the current item with `pezzo`, its last stretch; true when the item is
// one to hand out. An item held in one block is handed out in place.
bool LettoreElementi::Chiudi(std::string_view pezzo, std::string_view& elemento)
{
    if (accumulo_.empty()) {
        if (pezzo.size() > LunghezzaMassima)
            throw ErroreNumerato(errori::SpazioStringheEsaurito);
        elemento = pezzo;
    } else {
        Accumula(pezzo);
        elemento = accumulo_;
    }
    if (elemento.empty())
        return false;
    // Leading spaces were skipped, so only a leading tab can start a blank item.
    return quotato_ || elemento.front() != '\t' || !SoloSpaziOTab(elemento);
}

bool LettoreElementi::Concludi(std::string_view& elemento)
{
    const Stato stato = stato_;
    stato_ = Stato::InizioElemento;
    if (stato == Stato::Libero || stato == Stato::TraVirgolette)
        return Chiudi({}, elemento);
    return false;
}

std::string_view LettoreElementi::Anteprima()
{
    if (stato_ != Stato::InizioElemento)
        return {};
    if (resto_.empty())
        Riempi();
    return resto_;
}

void LettoreElementi::Salta(std::size_t n) { resto_.remove_prefix(n); }

bool LettoreElementi::Prossimo(std::string_view& elemento)
{
    // The usual item goes straight through: unquoted, with nothing to skip
    // in front, wholly inside the current block. Anything else takes the
    // general walk below, which gives the same item.
    if (stato_ == Stato::InizioElemento && !resto_.empty() && resto_.front() != ' '
        && resto_.front() != '"' && resto_.front() != '\t') {
        const std::size_t fine = FineElemento(resto_);
        if (fine > 0 && fine < resto_.size() && fine <= LunghezzaMassima) {
            elemento = resto_.substr(0, fine);
            resto_.remove_prefix(fine + 1);
            return true;
        }
    }
    for (;;) {
        if (resto_.empty() && !Riempi())
            return Concludi(elemento);
        switch (stato_) {
        case Stato::InizioElemento: {
            const auto primo = resto_.find_first_not_of(' ');
            if (primo == std::string_view::npos) {
                resto_ = {};
                break;
            }
            resto_.remove_prefix(primo);
            accumulo_.clear();
            quotato_ = resto_.front() == '"';
            if (quotato_) {
                resto_.remove_prefix(1);
                stato_ = Stato::TraVirgolette;
            } else {
                stato_ = Stato::Libero;
            }
            break;
        }
        case Stato::Libero: {
            const std::size_t fine = FineElemento(resto_);
            if (fine == resto_.size()) {
                Accumula(resto_);
                resto_ = {};
                break;
            }
            const std::string_view pezzo = resto_.substr(0, fine);
            resto_.remove_prefix(fine + 1);
            stato_ = Stato::InizioElemento;
            if (Chiudi(pezzo, elemento))
                return true;
            break;
        }
        case Stato::TraVirgolette: {
            const std::size_t fine = Virgolette(resto_);
            if (fine == resto_.size()) {
                Accumula(resto_);
                resto_ = {};
                break;
            }
            const std::string_view pezzo = resto_.substr(0, fine);
            resto_.remove_prefix(fine + 1);
            stato_ = Stato::DopoVirgolette;
            if (Chiudi(pezzo, elemento))
                return true;
            break;
        }
        case Stato::DopoVirgolette: {
            const std::size_t fine = FineElemento(resto_);
            if (fine == resto_.size()) {
                resto_ = {};
            } else {
                resto_.remove_prefix(fine + 1);
                stato_ = Stato::InizioElemento;
            }
            break;
        }
        }
    }
}

} // namespace vortilla
