// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Porte.h"

#include <cstdint>
#include <random>

namespace vortilla {

// The program's random source: a 64-bit Mersenne Twister.
class GeneratoreStandard final : public GeneratoreCasuale {
public:
    // Starts from the operating system's entropy source.
    GeneratoreStandard();
    // Starts from a fixed seed, so that a run can be repeated.
    explicit GeneratoreStandard(std::uint64_t seme);

    // Mixes the number into the current state; never restarts from it alone.
    void Rimescola(double seme) override;
    // Uniform in [0, 1), every multiple of 2^-53 equally likely.
    double Prossimo() override;

private:
    std::mt19937_64 motore_;
};

} // namespace vortilla
