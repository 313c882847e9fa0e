// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogoModale.h"

#include "errors/CanaleDialogo.h"
#include "platform/Programma.h"
#include "platform/Twips.h"
#include "ui/dialogs/FrmInfo.h"
#include "ui/dialogs/InfoQt.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>

using namespace vortilla;

namespace {
QRect Twips(const QWidget* w)
{
    const RettangoloTwips g = GeometriaTwips(w);
    return {g.Left, g.Top, g.Width, g.Height};
}

const std::string IstruzioniF10 = "Simulazione VORTILLA:||1) - Caricare file da controllare|"
                                  "2) - Dalle Terzine alle Decine|3) - Max. 500 combinazioni|"
                                  "4) - Procedere con le estrazioni desiderate|";
} // namespace

// The instructions dialog: sized to its text at every opening, closed by OK,
// its close box or Escape, with OK always on top of the text.
class TestFrmInfo : public QObject {
    Q_OBJECT

    CanaleDialogo canale;

private slots:
    void initTestCase() { RegistraSostituzioniCaratteri(); }
    void init() { canale = CanaleDialogo{}; }

    void lAltezzaSegueIlNumeroDiRighe_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("finestra");
        QTest::addColumn<int>("cornice");
        QTest::addColumn<int>("etichetta");
        QTest::addColumn<int>("cimaOK");
        QTest::addColumn<QString>("mostrato");
        QTest::newRow("the F10 instructions are seven lines, the second and last empty")
            << QString::fromStdString(IstruzioniF10) << 3895 << 3415 << 1785 << 2790
            << "Simulazione VORTILLA:\n\n1) - Caricare file da controllare\n2) - Dalle Terzine "
               "alle Decine\n"
               "3) - Max. 500 combinazioni\n4) - Procedere con le estrazioni desiderate\n";
        QTest::newRow("a text without bars is one line")
            << "Riga" << 2485 << 2005 << 255 << 1380 << "Riga";
        QTest::newRow("an empty text has no line at all") << "" << 2250 << 1770 << 0 << 1145 << "";
    }
    void lAltezzaSegueIlNumeroDiRighe()
    {
        QFETCH(QString, testo);
        canale.TestoInfo = testo.toStdString();
        FrmInfo dialogo(canale);
        QFETCH(int, finestra);
        QCOMPARE(AltezzaEsternaTwips(&dialogo), finestra);
        QCOMPARE(Twips(&dialogo), QRect(0, 0, 6300, finestra - AltezzaCorniceTwips));
        QCOMPARE(dialogo.minimumSize(), dialogo.maximumSize());
        QFETCH(int, cornice);
        QCOMPARE(Twips(dialogo.findChild<QWidget*>("fraInfo")), QRect(60, 0, 6165, cornice));
        QFETCH(int, etichetta);
        auto* info = dialogo.findChild<QLabel*>("lblInfo");
        QCOMPARE(Twips(info), QRect(270, 1035, 5625, etichetta));
        QFETCH(QString, mostrato);
        QCOMPARE(info->text(), mostrato);
        QFETCH(int, cimaOK);
        auto* ok = dialogo.findChild<QPushButton*>("cmdInfo");
        QCOMPARE(Twips(ok), QRect(2490, cimaOK, 1400, 465));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(Twips(dialogo.findChild<QWidget*>("Image1")), QRect(2850, 180, 720, 720));
    }

    void laFinestraEUnaFinestraDiInformazione()
    {
        FrmInfo dialogo(canale);
        QCOMPARE(dialogo.objectName(), QStringLiteral("frmInfo"));
        QCOMPARE(dialogo.windowTitle(), QStringLiteral("SimulazioneVortilla® - Informazione"));
        QVERIFY(!(dialogo.windowFlags()
                  & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(dialogo.windowModality(), Qt::ApplicationModal);
    }

    // Seven lines make the text's box reach 30 twips under the button.
    void okStaSopraAlTesto()
    {
        canale.TestoInfo = IstruzioniF10;
        bool premuto = false;
        QuandoAperto([&](QDialog* dialogo) {
            auto* cornice = dialogo->findChild<QWidget*>("fraInfo");
            auto* ok = dialogo->findChild<QPushButton*>("cmdInfo");
            const QRect pulsante = ok->geometry();
            const QPoint nellaStriscia(pulsante.center().x(), pulsante.top());
            QVERIFY(dialogo->findChild<QWidget*>("lblInfo")->geometry().contains(nellaStriscia));
            QCOMPARE(cornice->childAt(pulsante.center()), ok);
            QCOMPARE(cornice->childAt(nellaStriscia), ok);
            connect(ok, &QPushButton::clicked, [&] { premuto = true; });
            QTest::mouseClick(dialogo->windowHandle(), Qt::LeftButton, {},
                              cornice->mapTo(dialogo, nellaStriscia));
        });
        InfoQt(canale).ApriModale();
        QVERIFY(premuto);
    }

    void siChiudeInTreModi_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("pressing OK") << 0;
        QTest::newRow("the close box") << 1;
        QTest::newRow("Escape") << 2;
    }
    void siChiudeInTreModi()
    {
        QFETCH(int, modo);
        canale.TestoInfo = IstruzioniF10;
        bool chiuso = false;
        QuandoAperto([&](QDialog* dialogo) {
            if (modo == 0)
                QTest::mouseClick(dialogo->findChild<QPushButton*>("cmdInfo"), Qt::LeftButton);
            else if (modo == 1)
                ChiudiDallaCornice(dialogo);
            else
                QTest::keyClick(dialogo->windowHandle(), Qt::Key_Escape);
            chiuso = !dialogo->isVisible();
        });
        int chiamate = 0;
        InfoQt(canale, [&] { ++chiamate; }).ApriModale();
        QVERIFY(chiuso);
        QCOMPARE(chiamate, 1);
    }

    void riapertoSiRidisponeDaCapo()
    {
        canale.TestoInfo = IstruzioniF10;
        QuandoAperto(
            [](QDialog* dialogo) { dialogo->findChild<QPushButton*>("cmdInfo")->click(); });
        InfoQt(canale).ApriModale();

        canale.TestoInfo = "Una riga";
        QRect etichetta, ok;
        QString mostrato;
        QuandoAperto([&](QDialog* dialogo) {
            etichetta = Twips(dialogo->findChild<QLabel*>("lblInfo"));
            mostrato = dialogo->findChild<QLabel*>("lblInfo")->text();
            ok = Twips(dialogo->findChild<QPushButton*>("cmdInfo"));
            dialogo->findChild<QPushButton*>("cmdInfo")->click();
        });
        InfoQt(canale).ApriModale();
        QCOMPARE(etichetta, QRect(270, 1035, 5625, 255));
        QCOMPARE(mostrato, QStringLiteral("Una riga"));
        QCOMPARE(ok, QRect(2490, 1380, 1400, 465));
    }
};

QTEST_MAIN(TestFrmInfo)
#include "test_frminfo.moc"
