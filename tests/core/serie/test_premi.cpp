// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/AccumuloPremi.h"
#include "serie/ResaAttesa.h"
#include "serie/TabellaPremi.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace vortilla;

namespace {

// A line's points as the window counts them: every token that was drawn.
int Punti(const std::string& riga, unsigned estratti)
{
    std::istringstream numeri(riga);
    int punti = 0;
    for (int n; numeri >> n;)
        punti += (estratti >> (n - 1)) & 1u;
    return punti;
}

} // namespace

class TestPremi : public QObject {
    Q_OBJECT
private slots:
    void importi_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<qlonglong>("centesimi"); // -1: refused
        QTest::addColumn<QString>("errore");
        QTest::newRow("whole euros") << "1500" << 150000ll << "";
        QTest::newRow("a comma before the cents") << "12,50" << 1250ll << "";
        QTest::newRow("a point and one decimal") << "0.5" << 50ll << "";
        QTest::newRow("the largest amount") << "1000000000,00" << 100000000000ll << "";
        const QString forma = " non è un importo: scrivi solo cifre, con al più due decimali dopo "
                              "la virgola o il punto e senza separatori delle migliaia (es. 1500 "
                              "o 12,50)";
        QTest::newRow("a thousands point is refused, not guessed")
            << "1.000" << -1ll << "«1.000»" + forma;
        QTest::newRow("three decimals are refused") << "2,505" << -1ll << "«2,505»" + forma;
        QTest::newRow("a cent past the largest amount is refused")
            << "1000000000,01" << -1ll << "«1000000000,01» supera l'importo massimo, 1000000000,00";
        QTest::newRow("many digits are refused without overflowing")
            << "99999999999999999999999" << -1ll
            << "«99999999999999999999999» supera l'importo massimo, 1000000000,00";
    }
    void importi()
    {
        QFETCH(QString, testo);
        QFETCH(qlonglong, centesimi);
        QFETCH(QString, errore);
        const Esito<Centesimi> letto = LeggiImporto(testo.toStdString());
        QCOMPARE(letto.valore.value_or(-1), centesimi);
        QCOMPARE(QString::fromStdString(letto.errore), errore);
    }

    void postaSopraZero()
    {
        QCOMPARE(LeggiPosta("0,00").errore, std::string("la posta deve essere maggiore di zero"));
        QCOMPARE(LeggiPosta("0,01").valore.value_or(-1), 1);
    }

    void tabellaLetta()
    {
        const Esito<TabellaPremi> t = LeggiTabellaPremi(
            "# numeri giocati;punti;vincita\r\n\r\n10;10;1000000\r\n 10 ; 0 ; 2,00 # nessun punto\n"
            "3;2;2.5\n1;1;3\n");
        QVERIFY2(t.valore, t.errore.c_str());
        QCOMPARE(t.valore->premio[10][10], 100000000);
        QCOMPARE(t.valore->premio[10][0], 200);
        QCOMPARE(t.valore->premio[3][2], 250);
        QCOMPARE(t.valore->premio[1][1], 300);
        QCOMPARE(t.valore->premio[10][9], 0);
    }

    // The shipped example, read from its file, returns what its comment says.
    void tabellaDiEsempio()
    {
        const Esito<TabellaPremi> t = LeggiFilePremi(TABELLA_DI_ESEMPIO);
        QVERIFY2(t.valore, t.errore.c_str());
        const std::vector<std::string> righe{"1 2 3 4 5", "1 2 3 4 5 6 7 8 9 10"};
        const ResaAttesa r = CalcolaResaAttesa(CompilaSistema(righe), *t.valore, 100, 20);
        QVERIFY(std::abs(r.perLunghezza[0].resa - 61.19658238676466) < 1e-9);
        QVERIFY(std::abs(r.perLunghezza[1].resa - 63.37312333338318) < 1e-9);
    }

    void tabellaRifiutata_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("errore");
        QTest::newRow("a line with two fields names its line after comments and blanks")
            << "# premi\n\n3;2;1\n3;3\n"
            << "riga 4: servono tre campi separati da «;» (numeri giocati;punti;vincita), ce ne "
               "sono 2";
        QTest::newRow("eleven numbers played are refused")
            << "11;5;1\n"
            << "riga 1: numeri giocati «11»: deve essere un intero da 1 a 10";
        QTest::newRow("points above ten are refused")
            << "10;11;1\n"
            << "riga 1: punti «11»: deve essere un intero da 0 a 10";
        QTest::newRow("more points than numbers played are refused")
            << "3;4;1\r\n"
            << "riga 1: 4 punti non si fanno con 3 numeri giocati";
        QTest::newRow("a bad prize names its field")
            << "3;3;€5\n"
            << "riga 1: vincita: «€5» non è un importo: scrivi solo cifre, con al "
               "più due decimali dopo la virgola o il punto e senza separatori "
               "delle migliaia (es. 1500 o 12,50)";
        QTest::newRow("a prize given twice names both lines")
            << "5;5;100\n5;4;10\n5;5;90\n"
            << "riga 3: la vincita per 5 numeri e 5 punti è già data alla riga 1";
        QTest::newRow("a table of comments only is refused")
            << "# nessun premio\n\n"
            << "il file non contiene premi (righe «numeri giocati;punti;vincita»)";
    }
    void tabellaRifiutata()
    {
        QFETCH(QString, testo);
        QFETCH(QString, errore);
        const Esito<TabellaPremi> t = LeggiTabellaPremi(testo.toStdString());
        QVERIFY(!t.valore);
        QCOMPARE(QString::fromStdString(t.errore), errore);
    }

    void limitiDellaSessione()
    {
        TabellaPremi tabella;
        tabella.premio[3][3] = ImportoMassimo;
        const std::vector<std::string> righe{"1 2 3", "4 5 6"};
        const Sistema sistema = CompilaSistema(righe);
        QVERIFY(!ControllaLimitiPremi(tabella, sistema, 46'000'000));
        QCOMPARE(ControllaLimitiPremi(tabella, sistema, 47'000'000).value_or(""),
                 "premi troppo grandi da sommare esattamente: con queste combinazioni una "
                 "sessione di 47000000 estrazioni può superare 92233720368547758,07 per posta 1; "
                 "accorcia la sessione");
    }

    // Every draw of a game of 12 numbers, 4 or 5 drawn, with repeats.
    void resaAttesaComeOgniEstrazione_data()
    {
        QTest::addColumn<int>("estratti");
        QTest::newRow("four of twelve drawn") << 4;
        QTest::newRow("five of twelve drawn") << 5;
    }
    void resaAttesaComeOgniEstrazione()
    {
        QFETCH(int, estratti);
        const std::vector<std::string> righe{"1 2 3",   "1 1 2",     "4 5 6 7",
                                             "2 3 8 9", "1 2 3 4 5", "9 9 9 10 11"};
        TabellaPremi tabella;
        for (std::size_t n = 3; n <= 5; ++n)
            for (std::size_t p = 1; p <= n; ++p)
                tabella.premio[n][p] = static_cast<Centesimi>(37 * p * p + 11 * n);
        const Centesimi posta = 50;
        std::array<double, ValoriPunti> vinte{}; // cents at a stake of 1, by length
        int estrazioni = 0;
        for (unsigned estratti12 = 0; estratti12 < 1u << 12; ++estratti12) {
            if (std::popcount(estratti12) != estratti)
                continue;
            ++estrazioni;
            for (const std::string& riga : righe) {
                const auto n =
                    static_cast<std::size_t>(std::count(riga.begin(), riga.end(), ' ') + 1);
                vinte[n] += static_cast<double>(
                    tabella.premio[n][static_cast<std::size_t>(Punti(riga, estratti12))]);
            }
        }
        const ResaAttesa r = CalcolaResaAttesa(CompilaSistema(righe), tabella, posta, estratti, 12);
        QCOMPARE(r.perLunghezza.size(), std::size_t{3}); // two lines of each length
        double totale = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            const double euro = vinte[3 + i] / estrazioni * posta / 10'000;
            totale += euro;
            QCOMPARE(r.perLunghezza[i].numeri, int(3 + i));
            QCOMPARE(r.perLunghezza[i].righe, std::uint64_t{2});
            QVERIFY(std::abs(r.perLunghezza[i].vincitaAttesa - euro) < 1e-12);
            QCOMPARE(r.perLunghezza[i].costo, 1.0);
            QVERIFY(std::abs(r.perLunghezza[i].resa - 100 * euro) < 1e-10);
        }
        QVERIFY(std::abs(r.sistema.vincitaAttesa - totale) < 1e-12);
        QCOMPARE(r.sistema.costo, 3.0);
        QVERIFY(std::abs(r.sistema.resa - 100 * totale / 3) < 1e-10);
    }

    // The same draws split into blocks taken in any order, by any number
    // of accumulators, give the same figures as one pass.
    void accumuliInOgniOrdine_data()
    {
        QTest::addColumn<int>("sessione");
        QTest::addColumn<int>("estrazioni");
        QTest::newRow("sessions of one draw") << 1 << 500;
        QTest::newRow("sessions of seven with a last one cut short") << 7 << 1000;
        QTest::newRow("sessions longer than the blocks") << 100 << 2000;
        QTest::newRow("one session longer than the series") << 5000 << 800;
    }
    void accumuliInOgniOrdine()
    {
        QFETCH(int, sessione);
        QFETCH(int, estrazioni);
        const AccumuloPremi vuoto(300, std::uint64_t(sessione));
        std::mt19937_64 motore{std::uint64_t(sessione)};
        AccumuloPremi uno = vuoto;
        std::vector<Centesimi> vinte; // mostly losing, a few large wins, a long losing streak
        for (int i = 0; i < estrazioni; ++i) {
            vinte.push_back(
                i >= 300 && i < 380 ? 0 : Centesimi(motore() % (motore() % 5 ? 250 : 2000)));
            uno.Aggiungi(std::uint64_t(i), vinte.back());
        }
        // Blocks of 1 to 60 draws, shuffled, spread over three accumulators.
        std::vector<std::size_t> inizi{0}, ordine;
        while (inizi.back() < vinte.size()) {
            ordine.push_back(inizi.size() - 1);
            inizi.push_back(std::min(vinte.size(), inizi.back() + 1 + motore() % 60));
        }
        std::shuffle(ordine.begin(), ordine.end(), motore);
        std::vector<AccumuloPremi> parti(3, vuoto);
        for (std::size_t b = 0; b < ordine.size(); ++b) {
            AccumuloPremi blocco = vuoto;
            for (std::size_t i = inizi[ordine[b]]; i < inizi[ordine[b] + 1]; ++i)
                blocco.Aggiungi(i, vinte[i]);
            parti[b % 3].Unisci(blocco);
        }
        parti[2].Unisci(parti[0]);
        parti[2].Unisci(parti[1]);

        const AccumuloPremi& unite = parti[2];
        QCOMPARE(unite.Estrazioni(), uno.Estrazioni());
        QVERIFY(unite.Vinto() == uno.Vinto());
        QCOMPARE(unite.SommaQuadrati(), uno.SommaQuadrati());
        QCOMPARE(unite.Coperte(), uno.Coperte());
        QCOMPARE(unite.Sessioni(), uno.Sessioni());
        QCOMPARE(unite.SessioniIncomplete(), std::uint64_t(estrazioni % sessione != 0));
        QCOMPARE(unite.EstrazioniInSessioniIncomplete(), std::uint64_t(estrazioni % sessione));
        QCOMPARE(unite.SeriePerdenteMassima(), uno.SeriePerdenteMassima());
        QVERIFY(uno.SeriePerdenteMassima() >= 80);
    }

    // Two lines at 0,50 each; at a stake of 1 the draws win 0 3 0 0 2 5 2 2 6
    // euros, so sessions of two end -1, -4, +3 and 0, and the last is cut.
    void riepilogoInEuro()
    {
        AccumuloPremi a(200, 2);
        const std::vector<Centesimi> vinte{0, 300, 0, 0, 200, 500, 200, 200, 600};
        for (std::size_t i = 0; i < vinte.size(); ++i)
            a.Aggiungi(i, vinte[i]);
        const RiepilogoPremi r = Riassumi(a, 50);
        QCOMPARE(r.posta, 0.5);
        QCOMPARE(r.estrazioni, std::uint64_t{9});
        QCOMPARE(r.giocato, 9.0L);
        QCOMPARE(r.vinto, 10.0L);
        QVERIFY(std::abs(r.resa - 100 * 20.0 / 18) < 1e-12);
        const double media = 20.0 / 9, varianza = (82 - 9 * media * media) / 8;
        const double mezzo = 1.959963984540054 * std::sqrt(varianza / 9) / 2 * 100;
        QVERIFY(r.intervallo95);
        QVERIFY(std::abs((*r.intervallo95)[0] - (r.resa - mezzo)) < 1e-9);
        QVERIFY(std::abs((*r.intervallo95)[1] - (r.resa + mezzo)) < 1e-9);
        QVERIFY(std::abs(r.coperte - 600.0 / 9) < 1e-12); // winning the stake back counts
        QCOMPARE(r.lunghezzaSessione, std::uint64_t{2});
        QCOMPARE(r.sessioni, std::uint64_t{4});
        QCOMPARE(r.inAttivo, std::uint64_t{1}); // ending even is not ahead
        QCOMPARE(r.percentualeInAttivo.value_or(-1), 25.0);
        QCOMPARE(r.mediana.value_or(0), -0.5);
        QCOMPARE(r.p5.value_or(0), -2.0);
        QCOMPARE(r.p95.value_or(0), 1.5);
        QCOMPARE(r.sessioniIncomplete, std::uint64_t{1});
        QCOMPARE(r.estrazioniEscluse, std::uint64_t{1});
        QCOMPARE(r.seriePerdenteMassima, std::uint64_t{2});
    }

    // Squares of winnings near the 64-bit limit overflow 128 bits in a few
    // draws; the sum carries into its high word, merged or not.
    void quadratiOltre128Bit()
    {
        const Centesimi enorme = Centesimi{1} << 62;
        AccumuloPremi uno(100, 1), altro(100, 1);
        for (std::uint64_t i = 0; i < 40; ++i)
            (i < 20 ? uno : altro).Aggiungi(i, enorme);
        QCOMPARE(altro.SommaQuadrati(), std::ldexp(20.0L, 124));
        uno.Unisci(altro);
        QCOMPARE(uno.SommaQuadrati(), std::ldexp(40.0L, 124));
    }
};

QTEST_APPLESS_MAIN(TestPremi)
#include "test_premi.moc"
