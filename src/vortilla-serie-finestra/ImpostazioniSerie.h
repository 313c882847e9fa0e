// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>

#include <memory>

// The window's settings, in the user's configuration folder under
// Vortilla/vortilla-serie-finestra.conf. The file is named outright: the
// shared file chooser sends Qt's own user settings to the null device once
// it opens, and what the window remembers must not go with them.
std::unique_ptr<QSettings> ImpostazioniSerie();
