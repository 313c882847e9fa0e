// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "errors/MessaggioErrore.h"

#include <array>
#include <string_view>
#include <utility>

namespace vortilla {
namespace {

// Looked up by equality, in this order. "vadido" is the program's own
// wording and is kept as users have always read it.
constexpr std::array<std::pair<std::int32_t, std::string_view>, 18> Tabella{{
    {6, "Overflow ..!"},
    {7, "Memoria esaurita ..!"},
    {9, "Azione negata ..!"},
    {11, "Divisione per zero ..!"},
    {13, "Incompatibilità ..!"},
    {14, "Spazio stringhe esaurito ..!"},
    {28, "Spazio stack esaurito ..!"},
    {52, "Nome o numero di file non vadido ..!"},
    {53, "File non trovato ..!"},
    {54, "Modalità apertura non valida ..!"},
    {55, "File già aperto ..!"},
    {61, "Disco pieno ..!"},
    {62, "Lettura oltre la fine del file ..!"},
    {68, "Periferica inaccessibile ..!"},
    {76, "Impossibile trovare il percorso ..!"},
    {100, "La lunghezza delle combinazioni|non è conforme al tipo di gioco ..!"},
    {101, "Il file è vuoto ..!"},
    {102, "Il file contiene numeri 0|oppure superiori al 90 ..!"},
}};

} // namespace

std::string MessaggioErrore(std::int32_t numero)
{
    for (const auto& [voce, testo] : Tabella)
        if (voce == numero)
            return std::string(testo);
    return "Si è verificato l' errore: " + std::to_string(numero);
}

} // namespace vortilla
