// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/EseguiSerie.h"
#include "serie/Statistiche.h"

#include <QTest>

#include <cmath>
#include <random>

#include <string>
#include <sys/resource.h>
#include <vector>

using namespace vortilla;

namespace {

// Lines of every length, a few with repeats.
Sistema SistemaDiProva(int righe)
{
    std::mt19937 motore(2026);
    std::uniform_int_distribution<int> numero(1, 90);
    std::vector<std::string> testo;
    for (int r = 0; r < righe; ++r) {
        std::string riga = std::to_string(numero(motore));
        for (int i = 1; i < 3 + r % 8; ++i)
            riga += ' ' + std::to_string(r % 17 == 0 ? 33 : numero(motore));
        testo.push_back(riga);
    }
    return CompilaSistema(testo);
}

bool Uguali(const Conteggi& a, const Conteggi& b)
{
    return a.estrazioni == b.estrazioni && a.osservati == b.osservati && a.quadrati == b.quadrati
           && a.migliore == b.migliore && a.perRiga == b.perRiga;
}

} // namespace

class TestEseguiSerie : public QObject {
    Q_OBJECT
private slots:
    void unaLungaSerieStaNeiSuoiErroriStandard_data()
    {
        QTest::addColumn<int>("estratti");
        QTest::newRow("twenty of ninety") << 20;
        QTest::newRow("six of ninety") << 6;
    }
    void unaLungaSerieStaNeiSuoiErroriStandard()
    {
        QFETCH(int, estratti);
        const Sistema sistema = SistemaDiProva(120);
        const std::atomic<bool> mai{false};
        const Conteggi c =
            EseguiSerie(sistema, {20260101, 200'000, estratti, 2, false}, mai).conteggi;
        QCOMPARE(c.estrazioni, std::uint64_t{200'000});
        const Statistiche s = CalcolaStatistiche(c, AttesePerEstrazione(sistema, estratti));
        std::uint64_t righe = 0;
        for (const RigaPunti& riga : s.punti) {
            righe += riga.osservati;
            QVERIFY2(std::abs(riga.z) < 4.5,
                     qPrintable(QString("points %1: observed %2, expected %3, z %4")
                                    .arg(riga.punti)
                                    .arg(riga.osservati)
                                    .arg(riga.attesi)
                                    .arg(riga.z)));
        }
        QCOMPARE(righe, std::uint64_t{200'000} * 120);
        QCOMPARE(s.almeno[0].percentuale, 100.0);
        QVERIFY(s.almeno[1].basso <= s.almeno[1].percentuale
                && s.almeno[1].percentuale <= s.almeno[1].alto);
    }

    void ilRisultatoNonDipendeDaiThread()
    {
        const Sistema sistema = SistemaDiProva(300);
        const std::atomic<bool> mai{false};
        // Not a whole number of blocks, so the last block is a short one.
        const std::uint64_t n = EstrazioniPerBlocco(sistema) * 5 + 17;
        const Conteggi uno = EseguiSerie(sistema, {99, n, 20, 1, true}, mai).conteggi;
        const Conteggi quattro = EseguiSerie(sistema, {99, n, 20, 4, true}, mai).conteggi;
        QVERIFY(Uguali(uno, quattro));
        QVERIFY(!Uguali(uno, EseguiSerie(sistema, {100, n, 20, 4, true}, mai).conteggi));
    }

    void unaRichiestaDiStopTieneSoloLeEstrazioniFinite()
    {
        const Sistema sistema = SistemaDiProva(50);
        std::atomic<bool> ferma{false};
        std::uint64_t vistePrimaDelloStop = 0;
        const Conteggi c = EseguiSerie(sistema, {5, std::uint64_t{1} << 40, 6, 2, false}, ferma,
                                       [&](const StatoSerie& stato) {
                                           vistePrimaDelloStop = stato.conteggi.estrazioni;
                                           ferma = true;
                                       })
                               .conteggi;
        QVERIFY(c.estrazioni >= vistePrimaDelloStop);
        QVERIFY(c.estrazioni < std::uint64_t{1} << 40);
        QCOMPARE(c.estrazioni % EstrazioniPerBlocco(sistema), std::uint64_t{0});
        std::uint64_t perMigliore = 0, righe = 0;
        for (std::size_t p = 0; p < ValoriPunti; ++p) {
            perMigliore += c.migliore[p];
            righe += c.osservati[p];
        }
        QCOMPARE(perMigliore, c.estrazioni);
        QCOMPARE(righe, c.estrazioni * 50);
    }

    void laMemoriaNonCresceConIThread()
    {
        // Lines with a repeat need each line's points in a draw, 600 kB
        // here: one buffer per thread would take 150 MB for 256 threads.
        const Sistema sistema = CompilaSistema(std::vector<std::string>(600'000, "5 5 7"));
        rusage prima{}, dopo{};
        getrusage(RUSAGE_SELF, &prima);
        const std::atomic<bool> mai{false};
        const Conteggi c = EseguiSerie(sistema, {1, 64, 20, 256, false}, mai).conteggi;
        getrusage(RUSAGE_SELF, &dopo);
        QCOMPARE(c.estrazioni, std::uint64_t{64});
        QCOMPARE(c.thread, 256u);
        const long crescita = dopo.ru_maxrss - prima.ru_maxrss; // kB
        QVERIFY2(crescita < 40'000, qPrintable(QString("grew by %1 kB").arg(crescita)));
    }
};

QTEST_APPLESS_MAIN(TestEseguiSerie)
#include "test_eseguiserie.moc"
