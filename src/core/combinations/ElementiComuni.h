// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "combinations/ControllaRiga.h"

#include <cstddef>
#include <string_view>

namespace vortilla {

// The head of a text that is made of whole items written the common way.
struct TestaComune {
    std::size_t byte = 0;     // its length; it ends with the ',', CR or LF of its last item
    std::size_t elementi = 0; // the non-empty items in it
};

// Nearly every item of a real file is one- or two-digit numbers with one
// space between them, ended by a line end or a comma. Such an item is its
// own combination line and holds only plain numbers, so it can be judged on
// the raw bytes of the block, sixteen at a time, without reading it out,
// normalising it or splitting it.
//
// `testo` must start where an item starts. Returns the longest head of whole
// items that are each empty or written the common way and valid under
// `limiti` (Minimo..Massimo numbers from 1 to NumeroMassimo, at most
// LettoreElementi::LunghezzaMassima bytes). The item reader and the line
// rules would give exactly these items and accept every one of them. The
// first item that is not taken, valid or not, is left to them.
TestaComune ElementiComuniInTesta(std::string_view testo, const LimitiGioco& limiti);

} // namespace vortilla
