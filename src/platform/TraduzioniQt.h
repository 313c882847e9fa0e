// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace vortilla {

// Installs Qt's own Italian texts (qtbase_it.qm in `cartella`, by default
// where Qt keeps its translations) for the rest of the run. The program's
// own texts are not translated and stay as written. Returns false, and
// changes nothing, when the file is missing: Qt's texts then stay English.
bool CaricaTraduzioniQt(const QString& cartella = {});

} // namespace vortilla
