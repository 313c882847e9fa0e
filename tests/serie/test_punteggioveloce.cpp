// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fast scorer and the draws by index against the window's own scoring.

#include "engine/Punteggio.h"
#include "serie/Generatore.h"
#include "serie/PunteggioVeloce.h"

#include <QTest>

#include <random>
#include <set>
#include <string>
#include <vector>

using namespace vortilla;

namespace {

// A line of 3..10 numbers; with `ripeti`, numbers come from a small pool so
// that most lines hold repeats. Some tokens carry a leading zero.
std::string RigaCasuale(std::mt19937_64& motore, bool ripeti)
{
    std::uniform_int_distribution<int> lunghezza(3, 10), numero(1, 90), pool(1, 4), zero(0, 5);
    const int base = numero(motore);
    std::string riga;
    for (int i = lunghezza(motore); i > 0; --i) {
        const int n = ripeti ? (base + pool(motore)) % 90 + 1 : numero(motore);
        riga += (zero(motore) == 0 && n < 10 ? "0" : "") + std::to_string(n) + (i > 1 ? " " : "");
    }
    return riga;
}

std::vector<std::int16_t> TabellaFinestra(Maschera estratti)
{
    std::vector<std::int16_t> tabella(91, 0);
    for (int n = 1; n <= 90; ++n)
        tabella[static_cast<std::size_t>(n)] = estratti.Contiene(n);
    return tabella;
}

} // namespace

class TestPunteggioVeloce : public QObject {
    Q_OBJECT
private slots:
    void estrazioniDistinteERipetibili_data()
    {
        QTest::addColumn<int>("quanti");
        QTest::newRow("twenty of ninety") << 20;
        QTest::newRow("six of ninety") << 6;
    }
    void estrazioniDistinteERipetibili()
    {
        QFETCH(int, quanti);
        std::set<std::pair<std::uint64_t, std::uint64_t>> viste;
        for (std::uint64_t i = 0; i < 2000; ++i) {
            const Maschera m = EstraiNumeri(42, i, quanti);
            QCOMPARE(m.Quanti(), quanti);
            QCOMPARE(m.alto >> 26, std::uint64_t{0}); // nothing above 90
            QVERIFY(m == EstraiNumeri(42, i, quanti));
            viste.insert({m.basso, m.alto});
        }
        QVERIFY(viste.size() > 1990);
        QVERIFY(!(EstraiNumeri(42, 7, quanti) == EstraiNumeri(43, 7, quanti)));
    }

    void concordaConIlPunteggioDellaFinestra_data()
    {
        QTest::addColumn<bool>("ripeti");
        QTest::addColumn<bool>("perRiga");
        QTest::newRow("lines without repeats, fused tally") << false << false;
        QTest::newRow("lines without repeats, points by line") << false << true;
        QTest::newRow("lines mostly with repeats") << true << false;
    }
    void concordaConIlPunteggioDellaFinestra()
    {
        QFETCH(bool, ripeti);
        QFETCH(bool, perRiga);
        std::mt19937_64 motore(ripeti * 2 + perRiga);
        for (int giro = 0; giro < 40; ++giro) {
            std::vector<std::string> righe(257);
            for (auto& riga : righe)
                riga = RigaCasuale(motore, ripeti);
            // Ten 5s score ten when 5 is drawn.
            righe[0] = "5 5 5 5 5 5 5 5 5 05";
            const Sistema sistema = CompilaSistema(righe);
            std::vector<std::uint8_t> punti(righe.size());
            for (std::uint64_t i = 0; i < 25; ++i) {
                const Maschera estratti = EstraiNumeri(motore(), i, giro % 2 ? 20 : 6);
                const auto finestra = TabellaFinestra(estratti);
                const auto attesa = CalcolaPunteggi(righe, finestra);
                QVERIFY(attesa);
                const ConteggioEstrazione veloce = ContaPunti(sistema, estratti, punti, perRiga);
                for (std::size_t p = 0; p < veloce.size(); ++p)
                    QCOMPARE(static_cast<int>(veloce[p]), (*attesa)[p]);
                if (perRiga || ripeti)
                    for (std::size_t r = 0; r < righe.size(); ++r)
                        QCOMPARE(std::optional<int>(punti[r]),
                                 PuntiCombinazione(righe[r], finestra));
            }
        }
    }

    void contaLeRigheRipetuteELeLunghezze()
    {
        const std::vector<std::string> righe{"1 2 3", "5 5 5", "01 2 3", "1 2 3 4 5 6 7 8 9 10"};
        const Sistema sistema = CompilaSistema(righe);
        QCOMPARE(sistema.conRipetizioni, std::uint64_t{1});
        QCOMPARE(sistema.perLunghezza[3], std::uint64_t{3});
        QCOMPARE(sistema.perLunghezza[10], std::uint64_t{1});
        QCOMPARE(sistema.forme.size(), std::size_t{3}); // {1,1,1}, {3}, ten ones
    }
};

QTEST_APPLESS_MAIN(TestPunteggioVeloce)
#include "test_punteggioveloce.moc"
