// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/DecodificaUtf16.h"

namespace vortilla {
namespace {

void ScriviUtf8(char32_t c, std::string& uscita)
{
    if (c < 0x80) {
        uscita += static_cast<char>(c);
    } else if (c < 0x800) {
        uscita += static_cast<char>(0xC0 | (c >> 6));
        uscita += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        uscita += static_cast<char>(0xE0 | (c >> 12));
        uscita += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        uscita += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        uscita += static_cast<char>(0xF0 | (c >> 18));
        uscita += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        uscita += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        uscita += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char32_t Sostituto = 0xFFFD;

bool Alto(std::uint16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool Basso(std::uint16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

} // namespace

void DecodificaUtf16::Converti(std::string_view byte, std::string& uscita)
{
    for (char b : byte) {
        const auto c = static_cast<unsigned char>(b);
        if (!byteInAttesa_) {
            primoByte_ = c;
            byteInAttesa_ = true;
            continue;
        }
        byteInAttesa_ = false;
        const auto unita =
            static_cast<std::uint16_t>(bigEndian_ ? (primoByte_ << 8) | c : (c << 8) | primoByte_);
        Unita(unita, uscita);
    }
}

void DecodificaUtf16::Unita(std::uint16_t unita, std::string& uscita)
{
    if (surrogatoAlto_ != 0) {
        const std::uint16_t alto = surrogatoAlto_;
        surrogatoAlto_ = 0;
        if (Basso(unita)) {
            ScriviUtf8(0x10000 + ((char32_t{alto} - 0xD800) << 10) + (unita - 0xDC00), uscita);
            return;
        }
        ScriviUtf8(Sostituto, uscita);
    }
    if (Alto(unita))
        surrogatoAlto_ = unita;
    else
        ScriviUtf8(Basso(unita) ? Sostituto : char32_t{unita}, uscita);
}

void DecodificaUtf16::Concludi(std::string& uscita)
{
    if (surrogatoAlto_ != 0)
        ScriviUtf8(Sostituto, uscita);
    if (byteInAttesa_)
        ScriviUtf8(Sostituto, uscita);
    surrogatoAlto_ = 0;
    byteInAttesa_ = false;
}

} // namespace vortilla
