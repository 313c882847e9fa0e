// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FintePorte.h"

#include "engine/GeneratoreStandard.h"

#include <QTest>

#include <cmath>
#include <vector>

using vortilla::GeneratoreStandard;

namespace {

std::vector<double> Valori(GeneratoreStandard& g, int quanti)
{
    std::vector<double> valori;
    for (int i = 0; i < quanti; ++i)
        valori.push_back(g.Prossimo());
    return valori;
}

} // namespace

class TestGeneratoreStandard : public QObject {
    Q_OBJECT
private slots:
    void iValoriStannoInZeroUnoConTuttiIBit()
    {
        GeneratoreStandard g(20240501);
        bool ultimoBitUsato = false;
        for (int i = 0; i < 100000; ++i) {
            const double r = g.Prossimo();
            QVERIFY(r >= 0.0 && r < 1.0);
            // A value built from fewer than 53 random bits (a float, or a
            // 32-bit output scaled) never has the lowest of the 53 bits set.
            const double scalato = r * 0x1.0p53;
            ultimoBitUsato = ultimoBitUsato || std::fmod(scalato, 2.0) == 1.0;
        }
        QVERIFY(ultimoBitUsato);
    }

    void loStessoSemeRipeteLaSequenza()
    {
        GeneratoreStandard a(7), b(7), c(8);
        const auto da = Valori(a, 50);
        QCOMPARE(Valori(b, 50), da);
        QVERIFY(Valori(c, 50) != da);
    }

    void senzaSemeDueGeneratoriPartonoDiversi()
    {
        GeneratoreStandard a, b;
        QVERIFY(Valori(a, 4) != Valori(b, 4));
    }

    void loStessoOrarioNonRipeteLaSequenza()
    {
        GeneratoreStandard g(99);
        g.Rimescola(43200.0);
        const auto prima = Valori(g, 20);
        g.Rimescola(43200.0);
        QVERIFY(Valori(g, 20) != prima);
    }

    void lOrarioEntraNelloStato()
    {
        GeneratoreStandard a(5), b(5), c(5);
        a.Rimescola(43200.0);
        b.Rimescola(43200.0);
        c.Rimescola(43200.015625);
        const auto da = Valori(a, 20);
        QCOMPARE(Valori(b, 20), da);
        QVERIFY(Valori(c, 20) != da);
    }

    void dueEstrazioniNelloStessoIstanteSonoDiverse()
    {
        GeneratoreStandard g(1234);
        finte::Banco b(&g);
        b.Carica({"1 2 3"});
        b.ora.secondi = 50000.0;
        b.Estrai();
        const auto prima = b.tabellone.PalleAccese();
        b.Estrai();
        QCOMPARE(prima.size(), std::size_t{20});
        QCOMPARE(b.tabellone.PalleAccese().size(), std::size_t{20});
        QVERIFY(b.tabellone.PalleAccese() != prima);
    }
};

QTEST_APPLESS_MAIN(TestGeneratoreStandard)
#include "test_generatorestandard.moc"
