// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "errors/CanaleDialogo.h"
#include "errors/FileAperti.h"

namespace vortilla {

// What error reporting needs of the program's shared data: the files to
// close before speaking, and the dialog channel to speak through.
struct DatiErrori {
    CanaleDialogo Canale;
    FileAperti File; // what MostraErrore closes
};

} // namespace vortilla
