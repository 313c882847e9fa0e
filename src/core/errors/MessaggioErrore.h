// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace vortilla {

// The text the user reads for an error number ("|" breaks the line). A number
// the table does not know reads "Si è verificato l' errore: " and the number.
std::string MessaggioErrore(std::int32_t numero);

} // namespace vortilla
