// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FinteFinestre.h"

#include "combinations/VerificaFile.h"
#include "errors/MessaggioErrore.h"

#include <QTest>

#include <string>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

using vortilla::VerificaFile;

namespace {

int DescrittoriAperti()
{
    int quanti = 0;
    if (DIR* cartella = opendir("/proc/self/fd")) {
        while (readdir(cartella))
            ++quanti;
        closedir(cartella);
    }
    return quanti;
}

} // namespace

class TestVerificaFile : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;

    // Validates `percorso` with the loader's limits; checks the one message
    // that must follow a refusal and returns its number, or 0 if accepted.
    void Verifica(const std::string& percorso, int erroreAtteso)
    {
        vortilla::DatiProgramma dati;
        finte::FinestraMessaggio finestra(dati);
        const int descrittoriPrima = DescrittoriAperti();
        const bool rifiutato = VerificaFile(percorso, 3, 10, 90, dati, finestra);
        QCOMPARE(rifiutato, erroreAtteso != 0);
        QCOMPARE(DescrittoriAperti(), descrittoriPrima);
        if (erroreAtteso == 0) {
            QVERIFY(finestra.visti.empty());
            return;
        }
        QCOMPARE(finestra.visti.size(), std::size_t{1});
        QCOMPARE(finestra.visti[0].testo, QString::fromStdString(vortilla::MessaggioErrore(erroreAtteso)));
        QCOMPARE(finestra.visti[0].pulsanti, QString("OK"));
        QCOMPARE(finestra.visti[0].fileAperti, std::size_t{0});
        QCOMPARE(dati.Stato.NumCombinazioni, std::int16_t{0});
    }

