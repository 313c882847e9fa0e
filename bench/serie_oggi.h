// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Sistema.h"

#include <cstdint>

namespace bench {

// The series as it ran before the bit-sliced kernels, on one thread: each
// draw from its own SplitMix64 stream by 32-bit picks, then every line's
// 128-bit mask ANDed with the draw's and counted. Kept as the anchor of the
// speed figures; lines with repeats are not supported. Returns a checksum.
std::uint64_t SerieOggi(const vortilla::Sistema& sistema, int estratti, std::uint64_t estrazioni);

} // namespace bench
