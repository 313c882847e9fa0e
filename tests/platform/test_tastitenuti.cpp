// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DialogoModale.h"

#include "platform/TastiTenuti.h"

#include <QLineEdit>
#include <QPushButton>

using namespace vortilla;

namespace {
// A window with a default button, counting its presses, and a text field.
struct Finestra {
    QDialog dialogo;
    QPushButton* ok = new QPushButton(QStringLiteral("OK"), &dialogo);
    QLineEdit* testo = new QLineEdit(&dialogo);
    int premuto = 0;

    Finestra()
    {
        ok->setAutoDefault(true);
        QObject::connect(ok, &QPushButton::clicked, [this] { ++premuto; });
        testo->move(0, 40);
    }
};

// "p100 r140 p140* t150": the key down or up at that stamp, "*" marking a
// repeat; "t", Tab up.
void Invia(QWindow* finestra, Qt::Key tasto, const QString& eventi)
{
    for (QString evento : eventi.split(QLatin1Char(' '))) {
        const bool ripetuto = evento.endsWith(QLatin1Char('*'));
        evento.remove(QLatin1Char('*'));
        const QChar tipo = evento.front();
        Tasto(finestra, tipo == QLatin1Char('p') ? QEvent::KeyPress : QEvent::KeyRelease,
              tipo == QLatin1Char('t') ? Qt::Key_Tab : tasto, evento.mid(1).toULong(), ripetuto);
    }
}
} // namespace

// Which key events a window guarded against held keys acts on.
class TestTastiTenuti : public QObject {
    Q_OBJECT

private slots:
    void soloUnTastoAppenaPremutoAgisce_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("sulTesto");
        QTest::addColumn<QString>("eventi");
        QTest::addColumn<int>("premuto");
        QTest::addColumn<QString>("scritto");
        const int invio = Qt::Key_Return;
        QTest::newRow("a new Return presses the button") << invio << false << "p1000" << 1 << "";
        QTest::newRow("a Return marked as a repeat does nothing")
            << invio << false << "p1000*" << 0 << "";
        QTest::newRow("a press at its own release's stamp is the key held")
            << invio << false << "r1000 p1000" << 0 << "";
        QTest::newRow("a press a moment after the release is new")
            << invio << false << "r1000 p1001" << 1 << "";
        QTest::newRow("a press at its release's stamp, another key's between, is new")
            << invio << false << "r1000 t1000 p1000" << 1 << "";
        QTest::newRow("events without a stamp are each new")
            << invio << false << "p0 r0 p0" << 2 << "";
        QTest::newRow("Space held on the button presses it once")
            << int(Qt::Key_Space) << false << "p1000 r1040 p1040 r1080 p1080 r1500" << 1 << "";
        QTest::newRow("Space held on a text field types every repeat")
            << int(Qt::Key_Space) << true << "p1000 p1040* r1080 p1080" << 0 << "   ";
    }
    void soloUnTastoAppenaPremutoAgisce()
    {
        QFETCH(int, tasto);
        QFETCH(bool, sulTesto);
        QFETCH(QString, eventi);
        Finestra f;
        IgnoraTastiTenuti(&f.dialogo);
        f.dialogo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.dialogo));
        (sulTesto ? static_cast<QWidget*>(f.testo) : f.ok)->setFocus();
        Invia(f.dialogo.windowHandle(), Qt::Key(tasto), eventi);
        QTEST(f.premuto, "premuto");
        QTEST(f.testo->text(), "scritto");
    }

    // The file chooser's own warnings open over it as its children.
    void unDialogoApertoSopraSegueLaStessaRegola()
    {
        Finestra sotto;
        IgnoraTastiTenuti(&sotto.dialogo);
        Finestra sopra;
        sopra.dialogo.setParent(&sotto.dialogo, Qt::Dialog);
        sopra.dialogo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sopra.dialogo));
        sopra.ok->setFocus();
        Invia(sopra.dialogo.windowHandle(), Qt::Key_Return, "r1000 p1000");
        QCOMPARE(sopra.premuto, 0);
        Invia(sopra.dialogo.windowHandle(), Qt::Key_Return, "r1200 p1300");
        QCOMPARE(sopra.premuto, 1);
    }
};

QTEST_MAIN(TestTastiTenuti)
#include "test_tastitenuti.moc"
