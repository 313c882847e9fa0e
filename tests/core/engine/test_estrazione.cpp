// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FintePorte.h"

#include "engine/Estrazione.h"

#include <QTest>

#include <algorithm>

using namespace finte;
using vortilla::StatoSimulazione;
namespace avvisi = vortilla::avvisi;

namespace {

bool StessiContatori(const StatoSimulazione& a, const StatoSimulazione& b)
{
    return a.Tentativi == b.Tentativi && a.VinciteTotali == b.VinciteTotali
           && a.Combinazioni == b.Combinazioni && a.NumCombinazioni == b.NumCombinazioni;
}

const Cella Azzerata{colori::SfondoFinestra, "0 "};

} // namespace

class TestEstrazione : public QObject {
    Q_OBJECT
private slots:
    void leOperazioniVisibiliSeguonoLOrdineDellEstrazione()
    {
        Banco b;
        b.dati.Stato.Scegli(0); // 6 numbers
        b.Carica({"1 2 3", "4 5 6", "7 20 90 50"});
        b.ora.secondi = 45296.25;
        b.copione.Estrai({7, 3, 7, 50, 1, 90, 3, 20}); // repeats are thrown away
        b.Estrai();

        QStringList atteso;
        atteso << Try(false) << Tentativi("1");
        for (int i = 1; i <= 90; ++i)
            atteso << Palla(i, colori::Bianco, colori::TestoPulsante);
        for (int p = 10; p >= 0; --p)
            atteso << Punti(p, colori::SfondoFinestra, "0 ");
        for (int n : {1, 3, 7, 20, 50, 90})
            atteso << Attendi(200) << Palla(n, colori::Arancio, colori::Bianco);
        atteso << Punti(4, colori::ArancioChiaro, "1 ") << Punti(2, colori::ArancioChiaro, "1 ")
               << Punti(0, colori::ArancioChiaro, "1 ");
        for (int p = 10; p >= 0; --p)
            atteso << PuntiTot(p, p == 4 || p == 2 || p == 0 ? "1 " : "0 ");
        atteso << Try(true);
        QCOMPARE(b.registro, atteso);

        QCOMPARE(b.copione.semi, std::vector<double>{45296.25});
        QCOMPARE(b.dati.Stato.Tentativi, std::int16_t{1});
        const std::array<std::int16_t, 11> totali{1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0};
        QVERIFY(b.dati.Stato.VinciteTotali == totali);
    }

    void ilContatoreUsaIlSeparatoreDellUtente()
    {
        Banco b;
        b.dati.SeparatoreMigliaia = ".";
        b.dati.Stato.Tentativi = 999;
        b.Carica({"1 2 3"});
        b.Estrai();
        QCOMPARE(b.tabellone.tentativi, std::string("1.000"));
    }

    void laSecondaEstrazioneRicominciaLaColonnaESommaIlTotale()
    {
        Banco b;
        b.dati.Stato.Scegli(0);
        b.Carica({"1 2 3", "10 11 12"});
        b.copione.Estrai({1, 2, 3, 4, 5, 6});
        b.Estrai();
        b.copione.Estrai({10, 11, 40, 41, 42, 43});
        b.Estrai();

        const auto& t = b.tabellone;
        QCOMPARE(t.tentativi, std::string("2"));
        QCOMPARE(t.punti[3], Azzerata);
        QCOMPARE(t.punti[2], (Cella{colori::ArancioChiaro, "1 "}));
        QCOMPARE(t.punti[0], (Cella{colori::ArancioChiaro, "1 "}));
        QCOMPARE(t.puntiTot[3], std::string("1 "));
        QCOMPARE(t.puntiTot[2], std::string("1 "));
        QCOMPARE(t.puntiTot[0], std::string("2 "));
        QCOMPARE(t.PalleAccese(), (std::vector<int>{10, 11, 40, 41, 42, 43}));
        QCOMPARE(t.palle.at(1), std::make_pair(colori::Bianco, colori::TestoPulsante));
        QVERIFY(t.tryVisibile);
    }

    void dopoUnNuovoFileSiContanoLeNuoveRigheSugliStessiTotali()
    {
        Banco b;
        b.dati.Stato.Scegli(0);
        b.Carica({"1 2 3"});
        b.copione.Estrai({1, 2, 3, 60, 61, 62});
        b.Estrai();
        b.Carica({"4 5 6", "4 5 7"});
        b.copione.Estrai({4, 5, 6, 30, 31, 32});
        b.Estrai();

        const auto& t = b.tabellone;
        QCOMPARE(t.tentativi, std::string("2"));
        QCOMPARE(t.punti[3], (Cella{colori::ArancioChiaro, "1 "}));
        QCOMPARE(t.punti[2], (Cella{colori::ArancioChiaro, "1 "}));
        QCOMPARE(t.punti[0], Azzerata);
        QCOMPARE(t.puntiTot[3], std::string("2 "));
        QCOMPARE(t.puntiTot[2], std::string("1 "));
        QCOMPARE(t.puntiTot[0], std::string("0 "));
    }

