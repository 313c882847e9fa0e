// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/CartellaSistemi.h"

#include <QTest>

class TestCartellaSistemi : public QObject {
    Q_OBJECT
private slots:
    void leParteSonoUniteComeSono_data()
    {
        QTest::addColumn<QString>("programma");
        QTest::addColumn<char>("separatore");
        QTest::addColumn<QString>("attesa");
        QTest::newRow("a program folder gains Shared/Costruzioni/")
            << "/opt/vortilla" << '/' << "/opt/vortilla/Shared/Costruzioni/";
        QTest::newRow("the root folder gives a doubled separator")
            << "/" << '/' << "//Shared/Costruzioni/";
        QTest::newRow("the platform's own separator is used throughout")
            << "C:" << '\\' << "C:\\Shared\\Costruzioni\\";
    }
    void leParteSonoUniteComeSono()
    {
        QFETCH(QString, programma);
        QFETCH(char, separatore);
        QFETCH(QString, attesa);
        QCOMPARE(QString::fromStdString(
                     vortilla::ComponiCartellaSistemi(programma.toStdString(), separatore)),
                 attesa);
    }
};

QTEST_APPLESS_MAIN(TestCartellaSistemi)
#include "test_cartellasistemi.moc"
