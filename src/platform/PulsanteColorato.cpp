// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PulsanteColorato.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace vortilla {
namespace {
// The style's frame: its outer line and the light line inside it.
constexpr int BordoFaccia = 2;
} // namespace

PulsanteColorato::PulsanteColorato(const QString& testo, const QColor& sfondo, QWidget* parent)
    : QPushButton(testo, parent), sfondo_(sfondo)
{
    QPalette p = palette();
    p.setColor(QPalette::Button, sfondo);
    setPalette(p);
}

void PulsanteColorato::paintEvent(QPaintEvent*)
{
    // The steps of the style's own push button, with the face filled flat
    // between the frame and the caption.
    QStylePainter pittore(this);
    QStyleOptionButton opzione;
    initStyleOption(&opzione);
    pittore.drawControl(QStyle::CE_PushButtonBevel, opzione);
    const bool premuto = opzione.state & QStyle::State_Sunken;
    pittore.fillRect(rect().adjusted(BordoFaccia, BordoFaccia, -BordoFaccia, -BordoFaccia),
                     premuto ? sfondo_.darker(110) : sfondo_);
    QStyleOptionButton testo = opzione;
    testo.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &opzione, this);
    pittore.drawControl(QStyle::CE_PushButtonLabel, testo);
    // The focus as a line round the face, when the style would show it (the
    // focus came from the keyboard). The style's own focus rectangle is no
    // use here: Fusion's fills the whole face with a bluish gradient.
    const QStyle::State fuoco = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    if ((opzione.state & fuoco) == fuoco) {
        pittore.setPen(palette().color(QPalette::Highlight));
        pittore.setBrush(Qt::NoBrush);
        pittore.drawRect(
            rect().adjusted(BordoFaccia, BordoFaccia, -BordoFaccia - 1, -BordoFaccia - 1));
    }
}

} // namespace vortilla
