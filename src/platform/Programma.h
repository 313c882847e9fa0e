// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace vortilla {

// The folder that holds the program's executable, as the system reports it.
QString CartellaProgramma();

// Maps the typefaces the windows are designed with to freely available ones
// with close metrics, so every caption fits its box.
void RegistraSostituzioniCaratteri();

// The user's digit-grouping separator, for the counters.
QString SeparatoreMigliaiaUtente();

} // namespace vortilla
