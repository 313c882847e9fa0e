// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "combinations/FileTesto.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vortilla {

// Splits a combination file into items, the one way both the validation and
// the load read it:
// - an item ends at a comma or a line end (CR LF, a lone LF or a lone CR) or
//   at the end of the file;
// - spaces in front of an item are skipped;
// - an item that then starts with a double quote runs to the next double
//   quote (or to the end of the file), commas and line ends included; what
//   follows the closing quote up to the next comma or line end is dropped;
// - items that are empty, or unquoted and made of spaces and tabs only, are
//   skipped.
// Memory stays bounded whatever the file: an item longer than
// LunghezzaMassima bytes raises error 14.
class LettoreElementi {
public:
    static constexpr std::size_t LunghezzaMassima = 64 * 1024;

    LettoreElementi(const std::string& percorso, FileAperti& registro,
                    std::size_t blocco = FileTesto::BloccoPredefinito);

    // The next non-empty item, without its quotes, in `elemento`, valid until
    // the next call. False at the end of the file.
    bool Prossimo(std::string_view& elemento);

    // For a caller that can take common items faster on its own: the rest
    // of the current block when the reader stands where an item starts
    // (reading the next block if this one is spent), else empty. Salta(n)
    // then moves past its first n bytes, which must end where an item ends
    // (just after a ',', CR or LF); Prossimo goes on from there.
    std::string_view Anteprima();
    void Salta(std::size_t n);

private:
    enum class Stato { InizioElemento, Libero, TraVirgolette, DopoVirgolette };

    bool Riempi();
    bool Concludi(std::string_view& elemento);
    bool Chiudi(std::string_view pezzo, std::string_view& elemento);
    void Accumula(std::string_view pezzo);

    FileTesto file_;
    std::string_view resto_; // what the current block still holds
    std::string accumulo_;   // an item that spans two blocks
    Stato stato_ = Stato::InizioElemento;
    bool quotato_ = false;
    bool esaurito_ = false;
};

} // namespace vortilla
