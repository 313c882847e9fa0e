// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/DatiProgramma.h"
#include "engine/Estrazione.h"
#include "engine/GeneratoreStandard.h"

#include <QTest>

#include <array>
#include <cmath>
#include <vector>

// Many draws with the program's own generator (from a fixed seed, so every
// run sees the same numbers), checked against the distributions a fair draw
// must follow.

using namespace vortilla;

namespace {

constexpr int Estrazioni = 10000;
constexpr int Numeri = 90;

// Counts the lit balls; logs nothing, so that thousands of draws stay fast.
class TabelloneContatore : public VistaTabellone {
public:
    void MostraTry(bool) override {}
    void ScriviTentativi(const std::string&) override {}
    void ScriviCatturate(const std::string&) override {}
    void ColoraPalla(std::int16_t n, Colore sfondo, Colore) override
    {
        if (sfondo == colori::Arancio)
            ++uscite.at(static_cast<std::size_t>(n));
    }
    void ScriviPunti(std::int16_t, Colore, const std::string&) override {}
    void ScriviPuntiTot(std::int16_t, const std::string&) override {}

    std::array<int, Numeri + 1> uscite{};
};

class PausaMuta : public Pausa {
public:
    void Attendi(int) override {}
};

class OrologioCheAvanza : public Orologio {
public:
    double SecondiDallaMezzanotte() const override { return secondi += 0.01; }
    mutable double secondi = 30000.0;
};

class MessaggioVietato : public FinestraMessaggio {
public:
    void ApriModale() override { ++aperture; }
    int aperture = 0;
};

struct Simulazione {
    explicit Simulazione(int numeriEstratti, const std::string& riga)
    {
        dati.Stato.ImpostaAvvio();
        dati.Stato.NumeriEstratti = static_cast<std::int16_t>(numeriEstratti);
        dati.Stato.Combinazioni = {riga};
        dati.Stato.NumCombinazioni = 1;
        for (int i = 0; i < Estrazioni; ++i)
            EseguiEstrazione(dati, porte);
    }

    DatiProgramma dati;
    TabelloneContatore tabellone;
    PausaMuta attesa;
    OrologioCheAvanza ora;
    GeneratoreStandard generatore{0x5EED};
    MessaggioVietato messaggio;
    PorteEstrazione porte{tabellone, messaggio, attesa, ora, generatore};
};

// Upper 0.1% point of the chi-square distribution (Wilson-Hilferty).
double SogliaChiQuadro(int gradi)
{
    const double z = 3.090232;
    const double a = 2.0 / (9.0 * gradi);
    return gradi * std::pow(1.0 - a + z * std::sqrt(a), 3.0);
}

double Binomiale(int n, int k)
{
    return std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0));
}

} // namespace

class TestEstrazioneStatistica : public QObject {
    Q_OBJECT
private slots:
    void ogniNumeroEsceConLaStessaFrequenza_data()
    {
        QTest::addColumn<int>("numeriEstratti");
        QTest::newRow("twenty numbers a draw") << 20;
        QTest::newRow("six numbers a draw") << 6;
    }
    void ogniNumeroEsceConLaStessaFrequenza()
    {
        QFETCH(int, numeriEstratti);
        const Simulazione s(numeriEstratti, "1 2 3");
        QCOMPARE(s.messaggio.aperture, 0);
        QCOMPARE(s.tabellone.uscite[0], 0);

        // The numbers of one draw are distinct, so the counts of different
        // numbers are not independent: each varies as N p (1 - p), and the
        // sum is fixed. Scaled by that variance (and M/(M-1) for the fixed
        // sum) the statistic is chi-square with M - 1 degrees of freedom.
        const double p = static_cast<double>(numeriEstratti) / Numeri;
        const double atteso = Estrazioni * p;
        const double varianza = atteso * (1.0 - p) * Numeri / (Numeri - 1);
        double chiQuadro = 0;
        int totale = 0;
        for (int n = 1; n <= Numeri; ++n) {
            const double scarto = s.tabellone.uscite[static_cast<std::size_t>(n)] - atteso;
            chiQuadro += scarto * scarto / varianza;
            totale += s.tabellone.uscite[static_cast<std::size_t>(n)];
        }
        QCOMPARE(totale, Estrazioni * numeriEstratti);
        QVERIFY2(chiQuadro < SogliaChiQuadro(Numeri - 1), qPrintable(QString::number(chiQuadro)));
    }

    void iPuntiDiUnaDecinaSeguonoLaIpergeometrica_data()
    {
        QTest::addColumn<int>("numeriEstratti");
        QTest::newRow("twenty numbers a draw") << 20;
        QTest::newRow("six numbers a draw") << 6;
    }
    void iPuntiDiUnaDecinaSeguonoLaIpergeometrica()
    {
        QFETCH(int, numeriEstratti);
        const Simulazione s(numeriEstratti, "3 14 15 27 38 45 59 66 81 90");
        const auto& punti = s.dati.Stato.VinciteTotali;

        // Probability of k points: k of the line's 10 numbers and the rest
        // of the draw among the other 80. Classes from the top are merged
        // until each expects at least 5 draws.
        std::vector<double> attesi;
        std::vector<double> osservati;
        for (int k = 0; k <= 10; ++k) {
            const double probabilita =
                k <= numeriEstratti ? Binomiale(10, k) * Binomiale(Numeri - 10, numeriEstratti - k)
                                          / Binomiale(Numeri, numeriEstratti)
                                    : 0.0;
            attesi.push_back(Estrazioni * probabilita);
            osservati.push_back(punti[static_cast<std::size_t>(k)]);
        }
        while (attesi.size() > 1 && attesi.back() < 5) {
            attesi[attesi.size() - 2] += attesi.back();
            osservati[osservati.size() - 2] += osservati.back();
            attesi.pop_back();
            osservati.pop_back();
        }
        QVERIFY(attesi.size() >= 4);

        double chiQuadro = 0;
        for (std::size_t c = 0; c < attesi.size(); ++c)
            chiQuadro += (osservati[c] - attesi[c]) * (osservati[c] - attesi[c]) / attesi[c];
        const int gradi = static_cast<int>(attesi.size()) - 1;
        QVERIFY2(chiQuadro < SogliaChiQuadro(gradi), qPrintable(QString::number(chiQuadro)));
    }
};

QTEST_APPLESS_MAIN(TestEstrazioneStatistica)
#include "test_estrazione_statistica.moc"
