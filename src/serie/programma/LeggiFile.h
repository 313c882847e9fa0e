// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Validates the file and reads its first `quante` lines exactly as the
// window's load does, through the same code. A refused file is reported on
// stderr as "vortilla-serie: FILE: message", with the window's
// message, and gives nothing.
std::optional<std::vector<std::string>> LeggiFile(const std::string& percorso,
                                                  const std::string& nome, std::size_t quante);
