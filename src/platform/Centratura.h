// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vortilla {

// The top-left corner that puts a window's frame of size `cornice` (title
// bar and borders included) in the middle of `area`, the part of the
// screen that windows may take.
QPoint AngoloCentrato(const QRect& area, const QSize& cornice);

} // namespace vortilla
