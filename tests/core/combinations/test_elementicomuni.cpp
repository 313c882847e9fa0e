// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FinteFinestre.h"

#include "combinations/ClassificaSedici.h"
#include "combinations/ElementiComuni.h"
#include "combinations/EsaminaFile.h"
#include "errors/ErroreNumerato.h"

#include <QRandomGenerator>
#include <QTest>

#include <array>
#include <string>

using vortilla::LimitiGioco;

namespace {

struct Esame {
    int errore = 0;
    int conta = 0;
    QStringList righe;
};

} // namespace

// The quick road through common items must give what the full road gives:
// it may leave any item to the full road, but it must never take one that
// the full road would read, normalise or judge otherwise.
class TestElementiComuni : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;

    Esame Esamina(const QByteArray& contenuto, std::size_t blocco, std::size_t daConservare = 0)
    {
        const std::string percorso = finte::ScriviFile(cartella_, "esame.txt", contenuto);
        vortilla::FileAperti registro;
        std::vector<std::string> righe;
        Esame esame;
        try {
            esame.conta = vortilla::EsaminaFile(percorso, vortilla::LimitiCaricamento, registro,
                                                righe, daConservare, blocco);
        } catch (const vortilla::ErroreNumerato& e) {
            esame.errore = e.numero();
        }
        for (const std::string& riga : righe)
            esame.righe << QString::fromStdString(riga);
        return esame;
    }

