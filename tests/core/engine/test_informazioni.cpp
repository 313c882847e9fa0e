// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Informazioni.h"

#include <QTest>

using namespace vortilla;

namespace {
// A message dialog that answers with a fixed button and remembers what it showed.
struct MessaggioCheRisponde : FinestraMessaggio {
    CanaleDialogo& canale;
    std::int16_t risposta;
    int aperture = 0;
    MessaggioCheRisponde(CanaleDialogo& c, std::int16_t r) : canale(c), risposta(r) {}
    void ApriModale() override
    {
        ++aperture;
        canale.Risposta = risposta;
    }
};
struct InfoContata : FinestraInfo {
    int aperture = 0;
    void ApriModale() override { ++aperture; }
};
} // namespace

class TestInformazioni : public QObject {
    Q_OBJECT
private slots:
    void soloNoTrattieneLaFinestra_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<bool>("chiude");
        QTest::newRow("NO keeps the window open") << 1 << false;
        QTest::newRow("SI lets the close go on") << 2 << true;
        QTest::newRow("a dialog closed by the system lets it go on") << 0 << true;
    }
    void soloNoTrattieneLaFinestra()
    {
        QFETCH(int, risposta);
        QFETCH(bool, chiude);
        CanaleDialogo canale;
        MessaggioCheRisponde messaggio(canale, static_cast<std::int16_t>(risposta));
        QCOMPARE(ConfermaUscita(canale, messaggio), chiude);
        QCOMPARE(messaggio.aperture, 1);
        QCOMPARE(canale.TestoMessaggio, std::string("Confermi uscita dal programma?"));
        QCOMPARE(canale.Pulsanti, std::string("NO,SI"));
    }

    void leIstruzioniSonoSetteRigheRifatteOgniVolta()
    {
        CanaleDialogo canale;
        InfoContata info;
        MostraInformazioni(canale, info);
        MostraInformazioni(canale, info);
        QCOMPARE(info.aperture, 2);
        const QStringList righe = QString::fromStdString(canale.TestoInfo).split(QLatin1Char('|'));
        const QStringList attese = {"Simulazione VORTILLA:",
                                    "",
                                    "1) - Caricare file da controllare",
                                    "2) - Dalle Terzine alle Decine",
                                    "3) - Max. 500 combinazioni",
                                    "4) - Procedere con le estrazioni desiderate",
                                    ""};
        QCOMPARE(righe, attese);
    }
};

QTEST_APPLESS_MAIN(TestInformazioni)
#include "test_informazioni.moc"
