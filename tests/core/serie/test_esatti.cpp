// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Garanzia.h"
#include "serie/VarianzaEsatta.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace vortilla;

namespace {

// Every draw of a small game, scored token by token: the figures that the
// exact computations must give, found without any of their shortcuts.
struct ForzaBruta {
    Probabilita media{}, varianza{}, almeno{}, indipendenti{};
    int numeriSistema = 0;
    // By m, the system's numbers drawn: how many draws have each best score.
    std::vector<std::array<std::uint64_t, ValoriPunti>> perIndovinati;
};

ForzaBruta Enumera(const QStringList& testo, int numeri, int estratti)
{
    std::vector<std::vector<int>> righe;
    std::vector<bool> delSistema(static_cast<std::size_t>(numeri + 1));
    for (const QString& riga : testo) {
        righe.emplace_back();
        for (const QString& n : riga.split(' ')) {
            righe.back().push_back(n.toInt());
            delSistema[static_cast<std::size_t>(n.toInt())] = true;
        }
    }
    ForzaBruta f;
    f.numeriSistema = static_cast<int>(std::count(delSistema.begin(), delSistema.end(), true));
    f.perIndovinati.resize(static_cast<std::size_t>(std::min(f.numeriSistema, estratti) + 1));
    std::vector<std::array<std::uint64_t, ValoriPunti>> rigaAlmeno(righe.size());
    std::array<double, ValoriPunti> somme{}, quadrati{}, migliori{};
    double estrazioni = 0;
    // estratto[n]: number n is drawn; every arrangement of `estratti` trues.
    std::vector<bool> estratto(static_cast<std::size_t>(numeri + 1));
    std::fill(estratto.begin() + 1, estratto.begin() + 1 + estratti, true);
    do {
        estrazioni += 1;
        std::array<int, ValoriPunti> x{};
        std::size_t migliore = 0;
        for (std::size_t r = 0; r < righe.size(); ++r) {
            std::size_t punti = 0;
            for (const int n : righe[r])
                punti += estratto[static_cast<std::size_t>(n)];
            ++x[punti];
            migliore = std::max(migliore, punti);
            for (std::size_t k = 0; k <= punti; ++k)
                ++rigaAlmeno[r][k];
        }
        for (std::size_t p = 0; p < ValoriPunti; ++p) {
            somme[p] += x[p];
            quadrati[p] += x[p] * x[p];
        }
        for (std::size_t k = 0; k <= migliore; ++k)
            migliori[k] += 1;
        std::size_t m = 0;
        for (std::size_t n = 1; n < estratto.size(); ++n)
            m += estratto[n] && delSistema[n];
        ++f.perIndovinati[m][migliore];
    } while (std::prev_permutation(estratto.begin() + 1, estratto.end()));
    for (std::size_t p = 0; p < ValoriPunti; ++p) {
        f.media[p] = somme[p] / estrazioni;
        f.varianza[p] = quadrati[p] / estrazioni - f.media[p] * f.media[p];
        f.almeno[p] = migliori[p] / estrazioni;
        double nessuna = 1;
        for (const auto& conta : rigaAlmeno)
            nessuna *= 1 - static_cast<double>(conta[p]) / estrazioni;
        f.indipendenti[p] = 1 - nessuna;
    }
    return f;
}

Sistema Compila(const QStringList& testo)
{
    std::vector<std::string> righe;
    for (const QString& riga : testo)
        righe.push_back(riga.toStdString());
    return CompilaSistema(righe);
}

bool Vicini(double a, double b) { return std::abs(a - b) <= 1e-12 * std::max(std::abs(b), 1.0); }

} // namespace

