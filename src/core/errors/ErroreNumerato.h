// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <exception>

namespace vortilla {

// A failure carried by its number, the way the message table knows it.
// Raised by the core wherever a rule fails; caught only where a handler
// reports it to the user.
class ErroreNumerato : public std::exception {
public:
    explicit ErroreNumerato(std::int32_t numero) noexcept : numero_(numero) {}
    std::int32_t numero() const noexcept { return numero_; }
    const char* what() const noexcept override { return "vortilla: errore numerato"; }

private:
    std::int32_t numero_;
};

namespace errori {
inline constexpr std::int32_t Overflow = 6;
inline constexpr std::int32_t MemoriaEsaurita = 7;
inline constexpr std::int32_t IndiceFuoriLimiti = 9;
inline constexpr std::int32_t Incompatibilita = 13;
inline constexpr std::int32_t SpazioStringheEsaurito = 14;
inline constexpr std::int32_t NomeFileNonValido =
    52; // also a file that was closed under its reader
inline constexpr std::int32_t FileNonTrovato = 53;
inline constexpr std::int32_t ErroreIngressoUscita = 57;
inline constexpr std::int32_t TroppiFileAperti = 67;
inline constexpr std::int32_t PerifericaInaccessibile = 68; // FIFOs, devices, sockets
inline constexpr std::int32_t PermessoNegato = 70;
inline constexpr std::int32_t AccessoNegato = 75; // a folder, or any other refused access
inline constexpr std::int32_t PercorsoNonTrovato = 76;
inline constexpr std::int32_t LunghezzaNonConforme = 100;
inline constexpr std::int32_t FileVuoto = 101;
inline constexpr std::int32_t NumeroFuoriGioco = 102;
} // namespace errori

} // namespace vortilla
