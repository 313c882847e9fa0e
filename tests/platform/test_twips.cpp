// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "errors/ErroreNumerato.h"
#include "platform/ArrayWidget.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QTest>

using namespace vortilla;

class TestTwips : public QObject {
    Q_OBJECT
private slots:
    void iBordiSonoArrotondatiUnoAUno_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("pixelLeft");
        QTest::addColumn<int>("pixelWidth");
        QTest::newRow("exact multiples of 15 map one to one") << 90 << 8295 << 6 << 553;
        QTest::newRow("a ball in the second column") << 981 << 705 << 65 << 47;
        QTest::newRow("half a pixel rounds up on each edge") << 7 << 15 << 0 << 1;
        QTest::newRow("a zero width stays zero") << 1050 << 0 << 70 << 0;
    }
    void iBordiSonoArrotondatiUnoAUno()
    {
        QFETCH(int, left);
        QFETCH(int, width);
        QFETCH(int, pixelLeft);
        QFETCH(int, pixelWidth);
        const QRect r = InPixel(RettangoloTwips{left, 0, width, 0});
        QCOMPARE(r.x(), pixelLeft);
        QCOMPARE(r.width(), pixelWidth);
    }

    void viciniInTwipsRestanoViciniInPixel()
    {
        // Ten balls 801 twips apart: rounding each edge keeps the gaps from
        // drifting, so the last ball ends where its twips say.
        int finePrecedente = -1;
        for (int k = 0; k < 10; ++k) {
            const QRect r = InPixel(RettangoloTwips{180 + 801 * k, 300, 705, 645});
            if (finePrecedente >= 0)
                QVERIFY(r.x() - finePrecedente >= 6 && r.x() - finePrecedente <= 7);
            finePrecedente = r.x() + r.width();
        }
        QCOMPARE(finePrecedente, qRound((180 + 801 * 9 + 705) / 15.0));
    }

    void laGeometriaLettaEQuellaImpostata()
    {
        QWidget contenitore;
        QLabel etichetta(&contenitore);
        const RettangoloTwips g{1237, 271, 773, 319}; // not multiples of 15
        ImpostaGeometria(&etichetta, g);
        QCOMPARE(GeometriaTwips(&etichetta), g);
    }

    void unaCopiaSembraIlModelloENasceNascosta()
    {
        QWidget contenitore;
        auto* modello = new QLabel(QStringLiteral("0"), &contenitore);
        modello->setAlignment(Qt::AlignRight);
        modello->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        modello->setFont(Carattere(QStringLiteral("Segoe UI"), 11.25));
        ImpostaGeometria(modello, {1050, 270, 765, 315});
        ArrayWidget<QLabel> celle(QStringLiteral("lblPunti"), 10, modello);

        celle.Crea(9);
        QLabel* copia = celle[9];
        QCOMPARE(copia->objectName(), QStringLiteral("lblPunti_9"));
        QCOMPARE(modello->objectName(), QStringLiteral("lblPunti_10"));
        QCOMPARE(copia->parentWidget(), &contenitore);
        QCOMPARE(copia->text(), QStringLiteral("0"));
        QCOMPARE(copia->alignment(), modello->alignment());
        QCOMPARE(copia->frameStyle(), modello->frameStyle());
        QCOMPARE(copia->font(), modello->font());
        QCOMPARE(celle.Width(9), 765);
        QCOMPARE(celle.Height(9), 315);
        QVERIFY(copia->isHidden());
        QCOMPARE(celle.IndiceMinimo(), std::int16_t{9});
        QCOMPARE(celle.IndiceMassimo(), std::int16_t{10});

        QVERIFY_THROWS_EXCEPTION(ErroreNumerato, celle[3]);
        QVERIFY_THROWS_EXCEPTION(ErroreNumerato, celle.Crea(9));
    }
};

QTEST_MAIN(TestTwips)
#include "test_twips.moc"
