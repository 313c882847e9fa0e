// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DialogoModale.h"
#include "ui/Risponditore.h"

#include "platform/SceltaFileQt.h"
#include "platform/TraduzioniQt.h"

#include <QAbstractProxyModel>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeView>

#include <utime.h>

using namespace vortilla;

// The file chooser as the program opens it: Qt's texts in Italian, the
// program's title as given, and nothing written to the user's folders.
class TestSceltaFileQt : public QObject {
    Q_OBJECT

    QTemporaryDir casa;
    QTemporaryDir file;

    static std::string Apri(const QString& cartella)
    {
        return SceltaFileQt().ApriFile(1, "Open", "", std::string("Sistemi\0*.txt", 13),
                                       cartella.toStdString() + "/", "txt");
    }

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
        const std::string percorso = Apri(file.path());
        QVERIFY(r.TuttiRisposti());
        QCOMPARE(QString::fromStdString(percorso), scegli ? scelto : QString());
        QCOMPARE(titolo, QStringLiteral("Open"));
        QVERIFY2(pulsanti.contains(QStringLiteral("Annulla")), qPrintable(pulsanti.join(',')));
        QCOMPARE(FileInCasa(), QStringList{});
    }

    // A name typed without an extension takes the default one, "txt". Return
    // already down when the chooser opened picks nothing; a new press does.
    void unNomeSenzaEstensionePrendeTxt_data()
    {
        QTest::addColumn<QString>("digitato");
        QTest::addColumn<QString>("scelto");
        QTest::newRow("a name without extension gets .txt") << QString("tre") << QString("tre.txt");
        QTest::newRow("a name with .txt stays as typed")
            << QString("tre.txt") << QString("tre.txt");
        QTest::newRow("a name with another extension stays as typed")
            << QString("dati.csv") << QString("dati.csv");
    }
    void unNomeSenzaEstensionePrendeTxt()
    {
        QFETCH(QString, digitato);
        QFETCH(QString, scelto);
        for (const char* nome : {"tre.txt", "dati.csv"})
            QFile(file.filePath(nome)).open(QIODevice::WriteOnly);
        static ulong tempo = 100000000; // far from Qt Test's own stamps
        bool apertoDopoLeRipetizioni = false;
        Risponditore r;
        r.Poi([&](QWidget* dialogo) {
            Risponditore avvisi(dialogo); // "file not found" would open over it
            QTest::keyClicks(dialogo->findChild<QLineEdit*>("fileNameEdit"), digitato);
            Ripetizioni(dialogo->windowHandle(), Qt::Key_Return, tempo, 3, false);
            apertoDopoLeRipetizioni = dialogo->isVisible();
            Tasto(dialogo->windowHandle(), QEvent::KeyRelease, Qt::Key_Return, tempo += 200);
            Tasto(dialogo->windowHandle(), QEvent::KeyPress, Qt::Key_Return, tempo += 200);
            QVERIFY(avvisi.TuttiRisposti());
        });
        const std::string percorso = Apri(file.path());
        QVERIFY(r.TuttiRisposti());
        QVERIFY(apertoDopoLeRipetizioni);
        QCOMPARE(QString::fromStdString(percorso), file.filePath(scelto));
    }

    // Size, type and date read in Italian, whatever the user's locale, and
    // read whole; the default locale the chooser sets is Italian from then on.
    void leColonneDelDettaglioSonoInItaliano_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QStringList>("colonne");
        QTest::newRow("a text file of 95 bytes")
            << QString("novantacinque.txt")
            << QStringList{"95 byte", "Documento in testo semplice", "07/12/26 17:39"};
        QTest::newRow("a folder, with no size")
            << "cartella" << QStringList{"", "Cartella", "07/12/26 17:39"};
    }
    void leColonneDelDettaglioSonoInItaliano()
    {
        QFETCH(QString, nome);
        QDir(file.path()).mkdir("cartella");
        QFile testo(file.filePath("novantacinque.txt"));
        QVERIFY(testo.open(QIODevice::WriteOnly));
        testo.write(QByteArray(95, 'x'));
        testo.close();
        const utimbuf quando{0, QDateTime(QDate(2026, 12, 7), QTime(17, 39)).toSecsSinceEpoch()};
        QCOMPARE(utime(QFile::encodeName(file.filePath(nome)).constData(), &quando), 0);

        QStringList mostrate;
        Risponditore r;
        r.Poi([&](QWidget* w) {
            auto* dialogo = qobject_cast<QFileDialog*>(w);
            dialogo->setViewMode(QFileDialog::Detail);
            auto* vista = dialogo->findChild<QTreeView*>("treeView");
            const auto riga = [&] {
                return vista->model()
                    ->match(vista->model()->index(0, 0, vista->rootIndex()), Qt::DisplayRole, nome,
                            1, Qt::MatchExactly)
                    .value(0);
            };
            // Each text whole in its column, and every column in sight.
            const auto intero = [&](int colonna) {
                const QString testo = riga().siblingAtColumn(colonna).data().toString();
                const int largo = vista->fontMetrics().horizontalAdvance(testo);
                QHeaderView* testata = vista->header();
                return !testo.isEmpty() && testata->sectionSize(colonna) > largo
                       && testata->sectionViewportPosition(colonna) + largo
                              < vista->viewport()->width();
            };
            QTRY_VERIFY(intero(2) && intero(3) && (intero(1) || nome == "cartella"));
            for (int colonna = 1; colonna <= 3; ++colonna)
                mostrate << riga().siblingAtColumn(colonna).data().toString();
        });
        Apri(file.path());
        QVERIFY(r.TuttiRisposti());
        QFETCH(QStringList, colonne);
        QCOMPARE(mostrate, colonne);
        QCOMPARE(QLocale().name(), QStringLiteral("it_IT"));
    }
};

QTEST_MAIN(TestSceltaFileQt)
#include "test_sceltafileqt.moc"
