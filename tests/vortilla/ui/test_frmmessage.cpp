// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogoModale.h"

#include "errors/CanaleDialogo.h"
#include "platform/Programma.h"
#include "platform/Twips.h"
#include "ui/dialogs/FrmMessage.h"
#include "ui/dialogs/MessaggioQt.h"

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

QList<QPushButton*> Pulsanti(const QWidget* dialogo)
{
    QList<QPushButton*> trovati;
    for (int k = 1;
         auto* p = dialogo->findChild<QPushButton*>(QStringLiteral("cmdPulsante_%1").arg(k)); ++k)
        trovati << p;
    return trovati;
}
} // namespace

// The message box as its callers meet it: laid out from the channel, answered
// by a button, and deaf to the frame's close box and to Escape.
class TestFrmMessage : public QObject {
    Q_OBJECT

    CanaleDialogo canale;

    // Opens the dialog on `testo` and `pulsanti` and presses button `premuto`
    // after `azione` has run on it.
    void Apri(const std::string& testo, const std::string& pulsanti, int premuto,
              const std::function<void(QDialog*)>& azione = {})
    {
        canale.TestoMessaggio = testo;
        canale.Pulsanti = pulsanti;
        QuandoAperto([azione, premuto](QDialog* dialogo) {
            if (azione)
                azione(dialogo);
            if (premuto > 0 && dialogo->isVisible())
                QTest::mouseClick(Pulsanti(dialogo).value(premuto - 1), Qt::LeftButton);
        });
        MessaggioQt(canale).ApriModale();
    }

private slots:
    void initTestCase() { RegistraSostituzioniCaratteri(); }
    void init() { canale = CanaleDialogo{}; }

