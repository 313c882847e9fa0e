// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Maschera.h"

#include <cstdint>

namespace vortilla {

// The numbers of draw `indice` of the series started from `seme`: `quanti`
// distinct numbers out of 1..`massimo` (1 <= quanti <= massimo <= 128),
// uniformly. A draw depends only on (seme, indice), never on which draws were
// made before it or on which thread, so a series splits freely.
Maschera EstraiNumeri(std::uint64_t seme, std::uint64_t indice, int quanti, int massimo = 90);

} // namespace vortilla
