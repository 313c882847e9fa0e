// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Campi.h"
#include "serie/Risultato.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The pieces of the JSON format, and its sections on money and on the
// archive. The keys of every object come in alphabetical order.
namespace vortilla::json {

inline void Chiave(std::string& t, std::string_view chiave)
{
    t += '"';
    t += chiave;
    t += "\": ";
}

inline void Intero(std::string& t, std::string_view chiave, std::uint64_t n)
{
    Chiave(t, chiave);
    campi::Intero(t, n);
}

inline void Reale(std::string& t, std::string_view chiave, double x)
{
    Chiave(t, chiave);
    campi::Reale(t, x);
}

inline void Reale(std::string& t, std::string_view chiave, const std::optional<double>& x)
{
    Chiave(t, chiave);
    if (x)
        campi::Reale(t, *x);
    else
        t += "null";
}

inline void Stringa(std::string& t, std::string_view chiave, std::string_view testo)
{
    Chiave(t, chiave);
    campi::StringaJson(t, testo);
}

inline void Coppia(std::string& t, std::string_view chiave,
                   const std::optional<std::array<double, 2>>& coppia)
{
    Chiave(t, chiave);
    if (!coppia) {
        t += "null";
        return;
    }
    t += '[';
    campi::Reale(t, (*coppia)[0]);
    t += ", ";
    campi::Reale(t, (*coppia)[1]);
    t += ']';
}

// "premi": ..., and "archivio": ..., each followed by ",\n".
void Premi(const Risultato& r, std::string& t);
void Archivio(const Risultato& r, std::string& t);

} // namespace vortilla::json
