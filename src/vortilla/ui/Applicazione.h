// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/DatiProgramma.h"
#include "engine/GeneratoreStandard.h"
#include "platform/ElencoFinestre.h"
#include "platform/PorteQt.h"
#include "platform/SceltaFileQt.h"
#include "ui/FrmEstrazioneUser.h"
#include "ui/dialogs/InfoQt.h"
#include "ui/dialogs/MessaggioQt.h"

#include <memory>

namespace vortilla {

// The running program: owns the shared data, the Qt implementations of the
// rules' ports and the main window. main() creates one, shows it and runs
// the event loop.
class Applicazione {
public:
    // `attesa` replaces the real pause before each lit ball (tests pass one
    // that does not wait).
    explicit Applicazione(Pausa* attesa = nullptr);
    ~Applicazione();

    void Mostra();
    DatiProgramma& Dati() { return dati_; }
    FrmEstrazioneUser& FinestraPrincipale() { return *finestra_; }

private:
    void DopoDialogo();

    DatiProgramma dati_;
    ElencoFinestre finestre_;
    PausaBloccante pausa_;
    OrologioDiSistema orologio_;
    GeneratoreStandard generatore_;
    MessaggioQt messaggio_;
    InfoQt info_;
    SceltaFileQt sceltaFile_;
    std::unique_ptr<FrmEstrazioneUser> finestra_;
};

} // namespace vortilla
