// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Porte.h"
#include "errors/CanaleDialogo.h"

#include <functional>

namespace vortilla {

// Opens a new frmInfo on the channel, application-modal and without an
// owner, and destroys it once it has closed; then runs `dopoChiusura`, when
// given.
class InfoQt : public FinestraInfo {
public:
    explicit InfoQt(const CanaleDialogo& canale, std::function<void()> dopoChiusura = {});
    void ApriModale() override;

private:
    const CanaleDialogo& canale_;
    std::function<void()> dopoChiusura_;
};

} // namespace vortilla
