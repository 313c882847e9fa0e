// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ImmaginiRisorse.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace vortilla;

namespace {
QStringList Immagini()
{
    QStringList percorsi;
    for (const QString& nome : QDir(QStringLiteral(":/")).entryList({QStringLiteral("*.png")}))
        percorsi << QStringLiteral(":/") + nome;
    return percorsi;
}

// Whether an image plugin has been loaded as code into this process.
bool PluginDiImmaginiCaricato()
{
    QFile mappe(QStringLiteral("/proc/self/maps"));
    if (!mappe.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& riga : mappe.readAll().split('\n'))
        if (riga.contains("/imageformats/") && riga.contains(" r-xp "))
            return true;
    return false;
}
} // namespace

class TestImmaginiRisorse : public QObject {
    Q_OBJECT
private slots:
    // First, before anything in this process lets Qt guess a format.
    void leImmaginiSiLeggonoSenzaCaricarePlugin()
    {
        QVERIFY(Immagini().size() >= 10);
        for (const QString& percorso : Immagini()) {
            QVERIFY2(!PixmapRisorsa(percorso).isNull(), qPrintable(percorso));
            QVERIFY(!IconaRisorsa(percorso).isNull());
        }
        QVERIFY(!PluginDiImmaginiCaricato());
    }

    void ogniImmagineEQuellaCheQtLeggeDaSola_data()
    {
        QTest::addColumn<QString>("percorso");
        for (const QString& percorso : Immagini())
            QTest::newRow(qPrintable(percorso)) << percorso;
    }
    void ogniImmagineEQuellaCheQtLeggeDaSola()
    {
        QFETCH(QString, percorso);
        const QImage nostra = PixmapRisorsa(percorso).toImage();
        const QImage diQt = QPixmap(percorso).toImage();
        QCOMPARE(nostra.size(), diQt.size());
        QCOMPARE(nostra.devicePixelRatio(), diQt.devicePixelRatio());
        QCOMPARE(nostra, diQt);
    }

    // On a high-density screen a picture with a @2x render is drawn from it,
    // at the same size in the layout.
    void suUnoSchermoDoppioSiUsaLaResaDoppia()
    {
        for (const char* nome : {"logo", "tryagain", "banner_messaggio", "info", "cartella"}) {
            const QString percorso = QStringLiteral(":/%1.png").arg(QLatin1String(nome));
            const QPixmap semplice = PixmapRisorsa(percorso, 1),
                          doppia = PixmapRisorsa(percorso, 2);
            QCOMPARE(semplice.devicePixelRatio(), 1.0);
            QCOMPARE(doppia.devicePixelRatio(), 2.0);
            QCOMPARE(doppia.deviceIndependentSize(), QSizeF(semplice.size()));
        }
    }

    void lIconaHaLeStesseMisureDiQuellaDiQt()
    {
        const QString cartella = QStringLiteral(":/cartella.png");
        const QIcon nostra = IconaRisorsa(cartella), diQt(cartella);
        QCOMPARE(nostra.availableSizes(), diQt.availableSizes());
        QCOMPARE(nostra.pixmap(32).toImage(), diQt.pixmap(32).toImage());
    }
};

QTEST_MAIN(TestImmaginiRisorse)
#include "test_immaginirisorse.moc"
