// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/Normalizza.h"

#include "combinations/Scansione.h"

#include <array>
#include <cstdint>

namespace vortilla {
namespace {

// The program has always normalised in six steps: trim, then replace Tab,
// CR, ",", "." and ":" by a space one after the other, then trim and halve
// double spaces once. Every separator ends up a space and every trim only
// eats spaces at the ends, so the whole comes down to: drop separators at
// both ends, and write each run of n separators inside as ceil(n/2) spaces.
// One pass keeps the check of a large file cheap.
constexpr std::array<std::uint8_t, 256> TabellaSeparatori = [] {
    std::array<std::uint8_t, 256> t{};
    t[' '] = t['\t'] = t['\r'] = t[','] = t['.'] = t[':'] = 1;
    return t;
}();

bool Separatore(char c) { return TabellaSeparatori[static_cast<unsigned char>(c)] != 0; }

} // namespace

std::string_view Normalizza(std::string_view elemento, std::string& spazio)
{
    std::size_t inizio = 0;
    std::size_t fine = elemento.size();
    while (inizio < fine && Separatore(elemento[inizio]))
        ++inizio;
    while (fine > inizio && Separatore(elemento[fine - 1]))
        --fine;

    // Most items are already lines: numbers and single spaces. They are
    // handed back as they are, without a copy.
    const std::string_view interno = elemento.substr(inizio, fine - inizio);
    if (SoloSpaziSingoli(interno.data(), interno.size()))
        return interno;

    if (spazio.size() < fine - inizio)
        spazio.resize(fine - inizio);
    char* const riga = spazio.data();
    // Written without branches: digits and separators alternate unpredictably,
    // and a mispredicted branch per character would cost more than the rest.
    // Every character is stored; the position moves past a separator only on
    // the 1st, 3rd, 5th... of its run.
    std::size_t scritti = 0;
    unsigned corsa = 0;
    for (std::size_t i = inizio; i < fine; ++i) {
        const char c = elemento[i];
        const unsigned separatore = TabellaSeparatori[static_cast<unsigned char>(c)];
        corsa = separatore ? corsa + 1 : 0;
        riga[scritti] = separatore ? ' ' : c;
        scritti += separatore ? (corsa & 1u) : 1u;
    }
    return {riga, scritti};
}

} // namespace vortilla
