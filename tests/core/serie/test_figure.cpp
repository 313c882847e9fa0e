// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one path from a run's inputs to its figures, which a window calls on
// every state of a series in progress and the command line on the last.

#include "serie/Figure.h"

#include <QTest>

#include <numeric>
#include <random>

using namespace vortilla;

namespace {

// Ten numbers a line on the numbers 1..`numeri`, all different lines.
std::vector<std::string> Righe(int quante, int numeri)
{
    std::mt19937 motore(5);
    std::vector<int> tutti(static_cast<std::size_t>(numeri));
    std::iota(tutti.begin(), tutti.end(), 1);
    std::vector<std::string> righe;
    for (int r = 0; r < quante; ++r) {
        std::shuffle(tutti.begin(), tutti.end(), motore);
        std::string riga;
        for (int i = 0; i < 10; ++i)
            riga += std::to_string(tutti[static_cast<std::size_t>(i)]) + (i < 9 ? " " : "");
        righe.push_back(riga);
    }
    return righe;
}

// Every figure a result shows, in one list: two results that show the same
// give the same list.
std::vector<double> Cifre(const Risultato& r)
{
    std::vector<double> c{static_cast<double>(r.conteggi.estrazioni), double(r.interrotta)};
    for (const RigaPunti& p : r.statistiche.punti)
        c.insert(c.end(), {double(p.osservati), p.attesi, p.erroreStandard, p.z,
                           double(p.metodo == Metodo::Esatto), double(p.pochiCasi)});
    for (const RigaAlmeno& a : r.statistiche.almeno)
        c.insert(c.end(), {double(a.estrazioni), a.percentuale, a.basso, a.alto,
                           a.indipendenti.value_or(-1), a.esatto.value_or(-1)});
    if (r.premi) {
        const RiepilogoPremi& o = r.premi->osservato;
        c.insert(c.end(),
                 {r.premi->attesa.sistema.resa, double(o.vinto), o.resa, o.coperte,
                  double(o.sessioni), o.mediana.value_or(-1), double(o.seriePerdenteMassima)});
    }
    return c;
}

} // namespace

class TestFigure : public QObject {
    Q_OBJECT
private slots:
    void ogniStatoDaUnRisultatoIntero()
    {
        const std::vector<std::string> righe = Righe(40, 16);
        const Sistema sistema = CompilaSistema(righe);
        TabellaPremi premi;
        premi.premio[10] = {100, 0, 0, 0, 0, 50, 200, 1000, 5000, 20000, 100000};
        DatiSerie dati;
        dati.sistema = &sistema;
        dati.estrazioni = std::uint64_t{1} << 40;
        dati.seme = 12;
        dati.premi = &premi;
        dati.sessione = 10;
        const FigureEsatte esatte = CalcolaFigureEsatte(dati);
        QVERIFY(esatte.garanzia && esatte.resa && esatte.riferimenti.varianze);
        std::atomic<bool> ferma{false};
        int stati = 0;
        bool interi = true;
        Risultato ultimo;
        const StatoSerie finale =
            EseguiSerie(sistema, ParametriDi(dati, 2), ferma, [&](const StatoSerie& s) {
                const Risultato r = ComponiRisultato(dati, esatte, s);
                std::uint64_t righe = 0;
                for (const RigaPunti& p : r.statistiche.punti)
                    righe += p.osservati;
                const std::uint64_t n = r.conteggi.estrazioni;
                interi = interi && r.interrotta && righe == 40 * n
                         && r.statistiche.almeno[0].estrazioni == n
                         && r.premi->osservato.estrazioni == n && r.garanzia
                         && r.statistiche.almeno[5].esatto && r.statistiche.almeno[5].indipendenti;
                ultimo = r;
                ferma = ++stati >= 3;
            });
        QVERIFY(interi);
        // The same draws on one thread, in one go, show the same figures.
        dati.estrazioni = finale.conteggi.estrazioni;
        const Risultato uno = ComponiRisultato(
            dati, esatte, EseguiSerie(sistema, ParametriDi(dati, 1), ferma = false));
        QVERIFY(!uno.interrotta);
        ultimo.interrotta = false;
        QCOMPARE(Cifre(ultimo), Cifre(uno));
    }

    void ilMetodoELaGaranziaSecondoIlSistema_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("numeri");
        QTest::addColumn<bool>("esatto");
        QTest::addColumn<bool>("garanzia");
        QTest::newRow("a system on 24 numbers has its exact variance and its guarantee")
            << 500 << 24 << true << true;
        QTest::newRow("a system on 90 numbers has no guarantee") << 500 << 90 << true << false;
        QTest::newRow("past 20000 different lines the variance is the sample one")
            << 20'001 << 90 << false << false;
    }
    void ilMetodoELaGaranziaSecondoIlSistema()
    {
        QFETCH(int, righe);
        QFETCH(int, numeri);
        QFETCH(bool, esatto);
        QFETCH(bool, garanzia);
        const Sistema sistema = CompilaSistema(Righe(righe, numeri));
        DatiSerie dati;
        dati.sistema = &sistema;
        dati.estrazioni = 2;
        const FigureEsatte esatte = CalcolaFigureEsatte(dati);
        const std::atomic<bool> mai{false};
        const Risultato r =
            ComponiRisultato(dati, esatte, EseguiSerie(sistema, ParametriDi(dati, 2), mai));
        QCOMPARE(r.numeriSistema, numeri);
        QCOMPARE(r.garanzia.has_value(), garanzia);
        QCOMPARE(r.statistiche.almeno[6].esatto.has_value(), garanzia);
        for (const RigaPunti& p : r.statistiche.punti)
            QCOMPARE(p.metodo, esatto ? Metodo::Esatto : Metodo::Campionario);
        // Two draws still have an error for every row that can happen.
        QVERIFY(r.statistiche.punti[9].erroreStandard > 0);
    }
};

QTEST_APPLESS_MAIN(TestFigure)
#include "test_figure.moc"
