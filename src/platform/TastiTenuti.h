// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

#include <initializer_list>

class QWidget;

namespace vortilla {

// A held key must never answer a question. From now on the window
// `finestra` acts on the keys that press buttons (Return, Enter, Space on a
// button, and the `altri` given) only when they go down on it: the repeats
// of a held key, and so a key that was already down when the window
// opened, do nothing there. Releases, the other keys and the mouse keep
// their meaning. Dialogs opened as children of the window (the file
// chooser's own warnings) follow the same rule.
void IgnoraTastiTenuti(QWidget* finestra, std::initializer_list<Qt::Key> altri = {});

} // namespace vortilla
