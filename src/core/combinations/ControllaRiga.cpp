// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/ControllaRiga.h"

#include "combinations/ConvertiNumero.h"
#include "combinations/Token.h"
#include "errors/Intero16.h"

namespace vortilla {
namespace {

bool Cifra(char c) { return c >= '0' && c <= '9'; }

// Nearly every token of a real file is one or two plain digits; their value
// is read here without a call, the rest goes through the common conversion.
std::int16_t Converti(std::string_view token)
{
    if (token.size() == 2 && Cifra(token[0]) && Cifra(token[1]))
        return static_cast<std::int16_t>((token[0] - '0') * 10 + (token[1] - '0'));
    if (token.size() == 1 && Cifra(token[0]))
        return static_cast<std::int16_t>(token[0] - '0');
    return ConvertiNumero(token);
}

} // namespace

void ControllaRiga(std::string_view riga, const LimitiGioco& limiti)
{
    std::int16_t conta = 0;
    PerOgniToken(riga, [&](std::string_view token) {
        const std::int16_t numero = Converti(token);
        if (numero > limiti.NumeroMassimo || numero < 1)
            throw ErroreNumerato(errori::NumeroFuoriGioco);
        conta = Somma16(conta, 1);
    });
    if (conta < limiti.Minimo || conta > limiti.Massimo)
        throw ErroreNumerato(errori::LunghezzaNonConforme);
}

} // namespace vortilla
