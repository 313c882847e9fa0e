// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace vortilla {

// Opens `percorso` for reading if it names a regular file, and returns its
// descriptor. Anything else is refused before a byte is read, with the number
// the message table knows for it: 53 no such file, 76 no such folder,
// 68 a FIFO, device or socket (which could block or never end), 75 a folder,
// 52 an empty name or one holding a NUL, 70 no permission.
// Raises ErroreNumerato.
int ApriFileRegolare(const std::string& percorso);

} // namespace vortilla
