// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ArrayControlli.h"

#include <cstdint>

namespace vortilla {

// Lays out elements Inizio, Inizio+1, ..., Fine of a control array in rows of
// PerRiga, starting where element Inizio stands, creating the elements above
// the array's highest index. Each element starts SpazioX after the right edge
// of its left neighbour; each row starts SpazioY below the previous one, rows
// being as high as element Inizio. PerRiga <= 0 means one single row.
// With ImpostaTab each element takes ++ContaTab as its tab index.
// Raises error 6 when an index, the row counter or ContaTab would leave the
// 16-bit range.
void DisponiAvanti(std::int16_t Inizio, std::int16_t Fine, std::int16_t PerRiga,
                   std::int16_t SpazioX, std::int16_t SpazioY, bool ImpostaTab, bool ImpostaCaption,
                   bool PortaAvanti, ArrayControlli& Controlli, std::int16_t& ContaTab);

// The same, walking Inizio, Inizio-1, ..., Fine and creating the elements
// below the array's lowest index: the highest index lands top left.
void DisponiIndietro(std::int16_t Inizio, std::int16_t Fine, std::int16_t PerRiga,
                     std::int16_t SpazioX, std::int16_t SpazioY, bool ImpostaTab,
                     bool ImpostaCaption, bool PortaAvanti, ArrayControlli& Controlli,
                     std::int16_t& ContaTab);

} // namespace vortilla