private slots:
    void initTestCase() { QVERIFY(cartella_.isValid()); }

    void prendeLaTestaComune_data()
    {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("elementi");

        QTest::newRow("common lines are all taken")
            << QByteArray("1 2 3\r\n40 50 60\r\n") << 17 << 2;
        QTest::newRow("a last line without its end is left to the reader")
            << QByteArray("1 2 3\r\n4 5 6") << 7 << 1;
        QTest::newRow("empty items are passed over without being counted")
            << QByteArray("\r\n,,1 2 3\n\n") << 11 << 1;
        QTest::newRow("a lone CR ends an item as a LF does")
            << QByteArray("1 2 3\r4 5 6\r") << 12 << 2;
        QTest::newRow("commas end items, which then hold too few numbers")
            << QByteArray("1 2 3\r\n4,5,6\r\n") << 7 << 1;
        QTest::newRow("a two-digit number with a leading zero is taken")
            << QByteArray("05 10 90\r\n") << 10 << 1;
        QTest::newRow("a number of three digits is left, even when valid")
            << QByteArray("1 2 3\r\n1 2 003\r\n") << 7 << 1;
        QTest::newRow("a zero is left") << QByteArray("1 2 3\r\n0 2 3\r\n") << 7 << 1;
        QTest::newRow("a two-digit zero is left") << QByteArray("1 2 3\r\n1 00 3\r\n") << 7 << 1;
        QTest::newRow("a number above the highest is left")
            << QByteArray("1 2 3\r\n1 2 91\r\n") << 7 << 1;
        QTest::newRow("two spaces in a row are left")
            << QByteArray("1 2 3\r\n1  2 3\r\n") << 7 << 1;
        QTest::newRow("a space in front of an item is left")
            << QByteArray("1 2 3\r\n 1 2 3\r\n") << 7 << 1;
        QTest::newRow("a space at the end of an item is left")
            << QByteArray("1 2 3\r\n1 2 3 \r\n") << 7 << 1;
        QTest::newRow("a tab is left") << QByteArray("1 2 3\r\n1\t2 3\r\n") << 7 << 1;
        QTest::newRow("a dot is left") << QByteArray("1 2 3\r\n1.2.3\r\n") << 7 << 1;
        QTest::newRow("a quote is left with what follows it")
            << QByteArray("\"1,2,3\"\r\n1 2 3\r\n") << 0 << 0;
        QTest::newRow("a sign is left") << QByteArray("1 2 3\r\n1 +2 3\r\n") << 7 << 1;
        QTest::newRow("a letter is left") << QByteArray("1 2 3\r\n1 2 x\r\n") << 7 << 1;
        QTest::newRow("a byte above 127 is left")
            << QByteArray("1 2 3\r\n1 2 \xC3\xA8\r\n") << 7 << 1;
        QTest::newRow("too few numbers are left") << QByteArray("1 2 3\r\n1 2\r\n") << 7 << 1;
        QTest::newRow("eleven numbers are left")
            << QByteArray("1 2 3\r\n1 2 3 4 5 6 7 8 9 10 11\r\n") << 7 << 1;
        QTest::newRow("an item across many sixteen-byte stretches is counted whole")
            << QByteArray("1 2 3\r\n10 20 30 40 50 60 70 80 90 11\r\n1 2 3 4 5 6 7 8 9 10 11\r\n")
            << 38 << 2;
        QTest::newRow("a flaw far into a long line is found")
            << QByteArray("10 20 30 40 50 60 70 80 9x\r\n") << 0 << 0;
    }
    void prendeLaTestaComune()
    {
        QFETCH(QByteArray, testo);
        QFETCH(int, byte);
        QFETCH(int, elementi);
        const vortilla::TestaComune testa = vortilla::ElementiComuniInTesta(
            std::string_view(testo.constData(), static_cast<std::size_t>(testo.size())),
            vortilla::LimitiCaricamento);
        QCOMPARE(testa.byte, static_cast<std::size_t>(byte));
        QCOMPARE(testa.elementi, static_cast<std::size_t>(elementi));
    }

    void segueILimitiDelChiamante_data()
    {
        QTest::addColumn<int>("minimo");
        QTest::addColumn<int>("massimo");
        QTest::addColumn<int>("numeroMassimo");
        QTest::addColumn<int>("elementi");

        // The items "7" and "99 1".
        QTest::newRow("a highest number past two digits admits 99") << 1 << 2 << 1000 << 2;
        QTest::newRow("a highest number of 98 refuses 99") << 1 << 2 << 98 << 1;
        QTest::newRow("a highest number below 1 admits nothing") << 1 << 2 << -5 << 0;
        QTest::newRow("a count limit of one number stops at the pair") << 1 << 1 << 99 << 1;
        QTest::newRow("limits that cross admit nothing") << 2 << 1 << 99 << 0;
    }
    void segueILimitiDelChiamante()
    {
        QFETCH(int, minimo);
        QFETCH(int, massimo);
        QFETCH(int, numeroMassimo);
        QFETCH(int, elementi);
        const LimitiGioco limiti{static_cast<std::int16_t>(minimo),
                                 static_cast<std::int16_t>(massimo),
                                 static_cast<std::int16_t>(numeroMassimo)};
        QCOMPARE(vortilla::ElementiComuniInTesta("7\r\n99 1\r\n", limiti).elementi,
                 static_cast<std::size_t>(elementi));
    }

    // The wide classification against its byte-by-byte twin, on stretches
    // rich in the bytes it tells apart, for every highest number.
    void laClassificaLargaConcordaConLaScalare()
    {
        static constexpr char alfabeto[] = {'0', '1', '9',  '9', '5', ' ',    ' ',    '\r', '\n',
                                            ',', '.', '\t', '"', 'x', '\x80', '\xFF', '\0'};
        QRandomGenerator caso(20240612);
        for (int prova = 0; prova < 20000; ++prova) {
            std::array<char, 18> byte{};
            for (char& c : byte)
                c = alfabeto[caso.bounded(static_cast<int>(sizeof alfabeto))];
            const auto massimo = static_cast<std::int8_t>(caso.bounded(100));
            if (vortilla::ClassificaSedici(byte.data() + 2, massimo)
                != vortilla::ClassificaSediciScalare(byte.data() + 2, massimo))
                QFAIL(qPrintable(QString("they differ on '%1' with highest %2")
                                     .arg(QString::fromLatin1(byte.data(), 18).toHtmlEscaped())
                                     .arg(massimo)));
        }
    }

    // Where the quick road stops and the full road takes over, at every
    // block size: the same count, the same first error, the same lines.
    void leDueStradeSiPassanoLaMano_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("errore");
        QTest::addColumn<int>("conta");

        const QByteArray comuni = finte::RigheValide(40);
        QTest::newRow("odd items among common ones are all counted")
            << comuni + "\"1,2,3\"\r\n 4 5 6 \r\n7.8.9\r\n" + comuni + "001 2 3" << 0 << 84;
        QByteArray puntate;
        for (int i = 0; i < 100; ++i)
            puntate += "1.2.3\r\n";
        QTest::newRow("common items after a long run of odd ones are all counted")
            << puntate + comuni + puntate + comuni << 0 << 280;
        QTest::newRow("a bad line among common ones after odd ones is reported")
            << puntate + comuni + "1 2 91\r\n" + comuni << 102 << 0;
        QTest::newRow("a bad line after common ones is reported")
            << comuni + "1 2 91\r\n" + comuni << 102 << 0;
        QTest::newRow("a bad token before too few numbers is reported as a mismatch")
            << comuni + "1 x\r\n"
            << 13 << 0;
        QTest::newRow("too many numbers after common ones are reported")
            << comuni + "1 2 3 4 5 6 7 8 9 10 11\r\n"
            << 100 << 0;
        QTest::newRow("an overflow after common ones is reported")
            << comuni + "1 2 32768" << 6 << 0;
        QTest::newRow("a file of empty items holds no combination")
            << QByteArray("\r\n,\n\r\n") << 101 << 0;
    }
    void leDueStradeSiPassanoLaMano()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, errore);
        QFETCH(int, conta);
        for (std::size_t blocco : {1, 2, 3, 7, 16, 17, 33, 64, 65536}) {
            const Esame esame = Esamina(contenuto, blocco);
            QCOMPARE(esame.errore, errore);
            QCOMPARE(esame.conta, conta);
        }
    }

    void unCaricamentoPassaAllaStradaRapidaDopoLeRigheDaTenere()
    {
        const QByteArray contenuto = QByteArray("1 2 3\r\n4.5.6\r\n") + finte::RigheValide(30);
        for (std::size_t blocco : {1, 5, 16, 65536}) {
            const Esame esame = Esamina(contenuto, blocco, 3);
            QCOMPARE(esame.errore, 0);
            QCOMPARE(esame.conta, 32);
            QCOMPARE(esame.righe, QStringList({"1 2 3", "4 5 6", "1 1 90"}));
        }
    }
};

QTEST_APPLESS_MAIN(TestElementiComuni)
#include "test_elementicomuni.moc"
