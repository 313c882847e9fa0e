// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Twips.h"
#include "ui/Applicazione.h"
#include "ui/dialogs/FrmInfo.h"
#include "ui/dialogs/FrmMessage.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace vortilla;

// The main window as it opens, checked by the names a screen reader or a GUI
// test tool would use.
class TestFrmEstrazioneUser : public QObject {
    Q_OBJECT

    std::unique_ptr<Applicazione> programma;
    DatiProgramma* dati = nullptr;
    FrmEstrazioneUser* finestra = nullptr;

    template <class W = QWidget>
    W* Controllo(const QString& nome)
    {
        W* w = finestra->findChild<W*>(nome);
        if (!w)
            qWarning("missing control %s", qPrintable(nome));
        return w;
    }
    QString Testo(const QString& nome) { return Controllo<QLabel>(nome)->text(); }

private slots:
    void init()
    {
        programma = std::make_unique<Applicazione>();
        dati = &programma->Dati();
        finestra = &programma->FinestraPrincipale();
        programma->Mostra();
        QVERIFY(QTest::qWaitForWindowExposed(finestra));
    }
    void cleanup() { programma.reset(); }

    void laFinestraHaDidascaliaEAreaFissa()
    {
        QCOMPARE(finestra->objectName(), QStringLiteral("frmEstrazioneUser"));
        QCOMPARE(finestra->windowTitle(),
                 QStringLiteral("SimulazioneVortilla® - by Orbenti - Press <F10> to Info"));
        QCOMPARE(finestra->size(), QSize(888, 559));
        QCOMPARE(finestra->minimumSize(), finestra->maximumSize());
        const Qt::WindowFlags flags = finestra->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    }