private slots:
    void initTestCase() { QVERIFY(cartella_.isValid()); }

    void rifiutaConIlNumeroDellErrore_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("errore");

        QTest::newRow("a zero among too few numbers is reported as a zero") << QByteArray("0 1\r\n") << 102;
        QTest::newRow("commas split a line into one-number combinations") << QByteArray("1,2,3\r\n") << 100;
        QTest::newRow("three spaces in a row leave an empty token") << QByteArray("1   2 3\r\n") << 13;
        QTest::newRow("a dot between two spaces leaves an empty token") << QByteArray("1 . 2 3\r\n") << 13;
        QTest::newRow("a number past the 16-bit range overflows") << QByteArray("1 2 32768\r\n") << 6;
        QTest::newRow("a long run of digits overflows without wrapping") << QByteArray("1 2 4294967297\r\n") << 6;
        QTest::newRow("digits followed by a letter are a mismatch, not an overflow") << QByteArray("1 2 99999x\r\n") << 13;
        QTest::newRow("a negative number is out of the game") << QByteArray("-1 2 3\r\n") << 102;
        QTest::newRow("a zero is out of the game") << QByteArray("0 1 2\r\n") << 102;
        QTest::newRow("a number above ninety is out of the game") << QByteArray("91 1 2\r\n") << 102;
        QTest::newRow("an out-of-range number before a letter decides")
            << QByteArray("91 x 2\r\n") << 102;
        QTest::newRow("an out-of-range number before an overflow decides")
            << QByteArray("0 1 32768\r\n") << 102;
        QTest::newRow("a letter before an out-of-range number decides")
            << QByteArray("1 x 91\r\n") << 13;
        QTest::newRow("an empty file holds no combination") << QByteArray() << 101;
        QTest::newRow("blank lines hold no combination") << QByteArray("\r\n  \r\n\r\n") << 101;
        QTest::newRow("lines of tabs and spaces hold no combination") << QByteArray("\t \t\r\n \t\n") << 101;
        QTest::newRow("commas alone hold no combination") << QByteArray(",,,\r\n, ,\r\n") << 101;
        QTest::newRow("two numbers are too few") << QByteArray("1 2\r\n") << 100;
        QTest::newRow("eleven numbers are too many") << QByteArray("1 2 3 4 5 6 7 8 9 10 11\r\n") << 100;
        QTest::newRow("an item of dots only has no number") << QByteArray("...\r\n") << 100;
        QTest::newRow("quotes around blanks make a combination of no number") << QByteArray("\" \t \"\r\n") << 100;
        QTest::newRow("a letter among the numbers is a mismatch") << QByteArray("1 a 3\r\n") << 13;
        QTest::newRow("a hexadecimal number is a mismatch") << QByteArray("1 2 0x5\r\n") << 13;
        QTest::newRow("a NUL byte inside a number is a mismatch") << finte::Byte("1 2\0003 4\r\n") << 13;
        QTest::newRow("the first bad line decides") << QByteArray("1 2\r\n0 1 2\r\n") << 100;
        QTest::newRow("a lone CR ends a line") << QByteArray("1 2 3\r4 5") << 100;
        QTest::newRow("a lone LF ends a line") << QByteArray("1 2 3\n4 5\n") << 100;
        QTest::newRow("a quote without its end runs to the end of the file") << QByteArray("\"1 2\r\n3") << 13;
        QTest::newRow("a bad 600th line refuses the file") << finte::RigheValide(599) + "1 2\r\n" << 100;
        QTest::newRow("a bad line far past the kept 500 refuses the file")
            << finte::RigheValide(20000) + "7 8 999\r\n" << 102;
        QTest::newRow("an item longer than 64 KiB runs out of string space")
            << QByteArray("1 2 ") + QByteArray(70000, '0') + "3\r\n" << 14;
        QTest::newRow("a UTF-16 file is checked by its characters")
            << finte::Byte("\xFF\xFE" "1\0 \0x\0 \0" "3\0") << 13;
        QTest::newRow("a UTF-16 file without its mark is read as bytes")
            << finte::Byte("1\0 \0" "2\0 \0" "3\0") << 13;
    }
    void rifiutaConIlNumeroDellErrore()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, errore);
        Verifica(finte::ScriviFile(cartella_, "rifiutato.txt", contenuto), errore);
    }

    void rifiutaCioCheNonSiPuoLeggere()
    {
        const QString base = cartella_.path();
        Verifica((base + "/manca.txt").toStdString(), 53);
        Verifica((base + "/cartella-che-manca/manca.txt").toStdString(), 76);
        Verifica((base + "/valido.txt/sotto.txt").toStdString(), 76);
        Verifica(base.toStdString(), 75);
        Verifica("", 52);
        Verifica(std::string("a\0b", 3), 52);
        Verifica("/dev/null", 68);
    }

    // A FIFO with no writer would block a plain open or read forever.
    void rifiutaUnaFifoSenzaAttendere()
    {
        const std::string fifo = (cartella_.path() + "/fifo.txt").toStdString();
        QCOMPARE(mkfifo(fifo.c_str(), 0600), 0);
        Verifica(fifo, 68);
    }

    void rifiutaUnFileSenzaPermesso()
    {
        if (geteuid() == 0)
            QSKIP("permissions do not bind root");
        const std::string percorso = finte::ScriviFile(cartella_, "chiuso.txt", "1 2 3\r\n");
        QCOMPARE(chmod(percorso.c_str(), 0), 0);
        Verifica(percorso, 70);
    }

    void applicaILimitiDelChiamante()
    {
        vortilla::DatiProgramma dati;
        finte::FinestraMessaggio finestra(dati);
        const std::string percorso = finte::ScriviFile(cartella_, "limiti.txt", "1 2\r\n6 6\r\n");
        QVERIFY(!VerificaFile(percorso, 2, 2, 6, dati, finestra));
        QVERIFY(VerificaFile(percorso, 2, 2, 5, dati, finestra));
        QVERIFY(VerificaFile(percorso, 3, 4, 6, dati, finestra));
        QCOMPARE(finestra.Testi(), QStringList({QString::fromStdString(vortilla::MessaggioErrore(102)),
                                                QString::fromStdString(vortilla::MessaggioErrore(100))}));
    }
};

QTEST_APPLESS_MAIN(TestVerificaFile)
#include "test_verificafile.moc"