    void conSeiEstrattiLeRigheDaSetteADieciRestanoAZero()
    {
        Banco b;
        b.dati.Stato.Scegli(0);
        b.Carica({"1 2 3 4 5 6 7 8 9 10"});
        b.Estrai(); // the script is empty: the sweep draws 1..6

        const auto& t = b.tabellone;
        QCOMPARE(t.PalleAccese().size(), std::size_t{6});
        QCOMPARE(b.attesa.durate, std::vector<int>(6, 200));
        QCOMPARE(t.punti[6], (Cella{colori::ArancioChiaro, "1 "}));
        for (int p = 7; p <= 10; ++p)
            QCOMPARE(t.punti[static_cast<std::size_t>(p)], Azzerata);
    }

    void senzaCombinazioniMostraSoloLAvviso()
    {
        Banco b;
        b.dati.Stato.Tentativi = 5;
        b.dati.Stato.VinciteTotali[2] = 7;
        const StatoSimulazione prima = b.dati.Stato;
        b.Estrai();
        QCOMPARE(b.registro, QStringList{Messaggio(
                                 "Nessuna combinazione in memoria ..!|Caricare un file.", "OK")});
        QVERIFY(StessiContatori(b.dati.Stato, prima));
    }

    void unContatorePienoRifiutaLEstrazione_data()
    {
        QTest::addColumn<int>("tentativi");
        QTest::addColumn<int>("totaleZero");
        QTest::addColumn<int>("righe");
        QTest::newRow("the draw counter is at its limit") << 32767 << 0 << 1;
        QTest::newRow("one line scoring 0 would push its entry past the limit") << 10 << 32767 << 1;
        QTest::newRow("two lines scoring 0 would push an entry one short of the limit past it")
            << 10 << 32766 << 2;
    }
    void unContatorePienoRifiutaLEstrazione()
    {
        QFETCH(int, tentativi);
        QFETCH(int, totaleZero);
        QFETCH(int, righe);
        Banco b;
        b.Carica(std::vector<std::string>(static_cast<std::size_t>(righe), "1 2 3"));
        b.dati.Stato.Tentativi = static_cast<std::int16_t>(tentativi);
        b.dati.Stato.VinciteTotali[0] = static_cast<std::int16_t>(totaleZero);
        b.copione.Estrai(
            {80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79});
        const StatoSimulazione prima = b.dati.Stato;
        b.Estrai();
        QCOMPARE(b.registro, QStringList{Messaggio(
                                 "Overflow ..!|Premere RESET per azzerare i contatori.", "OK")});
        QVERIFY(StessiContatori(b.dati.Stato, prima));
    }

    void unContatoreChiArrivaEsattamenteAlLimiteVaBene()
    {
        Banco b;
        b.Carica({"1 2 3"});
        b.dati.Stato.Tentativi = 32766;
        b.dati.Stato.VinciteTotali[0] = 32766;
        b.copione.Estrai(
            {80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79});
        b.Estrai();
        QCOMPARE(b.tabellone.tentativi, std::string("32,767"));
        QCOMPARE(b.tabellone.puntiTot[0], std::string("32767 "));
        QCOMPARE(b.dati.Stato.VinciteTotali[0], std::int16_t{32767});
    }

    void unaRigaCheNonSiPuoContareRifiutaLEstrazione_data()
    {
        QTest::addColumn<QString>("riga");
        QTest::newRow("a number above the highest") << "1 2 91";
        QTest::newRow("eleven numbers") << "1 2 3 4 5 6 7 8 9 10 11";
    }
    void unaRigaCheNonSiPuoContareRifiutaLEstrazione()
    {
        QFETCH(QString, riga);
        Banco b;
        b.Carica({"4 5 6", riga.toStdString()});
        b.dati.Stato.Tentativi = 3;
        const StatoSimulazione prima = b.dati.Stato;
        b.Estrai();
        QCOMPARE(b.registro, QStringList{Messaggio("Azione negata ..!", "OK")});
        QVERIFY(StessiContatori(b.dati.Stato, prima));
    }

    void unoStatoIncoerenteRifiutaLEstrazione_data()
    {
        QTest::addColumn<int>("numCombinazioni");
        QTest::addColumn<int>("numeriEstratti");
        QTest::addColumn<int>("numeriMax");
        QTest::newRow("the count names more lines than are stored") << 3 << 20 << 90;
        QTest::newRow("more numbers asked than exist would never finish") << 1 << 91 << 90;
        QTest::newRow("a draw of no numbers") << 1 << 0 << 90;
        QTest::newRow("more balls than numbers") << 1 << 20 << 91;
    }
    void unoStatoIncoerenteRifiutaLEstrazione()
    {
        QFETCH(int, numCombinazioni);
        QFETCH(int, numeriEstratti);
        QFETCH(int, numeriMax);
        Banco b;
        b.Carica({"1 2 3"});
        b.dati.Stato.NumCombinazioni = static_cast<std::int16_t>(numCombinazioni);
        b.dati.Stato.NumeriEstratti = static_cast<std::int16_t>(numeriEstratti);
        b.dati.Stato.NumeriMax = static_cast<std::int16_t>(numeriMax);
        b.Estrai();
        QCOMPARE(b.registro, QStringList{Messaggio("Azione negata ..!", "OK")});
        QCOMPARE(b.dati.Stato.Tentativi, std::int16_t{0});
    }
};

QTEST_APPLESS_MAIN(TestEstrazione)
#include "test_estrazione.moc"
