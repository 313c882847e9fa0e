// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/ControllaRiga.h"
#include "combinations/Normalizza.h"
#include "combinations/Token.h"
#include "errors/ErroreNumerato.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QTest>

#include <string>

namespace {

// The six steps exactly as users have always had them applied, one after the
// other: the one-pass normaliser must give the same line for any item.
std::string TrimSpazi(const std::string& s)
{
    const auto inizio = s.find_first_not_of(' ');
    if (inizio == std::string::npos)
        return {};
    return s.substr(inizio, s.find_last_not_of(' ') - inizio + 1);
}

std::string Sostituisci(const std::string& s, const std::string& cosa)
{
    std::string risultato;
    for (std::size_t i = 0; i < s.size();) {
        if (s.compare(i, cosa.size(), cosa) == 0) {
            risultato += ' ';
            i += cosa.size();
        } else {
            risultato += s[i++];
        }
    }
    return risultato;
}

std::string SeiPassi(std::string s)
{
    for (const char* cosa : {"\t", "\r", ",", ".", ":", "  "})
        s = Sostituisci(TrimSpazi(s), cosa);
    return s;
}

QString Q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

class TestNormalizza : public QObject {
    Q_OBJECT
private slots:
    void normalizzaUnElemento_data()
    {
        QTest::addColumn<QByteArray>("elemento");
        QTest::addColumn<QByteArray>("riga");

        QTest::newRow("dots become spaces") << QByteArray("1.2.3") << QByteArray("1 2 3");
        QTest::newRow("colons become spaces") << QByteArray("1:2:3") << QByteArray("1 2 3");
        QTest::newRow("single tabs become spaces") << QByteArray("1\t2\t3") << QByteArray("1 2 3");
        QTest::newRow("commas inside a quoted item become spaces")
            << QByteArray("1,2,3") << QByteArray("1 2 3");
        QTest::newRow("two spaces become one") << QByteArray("1  2  3") << QByteArray("1 2 3");
        QTest::newRow("three spaces leave two") << QByteArray("1   2") << QByteArray("1  2");
        QTest::newRow("a dot between spaces leaves two")
            << QByteArray("1 . 2") << QByteArray("1  2");
        QTest::newRow("five separators leave three spaces")
            << QByteArray("1 ,.:\t2") << QByteArray("1   2");
        QTest::newRow("separators at both ends disappear")
            << QByteArray(" \t.1 2 3.: \r") << QByteArray("1 2 3");
        QTest::newRow("a leading zero is kept") << QByteArray("05 10 90") << QByteArray("05 10 90");
        QTest::newRow("a LF is not a separator") << QByteArray("1\n2") << QByteArray("1\n2");
        QTest::newRow("an item of separators only becomes empty")
            << QByteArray(".:,") << QByteArray();
        QTest::newRow("a line already normal is unchanged")
            << QByteArray("12 34 56 78 90 11 22 33 44") << QByteArray("12 34 56 78 90 11 22 33 44");
        QTest::newRow("two spaces in a row past the first sixteen bytes are found")
            << QByteArray("10 20 30 40 50 60  70") << QByteArray("10 20 30 40 50 60 70");
        QTest::newRow("a dot past the first sixteen bytes is found")
            << QByteArray("10 20 30 40 50 60 70.80") << QByteArray("10 20 30 40 50 60 70 80");
    }
    void normalizzaUnElemento()
    {
        QFETCH(QByteArray, elemento);
        QFETCH(QByteArray, riga);
        std::string spazio;
        QCOMPARE(Q(vortilla::Normalizza(elemento.toStdString(), spazio)), QString(riga));
        QCOMPARE(QString::fromStdString(SeiPassi(elemento.toStdString())), QString(riga));
    }

    // Items built from the characters that matter, in lengths around the
    // sixteen-byte blocks the fast check works in.
    void concordaConISeiPassiSuElementiCasuali()
    {
        static constexpr char alfabeto[] = {' ', ' ', '\t', '\r', ',', '.', ':', '1', '9', 'x'};
        QRandomGenerator caso(20240611);
        std::string spazio;
        for (int prova = 0; prova < 50000; ++prova) {
            std::string elemento(caso.bounded(40), ' ');
            for (char& c : elemento)
                c = alfabeto[caso.bounded(static_cast<int>(sizeof alfabeto))];
            const std::string atteso = SeiPassi(elemento);
            const std::string_view ottenuto = vortilla::Normalizza(elemento, spazio);
            if (ottenuto != atteso)
                QFAIL(qPrintable("item '" + Q(elemento) + "' gave '" + Q(ottenuto) + "'"));
        }
    }

    void divideInToken_data()
    {
        QTest::addColumn<QByteArray>("riga");
        QTest::addColumn<QStringList>("token");

        QTest::newRow("an empty line has no token") << QByteArray() << QStringList{};
        QTest::newRow("single spaces separate tokens")
            << QByteArray("1 22 3") << QStringList{"1", "22", "3"};
        QTest::newRow("two spaces leave an empty token")
            << QByteArray("1  2") << QStringList{"1", "", "2"};
    }
    void divideInToken()
    {
        QFETCH(QByteArray, riga);
        QFETCH(QStringList, token);
        QStringList ottenuti;
        const std::string testo = riga.toStdString(); // the tokens are views into it
        for (std::string_view t : vortilla::DividiToken(testo))
            ottenuti << Q(t);
        QCOMPARE(ottenuti, token);
    }

    void controllaUnaRiga_data()
    {
        QTest::addColumn<QByteArray>("riga");
        QTest::addColumn<int>("errore");

        QTest::newRow("three numbers in range pass") << QByteArray("1 45 90") << 0;
        QTest::newRow("an empty line has too few numbers") << QByteArray() << 100;
        QTest::newRow("the empty token is a mismatch") << QByteArray("1  2 3") << 13;
        QTest::newRow("a bad token comes before the count") << QByteArray("1 x") << 13;
        QTest::newRow("a sign alone is a mismatch") << QByteArray("1 - 3") << 13;
        QTest::newRow("the lowest 16-bit number is out of the game, not an overflow")
            << QByteArray("1 2 -32768") << 102;
        QTest::newRow("one below the lowest 16-bit number overflows")
            << QByteArray("1 2 -32769") << 6;
        QTest::newRow("a three-digit token with leading zeros is read whole")
            << QByteArray("001 002 090") << 0;
        QTest::newRow("a two-digit zero is out of the game") << QByteArray("00 1 2") << 102;
    }
    void controllaUnaRiga()
    {
        QFETCH(QByteArray, riga);
        QFETCH(int, errore);
        int ottenuto = 0;
        try {
            vortilla::ControllaRiga(riga.toStdString(), vortilla::LimitiCaricamento);
        } catch (const vortilla::ErroreNumerato& e) {
            ottenuto = e.numero();
        }
        QCOMPARE(ottenuto, errore);
    }
};

QTEST_APPLESS_MAIN(TestNormalizza)
#include "test_normalizza.moc"
