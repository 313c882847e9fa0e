// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Porte.h"
#include "errors/CanaleDialogo.h"

#include <functional>

namespace vortilla {

// Opens a new frmMessage on the channel, application-modal and without an
// owner, and destroys it, created buttons included, once it has closed.
// `dopoChiusura`, when given, runs after that: the main window rewrites what
// it shows each time one of the program's dialogs has closed.
class MessaggioQt : public FinestraMessaggio {
public:
    explicit MessaggioQt(CanaleDialogo& canale, std::function<void()> dopoChiusura = {});
    void ApriModale() override;

private:
    CanaleDialogo& canale_;
    std::function<void()> dopoChiusura_;
};

} // namespace vortilla
