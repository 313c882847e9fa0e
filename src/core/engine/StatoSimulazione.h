// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vortilla {

// The simulation record shared by the whole program: settings, loaded
// combinations, draw counter and cumulative tally. Exactly one exists, owned
// by DatiProgramma.
struct StatoSimulazione {
    static constexpr std::size_t MassimoCombinazioni = 500;
    static constexpr std::size_t PuntiPossibili = 11; // points 0..10

    std::int16_t NumeriMax = 0;      // balls on the board: 1..NumeriMax
    std::int16_t NumeroMassimo = 0;  // numbers are drawn from 1..NumeroMassimo
    std::int16_t NumeriEstratti = 0; // distinct numbers taken by one draw

    // Normalised combination lines, in file order. Entry j-1 is line j.
    std::vector<std::string> Combinazioni;
    std::int16_t NumCombinazioni = 0; // == Combinazioni.size(), at most 500

    std::int16_t Tentativi = 0;                               // draws since start or reset
    std::array<std::int16_t, PuntiPossibili> VinciteTotali{}; // by points 0..10

    // The settings the main window gives at load.
    void ImpostaAvvio()
    {
        NumeriMax = 90;
        NumeriEstratti = 20;
        NumeroMassimo = 90;
    }

    // Click on the option: element 0 (" 6 estratti") chooses 6, any other 20.
    // Only the next draw notices.
    void Scegli(std::int16_t indiceOpzione) { NumeriEstratti = indiceOpzione == 0 ? 6 : 20; }
};

} // namespace vortilla
