// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "combinations/DecodificaUtf16.h"
#include "errors/FileAperti.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vortilla {

// A combination file read block by block as 8-bit text. A UTF-8 byte-order
// mark at the start is skipped; a file that starts with a UTF-16 mark (either
// byte order) is turned into UTF-8 as it is read; anything else comes as it
// is. The file stays registered in `registro` while open.
class FileTesto {
public:
    static constexpr std::size_t BloccoPredefinito = 64 * 1024;

    // Raises ErroreNumerato when the file cannot be opened (ApriFileRegolare).
    // `blocco` > 0 is the most bytes asked of the system at once.
    FileTesto(const std::string& percorso, FileAperti& registro,
              std::size_t blocco = BloccoPredefinito);

    // The next stretch of text, valid until the next call; empty once the
    // file is exhausted. Raises ErroreNumerato on a read error, and 52 when
    // the file was closed under its reader.
    std::string_view Leggi();

private:
    std::size_t LeggiGrezzo(std::size_t da);
    std::string_view Primo();

    DescrittoreFile file_;
    std::vector<char> grezzo_;
    std::string convertito_;
    std::optional<DecodificaUtf16> utf16_;
    bool iniziato_ = false;
    bool finito_ = false;
};

} // namespace vortilla
