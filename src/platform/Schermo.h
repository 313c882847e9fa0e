// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vortilla {

// What the program prints, on one line, when it has no display to open its
// window on; it then ends with status 1.
extern const char* const MessaggioSenzaSchermo;

// False when nothing names a display for Qt to connect to: on X11/Wayland
// systems no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM in the environment
// and no -platform argument. Checked before QApplication exists, which
// would abort the program instead.
bool SchermoIndicato(int argc, char** argv);

// While one exists, a fatal failure (such as a display that is named but
// cannot be reached while QApplication connects to it) prints
// MessaggioSenzaSchermo and ends the program with status 1, not an abort.
class GuardiaSchermo {
public:
    GuardiaSchermo();
    ~GuardiaSchermo();
    GuardiaSchermo(const GuardiaSchermo&) = delete;
    GuardiaSchermo& operator=(const GuardiaSchermo&) = delete;
};

} // namespace vortilla
