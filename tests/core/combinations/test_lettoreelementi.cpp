// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FinteFinestre.h"

#include "combinations/LettoreElementi.h"
#include "errors/ErroreNumerato.h"

#include <QTest>

using vortilla::LettoreElementi;

// Every case is read with several block sizes: an item, a CR LF, a quote, a
// byte-order mark or a UTF-16 character cut between two reads must give the
// same items as a file read whole.
class TestLettoreElementi : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;

    static QStringList Elementi(const std::string& percorso, std::size_t blocco)
    {
        vortilla::FileAperti registro;
        LettoreElementi lettore(percorso, registro, blocco);
        QStringList elementi;
        std::string_view elemento;
        while (lettore.Prossimo(elemento))
            elementi << QString::fromUtf8(elemento.data(), static_cast<qsizetype>(elemento.size()));
        return elementi;
    }

private slots:
    void initTestCase() { QVERIFY(cartella_.isValid()); }

    void divideInElementi_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QStringList>("attesi");

        QTest::newRow("CR LF, a lone LF and a lone CR each end a line")
            << QByteArray("1 2\r\n3 4\n5 6\r7 8") << QStringList{"1 2", "3 4", "5 6", "7 8"};
        QTest::newRow("commas end items") << QByteArray("1,2,3\r\n") << QStringList{"1", "2", "3"};
        QTest::newRow("spaces in front of an item are skipped, those after are kept")
            << QByteArray("   1 2  ,  3\r\n") << QStringList{"1 2  ", "3"};
        QTest::newRow("empty items and blank lines are skipped")
            << QByteArray(",,\r\n\r\n   \r\n1,,2\r\n,") << QStringList{"1", "2"};
        QTest::newRow("a line of tabs and spaces is skipped")
            << QByteArray("\t \t\r\n\t\r\n1\r\n") << QStringList{"1"};
        QTest::newRow("a tab before numbers stays in the item")
            << QByteArray("\t1 2\r\n") << QStringList{"\t1 2"};
        QTest::newRow("quotes keep commas and line ends inside the item")
            << QByteArray("\"1,2\r\n3\",4") << QStringList{"1,2\r\n3", "4"};
        QTest::newRow("text after the closing quote is dropped up to the comma")
            << QByteArray("\"1 2\" junk \"x\",3\r\n\"4\"tail\r\n5")
            << QStringList{"1 2", "3", "4", "5"};
        QTest::newRow("a quote after a space still opens a quoted item")
            << QByteArray("  \"1,2\"\r\n") << QStringList{"1,2"};
        QTest::newRow("a quote inside an item is an ordinary character")
            << QByteArray("1 \"2\" 3\r\n") << QStringList{"1 \"2\" 3"};
        QTest::newRow("empty quotes are an empty item")
            << QByteArray("\"\",1\r\n") << QStringList{"1"};
        QTest::newRow("quotes around blanks are a non-empty item")
            << QByteArray("\" \t\"\r\n") << QStringList{" \t"};
        QTest::newRow("a quote left open runs to the end of the file")
            << QByteArray("1\r\n\"2,3\r\n4") << QStringList{"1", "2,3\r\n4"};
        QTest::newRow("a UTF-8 mark at the start is skipped") << QByteArray("\xEF\xBB\xBF"
                                                                            "1 2\r\n")
                                                              << QStringList{"1 2"};
        QTest::newRow("a UTF-8 mark elsewhere is part of the item")
            << QByteArray("1\r\n\xEF\xBB\xBF"
                          "2")
            << QStringList{"1", QString::fromUtf8("\xEF\xBB\xBF"
                                                  "2")};
        QTest::newRow("a file of a UTF-8 mark alone has no item")
            << QByteArray("\xEF\xBB\xBF") << QStringList{};
        QTest::newRow("UTF-16 little-endian with its mark") << finte::Byte("\xFF\xFE"
                                                                           "1\0 \0"
                                                                           "2\0\r\0\n\0"
                                                                           "3\0,\0"
                                                                           "4\0")
                                                            << QStringList{"1 2", "3", "4"};
        QTest::newRow("UTF-16 big-endian with its mark") << finte::Byte("\xFE\xFF\0"
                                                                        "1\0,\0\"\0"
                                                                        "2\0,\0"
                                                                        "3\0\"")
                                                         << QStringList{"1", "2,3"};
        QTest::newRow("UTF-16 characters beyond ASCII become UTF-8")
            << finte::Byte("\xFF\xFE\xE0\0 \0=\xD8\0\xDE")
            << QStringList{QString::fromUtf8("\xC3\xA0 \xF0\x9F\x98\x80")};
        QTest::newRow("a broken UTF-16 surrogate or odd byte becomes a replacement character")
            << finte::Byte("\xFF\xFE"
                           "1\0\x00\xD8"
                           "2\0,\0"
                           "7")
            << QStringList{QString::fromUtf8("1\xEF\xBF\xBD"
                                             "2"),
                           QString::fromUtf8("\xEF\xBF\xBD")};
    }
    void divideInElementi()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QStringList, attesi);
        const std::string percorso = finte::ScriviFile(cartella_, "elementi.txt", contenuto);
        for (std::size_t blocco : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{5},
                                   vortilla::FileTesto::BloccoPredefinito}) {
            const QStringList letti = Elementi(percorso, blocco);
            if (letti != attesi)
                qWarning("read %zu bytes at a time", blocco);
            QCOMPARE(letti, attesi);
        }
    }

    void unElementoTroppoLungoVieneRifiutato()
    {
        QByteArray contenuto = "1 2 3\r\n";
        contenuto += QByteArray(LettoreElementi::LunghezzaMassima, '1');
        contenuto += "\r\n" + QByteArray(LettoreElementi::LunghezzaMassima + 1, '2') + "\r\n";
        const std::string percorso = finte::ScriviFile(cartella_, "lungo.txt", contenuto);
        vortilla::FileAperti registro;
        LettoreElementi lettore(percorso, registro);
        std::string_view elemento;
        QVERIFY(lettore.Prossimo(elemento));
        QVERIFY(lettore.Prossimo(elemento));
        QCOMPARE(elemento.size(), LettoreElementi::LunghezzaMassima);
        try {
            lettore.Prossimo(elemento);
            QFAIL("an item past the limit was handed out");
        } catch (const vortilla::ErroreNumerato& errore) {
            QCOMPARE(errore.numero(), 14);
        }
    }

    void ilFileRestaApertoSoloMentreSiLegge()
    {
        const std::string percorso =
            finte::ScriviFile(cartella_, "aperto.txt", "1 2 3\r\n4 5 6\r\n");
        vortilla::FileAperti registro;
        {
            LettoreElementi lettore(percorso, registro);
            QCOMPARE(registro.Quanti(), std::size_t{1});
        }
        QCOMPARE(registro.Quanti(), std::size_t{0});
    }

    // An error handler closes every file; the reader must then fail with
    // "bad file number" rather than read a descriptor that may be reused.
    void unFileChiusoDaUnGestoreNonSiLeggePiu()
    {
        const std::string percorso =
            finte::ScriviFile(cartella_, "chiuso.txt", "1 2 3\r\n4 5 6\r\n");
        vortilla::FileAperti registro;
        LettoreElementi lettore(percorso, registro, 4);
        std::string_view elemento;
        QVERIFY(lettore.Prossimo(elemento));
        registro.ChiudiTutti();
        try {
            while (lettore.Prossimo(elemento)) {}
            QFAIL("the reader went on after its file was closed");
        } catch (const vortilla::ErroreNumerato& errore) {
            QCOMPARE(errore.numero(), 52);
        }
    }
};

QTEST_APPLESS_MAIN(TestLettoreElementi)
#include "test_lettoreelementi.moc"
