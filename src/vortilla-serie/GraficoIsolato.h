// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Risultato.h"

#include <optional>
#include <string>

// Draws the chart (SVG or PNG) in a child process and returns its bytes, or
// nothing with the reason in `errore`. Qt ends a process on some failures
// (no platform plugin, too few file descriptors, memory that runs out while
// drawing); in a child they cannot take the results with them, and become a
// message.
std::optional<std::string> DisegnaIsolato(const vortilla::Risultato& r, bool svg,
                                          std::string& errore);
