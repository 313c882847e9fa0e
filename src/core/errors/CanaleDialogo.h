// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace vortilla {

// The values that callers and the two dialogs exchange instead of arguments.
// In both texts "|" marks a line break. Texts are UTF-8.
struct CanaleDialogo {
    std::string TestoMessaggio; // message dialog text
    std::string Pulsanti;       // its button captions, left to right, ","-separated
    std::int16_t Risposta = 0;  // 0 at load, then the pressed button counted from 1
    std::string TestoInfo;      // information dialog text
};

} // namespace vortilla
