// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "combinations/ControllaRiga.h"
#include "combinations/FileTesto.h"
#include "errors/FileAperti.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vortilla {

// Reads every non-empty item of the file, normalises it and checks the line;
// the first `daConservare` lines go to the end of `righe`. Both the
// validation and the load go through here, so a load can only store what
// passes the same rules, even if the file changed since it was validated.
// Returns the count of non-empty items. Raises ErroreNumerato at the first
// failure: a file error, a bad line (ControllaRiga), an item too long (14),
// and 101 when the file holds no non-empty item. Holds the file open, in
// `registro`, only while it runs.
std::int32_t EsaminaFile(const std::string& percorso, const LimitiGioco& limiti,
                         FileAperti& registro, std::vector<std::string>& righe,
                         std::size_t daConservare,
                         std::size_t blocco = FileTesto::BloccoPredefinito);

} // namespace vortilla
