// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace vortilla {

// True while a modal window other than the one holding `controllo` is open.
// Such a window takes no mouse or key input, but a press can still reach
// its buttons by other roads (an accessibility action, a GUI test tool):
// their handlers ask this first and do nothing while it holds.
bool FinestraBloccata(const QWidget* controllo);

} // namespace vortilla
