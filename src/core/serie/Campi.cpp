// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Campi.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace vortilla::campi {
namespace {

constexpr std::string_view Sostituto = "\xEF\xBF\xBD"; // U+FFFD

// Length of the well-formed UTF-8 sequence at the start of `t`, 0 if none.
std::size_t Sequenza(std::string_view t)
{
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(t[i]); };
    const unsigned char primo = b(0);
    if (primo < 0x80)
        return 1;
    std::size_t lunghezza = 0;
    unsigned char basso = 0x80, alto = 0xBF; // the second byte's range
    if (primo >= 0xC2 && primo <= 0xDF)
        lunghezza = 2;
    else if (primo >= 0xE0 && primo <= 0xEF) {
        lunghezza = 3;
        basso = primo == 0xE0 ? 0xA0 : 0x80; // no overlong forms
        alto = primo == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (primo >= 0xF0 && primo <= 0xF4) {
        lunghezza = 4;
        basso = primo == 0xF0 ? 0x90 : 0x80;
        alto = primo == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
    } else
        return 0;
    if (t.size() < lunghezza || b(1) < basso || b(1) > alto)
        return 0;
    for (std::size_t i = 2; i < lunghezza; ++i)
        if (b(i) < 0x80 || b(i) > 0xBF)
            return 0;
    return lunghezza;
}

} // namespace

void Intero(std::string& s, std::uint64_t n)
{
    std::array<char, 24> testo;
    const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(), n).ptr;
    s.append(testo.data(), fine);
}

void Reale(std::string& s, double x)
{
    if (!std::isfinite(x)) {
        s += "null";
        return;
    }
    std::array<char, 32> testo;
    x += 0.0; // -0 is 0
    const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(), x).ptr;
    s.append(testo.data(), fine);
}

void Fisso(std::string& s, double x, int decimali, int larghezza)
{
    std::array<char, 352> testo; // the widest double in fixed notation fits
    x += 0.0;                    // -0 is 0
    const auto esito = std::to_chars(testo.data(), testo.data() + testo.size(), x,
                                     std::chars_format::fixed, decimali);
    ADestra(s, std::string_view(testo.data(), esito.ptr), larghezza);
}

void Significative(std::string& s, double x, int decimali, int larghezza)
{
    const double a = std::fabs(x);
    if (a == 0 || !std::isfinite(a) || a >= std::pow(10.0, 1 - decimali)) {
        Fisso(s, x, decimali, larghezza);
        return;
    }
    const int servono = 1 - static_cast<int>(std::floor(std::log10(a)));
    if (servono <= 12) {
        Fisso(s, x, std::max(decimali, servono), larghezza);
        return;
    }
    std::array<char, 32> testo;
    const auto esito = std::to_chars(testo.data(), testo.data() + testo.size(), x,
                                     std::chars_format::scientific, 1);
    ADestra(s, std::string_view(testo.data(), esito.ptr), larghezza);
}

void ADestra(std::string& s, std::string_view testo, int larghezza)
{
    const auto l = static_cast<std::size_t>(larghezza);
    if (testo.size() < l)
        s.append(l - testo.size(), ' ');
    s += testo;
}

void InteroADestra(std::string& s, std::uint64_t n, int larghezza)
{
    std::string testo;
    Intero(testo, n);
    ADestra(s, testo, larghezza);
}

void Utf8(std::string& s, std::string_view testo)
{
    // Nearly every text is plain ASCII.
    std::size_t ascii = 0;
    while (ascii < testo.size() && static_cast<unsigned char>(testo[ascii]) < 0x80)
        ++ascii;
    s += testo.substr(0, ascii);
    testo.remove_prefix(ascii);
    while (!testo.empty()) {
        const std::size_t n = Sequenza(testo);
        if (n == 0) {
            s += Sostituto;
            testo.remove_prefix(1);
        } else {
            s += testo.substr(0, n);
            testo.remove_prefix(n);
        }
    }
}

void StringaJson(std::string& s, std::string_view testo)
{
    std::string valido;
    Utf8(valido, testo);
    s += '"';
    for (const char c : valido) {
        switch (c) {
        case '"': s += "\\\""; break;
        case '\\': s += "\\\\"; break;
        case '\b': s += "\\b"; break;
        case '\f': s += "\\f"; break;
        case '\n': s += "\\n"; break;
        case '\r': s += "\\r"; break;
        case '\t': s += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr std::string_view cifre = "0123456789abcdef";
                s += "\\u00";
                s += cifre[static_cast<unsigned char>(c) >> 4];
                s += cifre[static_cast<unsigned char>(c) & 0xF];
            } else
                s += c;
        }
    }
    s += '"';
}

void CampoCsv(std::string& s, std::string_view testo)
{
    if (testo.find_first_of("\",\r\n") == std::string_view::npos) {
        Utf8(s, testo);
        return;
    }
    std::string valido;
    Utf8(valido, testo);
    s += '"';
    for (const char c : valido) {
        if (c == '"')
            s += '"';
        s += c;
    }
    s += '"';
}

} // namespace vortilla::campi
