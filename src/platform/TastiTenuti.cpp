// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TastiTenuti.h"

#include <QAbstractButton>
#include <QChildEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>
#include <vector>

namespace vortilla {
namespace {

constexpr const char* ProprietaSorvegliata = "vortillaTastiTenuti";

// The last key event, of any key, on whichever window. X11 sends a held key
// as a release and a press with one time stamp, one right after the other;
// Qt marks the pair as a repeat only when both are already at hand, which
// across the opening or the closing of a window they often are not: the
// press then arrives unmarked, as if new. A person cannot release and press
// a key within the same millisecond: a press right after its own release,
// at the same stamp, is the key held.
struct EventoTasto {
    int tasto = 0;
    quint64 tempo = 0;
};
EventoTasto& Precedente()
{
    static EventoTasto precedente;
    return precedente;
}

class GuardiaTasti final : public QObject {
public:
    GuardiaTasti(QWidget* finestra, std::vector<int> tasti)
        : QObject(finestra), finestra_(finestra), tasti_(std::move(tasti))
    {
        finestra->installEventFilter(this);
        SorvegliaFinestraNativa();
    }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        const QEvent::Type tipo = evento->type();
        if (oggetto != finestra_) {
            // The native window: each key reaches it once, as the platform
            // sends it, before any control of the window sees it.
            if (tipo != QEvent::KeyPress && tipo != QEvent::KeyRelease)
                return false;
            auto* tasto = static_cast<QKeyEvent*>(evento);
            if (!Tenuto(*tasto))
                return false;
            tasto->accept();
            return true;
        }
        if (tipo == QEvent::Show) {
            SorvegliaFinestraNativa();
        } else if (tipo == QEvent::ChildPolished) {
            if (auto* dialogo = qobject_cast<QDialog*>(static_cast<QChildEvent*>(evento)->child()))
                IgnoraTastiTenuti(dialogo);
        }
        return false;
    }

private:
    // The native window exists from the first showing on.
    void SorvegliaFinestraNativa()
    {
        QWindow* nativa = finestra_->windowHandle();
        if (!nativa || nativa == nativa_)
            return;
        nativa->installEventFilter(this);
        nativa_ = nativa;
    }

    bool PremePulsanti(const QKeyEvent& tasto) const
    {
        if (tasto.key() == Qt::Key_Space)
            return qobject_cast<QAbstractButton*>(finestra_->focusWidget()) != nullptr;
        return true;
    }

    // True for a press of a watched key that the key being held sends.
    bool Tenuto(const QKeyEvent& tasto) const
    {
        const EventoTasto precedente =
            std::exchange(Precedente(), EventoTasto{tasto.key(), tasto.timestamp()});
        if (tasto.type() != QEvent::KeyPress
            || std::find(tasti_.begin(), tasti_.end(), tasto.key()) == tasti_.end()
            || !PremePulsanti(tasto))
            return false;
        // A stamp of 0 is an event made without one: no pair to tell.
        const bool stessoIstante = precedente.tasto == tasto.key() && tasto.timestamp() != 0
                                   && precedente.tempo == tasto.timestamp();
        return tasto.isAutoRepeat() || stessoIstante;
    }

    QWidget* finestra_;
    QPointer<QWindow> nativa_;
    std::vector<int> tasti_;
};

} // namespace

void IgnoraTastiTenuti(QWidget* finestra, std::initializer_list<Qt::Key> altri)
{
    if (finestra->property(ProprietaSorvegliata).toBool())
        return;
    finestra->setProperty(ProprietaSorvegliata, true);
    std::vector<int> tasti = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
    tasti.insert(tasti.end(), altri.begin(), altri.end());
    new GuardiaTasti(finestra, std::move(tasti));
}

} // namespace vortilla
