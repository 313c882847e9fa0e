// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PulsanteOpzione.h"

namespace vortilla {

// The box is the geometry placed from twips (ImpostaGeometria).
bool PulsanteOpzione::hitButton(const QPoint& punto) const { return rect().contains(punto); }

} // namespace vortilla
