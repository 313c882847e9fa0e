// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPushButton>

namespace vortilla {

// A push button in the graphical style with a background colour of its own:
// the face inside the style's frame is that one flat colour (a little darker
// while pressed), where styles such as Fusion would shade it into a gradient;
// keyboard focus draws a line of the highlight colour round it.
class PulsanteColorato : public QPushButton {
public:
    PulsanteColorato(const QString& testo, const QColor& sfondo, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QColor sfondo_;
};

} // namespace vortilla
