// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's exit statuses, as --help lists them. A run stopped by
// signal n ends with 128 + n.
enum Uscita {
    Completata = 0,
    FileRifiutato = 1,
    RigaDiComando = 2, // also a chart path that cannot be written
    NonScritti = 3,    // results or chart not written whole
};
