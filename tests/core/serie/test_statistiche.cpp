// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Statistiche.h"
#include "serie/VarianzaEsatta.h"

#include <QTest>

#include <cmath>
#include <string>
#include <vector>

using namespace vortilla;

namespace {

constexpr std::size_t Riga = 3; // the row the hand-made counts go to

Conteggi ConteggiDellaRiga(const QList<int>& perEstrazione)
{
    Conteggi c;
    c.estrazioni = static_cast<std::uint64_t>(perEstrazione.size());
    for (const int x : perEstrazione) {
        c.osservati[Riga] += static_cast<std::uint64_t>(x);
        c.quadrati[Riga] += static_cast<unsigned __int128>(x * x);
    }
    return c;
}

// Within a millionth, or a millionth of a unit near 0.
#define VICINI(calcolato, atteso)                                                                  \
    QVERIFY2(std::abs((calcolato) - (atteso)) <= 1e-6 * std::max(std::abs(atteso), 1.0),           \
             qPrintable(QString("%1 against %2").arg(calcolato, 0, 'g', 10).arg(atteso)))

} // namespace

class TestStatistiche : public QObject {
    Q_OBJECT
private slots:
    void erroreStandardZEMetodo_data()
    {
        QTest::addColumn<QList<int>>("perEstrazione"); // the row's count in each draw
        QTest::addColumn<double>("media");             // exact, per draw
        QTest::addColumn<double>("varianzaEsatta");    // per draw; negative: not known
        QTest::addColumn<double>("errore");
        QTest::addColumn<double>("z");
        QTest::addColumn<QString>("metodo");
        QTest::addColumn<bool>("pochiCasi");
        const QList<int> settantaUnoTrentaDue = QList<int>(70, 1) + QList<int>(30, 2);
        // Sample variance (4·14 - 6²) / (4·3) = 5/3.
        QTest::newRow("a row that varies takes the sample variance of its counts")
            << QList<int>{1, 3, 0, 2} << 1.0 << -1.0 << std::sqrt(4 * 5 / 3.0)
            << 2 / std::sqrt(4 * 5 / 3.0) << "campionario" << true;
        QTest::newRow("a rare row not seen yet takes the floor mu - mu squared")
            << QList<int>(1000, 0) << 0.004 << -1.0 << std::sqrt(1000 * 0.004 * 0.996)
            << -4 / std::sqrt(1000 * 0.004 * 0.996) << "campionario" << true;
        // Sample variance (100·190 - 130²) / (100·99) = 7/33.
        QTest::newRow("more cases than expected give a positive z")
            << settantaUnoTrentaDue << 1.2 << -1.0 << std::sqrt(700 / 33.0)
            << 10 / std::sqrt(700 / 33.0) << "campionario" << false;
        QTest::newRow("the exact variance replaces the sample one")
            << settantaUnoTrentaDue << 1.2 << 0.5 << std::sqrt(50.0) << 10 / std::sqrt(50.0)
            << "esatto" << false;
        QTest::newRow("a single draw has an error from the exact variance")
            << QList<int>{0} << 0.3 << 0.8 << std::sqrt(0.8) << -0.3 / std::sqrt(0.8) << "esatto"
            << true;
        QTest::newRow("ten expected cases are not too few")
            << QList<int>(10, 1) << 1.0 << -1.0 << 0.0 << 0.0 << "campionario" << false;
    }
    void erroreStandardZEMetodo()
    {
        QFETCH(QList<int>, perEstrazione);
        QFETCH(double, media);
        QFETCH(double, varianzaEsatta);
        QFETCH(double, errore);
        QFETCH(double, z);
        QFETCH(QString, metodo);
        QFETCH(bool, pochiCasi);
        Probabilita attese{};
        attese[Riga] = media;
        Riferimenti riferimenti;
        if (varianzaEsatta >= 0) {
            riferimenti.varianze.emplace();
            (*riferimenti.varianze)[Riga] = varianzaEsatta;
        }
        const RigaPunti riga =
            CalcolaStatistiche(ConteggiDellaRiga(perEstrazione), attese, riferimenti).punti[Riga];
        QCOMPARE(riga.punti, static_cast<int>(Riga));
        VICINI(riga.erroreStandard, errore);
        VICINI(riga.z, z);
        QCOMPARE(QString(NomeMetodo(riga.metodo)), metodo);
        QCOMPARE(riga.pochiCasi, pochiCasi);
    }

