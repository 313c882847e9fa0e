// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Applicazione.h"

#include "platform/IconaProgramma.h"
#include "platform/Programma.h"

#include <QApplication>
#include <QIcon>
#include <QSessionManager>
#include <QTimer>
#include <QWindow>

namespace vortilla {
namespace {
// Gives the program its icon once the main window's first frame is on
// screen: the icon's pictures then travel to the window system while the
// user already sees the window, instead of holding up its first frame.
class IconaDopoIlPrimoFotogramma final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* finestra, QEvent* evento) override
    {
        if (evento->type() == QEvent::Expose) {
            finestra->removeEventFilter(this);
            // Queued: the expose paints the frame first.
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(IconaProgramma());
                deleteLater();
            });
        }
        return false;
    }
};
} // namespace

Applicazione::Applicazione(Pausa* attesa)
    : messaggio_(dati_.Canale, [this] { DopoDialogo(); }),
      info_(dati_.Canale, [this] { DopoDialogo(); })
{
    // Every window of the program, the dialogs and the file chooser
    // included, carries its icon, and desktops match them to its entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("vortilla"));
    RegistraSostituzioniCaratteri();
    dati_.SeparatoreMigliaia = SeparatoreMigliaiaUtente().toStdString();
    finestra_ = std::make_unique<FrmEstrazioneUser>(
        dati_, ServiziFinestra{messaggio_, info_, sceltaFile_, attesa ? *attesa : pausa_, orologio_,
                               generatore_, finestre_});

    // When the desktop session ends, the user is asked as for any other close;
    // "NO" asks the session manager to cancel the logout where it lets us.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, finestra_.get(),
                     [this](QSessionManager& sessione) {
                         if (!sessione.allowsInteraction())
                             return;
                         const bool esci = finestra_->close();
                         sessione.release();
                         if (!esci)
                             sessione.cancel();
                     });
}

Applicazione::~Applicazione() = default;

void Applicazione::Mostra()
{
    finestra_->winId();
    finestra_->windowHandle()->installEventFilter(new IconaDopoIlPrimoFotogramma(finestra_.get()));
    finestra_->show();
}

void Applicazione::DopoDialogo()
{
    if (finestra_)
        finestra_->Attivazione();
}

} // namespace vortilla
