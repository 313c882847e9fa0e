// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

namespace vortilla {

// The two byte searches that the check of a large file spends its time in,
// sixteen bytes at a time where the processor allows it.

// Index of the first ',', CR or LF in p[0..n), or n.
std::size_t CercaFineElemento(const char* p, std::size_t n);

// True when p[0..n) holds none of Tab, CR, ",", "." and ":", and no two
// spaces in a row.
bool SoloSpaziSingoli(const char* p, std::size_t n);

} // namespace vortilla
