// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace vortilla {

// The top-left corner that puts a window's frame of size `cornice` (title
// bar and borders included) in the middle of `area`, the part of the
// screen that windows may take.
QPoint AngoloCentrato(const QRect& area, const QSize& cornice);

// Puts the frame of the window, shown or being shown, in the middle of its
// screen's free area now, and again, during its first seconds on screen,
// until the frame is seen there. Under X11 the window manager puts its frame
// round a window only after mapping it, may place it by rules of its own,
// and Qt learns of the frame when it can: sometimes after the window is
// active, with no event for the window at all. Once framed and centred, the
// window is left where the user puts it.
void CentraConLaCornice(QWidget* finestra);

} // namespace vortilla
