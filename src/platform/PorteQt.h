// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Porte.h"

namespace vortilla {

// Blocks the GUI thread: nothing is processed during the pause, only the
// controls repainted on purpose change on screen.
class PausaBloccante : public Pausa {
public:
    void Attendi(int millisecondi) override;
};

class OrologioDiSistema : public Orologio {
public:
    double SecondiDallaMezzanotte() const override;
};

} // namespace vortilla
