// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <bit>
#include <cstdint>

namespace vortilla {

// A set of numbers 1..128 as two 64-bit words: number n is bit n-1.
struct Maschera {
    std::uint64_t basso = 0; // numbers 1..64
    std::uint64_t alto = 0;  // numbers 65..128

    // 1 <= n <= 128
    bool Contiene(int n) const
    {
        return n <= 64 ? (basso >> (n - 1)) & 1u : (alto >> (n - 65)) & 1u;
    }
    void Aggiungi(int n)
    {
        if (n <= 64)
            basso |= std::uint64_t{1} << (n - 1);
        else
            alto |= std::uint64_t{1} << (n - 65);
    }
    int Quanti() const { return std::popcount(basso) + std::popcount(alto); }
    friend bool operator==(const Maschera&, const Maschera&) = default;
};

} // namespace vortilla
