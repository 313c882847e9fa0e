// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArrayFinto.h"
#include "engine/DisposizioneGriglia.h"

#include <QTest>

using namespace vortilla;

namespace {
ArrayFinto::Elemento Elemento(int left, int top, int width, int height)
{
    ArrayFinto::Elemento e;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    return e;
}
ArrayFinto::Elemento Palla() { return Elemento(180, 300, 705, 645); }
ArrayFinto::Elemento Cella() { return Elemento(1050, 270, 765, 315); }

int ErroreDi(const std::function<void()>& azione)
{
    try {
        azione();
    } catch (const ErroreNumerato& e) {
        return e.numero();
    }
    return 0;
}
} // namespace

class TestDisposizioneGriglia : public QObject {
    Q_OBJECT
private slots:
    void ilTabelloneHaNoveRigheDiDieci()
    {
        ArrayFinto palle(1, Palla());
        std::int16_t tab = 0;
        DisponiAvanti(1, 90, 10, 96, 96, false, true, false, palle, tab);

        QCOMPARE(palle.elementi.size(), std::size_t{90});
        for (int k = 1; k <= 90; ++k) {
            const auto& e = palle.elementi.at(static_cast<std::int16_t>(k));
            QCOMPARE(e.left, 180 + 801 * ((k - 1) % 10));
            QCOMPARE(e.top, 300 + 741 * ((k - 1) / 10));
            QCOMPARE(e.width, 705);
            QVERIFY(e.visibile);
            QCOMPARE(e.testo, std::to_string(k));
        }
        QCOMPARE(tab, std::int16_t{0});
    }

    void leColonneScendonoDaDieciAZero()
    {
        ArrayFinto celle(10, Cella());
        std::int16_t tab = 0;
        DisponiIndietro(10, 0, 1, 0, 30, false, false, false, celle, tab);

        QCOMPARE(celle.elementi.size(), std::size_t{11});
        for (int j = 0; j <= 10; ++j) {
            const auto& e = celle.elementi.at(static_cast<std::int16_t>(j));
            QCOMPARE(e.top, 270 + 345 * (10 - j));
            QCOMPARE(e.left, 1050);
            QVERIFY(e.testo.empty()); // no caption asked: the template's text stays
        }
    }

    void unIntervalloVuotoLeggeSoloLOrigine_data()
    {
        QTest::addColumn<bool>("avanti");
        QTest::newRow("forwards with Fine below Inizio") << true;
        QTest::newRow("backwards with Fine above Inizio") << false;
    }
    void unIntervalloVuotoLeggeSoloLOrigine()
    {
        QFETCH(bool, avanti);
        ArrayFinto celle(5, Cella());
        std::int16_t tab = 0;
        if (avanti)
            DisponiAvanti(5, 2, 1, 0, 0, true, true, true, celle, tab);
        else
            DisponiIndietro(5, 8, 1, 0, 0, true, true, true, celle, tab);
        QVERIFY(celle.registro.empty());
        QCOMPARE(tab, std::int16_t{0});

        // The origin is still read, so a missing one fails.
        QCOMPARE(ErroreDi([&] { DisponiAvanti(7, 2, 1, 0, 0, false, false, false, celle, tab); }),
                 errori::IndiceFuoriLimiti);
    }

    void gliElementiEsistentiSonoSpostatiNonRicreati()
    {
        ArrayFinto palle(1, Palla());
        std::int16_t tab = 0;
        DisponiAvanti(1, 3, 10, 96, 96, false, false, false, palle, tab);
        palle.registro.clear();
        DisponiAvanti(1, 5, 2, 0, 0, false, false, false, palle, tab);
        const std::vector<std::string> attesi = {"sposta 1", "sposta 2", "sposta 3", "crea 4",
                                                 "sposta 4", "crea 5",   "sposta 5"};
        QCOMPARE(palle.registro, attesi);
        QCOMPARE(palle.elementi.at(3).top, 300 + 645); // third element opens the second row
        QCOMPARE(palle.elementi.at(3).left, 180);
    }

