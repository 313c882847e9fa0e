// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Punteggio.h"

#include <QTest>

#include <vector>

using vortilla::CalcolaPunteggi;
using vortilla::PuntiCombinazione;

namespace {

// The table of a draw out of 1..90 that took `numeri`.
std::vector<std::int16_t> Estratti(std::initializer_list<int> numeri)
{
    std::vector<std::int16_t> tabella(91, 0);
    for (int n : numeri)
        tabella.at(static_cast<std::size_t>(n)) = 1;
    return tabella;
}

} // namespace

class TestPunteggio : public QObject {
    Q_OBJECT
private slots:
    void contaINumeriUsciti_data()
    {
        QTest::addColumn<QString>("riga");
        QTest::addColumn<int>("punti");
        // Drawn: 1 2 5 7 10 20 30 40 50 60 70 80 90
        QTest::newRow("a number written with a leading zero counts as that number")
            << "07 12 89" << 1;
        QTest::newRow("a drawn number written three times counts three times") << "5 5 5" << 3;
        QTest::newRow("a repeated number that was not drawn counts nothing") << "6 6 6" << 0;
        QTest::newRow("spaces around the line are ignored") << "  1 2 3  " << 2;
        QTest::newRow("the lowest and the highest number both count") << "1 45 90" << 2;
        QTest::newRow("ten drawn numbers make ten points") << "10 20 30 40 50 60 70 80 90 1" << 10;
        QTest::newRow("a plus sign is read as validation reads it") << "+7 8 9" << 1;
    }
    void contaINumeriUsciti()
    {
        QFETCH(QString, riga);
        QFETCH(int, punti);
        const auto estratti = Estratti({1, 2, 5, 7, 10, 20, 30, 40, 50, 60, 70, 80, 90});
        QCOMPARE(PuntiCombinazione(riga.toStdString(), estratti), std::optional<int>(punti));
    }

    void rifiutaUnaRigaCheUscirebbeDalleTabelle_data()
    {
        QTest::addColumn<QString>("riga");
        QTest::newRow("a number just above the highest") << "1 2 91";
        QTest::newRow("the number zero") << "0 1 2";
        QTest::newRow("a negative number") << "-1 2 3";
        QTest::newRow("a number past the 16-bit range") << "1 2 99999";
        QTest::newRow("eleven numbers") << "1 2 3 4 5 6 7 8 9 10 11";
        QTest::newRow("eleven numbers, the last one not drawn") << "1 1 1 1 1 1 1 1 1 1 3";
        QTest::newRow("a word among the numbers") << "1 due 3";
        QTest::newRow("a tab between numbers") << "1\t2 3";
        QTest::newRow("two spaces in a row leave an empty number") << "1  2 3";
        QTest::newRow("an empty line") << "";
    }
    void rifiutaUnaRigaCheUscirebbeDalleTabelle()
    {
        QFETCH(QString, riga);
        QCOMPARE(PuntiCombinazione(riga.toStdString(), Estratti({1, 2, 3})), std::optional<int>());
    }

    void laTabellaContaOgniRigaUnaVolta()
    {
        const std::vector<std::string> righe{"1 2 3", "4 5 6", "1 4 7", "1 2 9", "8 9 10"};
        const auto tabella = CalcolaPunteggi(righe, Estratti({1, 2, 3, 4}));
        QVERIFY(tabella.has_value());
        const vortilla::TabellaPunti attesa{1, 1, 2, 1, 0, 0, 0, 0, 0, 0, 0};
        QVERIFY(*tabella == attesa);
    }

    void unaSolaRigaCattivaRifiutaLaTabella()
    {
        const std::vector<std::string> righe{"1 2 3", "4 5 600", "7 8 9"};
        QVERIFY(!CalcolaPunteggi(righe, Estratti({1})).has_value());
    }
};

QTEST_APPLESS_MAIN(TestPunteggio)
#include "test_punteggio.moc"
