// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Centratura.h"

#include <QTest>

using namespace vortilla;

class TestCentratura : public QObject {
    Q_OBJECT

private slots:
    void laCorniceStaNelMezzoDellAreaLibera_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("cornice");
        QTest::addColumn<QPoint>("angolo");
        // The main window's client area with a 20-pixel title bar and
        // 1-pixel borders: 890 x 580.
        QTest::newRow("the whole screen")
            << QRect(0, 0, 1280, 1024) << QSize(890, 580) << QPoint(195, 222);
        QTest::newRow("below a panel, on a second screen")
            << QRect(1280, 30, 1920, 1050) << QSize(890, 580) << QPoint(1280 + 515, 30 + 235);
        QTest::newRow("an odd spare pixel goes right and below")
            << QRect(0, 0, 1280, 1024) << QSize(889, 579) << QPoint(195, 222);
    }
    void laCorniceStaNelMezzoDellAreaLibera()
    {
        QFETCH(QRect, area);
        QFETCH(QSize, cornice);
        QFETCH(QPoint, angolo);
        QCOMPARE(AngoloCentrato(area, cornice), angolo);
    }
};

QTEST_MAIN(TestCentratura)
#include "test_centratura.moc"