class TestEsatti : public QObject {
    Q_OBJECT
private slots:
    void ogniCifraEsattaComeLaForzaBruta_data()
    {
        QTest::addColumn<QStringList>("righe");
        QTest::addColumn<int>("numeri");
        QTest::addColumn<int>("estratti");
        QTest::newRow("lines without repeats sharing numbers, 5 of 12")
            << QStringList{"1 2 3 4", "3 4 5 6 7", "1 5 9", "10 11 12"} << 12 << 5;
        QTest::newRow("copies of one line beside another, 4 of 15")
            << QStringList{"1 2 3", "3 2 1", "1 2 3", "2 3 4 5 14"} << 15 << 4;
        QTest::newRow("lines with repeated numbers sharing some, 5 of 12")
            << QStringList{"1 1 2 3", "1 2 2 2 5", "5 5 6 7 7", "3 4 5", "7 7 1 1"} << 12 << 5;
        QTest::newRow("lines with three and four different multiplicities, 5 of 12")
            << QStringList{"1 1 1 2 2 3", "3 3 3 1 1 2 4", "2 2 2 2 1 1 1 3 3 5", "5 1 2 6"} << 12
            << 5;
        QTest::newRow("lines across number 64, some with repeats, 3 of 70")
            << QStringList{"63 64 65 66", "65 65 65 64 64 1", "64 64 65 70 70 70 70 2", "1 2 70"}
            << 70 << 3;
        QTest::newRow("one number ten times beside a line holding it, 6 of 13")
            << QStringList{"4 4 4 4 4 4 4 4 4 4", "4 5 6", "4 4 5 5 6 6"} << 13 << 6;
        QTest::newRow("two ten-number lines covering the game, 5 of 12")
            << QStringList{"1 2 3 4 5 6 7 8 9 10", "3 4 5 6 7 8 9 10 11 12"} << 12 << 5;
        QTest::newRow("more numbers drawn than the system has, 9 of 15")
            << QStringList{"1 2 3 4", "2 3 5 5", "6 1 4"} << 15 << 9;
    }
    void ogniCifraEsattaComeLaForzaBruta()
    {
        QFETCH(QStringList, righe);
        QFETCH(int, numeri);
        QFETCH(int, estratti);
        const ForzaBruta attesa = Enumera(righe, numeri, estratti);
        const Sistema sistema = Compila(righe);
        const Probabilita media = AttesePerEstrazione(sistema, estratti, numeri);
        const auto varianze = VarianzePerEstrazione(sistema, estratti, numeri);
        const Probabilita indipendenti = AlmenoIndipendenti(sistema, estratti, numeri);
        const auto garanzia = CalcolaGaranzia(sistema, estratti, numeri);
        QVERIFY(varianze && garanzia);
        const std::pair<const char*, std::array<Probabilita, 2>> cifre[] = {
            {"mean", {media, attesa.media}},
            {"variance", {*varianze, attesa.varianza}},
            {"independent lines", {indipendenti, attesa.indipendenti}},
            {"at least", {garanzia->almeno, attesa.almeno}}};
        for (const auto& [cosa, coppia] : cifre)
            for (std::size_t p = 0; p < ValoriPunti; ++p)
                QVERIFY2(Vicini(coppia[0][p], coppia[1][p]),
                         qPrintable(QString("%1 at %2: %3 against %4")
                                        .arg(cosa)
                                        .arg(p)
                                        .arg(coppia[0][p], 0, 'g', 17)
                                        .arg(coppia[1][p], 0, 'g', 17)));
        QCOMPARE(garanzia->numeriSistema, attesa.numeriSistema);
        QCOMPARE(garanzia->livelli.size(), attesa.perIndovinati.size());
        for (std::size_t m = 0; m < attesa.perIndovinati.size(); ++m) {
            const LivelloGaranzia& livello = garanzia->livelli[m];
            QCOMPARE(livello.indovinati, static_cast<int>(m));
            // Each m-subset comes with this many draws of the numbers outside.
            const auto altre = static_cast<std::uint64_t>(
                Binomiale(numeri - attesa.numeriSistema, estratti - static_cast<int>(m)));
            if (altre == 0)
                continue; // no draw has that many of the system's numbers
            int minimo = 0;
            while (attesa.perIndovinati[m][static_cast<std::size_t>(minimo)] == 0)
                ++minimo;
            QCOMPARE(livello.minimo, minimo);
            for (std::size_t b = 0; b < ValoriPunti; ++b)
                QCOMPARE(livello.distribuzione[b] * altre, attesa.perIndovinati[m][b]);
        }
    }

    void quandoNonSiCalcola_data()
    {
        QTest::addColumn<int>("numeriSistema"); // ten-number lines over 1..numeriSistema
        QTest::addColumn<int>("estratti");
        QTest::addColumn<bool>("ferma");
        QTest::addColumn<int>("livelli"); // 0: refused
        QTest::newRow("six drawn of a system on forty numbers count only up to six")
            << 40 << 6 << false << 7;
        QTest::newRow("twenty drawn of forty numbers would take too long")
            << 40 << 20 << false << 0;
        QTest::newRow("twenty drawn of twenty-four numbers are all counted")
            << 24 << 20 << false << 21;
        QTest::newRow("a stop request leaves no guarantee") << 24 << 20 << true << 0;
    }
    void quandoNonSiCalcola()
    {
        QFETCH(int, numeriSistema);
        QFETCH(int, estratti);
        QFETCH(bool, ferma);
        QFETCH(int, livelli);
        QStringList righe;
        for (int primo = 1; primo + 9 <= numeriSistema; ++primo) {
            QStringList riga;
            for (int n = primo; n < primo + 10; ++n)
                riga << QString::number(n);
            righe << riga.join(' ');
        }
        const std::atomic<bool> fermata{ferma};
        const auto garanzia =
            CalcolaGaranzia(Compila(righe), estratti, 90, SecondiGaranziaMassimi, &fermata);
        QCOMPARE(garanzia ? static_cast<int>(garanzia->livelli.size()) : 0, livelli);
    }

    void ogniSistemaDa500RigheSu24NumeriHaLaGaranzia()
    {
        QVERIFY(StimaSecondiGaranzia(24, 500, 20) <= SecondiGaranziaMassimi);
        QVERIFY(StimaSecondiGaranzia(24, 500, 6) <= SecondiGaranziaMassimi);
    }

    void laVarianzaEsattaContaLeRigheDiverse()
    {
        const Sistema copie = Compila(QStringList(300, "1 2 3 4 5"));
        QVERIFY(VarianzePerEstrazione(copie, 20, 90, 1));
        const Sistema diverse = Compila({"1 2 3", "1 2 4", "1 2 3"});
        QVERIFY(VarianzePerEstrazione(diverse, 20, 90, 2));
        QVERIFY(!VarianzePerEstrazione(diverse, 20, 90, 1));
    }
};

QTEST_APPLESS_MAIN(TestEsatti)
#include "test_esatti.moc"
