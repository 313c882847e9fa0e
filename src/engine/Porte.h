#pragma once

#include "engine/Colori.h"

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

// Opens the message dialog modally on CanaleDialogo::TestoMessaggio and
// Pulsanti; returns after it has closed, with Risposta set by the dialog.
class FinestraMessaggio {
public:
    virtual ~FinestraMessaggio() = default;
    virtual void ApriModale() = 0;
};

// Opens the information dialog modally on CanaleDialogo::TestoInfo.
class FinestraInfo {
public:
    virtual ~FinestraInfo() = default;
    virtual void ApriModale() = 0;
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