    void perRigaDecideDoveVaACapo_data()
    {
        QTest::addColumn<int>("perRiga");
        QTest::addColumn<QList<int>>("leftAttesi");
        QTest::addColumn<QList<int>>("topAttesi");
        QTest::newRow("one per row makes a column at the origin's Left")
            << 1 << QList<int>{180, 180, 180} << QList<int>{300, 955, 1610};
        QTest::newRow("zero per row never wraps")
            << 0 << QList<int>{180, 895, 1610} << QList<int>{300, 300, 300};
        QTest::newRow("a negative count never wraps either")
            << -3 << QList<int>{180, 895, 1610} << QList<int>{300, 300, 300};
        QTest::newRow("a full last row leaves the next row empty")
            << 3 << QList<int>{180, 895, 1610} << QList<int>{300, 300, 300};
    }
    void perRigaDecideDoveVaACapo()
    {
        QFETCH(int, perRiga);
        QFETCH(QList<int>, leftAttesi);
        QFETCH(QList<int>, topAttesi);
        ArrayFinto palle(1, Palla());
        std::int16_t tab = 0;
        DisponiAvanti(1, 3, static_cast<std::int16_t>(perRiga), 10, 10, false, false, false, palle,
                      tab);
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(palle.elementi.at(static_cast<std::int16_t>(k)).left, leftAttesi[k - 1]);
            QCOMPARE(palle.elementi.at(static_cast<std::int16_t>(k)).top, topAttesi[k - 1]);
        }
    }

    void elementiDiversiSonoImpacchettatiSullaPropriaLarghezza()
    {
        ArrayFinto palle(1, Palla());
        std::int16_t tab = 0;
        DisponiAvanti(1, 4, 10, 0, 0, false, false, false, palle, tab);
        palle.elementi.at(2).width = 100;   // narrow
        palle.elementi.at(2).height = 5000; // tall: must not push the next row down
        DisponiAvanti(1, 4, 3, 20, 40, false, false, false, palle, tab);
        QCOMPARE(palle.elementi.at(2).left, 180 + 705 + 20);
        QCOMPARE(palle.elementi.at(3).left, 180 + 705 + 20 + 100 + 20);
        QCOMPARE(palle.elementi.at(4).left, 180);
        QCOMPARE(palle.elementi.at(4).top, 300 + 645 + 40);
    }

    void iFlagDannoTabTestoEPrimoPiano()
    {
        ArrayFinto celle(10, Cella());
        std::int16_t tab = 0;
        DisponiIndietro(10, 8, 1, 0, 0, true, true, true, celle, tab);
        QCOMPARE(celle.elementi.at(10).tab, 1); // the counter advances before it is given out
        QCOMPARE(celle.elementi.at(8).tab, 3);
        QCOMPARE(celle.elementi.at(9).testo, std::string("9"));
        QCOMPARE(celle.elementi.at(8).avanti, 1);
        QCOMPARE(tab, std::int16_t{3});
    }

    void superareIlLimiteA16BitDaErrore6_data()
    {
        QTest::addColumn<bool>("avanti");
        QTest::addColumn<int>("inizio");
        QTest::addColumn<int>("fine");
        QTest::addColumn<int>("contaTab");
        QTest::addColumn<int>("ultimoPosato");
        QTest::newRow("the index steps past 32767 after the last element")
            << true << 32765 << 32767 << 0 << 32767;
        QTest::newRow("the index steps below -32768 after the last element")
            << false << -32766 << -32768 << 0 << -32768;
        QTest::newRow("the tab counter cannot pass 32767") << true << 1 << 3 << 32766 << 1;
    }
    void superareIlLimiteA16BitDaErrore6()
    {
        QFETCH(bool, avanti);
        QFETCH(int, inizio);
        QFETCH(int, fine);
        QFETCH(int, contaTab);
        QFETCH(int, ultimoPosato);
        ArrayFinto celle(static_cast<std::int16_t>(inizio), Cella());
        auto tab = static_cast<std::int16_t>(contaTab);
        const bool conTab = contaTab != 0;
        const auto i = static_cast<std::int16_t>(inizio), f = static_cast<std::int16_t>(fine);
        QCOMPARE(ErroreDi([&] {
                     if (avanti)
                         DisponiAvanti(i, f, 1, 0, 0, conTab, false, false, celle, tab);
                     else
                         DisponiIndietro(i, f, 1, 0, 0, conTab, false, false, celle, tab);
                 }),
                 errori::Overflow);
        QVERIFY(celle.elementi.at(static_cast<std::int16_t>(ultimoPosato)).visibile);
    }
};

QTEST_APPLESS_MAIN(TestDisposizioneGriglia)
#include "test_disposizionegriglia.moc"
