// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Centratura.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace vortilla {

QPoint AngoloCentrato(const QRect& area, const QSize& cornice)
{
    // Halves taken on the sizes, not on QRect::center(), whose right and
    // bottom edges are one short: an odd spare pixel goes below and right.
    return area.topLeft()
           + QPoint((area.width() - cornice.width()) / 2, (area.height() - cornice.height()) / 2);
}

namespace {

// Long enough for any window manager to have framed the window, too short
// for the user to have started using it.
constexpr int AttesaCorniceMs = 3000;
constexpr int IntervalloControlloMs = 50;

class Centratura final : public QObject {
public:
    explicit Centratura(QWidget* finestra) : QObject(finestra), finestra_(finestra)
    {
        Centra();
        finestra->installEventFilter(this);
        // Polled as well: the frame may come with no event for the window.
        auto* controllo = new QTimer(this);
        connect(controllo, &QTimer::timeout, this, &Centratura::Controlla);
        controllo->start(IntervalloControlloMs);
        QTimer::singleShot(AttesaCorniceMs, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::Move || evento->type() == QEvent::WindowActivate)
            Controlla();
        return false;
    }

private:
    // The native window's own frame, asked afresh of the platform once the
    // window manager changes it; the widget's copy follows only when the
    // widget moves or is resized.
    void Controlla()
    {
        const QWindow* nativa = finestra_->windowHandle();
        if (!nativa || nativa->frameGeometry() != centrata_)
            Centra(); // the frame came or changed, or the window manager placed it
        else if (!nativa->frameMargins().isNull())
            deleteLater(); // framed and centred: from now on it is the user's
    }

    void Centra()
    {
        QWindow* nativa = finestra_->windowHandle();
        QScreen* schermo = finestra_->screen();
        if (!nativa || !schermo)
            return;
        const QMargins bordi = nativa->frameMargins();
        const QSize cornice = nativa->size().grownBy(bordi);
        centrata_ = QRect(AngoloCentrato(schermo->availableGeometry(), cornice), cornice);
        // The position of the window itself: the frame's, moved by the frame's
        // known edges, whatever reference the window manager goes by.
        nativa->setPosition(centrata_.topLeft() + QPoint(bordi.left(), bordi.top()));
    }

    QWidget* finestra_;
    QRect centrata_; // where the last centring put the frame
};

} // namespace

void CentraConLaCornice(QWidget* finestra) { new Centratura(finestra); }

} // namespace vortilla
