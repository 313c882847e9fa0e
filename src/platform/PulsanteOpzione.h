// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRadioButton>

namespace vortilla {

// An option button that a click selects anywhere in its box, as designed.
// Qt's styles take clicks only over the circle and the caption, a rectangle
// measured on the text (83 x 23 pixels for " 6 estratti" in a 93 x 31 box).
class PulsanteOpzione : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& punto) const override;
};

} // namespace vortilla
