#pragma once

#include "engine/DatiProgramma.h"
#include "ui/FrmEstrazioneUser.h"

#include <memory>

namespace vortilla {

// The running program: owns the shared data and the main window, and gives
// the rules their Qt ports. main() creates one, shows it and runs the loop.
class Applicazione {
public:
    Applicazione();
    ~Applicazione();

    void Mostra();
    DatiProgramma& Dati() { return dati_; }
    FrmEstrazioneUser& FinestraPrincipale() { return *finestra_; }

private:
    DatiProgramma dati_;
    std::unique_ptr<FrmEstrazioneUser> finestra_;
};

} // namespace vortilla
