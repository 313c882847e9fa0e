// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vortilla {

// Turns UTF-16 bytes into UTF-8 as they arrive in pieces: a code unit or a
// surrogate pair may be split between two pieces. Broken units (a lone
// surrogate, an odd last byte) become U+FFFD, which no rule accepts as part of
// a number, so they cannot slip through as digits or separators.
class DecodificaUtf16 {
public:
    explicit DecodificaUtf16(bool bigEndian) : bigEndian_(bigEndian) {}

    // Appends the UTF-8 text of `byte` to `uscita`.
    void Converti(std::string_view byte, std::string& uscita);
    // Appends what is left pending at the end of the input.
    void Concludi(std::string& uscita);

private:
    void Unita(std::uint16_t unita, std::string& uscita);

    bool bigEndian_;
    bool byteInAttesa_ = false;
    unsigned char primoByte_ = 0;
    std::uint16_t surrogatoAlto_ = 0; // 0 when none is pending
};

} // namespace vortilla
