// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Centratura.h"

namespace vortilla {

QPoint AngoloCentrato(const QRect& area, const QSize& cornice)
{
    // Halves taken on the sizes, not on QRect::center(), whose right and
    // bottom edges are one short: an odd spare pixel goes below and right.
    return area.topLeft()
           + QPoint((area.width() - cornice.width()) / 2, (area.height() - cornice.height()) / 2);
}

} // namespace vortilla
