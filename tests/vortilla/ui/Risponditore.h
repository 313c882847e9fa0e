// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

// Answers, in order, the modal dialogs the program opens while a test drives
// it: each new modal window gets the next action. A dialog nobody expected is
// closed by the program and recorded, so a wrong sequence fails instead of
// hanging.
class Risponditore : public QObject {
public:
    using Azione = std::function<void(QWidget*)>;

    // `giaAperta`, a dialog already open, is left to whoever answers it.
    explicit Risponditore(QWidget* giaAperta = nullptr) : ultima_(giaAperta)
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &Risponditore::Controlla);
        timer_.start();
    }

    Risponditore& Poi(Azione azione)
    {
        azioni_.push_back(std::move(azione));
        return *this;
    }
    bool TuttiRisposti() const { return azioni_.empty() && inattesi == 0; }

    // The message dialog's text, as the user reads it ("|" for line breaks).
    static QString TestoMessaggio(QWidget* dialogo)
    {
        auto* etichetta = dialogo->findChild<QLabel*>(QStringLiteral("lblMessage"));
        return etichetta ? etichetta->text().replace(QLatin1Char('\n'), QLatin1Char('|'))
                         : QString();
    }
    // Presses the button with this caption.
    static Azione Premi(const QString& didascalia, QStringList* testi = nullptr)
    {
        return [didascalia, testi](QWidget* dialogo) {
            if (testi)
                testi->append(TestoMessaggio(dialogo));
            for (auto* pulsante : dialogo->findChildren<QAbstractButton*>())
                if (pulsante->text() == didascalia && pulsante->isVisible()) {
                    QTest::mouseClick(pulsante, Qt::LeftButton);
                    return;
                }
        };
    }

    QStringList finestre; // objectName of every modal window met
    int inattesi = 0;

private:
    void Controlla()
    {
        QWidget* attiva = QApplication::activeModalWidget();
        if (!attiva || attiva == ultima_ || !attiva->isVisible())
            return;
        ultima_ = attiva;
        finestre << attiva->objectName();
        if (azioni_.empty()) {
            ++inattesi;
            if (auto* dialogo = qobject_cast<QDialog*>(attiva))
                dialogo->done(QDialog::Rejected);
            else
                attiva->close();
            return;
        }
        Azione azione = std::move(azioni_.front());
        azioni_.pop_front();
        QPointer<QWidget> aperta = attiva;
        azione(attiva);
        // An action that leaves its dialog open (a check failed) must not
        // leave the test waiting for it.
        if (aperta && aperta->isVisible()) {
            if (auto* dialogo = qobject_cast<QDialog*>(aperta.data()))
                dialogo->done(QDialog::Rejected);
            else
                aperta->close();
        }
    }

    QTimer timer_;
    QPointer<QWidget> ultima_;
    std::deque<Azione> azioni_;
};
