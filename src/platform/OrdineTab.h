// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

class QWidget;

namespace vortilla {

// Tab order by number, as the program assigns it: each control keeps its
// tab index and the window's focus chain follows ascending indices.
void ImpostaIndiceTab(QWidget* controllo, std::int16_t indice);
// Only records the index; a window built in one go applies the order once.
void SegnaIndiceTab(QWidget* controllo, std::int16_t indice);
// Rebuilds the focus chain of `finestra` from its controls' tab indices.
void ApplicaOrdineTab(QWidget* finestra);

} // namespace vortilla
