// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FintePorte.h"

#include "engine/Reset.h"

#include <QTest>

using namespace finte;
using vortilla::RichiediReset;
using vortilla::StatoSimulazione;

namespace {

const QString Conferma = Messaggio(
    "Con questa operazione,|i dati finora accumulati|verranno resettati ..!", "Resetta,Rinuncia");

// A board after two draws: counter 2, both columns and the balls in use.
void DueEstrazioni(Banco& b)
{
    b.dati.Stato.Scegli(0);
    b.Carica({"1 2 3", "4 5 6"});
    b.copione.Estrai({1, 2, 4, 50, 51, 52});
    b.Estrai();
    b.copione.Estrai({1, 5, 6, 60, 61, 62});
    b.Estrai();
    b.registro.clear();
}

} // namespace

class TestReset : public QObject {
    Q_OBJECT
private slots:
    void confermatoAzzeraContatoreEColonne()
    {
        Banco b;
        DueEstrazioni(b);
        const auto palle = b.tabellone.palle;
        b.messaggio.risposta = 1;
        RichiediReset(b.dati, b.messaggio, b.tabellone);

        QStringList atteso{Conferma};
        for (int p = 0; p <= 10; ++p)
            atteso << Punti(p, colori::SfondoFinestra, "0 ");
        atteso << Tentativi("0");
        for (int p = 0; p <= 10; ++p)
            atteso << PuntiTot(p, "0 ");
        QCOMPARE(b.registro, atteso);

        const StatoSimulazione& s = b.dati.Stato;
        QCOMPARE(s.Tentativi, std::int16_t{0});
        QVERIFY(s.VinciteTotali == decltype(s.VinciteTotali){});
        QCOMPARE(s.NumCombinazioni, std::int16_t{2});
        QCOMPARE(s.Combinazioni.size(), std::size_t{2});
        QCOMPARE(s.NumeriEstratti, std::int16_t{6});
        QVERIFY(b.tabellone.palle == palle);
    }

    void nonConfermatoNonCambiaNulla_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::newRow("Rinuncia is pressed") << 2;
        QTest::newRow("the dialog closes without a button") << 0;
    }
    void nonConfermatoNonCambiaNulla()
    {
        QFETCH(int, risposta);
        Banco b;
        DueEstrazioni(b);
        const StatoSimulazione prima = b.dati.Stato;
        b.messaggio.risposta = static_cast<std::int16_t>(risposta);
        RichiediReset(b.dati, b.messaggio, b.tabellone);

        QCOMPARE(b.registro, QStringList{Conferma});
        QCOMPARE(b.dati.Stato.Tentativi, prima.Tentativi);
        QVERIFY(b.dati.Stato.VinciteTotali == prima.VinciteTotali);
    }

    void funzionaAncheSenzaFileNeEstrazioni()
    {
        Banco b;
        RichiediReset(b.dati, b.messaggio, b.tabellone);
        QCOMPARE(b.tabellone.tentativi, std::string("0"));
        for (std::size_t p = 0; p <= 10; ++p) {
            QCOMPARE(b.tabellone.punti[p], (Cella{colori::SfondoFinestra, "0 "}));
            QCOMPARE(b.tabellone.puntiTot[p], std::string("0 "));
        }
    }

    void laPrimaEstrazioneDopoIlResetRipartedaUno()
    {
        Banco b;
        DueEstrazioni(b);
        RichiediReset(b.dati, b.messaggio, b.tabellone);
        b.copione.Estrai({1, 2, 3, 4, 70, 71});
        b.Estrai();

        QCOMPARE(b.tabellone.tentativi, std::string("1"));
        for (std::size_t p = 0; p <= 10; ++p) {
            const Cella& perEstrazione = b.tabellone.punti[p];
            QCOMPARE(b.tabellone.puntiTot[p], perEstrazione.testo);
        }
        QCOMPARE(b.tabellone.puntiTot[3], std::string("1 "));
        QCOMPARE(b.tabellone.puntiTot[1], std::string("1 "));
    }
};

QTEST_APPLESS_MAIN(TestReset)
#include "test_reset.moc"
