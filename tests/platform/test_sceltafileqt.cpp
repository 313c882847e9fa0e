// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Risponditore.h"

#include "platform/SceltaFileQt.h"
#include "platform/TraduzioniQt.h"

#include <QDirIterator>
#include <QFileDialog>
#include <QTemporaryDir>

using namespace vortilla;

// The file chooser as the program opens it: Qt's texts in Italian, the
// program's title as given, and nothing written to the user's folders.
class TestSceltaFileQt : public QObject {
    Q_OBJECT

    QTemporaryDir casa;
    QTemporaryDir file;

    QStringList FileInCasa()
    {
        QStringList trovati;
        QDirIterator giro(casa.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                          QDirIterator::Subdirectories);
        while (giro.hasNext())
            trovati << giro.next();
        return trovati;
    }

private slots:
    void initTestCase()
    {
        // Before anything reads the user's settings: they live here now.
        qputenv("HOME", casa.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (casa.path() + "/.config").toLocal8Bit());
        QVERIFY(casa.isValid() && file.isValid());
    }

    void senzaIlFileDiTraduzioneQtRestaInInglese()
    {
        QTemporaryDir vuota;
        QVERIFY(!CaricaTraduzioniQt(vuota.path()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }

    void ilSelettoreParlaItalianoENonScriveNulla_data()
    {
        QTest::addColumn<bool>("scegli");
        QTest::newRow("a file chosen") << true;
        QTest::newRow("the chooser cancelled") << false;
    }
    void ilSelettoreParlaItalianoENonScriveNulla()
    {
        QFETCH(bool, scegli);
        const QString scelto = file.filePath("tre.txt");
        QFile(scelto).open(QIODevice::WriteOnly);
        QString titolo;
        QStringList pulsanti;
        Risponditore r;
        r.Poi([&](QWidget* w) {
            auto* dialogo = qobject_cast<QFileDialog*>(w);
            titolo = dialogo->windowTitle();
            for (auto* pulsante : dialogo->findChildren<QAbstractButton*>())
                pulsanti << pulsante->text();
            if (scegli) {
                dialogo->selectFile(scelto);
                static_cast<QDialog*>(dialogo)->accept();
            } else {
                dialogo->reject();
            }
        });
        SceltaFileQt scelta;
        const std::string percorso =
            scelta.ApriFile(1, "Open", "", std::string("Sistemi\0*.txt", 13),
                            file.path().toStdString() + "/", "txt");
        QVERIFY(r.TuttiRisposti());
        QCOMPARE(QString::fromStdString(percorso), scegli ? scelto : QString());
        QCOMPARE(titolo, QStringLiteral("Open"));
        QVERIFY2(pulsanti.contains(QStringLiteral("Annulla")), qPrintable(pulsanti.join(',')));
        QCOMPARE(FileInCasa(), QStringList{});
    }
};

QTEST_MAIN(TestSceltaFileQt)
#include "test_sceltafileqt.moc"
