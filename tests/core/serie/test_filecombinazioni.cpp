// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two readings of a combination file: a file that changes between them
// is refused, one whose name is reused meanwhile is read whole from the
// first opening, and a folder is said in words.

#include "serie/FileCombinazioni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

using namespace vortilla;

namespace {

enum Modifica { Nessuna, Troncato, Allungato, Riscritto, Sostituito };

void Scrivi(const QString& percorso, const QByteArray& testo)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(testo);
    f.close();
    // Long ago, so that any later write changes the modification time.
    const timespec tempi[2] = {{946'684'800, 0}, {946'684'800, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(percorso), tempi, 0), 0);
}

} // namespace

class TestFileCombinazioni : public QObject {
    Q_OBJECT
private slots:
    void unFileCambiatoTraLeLettureERifiutato_data()
    {
        QTest::addColumn<int>("modifica");
        QTest::addColumn<QString>("messaggio"); // empty: loaded
        const QString cambiato =
            "Lettura oltre la fine del file ..! (il file è cambiato tra le due letture)";
        QTest::newRow("an unchanged file is loaded") << int(Nessuna) << QString();
        QTest::newRow("a file cut short is refused") << int(Troncato) << cambiato;
        QTest::newRow("a file that grew is refused") << int(Allungato) << cambiato;
        QTest::newRow("a file rewritten to the same size is refused") << int(Riscritto) << cambiato;
        QTest::newRow("a file whose name now names another is read from the first")
            << int(Sostituito) << QString();
    }
    void unFileCambiatoTraLeLettureERifiutato()
    {
        QFETCH(int, modifica);
        QFETCH(QString, messaggio);
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath("sistema.txt");
        Scrivi(percorso, "1 2 3\n4 5 6\n7 8 9\n");
        Rifiuto rifiuto;
        const auto file =
            FileCombinazioni::Apri(QFile::encodeName(percorso).toStdString(), rifiuto);
        QVERIFY(file);
        QCOMPARE(file->Verifica(rifiuto), std::optional<std::int32_t>(3));
        switch (modifica) {
        case Troncato: QVERIFY(QFile::resize(percorso, 12)); break;
        case Allungato: {
            QFile f(percorso);
            QVERIFY(f.open(QIODevice::Append));
            f.write("10 11 12\n");
        } break;
        case Riscritto: {
            QFile f(percorso);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.write("3 2 1");
        } break;
        case Sostituito:
            Scrivi(cartella.filePath("altro.txt"), "40 50 60\n");
            QVERIFY(::rename(QFile::encodeName(cartella.filePath("altro.txt")),
                             QFile::encodeName(percorso))
                    == 0);
            break;
        }
        const auto righe = file->Carica(500, rifiuto);
        QCOMPARE(QString::fromStdString(righe ? std::string() : TestoRifiuto(rifiuto)), messaggio);
        if (righe)
            QCOMPARE(*righe, (std::vector<std::string>{"1 2 3", "4 5 6", "7 8 9"}));
    }

    void unaCartellaSiDiceAParole()
    {
        QTemporaryDir cartella;
        Rifiuto rifiuto;
        QVERIFY(!FileCombinazioni::Apri(QFile::encodeName(cartella.path()).toStdString(), rifiuto));
        QCOMPARE(QString::fromStdString(TestoRifiuto(rifiuto)),
                 QString("Si è verificato l' errore: 75 (è una cartella)"));
    }
};

QTEST_GUILESS_MAIN(TestFileCombinazioni)
#include "test_filecombinazioni.moc"
