// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace vortilla {

// The program's icon, every size as stored, straight alpha: the form the
// window system takes them in, so that none is premultiplied on reading and
// converted back each time a window is created. Every program of the
// family wears it.
QIcon IconaProgramma();

} // namespace vortilla
