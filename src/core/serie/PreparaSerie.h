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

// From what a player asks to a run ready to go: the files read and checked
// in one order, through one path, whoever asks (the command line or the
// series window), so that both refuse the same files with the same words.
namespace vortilla {

inline constexpr std::uint64_t EstrazioniPredefinite = 10'000;
inline constexpr std::uint64_t SessionePredefinita = 100;
// The most draws one run takes, and the longest session.
inline constexpr std::uint64_t EstrazioniMassime = 1'000'000'000'000;

// The choices of a run; names are kept as the bytes of the file system.
struct RichiestaSerie {
    std::string file;     // "-": standard input
    std::string premi;    // empty: no prize table
    std::string archivio; // empty: simulated draws
    int estratti = 20;
    std::optional<std::uint64_t> estrazioni; // empty: 10000, or every draw of the archive
    std::optional<std::uint64_t> seme;       // empty: a new one
    bool tutte = false;
    Centesimi posta = 100;
    std::uint64_t sessione = SessionePredefinita;
    bool dettaglio = false; // tally each line, list the archive's best draws
};

// Everything DatiSerie points to, held together.
struct SeriePreparata {
    Sistema sistema;
    std::vector<std::string> righe; // the lines' text, kept only for the detail
    std::optional<TabellaPremi> premi;
    std::vector<EstrazioneArchivio> archivio;
    DatiSerie dati;

    SeriePreparata() = default;
    SeriePreparata(const SeriePreparata&) = delete;
    SeriePreparata& operator=(const SeriePreparata&) = delete;
};

// Why a run was refused. A file at fault, or too many draws for the lines,
// come with their words in `testo` (the file's name first, when there is
// one). An archive with fewer draws than asked comes with the counts, for
// each program to say in its own terms how the draws were asked.
struct RifiutoSerie {
    enum class Motivo { File, TroppeEstrazioni, ArchivioCorto };
    Motivo motivo = Motivo::File;
    std::string testo;
    std::uint64_t disponibili = 0; // ArchivioCorto: the archive's draws
    std::uint64_t chieste = 0;     //                and those asked
};

// Reads the prize table, the archive, then the combination file, checking
// each as it comes. Null, with `rifiuto` filled, at the first fault.
std::unique_ptr<SeriePreparata> PreparaSerie(const RichiestaSerie& richiesta,
                                             RifiutoSerie& rifiuto);

} // namespace vortilla
