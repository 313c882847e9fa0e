// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every scoring kernel against the window's own scoring, and against the
// portable kernel, on the same draws.

#include "engine/Punteggio.h"
#include "serie/Conteggi.h"
#include "serie/Generatore.h"
#include "serie/PunteggioVeloce.h"

#include <QTest>

#include <algorithm>
#include <random>
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
    std::vector<int> presi;
    std::string riga;
    for (int i = lunghezza(motore); i > 0; --i) {
        int n = ripeti ? (base + pool(motore)) % 90 + 1 : numero(motore);
        while (!ripeti && std::find(presi.begin(), presi.end(), n) != presi.end())
            n = numero(motore);
        presi.push_back(n);
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

int Lunghezza(const std::string& riga)
{
    return static_cast<int>(std::count(riga.begin(), riga.end(), ' ')) + 1;
}

const Nucleo& Portabile() { return *NucleoDiNome("portabile"); }

} // namespace

class TestPunteggioVeloce : public QObject {
    Q_OBJECT
private slots:
    void ogniNucleoContaComeLaFinestra_data()
    {
        QTest::addColumn<QString>("nucleo");
        QTest::addColumn<int>("righe");
        QTest::addColumn<bool>("ripeti");
        QTest::addColumn<int>("estratti");
        for (const Nucleo& nucleo : Nuclei()) {
            const auto riga = [&](const char* caso, int righe, bool ripeti, int estratti) {
                QTest::addRow("%s: %s", nucleo.nome, caso)
                    << QString(nucleo.nome) << righe << ripeti << estratti;
            };
            riga("three lines without repeats, 20 drawn", 3, false, 20);
            riga("a group and a bit without repeats, 6 drawn", 515, false, 6);
            riga("four groups without repeats, 20 drawn", 2000, false, 20);
            riga("3000 lines without repeats, 20 drawn", 3000, false, 20);
            riga("130 lines mostly with repeats, 20 drawn", 130, true, 20);
            riga("3000 lines mostly with repeats, 6 drawn", 3000, true, 6);
        }
    }
    // Counts by points, by length and points, and each line's points, with
    // and without the details that the fast path leaves out.
    void ogniNucleoContaComeLaFinestra()
    {
        QFETCH(QString, nucleo);
        QFETCH(int, righe);
        QFETCH(bool, ripeti);
        QFETCH(int, estratti);
        const Nucleo& provato = *NucleoDiNome(nucleo.toStdString());
        if (!provato.disponibile())
            QSKIP(qPrintable("this processor cannot run the " + nucleo + " kernel"));
        std::mt19937_64 motore(static_cast<std::uint64_t>(righe * 2 + ripeti));
        std::vector<std::string> testo(static_cast<std::size_t>(righe));
        for (auto& riga : testo)
            riga = RigaCasuale(motore, ripeti);
        // A line that scores ten, in the last group: ten 5s when 5 is drawn,
        // or, in a system without repeats, ten numbers all drawn.
        testo.back() = ripeti ? "5 5 5 5 5 5 5 5 5 05" : "1 2 3 4 5 6 7 8 9 10";
        const Sistema sistema = CompilaSistema(testo);
        QCOMPARE(sistema.conRipetizioni > 0, ripeti);

        constexpr std::size_t Quante = 21; // not a whole number of lanes
        std::vector<Maschera> estrazioni(Quante);
        provato.estrai(77, 1000, Quante, estratti, estrazioni.data());
        // A draw where the line that scores ten makes 10.
        for (int n = 1; n <= 10; ++n)
            if (!ripeti || n == 5)
                estrazioni[3].Aggiungi(n);
        // One with no number at all, where the best points are 0.
        estrazioni[7] = {};
        // And one of more than 64 numbers, past what a series draws.
        estrazioni[5] = {};
        for (int n = 1; n <= 90; ++n)
            if (n % 5 != 0)
                estrazioni[5].Aggiungi(n);
        std::vector<ConteggioEstrazione> veloce(Quante), dettagliato(Quante), portabile(Quante);
        std::vector<ConteggioPerLunghezza> perLunghezza(Quante);
        std::vector<std::uint8_t> punti(Quante * testo.size());
        provato.conta(sistema, estrazioni.data(), Quante, veloce.data(), {});
        provato.conta(sistema, estrazioni.data(), Quante, dettagliato.data(),
                      {perLunghezza.data(), punti.data()});
        Portabile().conta(sistema, estrazioni.data(), Quante, portabile.data(), {});

        Conteggi daPortabile;
        for (std::size_t e = 0; e < Quante; ++e) {
            const auto finestra = TabellaFinestra(estrazioni[e]);
            const auto attesa = CalcolaPunteggi(testo, finestra);
            QVERIFY(attesa);
            ConteggioPerLunghezza perLunghezzaAtteso{};
            for (std::size_t r = 0; r < testo.size(); ++r) {
                const auto p = PuntiCombinazione(testo[r], finestra);
                QCOMPARE(std::optional<int>(punti[e * testo.size() + r]), p);
                ++perLunghezzaAtteso[static_cast<std::size_t>(Lunghezza(testo[r]))]
                                    [static_cast<std::size_t>(*p)];
            }
            for (std::size_t p = 0; p < ValoriPunti; ++p)
                QCOMPARE(static_cast<int>(veloce[e][p]), (*attesa)[p]);
            QCOMPARE(dettagliato[e], veloce[e]);
            QCOMPARE(perLunghezza[e], perLunghezzaAtteso);
            daPortabile.Aggiungi(portabile[e]);
        }
        // The same tallies, summed by the kernel 16 draws and 5 at a time.
        SommeLotto somme;
        provato.somma(veloce.data(), 16, somme);
        provato.somma(veloce.data() + 16, Quante - 16, somme);
        QCOMPARE(somme.righe, daPortabile.osservati);
        QVERIFY(
            std::equal(somme.quadrati.begin(), somme.quadrati.end(), daPortabile.quadrati.begin()));
        QCOMPARE(somme.migliori, daPortabile.migliore);
        QVERIFY(somme.migliori[10] > 0);
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

    void unNucleoSiSceglieColSuoNome()
    {
        QCOMPARE(Nuclei().front().nome, "portabile");
        QVERIFY(Portabile().disponibile());
        QVERIFY(!NucleoDiNome("veloce"));
        QVERIFY(NucleoInUso().disponibile());
    }
};

QTEST_APPLESS_MAIN(TestPunteggioVeloce)
#include "test_punteggioveloce.moc"