    // No line scores ten in 10^7 draws. The figures come from closed forms:
    // 500 copies of a line make X_10 = 500 or 0; with nine numbers fixed and
    // the tenth any of the other 81, X_10 = 11 whenever the nine are drawn.
    void esempiDiSistemiConNumeriInComune_data()
    {
        QTest::addColumn<QStringList>("righe");
        QTest::addColumn<double>("errore");
        QTest::addColumn<double>("zEsatto");
        QTest::addColumn<double>("zCampionario");
        QTest::newRow("500 copies of one line: no ten is well within chance")
            << QStringList(500, "1 2 3 4 5 6 7 8 9 10") << 284.1494080000109 << -0.568298834354003
            << -12.70765064940554;
        QStringList noveFissi;
        for (int x = 10; x <= 90; ++x)
            noveFissi << "1 2 3 4 5 6 7 8 9 " + QString::number(x);
        QTest::newRow("nine fixed numbers and one more: no ten is within chance")
            << noveFissi << 16.963503730088494 << -1.5421370694842236 << -5.114696116632265;
    }
    void esempiDiSistemiConNumeriInComune()
    {
        QFETCH(QStringList, righe);
        QFETCH(double, errore);
        QFETCH(double, zEsatto);
        QFETCH(double, zCampionario);
        std::vector<std::string> testo;
        for (const QString& riga : righe)
            testo.push_back(riga.toStdString());
        const Sistema sistema = CompilaSistema(testo);
        Conteggi c;
        c.estrazioni = 10'000'000;
        const Probabilita attese = AttesePerEstrazione(sistema, 20);
        const RigaPunti esatta =
            CalcolaStatistiche(c, attese, {VarianzePerEstrazione(sistema, 20), {}, {}}).punti[10];
        const RigaPunti campionaria = CalcolaStatistiche(c, attese).punti[10];
        VICINI(esatta.erroreStandard, errore);
        VICINI(esatta.z, zEsatto);
        VICINI(campionaria.z, zCampionario);
    }

    // Five draws with a best of 2 and five with a best of 3: "almeno" adds
    // up from the top, with Wilson bounds for 0, 5 and 10 of 10 (published
    // values), and carries the references given, in percent.
    void lRigaAlmenoCumulaEPortaIRiferimenti()
    {
        Conteggi c;
        c.estrazioni = 10;
        c.migliore[2] = 5;
        c.migliore[3] = 5;
        Riferimenti riferimenti;
        riferimenti.indipendenti = Probabilita{1, 1, 0.9, 0.4};
        riferimenti.almenoEsatto = Probabilita{1, 1, 0.95, 0.55};
        const Statistiche s = CalcolaStatistiche(c, {}, riferimenti);
        const RigaAlmeno& tre = s.almeno[3];
        QCOMPARE(tre.punti, 3);
        QCOMPARE(tre.estrazioni, std::uint64_t{5});
        QCOMPARE(tre.percentuale, 50.0);
        VICINI(tre.basso, 23.659309);
        VICINI(tre.alto, 76.340691);
        QCOMPARE(s.almeno[2].estrazioni, std::uint64_t{10});
        VICINI(s.almeno[2].basso, 72.246720);
        QCOMPARE(s.almeno[2].alto, 100.0);
        QCOMPARE(s.almeno[4].estrazioni, std::uint64_t{0});
        QCOMPARE(s.almeno[4].basso, 0.0);
        VICINI(s.almeno[4].alto, 27.753280);
        QCOMPARE(*tre.indipendenti, 40.0);
        QCOMPARE(*tre.esatto, 55.0);
        // At either end the bound is exact, not a rounding away from it.
        for (std::uint64_t prove = 1; prove <= 50; ++prove) {
            // Exactly: QCOMPARE would take 5e-17 for 0.
            QVERIFY(IntervalloWilson(0, prove)[0] == 0.0);
            QVERIFY(IntervalloWilson(prove, prove)[1] == 1.0);
        }
        QCOMPARE(*s.almeno[2].esatto, 95.0);
        QVERIFY(!CalcolaStatistiche(c, {}).almeno[3].esatto);
    }
};

QTEST_APPLESS_MAIN(TestStatistiche)
#include "test_statistiche.moc"
