// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Colori.h"
#include "errors/FinestraMessaggio.h"

#include <cstdint>
#include <string>

// The core reaches the outside world only through these interfaces. The
// program implements them with Qt; tests implement them with fakes.
namespace vortilla {

// Blocks the calling thread; nothing is processed meanwhile.
class Pausa {
public:
    virtual ~Pausa() = default;
    virtual void Attendi(int millisecondi) = 0;
};

class Orologio {
public:
    virtual ~Orologio() = default;
    virtual double SecondiDallaMezzanotte() const = 0; // 0 <= s < 86400, with fraction
};

class GeneratoreCasuale {
public:
    virtual ~GeneratoreCasuale() = default;
    virtual void Rimescola(double seme) = 0;
    virtual double Prossimo() = 0; // 0 <= r < 1
};

// Opens the information dialog modally on CanaleDialogo::TestoInfo.
class FinestraInfo {
public:
    virtual ~FinestraInfo() = default;
    virtual void ApriModale() = 0;
};

// The desktop's file chooser. `modo` 1 opens an existing file, any other
// value picks a name to save. `filtro` holds description and pattern pairs,
// each part ended by a NUL ("Sistemi\0*.txt\0"), the first pair selected.
// Returns the chosen full path, or an empty text when the user cancelled.
class SceltaFile {
public:
    virtual ~SceltaFile() = default;
    virtual std::string ApriFile(std::int16_t modo, const std::string& titolo,
                                 const std::string& nomeIniziale, const std::string& filtro,
                                 const std::string& cartellaIniziale,
                                 const std::string& estensione) = 0;
};

// What the rules change on the main window. Every call changes one control
// and repaints it at once, so the user sees each step while a draw runs.
class VistaTabellone {
public:
    virtual ~VistaTabellone() = default;
    virtual void MostraTry(bool visibile) = 0;
    virtual void ScriviTentativi(const std::string& testo) = 0;
    virtual void ScriviCatturate(const std::string& testo) = 0;
    virtual void ColoraPalla(std::int16_t numero, Colore sfondo, Colore testo) = 0;
    // Per-draw count cell of the given points.
    virtual void ScriviPunti(std::int16_t punti, Colore sfondo, const std::string& testo) = 0;
    // Cumulative count cell of the given points; its colours never change.
    virtual void ScriviPuntiTot(std::int16_t punti, const std::string& testo) = 0;
};

} // namespace vortilla
