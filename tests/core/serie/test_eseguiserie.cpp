// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/EseguiSerie.h"
#include "serie/Generatore.h"
#include "serie/Statistiche.h"

#include <QTest>

#include <cmath>
#include <random>

#include <sstream>
#include <string>
#include <sys/resource.h>
#include <vector>

using namespace vortilla;

namespace {

// Lines of every length (or all of `lunghezza` numbers), a few with repeats.
std::vector<std::string> RigheDiProva(int righe, int lunghezza = 0)
{
    std::mt19937 motore(2026);
    std::uniform_int_distribution<int> numero(1, 90);
    std::vector<std::string> testo;
    for (int r = 0; r < righe; ++r) {
        std::string riga = std::to_string(numero(motore));
        for (int i = 1; i < (lunghezza ? lunghezza : 3 + r % 8); ++i)
            riga += ' ' + std::to_string(r % 17 == 0 ? 33 : numero(motore));
        testo.push_back(riga);
    }
    return testo;
}

Sistema SistemaDiProva(int righe) { return CompilaSistema(RigheDiProva(righe)); }

// Each line's numbers, as written.
std::vector<std::vector<int>> Numeri(const std::vector<std::string>& righe)
{
    std::vector<std::vector<int>> numeri;
    for (const std::string& riga : righe) {
        std::istringstream testo(riga);
        numeri.emplace_back();
        for (int n; testo >> n;)
            numeri.back().push_back(n);
    }
    return numeri;
}

// A line's points as the window counts them: every number that was drawn.
std::size_t Punti(const std::vector<int>& riga, const Maschera& estratti)
{
    return static_cast<std::size_t>(
        std::count_if(riga.begin(), riga.end(), [&](int n) { return estratti.Contiene(n); }));
}

// Prizes for every length and points value, zero points included, so that
// some draws win back the stake and some do not.
TabellaPremi PremiDiProva()
{
    TabellaPremi t;
    for (std::size_t n = 1; n < ValoriPunti; ++n)
        for (std::size_t p = 0; p <= n; ++p)
            t.premio[n][p] = p == 1 ? 0 : static_cast<Centesimi>(21 * p * p + 6 * n);
    return t;
}

bool StesseSomme(const AccumuloPremi& a, const AccumuloPremi& b)
{
    return a.Estrazioni() == b.Estrazioni() && a.Vinto() == b.Vinto()
           && a.SommaQuadrati() == b.SommaQuadrati() && a.Coperte() == b.Coperte()
           && a.Sessioni() == b.Sessioni() && a.SessioniIncomplete() == b.SessioniIncomplete()
           && a.SeriePerdenteMassima() == b.SeriePerdenteMassima();
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

    // The money of every draw, counted line by line from the text, against
    // the runner's, whose blocks merge as they finish.
    void ilDenaroNonDipendeDaiThread_data()
    {
        QTest::addColumn<int>("lunghezza");
        QTest::newRow("lines of every length take their prizes by length") << 0;
        QTest::newRow("lines of one length take theirs from the counts by points") << 7;
    }
    void ilDenaroNonDipendeDaiThread()
    {
        QFETCH(int, lunghezza);
        const std::vector<std::string> righe = RigheDiProva(300, lunghezza);
        const Sistema sistema = CompilaSistema(righe);
        const auto numeri = Numeri(righe);
        const TabellaPremi premi = PremiDiProva();
        const std::uint64_t n = EstrazioniPerBlocco(sistema) * 3 + 11;
        constexpr std::uint64_t Sessione = 7; // sessions that cross blocks
        AccumuloPremi atteso(300 * 100, Sessione);
        for (std::uint64_t i = 0; i < n; ++i) {
            const Maschera estratti = EstraiNumeri(41, i, 20);
            Centesimi vincita = 0;
            for (const std::vector<int>& riga : numeri)
                vincita += premi.premio[riga.size()][Punti(riga, estratti)];
            atteso.Aggiungi(i, vincita);
        }
        const std::atomic<bool> mai{false};
        ParametriSerie p{41, n, 20, 1, false};
        p.premi = &premi;
        p.sessione = Sessione;
        const StatoSerie uno = EseguiSerie(sistema, p, mai);
        p.thread = 3;
        const StatoSerie tre = EseguiSerie(sistema, p, mai);
        QVERIFY(StesseSomme(*uno.premi, atteso));
        QVERIFY(StesseSomme(*tre.premi, atteso));
        QVERIFY(atteso.Coperte() > 0 && atteso.Coperte() < n);
        // Money changes no count.
        QVERIFY(Uguali(tre.conteggi, EseguiSerie(sistema, {41, n, 20, 2, false}, mai).conteggi));
    }

    // An archive of the series' own draws gives the series' counts; the
    // latest draws of each best score are the same for any thread count.
    void unArchivioSiContaComeLaSerie()
    {
        const std::vector<std::string> righe = RigheDiProva(200);
        const Sistema sistema = CompilaSistema(righe);
        const auto numeri = Numeri(righe);
        const std::uint64_t n = EstrazioniPerBlocco(sistema) * 2 + 5;
        std::vector<EstrazioneArchivio> archivio;
        std::array<std::vector<std::uint64_t>, ValoriPunti> ultime;
        for (std::uint64_t i = 0; i < n; ++i) {
            archivio.push_back({EstraiNumeri(8, i, 20), {}});
            std::size_t migliore = 0;
            for (const std::vector<int>& riga : numeri)
                migliore = std::max(migliore, Punti(riga, archivio.back().numeri));
            ultime[migliore].push_back(i);
        }
        for (auto& indici : ultime)
            indici.erase(indici.begin(),
                         indici.end() - std::min<std::ptrdiff_t>(20, std::ssize(indici)));
        const std::atomic<bool> mai{false};
        ParametriSerie p{0, 0, 20, 1, false}; // sixteen draws at a time
        p.archivio = archivio;
        p.migliori = 20;
        const StatoSerie uno = EseguiSerie(sistema, p, mai);
        p.thread = 4;
        const StatoSerie quattro = EseguiSerie(sistema, p, mai);
        QVERIFY(Uguali(uno.conteggi, EseguiSerie(sistema, {8, n, 20, 2, false}, mai).conteggi));
        QVERIFY(Uguali(quattro.conteggi, uno.conteggi));
        QCOMPARE(uno.migliori.perPunti, ultime);
        QCOMPARE(quattro.migliori.perPunti, ultime);
    }

    // What a window shows while the series runs: each state whole, the
    // last one the series itself.
    void gliStatiInCorsoSonoInteri()
    {
        const Sistema sistema = SistemaDiProva(400);
        const TabellaPremi premi = PremiDiProva();
        std::atomic<bool> ferma{false};
        ParametriSerie p{3, std::uint64_t{1} << 40, 20, 2, false};
        p.premi = &premi;
        int stati = 0;
        bool interi = true;
        std::uint64_t prima = 0;
        StatoSerie ultimo;
        const StatoSerie finale = EseguiSerie(sistema, p, ferma, [&](const StatoSerie& s) {
            std::uint64_t righe = 0, migliori = 0;
            for (std::size_t k = 0; k < ValoriPunti; ++k) {
                righe += s.conteggi.osservati[k];
                migliori += s.conteggi.migliore[k];
            }
            const std::uint64_t n = s.conteggi.estrazioni;
            interi = interi && righe == 400 * n && migliori == n && s.premi->Estrazioni() == n
                     && n >= prima;
            prima = n;
            ultimo = s;
            ferma = ++stati >= 4;
        });
        QVERIFY(interi);
        QVERIFY(stati >= 5); // four while running, then the final one
        QVERIFY(Uguali(ultimo.conteggi, finale.conteggi));
        p.estrazioni = finale.conteggi.estrazioni;
        const StatoSerie intera = EseguiSerie(sistema, p, ferma = false);
        QVERIFY(Uguali(finale.conteggi, intera.conteggi));
        QVERIFY(StesseSomme(*finale.premi, *intera.premi));
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
