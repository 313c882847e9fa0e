// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vortilla {

// Opens the message dialog modally on CanaleDialogo::TestoMessaggio and
// Pulsanti; returns after it has closed, with Risposta set by the dialog.
// Every notice, question and error reaches the user through it.
class FinestraMessaggio {
public:
    virtual ~FinestraMessaggio() = default;
    virtual void ApriModale() = 0;
};

} // namespace vortilla
