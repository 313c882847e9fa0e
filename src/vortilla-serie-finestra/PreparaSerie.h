// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Archivio.h"
#include "serie/Figure.h"
#include "serie/Sistema.h"
#include "serie/TabellaPremi.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What the window asks of a run: the same choices as vortilla-serie's
// options, names kept as the bytes of the file system.
struct RichiestaSerie {
    std::string file;
    std::string premi;    // empty: no prize table
    std::string archivio; // empty: simulated draws
    int estratti = 20;
    std::optional<std::uint64_t> estrazioni; // empty: 10000, or every draw of the archive
    std::optional<std::uint64_t> seme;       // empty: a new one
    bool tutte = false;
    vortilla::Centesimi posta = 100;
    std::uint64_t sessione = 100;
};

inline constexpr std::uint64_t EstrazioniPredefinite = 10'000;
inline constexpr std::uint64_t EstrazioniMassime = 1'000'000'000'000;
inline constexpr std::uint64_t SessionePredefinita = 100;

// A run ready to go: everything DatiSerie points to, held together.
struct SeriePreparata {
    vortilla::Sistema sistema;
    std::optional<vortilla::TabellaPremi> premi;
    std::vector<vortilla::EstrazioneArchivio> archivio;
    vortilla::DatiSerie dati;

    SeriePreparata() = default;
    SeriePreparata(const SeriePreparata&) = delete;
    SeriePreparata& operator=(const SeriePreparata&) = delete;
};

// Reads and checks the files in the command line's order, through the same
// library calls. A refusal comes back in `errore` with the very words
// vortilla-serie prints after its "vortilla-serie: ".
std::unique_ptr<SeriePreparata> PreparaSerie(const RichiestaSerie& richiesta, std::string& errore);
