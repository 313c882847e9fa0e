// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>
#include <vector>

namespace vortilla {

// Calls fai(token) for each token of a combination line, in order: tokens are
// separated by single spaces, so two spaces in a row leave an empty token
// between them. An empty line has no token.
template <typename Azione>
void PerOgniToken(std::string_view riga, Azione&& fai)
{
    if (riga.empty())
        return;
    // Tokens are one or two characters long: a plain walk is cheaper than a
    // library search per token.
    const char* const testo = riga.data();
    const std::size_t n = riga.size();
    std::size_t inizio = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (testo[i] == ' ') {
            fai(std::string_view(testo + inizio, i - inizio));
            inizio = i + 1;
        }
    }
    fai(std::string_view(testo + inizio, n - inizio));
}

// The tokens of `riga` as views into it.
inline std::vector<std::string_view> DividiToken(std::string_view riga)
{
    std::vector<std::string_view> token;
    PerOgniToken(riga, [&](std::string_view t) { token.push_back(t); });
    return token;
}

} // namespace vortilla