    void lAltezzaSegueIlNumeroDiRighe_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("finestra");
        QTest::addColumn<int>("cornice");
        QTest::addColumn<int>("etichetta");
        QTest::addColumn<int>("cimaPulsanti");
        QTest::addColumn<QString>("mostrato");
        QTest::newRow("a text without bars is one line")
            << "Confermi uscita dal programma?" << 2725 << 2275 << 275 << 1675
            << "Confermi uscita dal programma?";
        QTest::newRow("the reset question is three lines")
            << "Con questa operazione,|i dati finora accumulati|verranno resettati ..!" << 3275
            << 2825 << 825 << 2225
            << "Con questa operazione,\ni dati finora accumulati\nverranno resettati ..!";
        QTest::newRow("an empty text has no line at all") << "" << 2450 << 2000 << 0 << 1400 << "";
        QTest::newRow("two adjacent bars hold an empty line")
            << "a||b" << 3275 << 2825 << 825 << 2225 << "a\n\nb";
        QTest::newRow("a bar at the end adds an empty last line")
            << "a|" << 3000 << 2550 << 550 << 1950 << "a\n";
    }
    void lAltezzaSegueIlNumeroDiRighe()
    {
        QFETCH(QString, testo);
        canale.TestoMessaggio = testo.toStdString();
        canale.Pulsanti = "OK";
        FrmMessage dialogo(canale);
        QFETCH(int, finestra);
        QCOMPARE(AltezzaEsternaTwips(&dialogo), finestra);
        QCOMPARE(Twips(&dialogo), QRect(0, 0, 4815, finestra - AltezzaCorniceTwips));
        QCOMPARE(dialogo.minimumSize(), dialogo.maximumSize());
        QFETCH(int, cornice);
        QCOMPARE(Twips(dialogo.findChild<QWidget*>("fraMessage")), QRect(30, 0, 4725, cornice));
        QFETCH(int, etichetta);
        auto* messaggio = dialogo.findChild<QLabel*>("lblMessage");
        QCOMPARE(Twips(messaggio), QRect(210, 1050, 4275, etichetta));
        QFETCH(QString, mostrato);
        QCOMPARE(messaggio->text(), mostrato);
        QFETCH(int, cimaPulsanti);
        QCOMPARE(Twips(Pulsanti(&dialogo).value(0)), QRect(1700, cimaPulsanti, 1400, 465));
        QCOMPARE(Twips(dialogo.findChild<QWidget*>("Image1")), QRect(1170, 210, 2400, 600));
    }

    void laFinestraEUnaFinestraDiServizio()
    {
        canale.Pulsanti = "OK";
        FrmMessage dialogo(canale);
        QCOMPARE(dialogo.objectName(), QStringLiteral("frmMessage"));
        QCOMPARE(dialogo.windowTitle(),
                 QStringLiteral("SimulazioneVortilla® - Messaggio di Servizio"));
        QVERIFY(!(dialogo.windowFlags()
                  & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(dialogo.windowModality(), Qt::ApplicationModal);
    }

    void iPulsantiFormanoUnaFila_data()
    {
        QTest::addColumn<QString>("pulsanti");
        QTest::addColumn<QList<int>>("sinistre");
        QTest::addColumn<QStringList>("didascalie");
        QTest::newRow("one caption stands alone in the middle")
            << "OK" << QList<int>{1700} << QStringList{"OK"};
        QTest::newRow("two captions start at 1000, 60 apart")
            << "NO,SI" << QList<int>{1000, 2460} << QStringList{"NO", "SI"};
        QTest::newRow("three captions start at 185, 70 apart")
            << "Uno,Due,Tre" << QList<int>{185, 1655, 3125} << QStringList{"Uno", "Due", "Tre"};
        QTest::newRow("blanks around a comma stay in the captions")
            << "Resetta , Rinuncia" << QList<int>{1000, 2460}
            << QStringList{"Resetta ", " Rinuncia"};
        QTest::newRow("two commas alone make three empty captions")
            << ",," << QList<int>{185, 1655, 3125} << QStringList{"", "", ""};
        QTest::newRow("no caption leaves the designed button alone and blank")
            << "" << QList<int>{210} << QStringList{""};
        QTest::newRow("four captions leave the designed button alone and blank")
            << "A,B,C,D" << QList<int>{210} << QStringList{""};
    }
    void iPulsantiFormanoUnaFila()
    {
        QFETCH(QString, pulsanti);
        QFETCH(QList<int>, sinistre);
        QFETCH(QStringList, didascalie);
        canale.TestoMessaggio = "Una riga";
        canale.Pulsanti = pulsanti.toStdString();
        FrmMessage dialogo(canale);
        const QList<QPushButton*> trovati = Pulsanti(&dialogo);
        QCOMPARE(dialogo.findChildren<QPushButton*>().size(), sinistre.size());
        QCOMPARE(trovati.size(), sinistre.size());
        for (int k = 0; k < trovati.size(); ++k) {
            QCOMPARE(Twips(trovati[k]), QRect(sinistre[k], 1675, 1400, 465));
            QCOMPARE(trovati[k]->text(), didascalie[k]);
            QVERIFY(trovati[k]->isVisibleTo(&dialogo));
            QCOMPARE(trovati[k]->font(), trovati[0]->font());
        }
    }

    void ilPulsantePremutoEMessoInRisposta_data()
    {
        QTest::addColumn<QString>("pulsanti");
        QTest::addColumn<int>("premuto");
        QTest::newRow("NO of NO,SI answers 1") << "NO,SI" << 1;
        QTest::newRow("SI of NO,SI answers 2") << "NO,SI" << 2;
        QTest::newRow("the left one of three answers 1") << "A,B,C" << 1;
        QTest::newRow("the middle one of three answers 2") << "A,B,C" << 2;
        QTest::newRow("the right one of three answers 3") << "A,B,C" << 3;
        QTest::newRow("a lone OK answers 1") << "OK" << 1;
        QTest::newRow("the blank button of no caption answers 1") << "" << 1;
        QTest::newRow("the blank button of four captions answers 1") << "A,B,C,D" << 1;
    }
    void ilPulsantePremutoEMessoInRisposta()
    {
        QFETCH(QString, pulsanti);
        QFETCH(int, premuto);
        canale.Risposta = 9;
        std::int16_t rispostaAperto = -1;
        Apri("Scegli", pulsanti.toStdString(), premuto,
             [&](QDialog*) { rispostaAperto = canale.Risposta; });
        QCOMPARE(rispostaAperto, std::int16_t{0});
        QCOMPARE(canale.Risposta, std::int16_t(premuto));
    }

    void laCorniceEdEscNonLoChiudono_data()
    {
        QTest::addColumn<bool>("daTastiera");
        QTest::newRow("the close box, as Alt+F4, arrives from the platform") << false;
        QTest::newRow("Escape") << true;
    }
    void laCorniceEdEscNonLoChiudono()
    {
        QFETCH(bool, daTastiera);
        bool restaAperto = false;
        std::int16_t rispostaIntanto = -1;
        int chiusureSpontanee = 0;
        Apri("Confermi uscita dal programma?", "NO,SI", 2, [&](QDialog* dialogo) {
            SpiaChiusure spia(dialogo);
            if (daTastiera)
                QTest::keyClick(dialogo->windowHandle(), Qt::Key_Escape);
            else
                ChiudiDallaCornice(dialogo);
            chiusureSpontanee = spia.Spontanee;
            restaAperto = dialogo->isVisible();
            rispostaIntanto = canale.Risposta;
        });
        QVERIFY(restaAperto);
        QCOMPARE(rispostaIntanto, std::int16_t{0});
        if (!daTastiera)
            QCOMPARE(chiusureSpontanee, 1);
        QCOMPARE(canale.Risposta, std::int16_t{2});
    }

    void ilProgrammaLoChiudeSenzaRisposta()
    {
        bool chiuso = false;
        Apri("Confermi uscita dal programma?", "NO,SI", 0,
             [&](QDialog* dialogo) { chiuso = dialogo->close(); });
        QVERIFY(chiuso);
        QCOMPARE(canale.Risposta, std::int16_t{0});
    }

    void iPulsantiCreatiSparisconoConLaFinestra()
    {
        QPointer<QPushButton> terzo;
        QPointer<QDialog> primaApertura;
        Apri("Tre", "A,B,C", 3, [&](QDialog* dialogo) {
            terzo = Pulsanti(dialogo).value(2);
            primaApertura = dialogo;
        });
        QVERIFY(terzo.isNull());
        QVERIFY(primaApertura.isNull());
        QStringList nomi;
        Apri("Uno", "OK", 1, [&](QDialog* dialogo) {
            for (auto* p : dialogo->findChildren<QPushButton*>())
                nomi << p->objectName();
        });
        QCOMPARE(nomi, QStringList{"cmdPulsante_1"});
    }

    void ilFuocoParteDalPrimoPulsante_data()
    {
        QTest::addColumn<int>("tabulazioni");
        QTest::newRow("Return at once presses the first button") << 0;
        QTest::newRow("after one Tab, Return presses the second") << 1;
        QTest::newRow("after two Tabs, Return presses the third") << 2;
        QTest::newRow("Tab wraps from the third back to the first") << 3;
    }
    void ilFuocoParteDalPrimoPulsante()
    {
        QFETCH(int, tabulazioni);
        QString fuocoIniziale;
        Apri("Scegli", "A,B,C", 0, [&](QDialog* dialogo) {
            fuocoIniziale =
                dialogo->focusWidget() ? dialogo->focusWidget()->objectName() : QString();
            for (int t = 0; t < tabulazioni; ++t)
                QTest::keyClick(dialogo->windowHandle(), Qt::Key_Tab);
            QTest::keyClick(dialogo->windowHandle(), Qt::Key_Return);
        });
        QCOMPARE(fuocoIniziale, QStringLiteral("cmdPulsante_1"));
        QCOMPARE(canale.Risposta, std::int16_t(tabulazioni % 3 + 1));
    }

    void dopoLaChiusuraLaFinestraPrincipaleRiprende()
    {
        canale.TestoMessaggio = "Nessuna combinazione in memoria ..!|Caricare un file.";
        canale.Pulsanti = "OK";
        int chiamate = 0;
        bool dialogoAncoraVivo = true;
        MessaggioQt messaggio(canale, [&] {
            ++chiamate;
            dialogoAncoraVivo = false;
            for (QWidget* w : QApplication::topLevelWidgets())
                dialogoAncoraVivo |= w->objectName() == QLatin1String("frmMessage");
        });
        QuandoAperto([](QDialog* dialogo) {
            QVERIFY(!dialogo->parentWidget());
            QTest::mouseClick(Pulsanti(dialogo).value(0), Qt::LeftButton);
        });
        messaggio.ApriModale();
        QCOMPARE(chiamate, 1);
        QVERIFY(!dialogoAncoraVivo);
        QCOMPARE(canale.Risposta, std::int16_t{1});
    }
};

QTEST_MAIN(TestFrmMessage)
#include "test_frmmessage.moc"
