// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/FormattaNumero.h"

#include <QLocale>
#include <QTest>

using vortilla::FormattaNumero;

// The counters take their grouping separator from the user's locale; the
// program reads it from QLocale, so the two locales are checked through it.
class TestFormattaNumero : public QObject {
    Q_OBJECT
private slots:
    void raggruppaSecondoLaLingua_data()
    {
        QTest::addColumn<QLocale>("lingua");
        QTest::addColumn<int>("valore");
        QTest::addColumn<QString>("atteso");

        const QLocale it(QLocale::Italian, QLocale::Italy);
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("zero is a single digit") << it << 0 << "0";
        QTest::newRow("three digits take no separator") << it << 999 << "999";
        QTest::newRow("four digits are grouped, Italian") << it << 1000 << "1.000";
        QTest::newRow("the largest counter, Italian") << it << 32767 << "32.767";
        QTest::newRow("the largest counter, English") << en << 32767 << "32,767";
        QTest::newRow("a negative value keeps its sign") << it << -1234 << "-1.234";
        QTest::newRow("the smallest value does not overflow") << en << -32768 << "-32,768";
        QTest::newRow("a small negative value") << en << -5 << "-5";
    }
    void raggruppaSecondoLaLingua()
    {
        QFETCH(QLocale, lingua);
        QFETCH(int, valore);
        QFETCH(QString, atteso);
        const std::string separatore = lingua.groupSeparator().toStdString();
        QCOMPARE(
            QString::fromStdString(FormattaNumero(static_cast<std::int16_t>(valore), separatore)),
            atteso);
    }
};

QTEST_APPLESS_MAIN(TestFormattaNumero)
#include "test_formattanumero.moc"
