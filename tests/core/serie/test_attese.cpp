// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/Attese.h"

#include <QTest>

#include <cmath>
#include <vector>

using namespace vortilla;

namespace {

double C(int n, int k)
{
    double c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

std::vector<std::uint8_t> Occorrenze(QList<int> molteplicita)
{
    return std::vector<std::uint8_t>(molteplicita.begin(), molteplicita.end());
}

} // namespace

class TestAttese : public QObject {
    Q_OBJECT
private slots:
    void ogniDistribuzioneSommaAUnoConLaMediaGiusta_data()
    {
        QTest::addColumn<QList<int>>("molteplicita");
        QTest::addColumn<int>("estratti");
        for (int estratti : {20, 6}) {
            for (int k = 3; k <= 10; ++k)
                QTest::addRow("%d distinct numbers, %d drawn", k, estratti)
                    << QList<int>(k, 1) << estratti;
            QTest::addRow("one number ten times, %d drawn", estratti) << QList<int>{10} << estratti;
            QTest::addRow("numbers twice, three times and once, %d drawn", estratti)
                << QList<int>{2, 3, 1} << estratti;
            QTest::addRow("five pairs, %d drawn", estratti) << QList<int>(5, 2) << estratti;
        }
    }
    void ogniDistribuzioneSommaAUnoConLaMediaGiusta()
    {
        QFETCH(QList<int>, molteplicita);
        QFETCH(int, estratti);
        const Probabilita pmf = DistribuzionePunti(Occorrenze(molteplicita), estratti);
        double somma = 0, media = 0;
        for (std::size_t j = 0; j < pmf.size(); ++j) {
            QVERIFY(pmf[j] >= 0);
            somma += pmf[j];
            media += static_cast<double>(j) * pmf[j];
        }
        int k = 0;
        for (int m : molteplicita)
            k += m;
        QVERIFY(std::abs(somma - 1) < 1e-12);
        // Every token is drawn with probability estratti/90, repeats or not.
        QVERIFY(std::abs(media - k * estratti / 90.0) < 1e-12);
    }

    void valoriInFormaChiusa_data()
    {
        QTest::addColumn<QList<int>>("molteplicita");
        QTest::addColumn<int>("estratti");
        QTest::addColumn<int>("punti");
        QTest::addColumn<double>("probabilita");
        QTest::newRow("ten of ten with twenty drawn")
            << QList<int>(10, 1) << 20 << 10 << C(80, 10) / C(90, 20);
        QTest::newRow("no hit of ten with twenty drawn")
            << QList<int>(10, 1) << 20 << 0 << C(80, 20) / C(90, 20);
        QTest::newRow("three of three with six drawn")
            << QList<int>(3, 1) << 6 << 3 << C(87, 3) / C(90, 6);
        QTest::newRow("two of five with six drawn")
            << QList<int>(5, 1) << 6 << 2 << C(5, 2) * C(85, 4) / C(90, 6);
        QTest::newRow("ten 5s score ten as often as 5 is drawn")
            << QList<int>{10} << 20 << 10 << 20 / 90.0;
        QTest::newRow("ten 5s never score five") << QList<int>{10} << 20 << 5 << 0.0;
        QTest::newRow("5 5 7 scores two when 5 and not 7 is drawn")
            << QList<int>{1, 2} << 6 << 2 << C(88, 5) / C(90, 6);
        QTest::newRow("nothing past the drawn numbers with distinct numbers")
            << QList<int>(10, 1) << 6 << 7 << 0.0;
    }
    void valoriInFormaChiusa()
    {
        QFETCH(QList<int>, molteplicita);
        QFETCH(int, estratti);
        QFETCH(int, punti);
        QFETCH(double, probabilita);
        const double calcolata =
            DistribuzionePunti(Occorrenze(molteplicita), estratti)[static_cast<std::size_t>(punti)];
        QVERIFY2(std::abs(calcolata - probabilita)
                     <= 1e-12 * std::max(probabilita, 1e-300) + 1e-300,
                 qPrintable(QString("%1 against %2").arg(calcolata).arg(probabilita)));
    }
};

QTEST_APPLESS_MAIN(TestAttese)
#include "test_attese.moc"
