// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

#include <functional>
#include <utility>

// Acts on the modal dialog that the next opening call shows, from inside the
// dialog's own event loop. Whatever the checks in `azione` find, a dialog
// still open afterwards is closed by the program, so no failure leaves the
// opening call waiting.
inline void QuandoAperto(std::function<void(QDialog*)> azione)
{
    QTimer::singleShot(0, [azione = std::move(azione)] {
        QPointer<QDialog> dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialogo) {
            QTest::qFail("no modal dialog is open", __FILE__, __LINE__);
            return;
        }
        azione(dialogo);
        if (dialogo && dialogo->isVisible())
            dialogo->done(QDialog::Rejected);
    });
}

// What the platform sends when the user clicks a window's close box or
// presses Alt+F4: a close event to the native window, marked as coming from
// outside the program. QWindow::close() will not do here: Qt marks the close
// it starts as the program's own.
inline void ChiudiDallaCornice(QWidget* finestra)
{
    QCloseEvent evento;
    QSpontaneKeyEvent::setSpontaneous(&evento);
    QApplication::instance()->notify(finestra->windowHandle(), &evento);
}

// A key going down or up as the platform delivers it, with its own time
// stamp in milliseconds; `ripetuto` marks an auto-repeat.
inline void Tasto(QWindow* finestra, QEvent::Type tipo, Qt::Key tasto, ulong tempo,
                  bool ripetuto = false)
{
    const char ascii = QTest::keyToAscii(tasto);
    QKeyEvent evento(tipo, tasto, Qt::NoModifier,
                     ascii ? QString(QChar::fromLatin1(ascii)) : QString(), ripetuto);
    evento.setTimestamp(tempo);
    QSpontaneKeyEvent::setSpontaneous(&evento);
    QApplication::instance()->notify(finestra, &evento);
}

// What a key held down sends after its first press, every 40 ms: presses
// marked as repeats, or, as X11 delivers them across the opening or closing
// of a window, an unmarked release and press with one stamp.
inline void Ripetizioni(QWindow* finestra, Qt::Key tasto, ulong& tempo, int volte, bool marcate)
{
    for (int i = 0; i < volte; ++i) {
        tempo += 40;
        if (!marcate)
            Tasto(finestra, QEvent::KeyRelease, tasto, tempo);
        Tasto(finestra, QEvent::KeyPress, tasto, tempo, marcate);
    }
}

// Records whether close requests reaching a widget came from the platform.
class SpiaChiusure : public QObject {
public:
    explicit SpiaChiusure(QObject* osservato) { osservato->installEventFilter(this); }
    int Spontanee = 0;
    int DalProgramma = 0;

protected:
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::Close)
            ++(evento->spontaneous() ? Spontanee : DalProgramma);
        return false;
    }
};