    void iControlliStannoDoveProgettati_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Frame1") << "Frame1" << QRect(90, 90, 8295, 8205);
        QTest::newRow("imLogo") << "imLogo" << QRect(390, 7380, 7500, 600);
        QTest::newRow("Frame2") << "Frame2" << QRect(8430, 90, 4755, 6285);
        QTest::newRow("Frame6") << "Frame6" << QRect(150, 150, 4455, 735);
        QTest::newRow("Label2 element 0") << "Label2_0" << QRect(120, 300, 1485, 285);
        QTest::newRow("lblCatturate") << "lblCatturate" << QRect(1770, 300, 645, 285);
        QTest::newRow("Label2 element 4") << "Label2_4" << QRect(2430, 300, 1035, 285);
        QTest::newRow("lblTentativi") << "lblTentativi" << QRect(3630, 300, 645, 285);
        QTest::newRow("Frame5") << "Frame5" << QRect(150, 900, 2025, 5205);
        QTest::newRow("imgtry") << "imgtry" << QRect(180, 4230, 1650, 750);
        QTest::newRow("Frame4") << "Frame4" << QRect(2280, 900, 2325, 5205);
        QTest::newRow("Label1") << "Label1" << QRect(360, 4470, 1545, 315);
        QTest::newRow("Frame3") << "Frame3" << QRect(8430, 6390, 4755, 855);
        QTest::newRow("opscelta element 0") << "opscelta_0" << QRect(450, 210, 1395, 465);
        QTest::newRow("opscelta element 1") << "opscelta_1" << QRect(2130, 210, 1395, 465);
        QTest::newRow("fraControl") << "fraControl" << QRect(8430, 7260, 4755, 1035);
        QTest::newRow("cmdOpen") << "cmdOpen" << QRect(1830, 180, 945, 735);
        QTest::newRow("cmdEstrai") << "cmdEstrai" << QRect(2970, 180, 1605, 735);
        QTest::newRow("cmdReset") << "cmdReset" << QRect(180, 180, 1335, 735);
        QTest::newRow("the first ball") << "lblBall_1" << QRect(180, 300, 705, 645);
        QTest::newRow("ball 17") << "lblBall_17" << QRect(180 + 801 * 6, 300 + 741, 705, 645);
        QTest::newRow("the last ball")
            << "lblBall_90" << QRect(180 + 801 * 9, 300 + 741 * 8, 705, 645);
        QTest::newRow("per-draw caption 10 on top") << "lblNumero_10" << QRect(150, 270, 645, 315);
        QTest::newRow("per-draw count 0 at the bottom")
            << "lblPunti_0" << QRect(1050, 3720, 765, 315);
        QTest::newRow("cumulative caption 3")
            << "lblNumTot_3" << QRect(330, 270 + 345 * 7, 645, 315);
        QTest::newRow("cumulative count 0") << "lblPuntiTot_0" << QRect(1230, 3720, 765, 315);
    }
    void iControlliStannoDoveProgettati()
    {
        QFETCH(QString, nome);
        QFETCH(QRect, twips);
        QWidget* w = Controllo(nome);
        QVERIFY(w);
        const RettangoloTwips g = GeometriaTwips(w);
        QCOMPARE(QRect(g.Left, g.Top, g.Width, g.Height), twips);
        QCOMPARE(w->geometry(), InPixel(g));
    }

    void ilTabelloneMostraINumeriDa1A90()
    {
        for (int k = 1; k <= 90; ++k) {
            auto* palla = Controllo<QLabel>(QStringLiteral("lblBall_%1").arg(k));
            QVERIFY(palla && palla->isVisible());
            QCOMPARE(palla->text(), QString::number(k));
            QCOMPARE(palla->palette().color(QPalette::Window), QColor(Qt::white));
        }
        QCOMPARE(finestra->findChildren<QLabel*>(QRegularExpression("^lblBall_")).size(), 90);
    }

    void leTabelleParinoDaZero()
    {
        for (int j = 0; j <= 10; ++j) {
            QCOMPARE(Testo(QStringLiteral("lblNumero_%1").arg(j)), QStringLiteral("%1 ...").arg(j));
            QCOMPARE(Testo(QStringLiteral("lblNumTot_%1").arg(j)), QString::number(j));
            QCOMPARE(Testo(QStringLiteral("lblPunti_%1").arg(j)), QStringLiteral("0"));
            QCOMPARE(Testo(QStringLiteral("lblPuntiTot_%1").arg(j)), QStringLiteral("0"));
        }
        QCOMPARE(Testo("lblCatturate"), QStringLiteral("0"));
        QCOMPARE(Testo("lblTentativi"), QStringLiteral("0"));
        QCOMPARE(Testo("Label2_0"), QStringLiteral("Combinazioni:"));
        QCOMPARE(Testo("Label2_4"), QStringLiteral("Tentativo:"));
        QCOMPARE(Testo("Label1"), QStringLiteral("TOTALI"));
        QVERIFY(Controllo("imgtry")->isHidden());
    }

    void iPulsantiHannoTestoSuggerimentoENomeAccessibile()
    {
        auto* apri = Controllo<QPushButton>("cmdOpen");
        QVERIFY(apri->text().isEmpty());
        QVERIFY(!apri->icon().isNull());
        QCOMPARE(apri->toolTip(), QStringLiteral("Carica un File"));
        QCOMPARE(apri->accessibleName(), QStringLiteral("Carica un File"));
        QCOMPARE(Controllo<QPushButton>("cmdEstrai")->text(), QStringLiteral("ESTRAZIONE"));
        QCOMPARE(Controllo<QPushButton>("cmdEstrai")->toolTip(),
                 QStringLiteral("Effettua estrazione"));
        QCOMPARE(Controllo<QPushButton>("cmdReset")->text(), QStringLiteral("RESET"));
        QCOMPARE(Controllo<QPushButton>("cmdReset")->toolTip(),
                 QStringLiteral("Resetta i contatori Vincite"));
        QVERIFY(!Controllo("imLogo")->accessibleName().isEmpty());
        QVERIFY(!Controllo("imgtry")->accessibleName().isEmpty());
    }

    void lIconaHaLeSeiMisureDisegnate()
    {
        // It follows the first frame.
        QTRY_VERIFY(!finestra->windowIcon().isNull());
        const QIcon icona = finestra->windowIcon();
        const QList<QSize> misure = {{16, 16}, {32, 32},   {48, 48},
                                     {64, 64}, {128, 128}, {256, 256}};
        QCOMPARE(icona.availableSizes(), misure);
        for (const QSize& misura : misure) {
            const QImage disegnata(QStringLiteral(":/icona-%1.png").arg(misura.width()));
            QCOMPARE(
                icona.pixmap(misura).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                disegnata.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }

    // Keys go to the native window, as the platform delivers them.
    void Premi(Qt::Key tasto, Qt::KeyboardModifiers modificatori = Qt::NoModifier)
    {
        QTest::keyClick(finestra->windowHandle(), tasto, modificatori);
    }
    QString Fuoco()
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    void tabRaggiungeLOpzioneSceltaSenzaCambiarla_data()
    {
        QTest::addColumn<QString>("scelta");
        QTest::addColumn<int>("estratti");
        QTest::newRow("twenty numbers, selected at start") << "opscelta_1" << 20;
        QTest::newRow("six numbers, once chosen") << "opscelta_0" << 6;
    }
    void tabRaggiungeLOpzioneSceltaSenzaCambiarla()
    {
        QFETCH(QString, scelta);
        QFETCH(int, estratti);
        QApplication::setActiveWindow(finestra);
        QCOMPARE(Fuoco(), QStringLiteral("cmdOpen"));
        if (!Controllo<QRadioButton>(scelta)->isChecked()) {
            QTest::mouseClick(Controllo(scelta), Qt::LeftButton);
            Controllo("cmdOpen")->setFocus();
        }

        QStringList giro;
        for (int i = 0; i < 4; ++i) {
            Premi(Qt::Key_Tab);
            giro << Fuoco();
        }
        QCOMPARE(giro, (QStringList{"cmdEstrai", "cmdReset", scelta, "cmdOpen"}));
        Premi(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Fuoco(), scelta);
        QVERIFY(Controllo<QRadioButton>(scelta)->isChecked());
        QCOMPARE(dati->Stato.NumeriEstratti, std::int16_t(estratti));
    }

    void leFrecceSpostanoESceglonoLOpzione()
    {
        QApplication::setActiveWindow(finestra);
        Controllo("cmdReset")->setFocus();
        Premi(Qt::Key_Tab);
        QCOMPARE(Fuoco(), QStringLiteral("opscelta_1"));
        Premi(Qt::Key_Left);
        QCOMPARE(Fuoco(), QStringLiteral("opscelta_0"));
        QVERIFY(Controllo<QRadioButton>("opscelta_0")->isChecked());
        QCOMPARE(dati->Stato.NumeriEstratti, std::int16_t{6});
        Premi(Qt::Key_Tab, Qt::ShiftModifier);
        Premi(Qt::Key_Tab);
        QCOMPARE(Fuoco(), QStringLiteral("opscelta_0"));
        Premi(Qt::Key_Right);
        QCOMPARE(Fuoco(), QStringLiteral("opscelta_1"));
        QCOMPARE(dati->Stato.NumeriEstratti, std::int16_t{20});
    }

    // Tab and Shift+Tab leave the option group for the neighbouring controls
    // in the tab order, and coming back land on the selected option: also
    // after the other option had the focus (a press dragged off it gives it
    // the focus, not the selection), and after a screen reader changed the
    // selection without moving the focus.
    void ilFuocoEsceDalGruppoDiOpzioni_data()
    {
        QTest::addColumn<bool>("lettore");
        QTest::addColumn<int>("modificatori");
        QTest::addColumn<QStringList>("fuochi");
        QTest::addColumn<int>("estratti");
        const int tab = Qt::NoModifier;
        const int indietro = Qt::ShiftModifier;
        QTest::newRow("Tab from the unselected option goes on to the open button")
            << false << tab << QStringList{"cmdOpen", "opscelta_1"} << 20;
        QTest::newRow("Shift+Tab from it goes back to RESET")
            << false << indietro << QStringList{"cmdReset", "opscelta_1"} << 20;
        QTest::newRow("a choice by a screen reader moves the stop with it")
            << true << indietro << QStringList{"opscelta_0", "cmdOpen"} << 6;
    }
    void ilFuocoEsceDalGruppoDiOpzioni()
    {
        QFETCH(bool, lettore);
        QFETCH(int, modificatori);
        QFETCH(QStringList, fuochi);
        QApplication::setActiveWindow(finestra);
        QWidget* sei = Controllo("opscelta_0");
        if (lettore) {
            QAccessible::queryAccessibleInterface(sei)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
        } else {
            QTest::mousePress(sei, Qt::LeftButton, {}, QPoint(5, 15));
            QTest::mouseRelease(sei, Qt::LeftButton, {}, QPoint(5, -40));
            QVERIFY(Controllo<QRadioButton>("opscelta_1")->isChecked());
        }
        const QString primo = Fuoco();

        const auto andata = Qt::KeyboardModifiers(modificatori);
        Premi(Qt::Key_Tab, andata);
        QCOMPARE(Fuoco(), fuochi[0]);
        Premi(Qt::Key_Tab, andata ^ Qt::ShiftModifier);
        QCOMPARE(Fuoco(), fuochi[1]);
        QCOMPARE(primo, lettore ? "cmdOpen" : "opscelta_0");
        QFETCH(int, estratti);
        QCOMPARE(dati->Stato.NumeriEstratti, std::int16_t(estratti));
    }

    void lOpzioneCambiaSoloINumeriEstratti()
    {
        QCOMPARE(dati->Stato.NumeriEstratti, std::int16_t{20});
        QVERIFY(Controllo<QRadioButton>("opscelta_1")->isChecked());
        QCOMPARE(Controllo<QRadioButton>("opscelta_0")->text(), QStringLiteral(" 6 estratti"));
        QCOMPARE(Controllo<QRadioButton>("opscelta_1")->text(), QStringLiteral("20 estratti"));

        QTest::mouseClick(Controllo("opscelta_0"), Qt::LeftButton);
        QCOMPARE(dati->Stato.NumeriEstratti, std::int16_t{6});
        QVERIFY(!Controllo<QRadioButton>("opscelta_1")->isChecked());
        QTest::mouseClick(Controllo("opscelta_1"), Qt::LeftButton);
        QCOMPARE(dati->Stato.NumeriEstratti, std::int16_t{20});
        QCOMPARE(dati->Stato.Tentativi, std::int16_t{0});
        QCOMPARE(Testo("lblTentativi"), QStringLiteral("0"));
    }

    // A click anywhere in an option's designed box, 93 x 31 pixels, selects
    // it: also where the style sees empty space beside or below the caption.
    void unClicNelRiquadroDellOpzioneLaSceglie_data()
    {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QPoint>("punto");
        QTest::addColumn<int>("estratti");
        QTest::newRow("six, right of its caption") << "opscelta_0" << QPoint(90, 15) << 6;
        QTest::newRow("six, in its bottom left corner") << "opscelta_0" << QPoint(0, 30) << 6;
        QTest::newRow("twenty, in its bottom right corner") << "opscelta_1" << QPoint(92, 30) << 20;
    }
    void unClicNelRiquadroDellOpzioneLaSceglie()
    {
        QFETCH(QString, opzione);
        QFETCH(QPoint, punto);
        QFETCH(int, estratti);
        const QString altra = opzione == "opscelta_0" ? "opscelta_1" : "opscelta_0";
        QTest::mouseClick(Controllo(altra), Qt::LeftButton);
        QVERIFY(!Controllo<QRadioButton>(opzione)->isChecked());
        QCOMPARE(Controllo(opzione)->size(), QSize(93, 31));
        QTest::mouseClick(Controllo(opzione), Qt::LeftButton, {}, punto);
        QVERIFY(Controllo<QRadioButton>(opzione)->isChecked());
        QCOMPARE(dati->Stato.NumeriEstratti, std::int16_t(estratti));
    }

    // RESET's face is one flat grey inside the style's bevel, a darker grey
    // while pressed; keyboard focus draws a line of the highlight colour
    // round it, where the style would tint the whole face.
    void ilResetHaLaFacciaGrigiaPiatta_data()
    {
        QTest::addColumn<QString>("fuoco"); // how the focus came, if it did
        QTest::addColumn<bool>("premuto");
        QTest::addColumn<QColor>("faccia");
        const QColor grigio(224, 224, 224);
        QTest::newRow("at rest") << "" << false << grigio;
        QTest::newRow("focused from the keyboard, with the line") << "Tab" << false << grigio;
        QTest::newRow("focused by the program, as by a click, without")
            << "setFocus" << false << grigio;
        QTest::newRow("pressed") << "" << true << QColor(grigio.darker(110).rgb());
    }
    void ilResetHaLaFacciaGrigiaPiatta()
    {
        QFETCH(QString, fuoco);
        QFETCH(bool, premuto);
        QFETCH(QColor, faccia);
        QApplication::setStyle(QStringLiteral("Fusion"));
        auto* reset = Controllo<QPushButton>("cmdReset");
        QApplication::setActiveWindow(finestra);
        if (fuoco == "Tab") {
            Controllo("cmdEstrai")->setFocus();
            Premi(Qt::Key_Tab);
        } else if (fuoco == "setFocus") {
            reset->setFocus();
        }
        QCOMPARE(reset->hasFocus(), !fuoco.isEmpty());
        reset->setDown(premuto);
        const QImage immagine = reset->grab().toImage();
        reset->setDown(false);
        const auto colore = [&](int x, int y) { return immagine.pixelColor(x, y); };
        const int w = immagine.width();
        const int h = immagine.height();

        for (int x = 3; x < w - 3; x += 4) { // above and below the caption
            QCOMPARE(colore(x, 3), faccia);
            QCOMPARE(colore(x, h - 4), faccia);
        }
        QCOMPARE(colore(3, h / 2), faccia);
        QCOMPARE(colore(w - 4, h / 2), faccia);
        const QColor riga = fuoco == "Tab" ? reset->palette().color(QPalette::Highlight) : faccia;
        for (const QPoint& p : {QPoint(2, h / 2), QPoint(w - 3, h / 2), QPoint(w / 2, 2)})
            QCOMPARE(colore(p.x(), p.y()), riga);
        const QColor sfondo = reset->palette().color(QPalette::Window);
        for (const QPoint& bevel : {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, h - 1)}) {
            QVERIFY(colore(bevel.x(), bevel.y()) != faccia);
            QVERIFY(colore(bevel.x(), bevel.y()) != sfondo);
        }
        QVERIFY(Controllo<QPushButton>("cmdEstrai")->grab().toImage().pixelColor(6, 5) != faccia);
    }

    void ogniFinestraPortaLIconaDelProgramma()
    {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("vortilla"));
        QTRY_VERIFY(!finestra->windowIcon().isNull());
        const qint64 icona = finestra->windowIcon().cacheKey();
        QCOMPARE(FrmMessage(dati->Canale).windowIcon().cacheKey(), icona);
        QCOMPARE(FrmInfo(dati->Canale).windowIcon().cacheKey(), icona);
    }

    void laCartellaSistemiStaAccantoAlProgramma()
    {
        QCOMPARE(QString::fromStdString(dati->CartellaSistemi),
                 QCoreApplication::applicationDirPath() + "/Shared/Costruzioni/");
        QCOMPARE(dati->Stato.NumeriMax, std::int16_t{90});
        QCOMPARE(dati->Stato.NumeroMassimo, std::int16_t{90});
    }
};

QTEST_MAIN(TestFrmEstrazioneUser)
#include "test_frmestrazioneuser.moc"
