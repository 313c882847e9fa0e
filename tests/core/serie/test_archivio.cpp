// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/NumeriArchivio.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <cmath>
#include <vector>

using namespace vortilla;

namespace {

// Calls azione(archive) for every archive of `quante` draws of `estratti`
// numbers of 1..`numeri`.
template <typename Azione>
void OgniArchivio(int numeri, int estratti, std::size_t quante, Azione&& azione)
{
    std::vector<Maschera> tutte;
    for (std::uint64_t bit = 0; bit < std::uint64_t{1} << numeri; ++bit)
        if (std::popcount(bit) == estratti)
            tutte.push_back({bit, 0});
    std::vector<EstrazioneArchivio> archivio(quante);
    for (std::size_t indice = 0; indice < static_cast<std::size_t>(std::pow(tutte.size(), quante));
         ++indice) {
        for (std::size_t i = 0, resto = indice; i < quante; ++i, resto /= tutte.size())
            archivio[i].numeri = tutte[resto % tutte.size()];
        azione(archivio);
    }
}

bool Vicini(double a, double b, double tolleranza = 1e-12)
{
    return std::abs(a - b) <= tolleranza * std::max(1.0, std::abs(b));
}

} // namespace

class TestArchivio : public QObject {
    Q_OBJECT
private slots:
    void archivioRifiutato_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("estratti");
        QTest::addColumn<QString>("errore");
        QTest::newRow("a repeat names its line after a comment and a blank")
            << "# archivio\n\n2026-01-02 1 2 3 4 5 6\n2026-01-03 1 2 3 3 5 6\n"
            << 6 << "riga 4: il numero 3 è ripetuto";
        QTest::newRow("a number above the game's range is refused")
            << "1;2;3;4;5;91\r\n"
            << 6 << "riga 1: il numero 91 è fuori da 1..90";
        QTest::newRow("a zero is refused") << "00 1 2 3 4 5\n"
                                           << 6 << "riga 1: il numero 0 è fuori da 1..90";
        QTest::newRow("a long run of digits is out of range, not wrapped")
            << "1 2 3 4 5 18446744073709551617\n"
            << 6 << "riga 1: il numero «18446744073709551617» è fuori da 1..90";
        QTest::newRow("a CRLF line one number short names its line")
            << "1 2 3 4 5 6\r\nE12 1 2 3 4 5\r\n"
            << 6 << "riga 2: ci sono 5 numeri, ne servono 6";
        QTest::newRow("a label of two words is refused at its second")
            << "07 dic 1 2 3 4 5\n"
            << 6 << "riga 1: «dic» non è un numero";
        QTest::newRow("an archive of comments only is refused")
            << "# niente\n\n"
            << 6 << "il file non contiene estrazioni";
    }
    void archivioRifiutato()
    {
        QFETCH(QString, testo);
        QFETCH(int, estratti);
        QFETCH(QString, errore);
        const auto letto = LeggiArchivio(testo.toStdString(), estratti);
        QVERIFY(!letto.valore);
        QCOMPARE(QString::fromStdString(letto.errore), errore);
    }

    // Long enough to straddle the reader's 64 KiB blocks, which must hand
    // over every line whole and counted.
    void archivioLettoInOgniCodifica_data()
    {
        QTest::addColumn<QString>("codifica");
        QTest::newRow("UTF-8 with its mark") << "UTF-8";
        QTest::newRow("UTF-16 little-endian with its mark") << "UTF-16LE";
        QTest::newRow("UTF-16 big-endian with its mark") << "UTF-16BE";
    }
    void archivioLettoInOgniCodifica()
    {
        QFETCH(QString, codifica);
        QString testo = "# data e numeri\r\n\r\n07 08 09 10 11 90\r\n";
        for (int i = 2; i <= 3000; ++i)
            testo += QString("n°%1\t1, 2;3 ,,4 5 %2 # commento\r\n").arg(i).arg(6 + i % 80);
        QTemporaryDir cartella;
        const auto scrivi = [&](const QString& testo) {
            QFile file(cartella.filePath("archivio.txt"));
            QStringEncoder codifica8o16(codifica.toLatin1().constData(),
                                        QStringEncoder::Flag::WriteBom);
            return file.open(QIODevice::WriteOnly) && file.write(codifica8o16.encode(testo)) > 0
                       ? file.fileName().toStdString()
                       : std::string();
        };
        const auto letto = LeggiFileArchivio(scrivi(testo), 6);
        QVERIFY2(letto.valore, letto.errore.c_str());
        QCOMPARE(letto.valore->size(), std::size_t{3000});
        QCOMPARE(letto.valore->front().etichetta, std::string());
        QCOMPARE(letto.valore->front().numeri, (Maschera{0b11111u << 6, std::uint64_t{1} << 25}));
        for (int i = 2; i <= 3000; ++i) {
            const EstrazioneArchivio& e = (*letto.valore)[std::size_t(i - 1)];
            QCOMPARE(e.etichetta, "n°" + std::to_string(i));
            QVERIFY(e.numeri.Contiene(6 + i % 80) && e.numeri.Quanti() == 6);
        }
        QCOMPARE(LeggiFileArchivio(scrivi(testo + "1 2 3"), 6).errore,
                 std::string("riga 3003: ci sono 3 numeri, ne servono 6"));
        // A file with no line end cannot take all memory.
        QCOMPARE(LeggiFileArchivio(scrivi(testo + QString(70'000, ' ')), 6).errore,
                 std::string("riga 3003: è più lunga di 64 KiB"));
        QCOMPARE(LeggiFileArchivio(cartella.filePath("manca.txt").toStdString(), 6).errore,
                 std::string("File non trovato ..!"));
    }

    // Five numbers, two drawn: 1 2 / 1 3 / 1 4 / 2 3.
    void numeriDiUnArchivio()
    {
        std::vector<EstrazioneArchivio> e(4);
        const int coppie[4][2] = {{1, 2}, {1, 3}, {1, 4}, {2, 3}};
        for (std::size_t i = 0; i < 4; ++i)
            for (int n : coppie[i])
                e[i].numeri.Aggiungi(n);
        const AnalisiArchivio a = AnalizzaArchivio(e, 2, 5);
        QCOMPARE(a.estrazioni, std::uint64_t{4});
        const std::vector<std::array<std::uint64_t, 3>> attesi{
            {3, 1, 1}, {2, 0, 2}, {2, 0, 1}, {1, 1, 2}, {0, 4, 4}};
        QCOMPARE(a.numeri.size(), attesi.size());
        for (std::size_t i = 0; i < attesi.size(); ++i) {
            const NumeroArchivio& x = a.numeri[i];
            QCOMPARE(x.numero, int(i) + 1);
            QCOMPARE((std::array{x.uscite, x.ritardo, x.ritardoMassimo}), attesi[i]);
            QCOMPARE(x.attese, 1.6);
            QVERIFY(Vicini(x.pRitardo, std::pow(0.6, double(x.ritardo))));
        }
        // Σ(O - E)² = 5.2 over the deviations' variance 4 · 0.4 · 0.6 · 5/4.
        QVERIFY(Vicini(a.chiQuadro, 13.0 / 3));
        QCOMPARE(a.gradiLiberta, 4);
        // With four degrees of freedom the tail is e^(-x/2) (1 + x/2).
        QVERIFY(Vicini(a.pValore, std::exp(-13.0 / 6) * (1 + 13.0 / 6)));
        QCOMPARE(a.ritardoPiuLungo, std::uint64_t{4});
        QVERIFY(Vicini(a.pRitardoPiuLungo, ProbabilitaQualcheRitardo(4, 2, 5)));
    }

    // Over every archive of a few draws of a small game, the statistic's
    // mean is exactly its degrees of freedom, and the delays' chances are
    // the shares of archives that show them.
    void ogniArchivioPiccolo_data()
    {
        QTest::addColumn<int>("numeri");
        QTest::addColumn<int>("estratti");
        QTest::addColumn<int>("quante");
        QTest::newRow("five draws of two of five") << 5 << 2 << 5;
        QTest::newRow("three draws of three of seven") << 7 << 3 << 3;
    }
    void ogniArchivioPiccolo()
    {
        QFETCH(int, numeri);
        QFETCH(int, estratti);
        QFETCH(int, quante);
        const auto q = static_cast<std::size_t>(quante);
        double sequenze = 0, sommaChi = 0;
        std::vector<double> lungoAlmeno(q + 2, 0), qualcunoAlmeno(q + 2, 0);
        OgniArchivio(numeri, estratti, q, [&](const std::vector<EstrazioneArchivio>& sequenza) {
            ++sequenze;
            std::vector<std::uint64_t> uscite(static_cast<std::size_t>(numeri), 0);
            std::size_t run = 0, lungo = 0, ritardoMassimo = 0;
            for (const EstrazioneArchivio& e : sequenza) {
                for (int n = 1; n <= numeri; ++n)
                    uscite[static_cast<std::size_t>(n - 1)] += e.numeri.Contiene(n);
                run = e.numeri.Contiene(1) ? 0 : run + 1;
                lungo = std::max(lungo, run);
            }
            for (int n = 1; n <= numeri; ++n) {
                std::size_t ritardo = 0;
                while (ritardo < q && !sequenza[q - 1 - ritardo].numeri.Contiene(n))
                    ++ritardo;
                ritardoMassimo = std::max(ritardoMassimo, ritardo);
            }
            sommaChi += ChiQuadro(uscite, q, estratti);
            for (std::size_t l = 0; l <= q; ++l) {
                lungoAlmeno[l] += lungo >= l;
                qualcunoAlmeno[l] += ritardoMassimo >= l;
            }
        });
        QVERIFY(Vicini(sommaChi / sequenze, numeri - 1));
        for (std::size_t l = 1; l <= q; ++l) {
            QVERIFY(Vicini(ProbabilitaRitardoMassimo(l, q, estratti, numeri),
                           lungoAlmeno[l] / sequenze));
            QVERIFY(Vicini(ProbabilitaQualcheRitardo(l, estratti, numeri),
                           qualcunoAlmeno[l] / sequenze));
        }
    }

    // In the real game the alternating sum would lose every digit of a
    // double where its terms reach 1e20; the chance must stay exact there.
    void qualcheRitardoNelGiocoVero_data()
    {
        QTest::addColumn<int>("estratti");
        QTest::addColumn<int>("ritardo");
        QTest::newRow("some number always misses one draw of twenty") << 20 << 1;
        QTest::newRow("some number always misses four draws of twenty") << 20 << 4;
        QTest::newRow("some number always misses ten draws of six") << 6 << 10;
        QTest::newRow("a long delay in draws of twenty is rare") << 20 << 60;
        QTest::newRow("a long delay in draws of six is rare") << 6 << 200;
    }
    void qualcheRitardoNelGiocoVero()
    {
        QFETCH(int, estratti);
        QFETCH(int, ritardo);
        const double p = ProbabilitaQualcheRitardo(static_cast<std::uint64_t>(ritardo), estratti);
        if (estratti * ritardo < 90) {
            QCOMPARE(p, 1.0);
            return;
        }
        // Bonferroni: S1 - S2 <= p <= S1.
        const double uno = 90 * std::pow(1 - estratti / 90.0, ritardo);
        const double due =
            4005 * std::pow((90.0 - estratti) * (89 - estratti) / (90 * 89), ritardo);
        QVERIFY2(uno - due <= p && p <= uno, qPrintable(QString::number(p)));
        QVERIFY(uno - due > 0.99 * uno);
    }
};

QTEST_APPLESS_MAIN(TestArchivio)
#include "test_archivio.moc"
