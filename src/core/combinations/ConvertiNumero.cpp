// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/ConvertiNumero.h"

#include "errors/ErroreNumerato.h"

namespace vortilla {

std::int16_t ConvertiNumero(std::string_view token)
{
    bool negativo = false;
    if (!token.empty() && (token.front() == '+' || token.front() == '-')) {
        negativo = token.front() == '-';
        token.remove_prefix(1);
    }
    if (token.empty())
        throw ErroreNumerato(errori::Incompatibilita);

    // Keep accumulating past the range only far enough to know it overflowed,
    // so a long run of digits cannot wrap; the form is checked to the end
    // first, because "99999x" is a mismatch, not an overflow.
    constexpr long limite = 32768;
    long valore = 0;
    for (char c : token) {
        if (c < '0' || c > '9')
            throw ErroreNumerato(errori::Incompatibilita);
        if (valore <= limite)
            valore = valore * 10 + (c - '0');
    }
    if (negativo)
        valore = -valore;
    if (valore > 32767 || valore < -32768)
        throw ErroreNumerato(errori::Overflow);
    return static_cast<std::int16_t>(valore);
}

} // namespace vortilla
