// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three output formats, written by the series library: each figure in
// its own column, names escaped, numbers that read back exactly, and the
// detail streamed to the sink.

#include "serie/Campi.h"
#include "serie/Formati.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cerrno>
#include <cmath>

using namespace vortilla;

namespace {

// Every figure differs from every other, so a value in the wrong column
// cannot pass for the right one.
Risultato Campione(const std::vector<std::string>* righe = nullptr)
{
    Risultato r;
    r.file = "sistema.txt";
    r.combinazioni = 2;
    for (std::size_t k = 3; k <= 10; ++k)
        r.perLunghezza[k] = 11 * k;
    r.estratti = 6;
    r.estrazioniChieste = 500;
    r.seme = 18446744073709551615u;
    r.conteggi.estrazioni = 400;
    for (std::size_t p = 0; p < ValoriPunti; ++p) {
        const int i = static_cast<int>(p);
        RigaPunti& riga = r.statistiche.punti[p];
        riga.punti = i;
        riga.osservati = 1000 + p;
        riga.attesi = 2000.5 + i;
        riga.erroreStandard = 30.25 + i;
        riga.z = -(i + 0.75);
        r.conteggi.migliore[p] = 100 + p;
        RigaAlmeno& almeno = r.statistiche.almeno[p];
        almeno.punti = i;
        almeno.estrazioni = 300 + p;
        almeno.percentuale = 40.5 + i;
        almeno.basso = 39.25 + i;
        almeno.alto = 41.75 + i;
    }
    if (righe != nullptr) {
        r.righe = righe;
        r.conteggi.perRiga.resize(righe->size());
        for (std::size_t riga = 0; riga < righe->size(); ++riga)
            for (std::size_t p = 0; p < ValoriPunti; ++p)
                r.conteggi.perRiga[riga][p] = 10 * riga + p + 1;
    }
    r.secondi = 1.5;
    r.thread = 2;
    return r;
}

const std::vector<std::string> DueRighe{"1 2 3", "10 20 30 40 50 60 70 80 90 1"};

class Raccolta : public Destinazione {
public:
    std::string testo;
    std::size_t pezzoMassimo = 0;
    int scritture = 0;
    int fallisceDopo = -1; // writes that succeed before ENOSPC

protected:
    int ScriviTutto(std::string_view t) override
    {
        if (scritture++ == fallisceDopo)
            return ENOSPC;
        pezzoMassimo = std::max(pezzoMassimo, t.size());
        testo += t;
        return 0;
    }
};

QByteArray Scritto(void (*formato)(const Risultato&, Destinazione&), const Risultato& r)
{
    Raccolta d;
    formato(r, d);
    d.Svuota();
    return QByteArray::fromStdString(d.testo);
}

QStringList CampiCsv(const QString& riga)
{
    QStringList campi{""};
    bool virgolette = false;
    for (qsizetype i = 0; i < riga.size(); ++i) {
        const QChar c = riga[i];
        if (c == '"' && virgolette && i + 1 < riga.size() && riga[i + 1] == '"')
            campi.back() += riga[++i];
        else if (c == '"')
            virgolette = !virgolette;
        else if (c == ',' && !virgolette)
            campi << "";
        else
            campi.back() += c;
    }
    return campi;
}

// The cell of `colonna` in the row of `tabella` whose second field is `chiave`.
QString CellaCsv(const QByteArray& csv, const QString& tabella, const QString& chiave,
                 const QString& colonna)
{
    QStringList intestazione;
    for (const QString& riga : QString::fromUtf8(csv).split('\n')) {
        const QStringList campi = CampiCsv(riga);
        if (campi[0] == "tabella")
            intestazione = campi;
        else if (campi.size() > 1 && campi[0] == tabella && campi[1] == chiave)
            return campi.value(intestazione.indexOf(colonna), "(nessuna colonna)");
    }
    return "(nessuna riga)";
}

} // namespace

class TestFormati : public QObject {
    Q_OBJECT
private slots:
    void ogniFiguraStaNellaSuaColonnaCsv_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("colonna");
        QTest::addColumn<QString>("valore");
        const auto riga = [](const char* caso, QString tabella, QString chiave, QString colonna,
                             QString valore) {
            QTest::newRow(caso) << tabella << chiave << colonna << valore;
        };
        riga("the observed count is under osservati", "punti", "7", "osservati", "1007");
        riga("the exact expectation is under attesi", "punti", "7", "attesi", "2007.5");
        riga("the standard error is under errore_standard", "punti", "7", "errore_standard",
             "37.25");
        riga("z is under z, with its sign", "punti", "7", "z", "-7.75");
        riga("draws whose best line made 7 points", "migliore", "7", "estrazioni", "107");
        riga("draws with at least 7 points", "almeno", "7", "estrazioni", "307");
        riga("their percentage", "almeno", "7", "percentuale", "47.5");
        riga("the interval's lower bound", "almeno", "7", "intervallo95_basso", "46.25");
        riga("the interval's upper bound", "almeno", "7", "intervallo95_alto", "48.75");
        riga("a line's draws with 3 points", "dettaglio", "2", "punti_3", "14");
        riga("a line's numbers", "dettaglio", "2", "combinazione", "10 20 30 40 50 60 70 80 90 1");
        riga("the seed in full", "serie", "seme", "valore", "18446744073709551615");
        riga("the numbers drawn", "serie", "estratti", "valore", "6");
        riga("the lines of ten numbers", "serie", "per_lunghezza_10", "valore", "110");
    }
    void ogniFiguraStaNellaSuaColonnaCsv()
    {
        QFETCH(QString, tabella);
        QFETCH(QString, chiave);
        QFETCH(QString, colonna);
        QFETCH(QString, valore);
        QCOMPARE(CellaCsv(Scritto(ScriviCsv, Campione(&DueRighe)), tabella, chiave, colonna),
                 valore);
    }

    void ogniFiguraStaNellaSuaChiaveJson_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<int>("indice"); // in an array value, -1 if none
        QTest::addColumn<double>("valore");
        const auto riga = [](const char* caso, QString tabella, QString chiave, int indice,
                             double valore) {
            QTest::newRow(caso) << tabella << chiave << indice << valore;
        };
        riga("the observed count", "punti", "osservati", -1, 1007.0);
        riga("the exact expectation", "punti", "attesi", -1, 2007.5);
        riga("the standard error", "punti", "errore_standard", -1, 37.25);
        riga("z, with its sign", "punti", "z", -1, -7.75);
        riga("draws whose best line made 7 points", "migliore", "estrazioni", -1, 107.0);
        riga("draws with at least 7 points", "almeno", "estrazioni", -1, 307.0);
        riga("their percentage", "almeno", "percentuale", -1, 47.5);
        riga("the interval's lower bound", "almeno", "intervallo95", 0, 46.25);
        riga("the interval's upper bound", "almeno", "intervallo95", 1, 48.75);
        riga("a line's draws with 7 points", "dettaglio", "punti", 7, 18.0);
        riga("the lines of ten numbers", "per_lunghezza", "10", -1, 110.0);
        riga("the lines of three numbers", "per_lunghezza", "3", -1, 33.0);
    }
    void ogniFiguraStaNellaSuaChiaveJson()
    {
        QFETCH(QString, tabella);
        QFETCH(QString, chiave);
        QFETCH(int, indice);
        QFETCH(double, valore);
        QJsonParseError errore;
        const QJsonObject o =
            QJsonDocument::fromJson(Scritto(ScriviJson, Campione(&DueRighe)), &errore).object();
        QCOMPARE(errore.error, QJsonParseError::NoError);
        if (o[tabella].isObject()) {
            QCOMPARE(o[tabella][chiave].toDouble(), valore);
            return;
        }
        // Row 7 of each table; the detail's second line.
        for (const QJsonValue riga : o[tabella].toArray()) {
            const QJsonObject r = riga.toObject();
            if (r[tabella == "dettaglio" ? "riga" : "punti"].toInt()
                != (tabella == "dettaglio" ? 2 : 7))
                continue;
            const QJsonValue v = indice < 0 ? r[chiave] : r[chiave].toArray()[indice];
            QCOMPARE(v.toDouble(), valore);
            return;
        }
        QFAIL("no such row");
    }

    void ogniFiguraStaNellaSuaColonnaDiTesto_data()
    {
        QTest::addColumn<QString>("intestazione"); // the table's heading row starts so
        QTest::addColumn<QString>("prima");        // first field of the row
        QTest::addColumn<int>("colonna");
        QTest::addColumn<QString>("valore");
        const QString punti = "Punti        Osservati", migliore = "Punti       Estrazioni",
                      dettaglio = "    Riga";
        const auto riga = [](const char* caso, QString intestazione, QString prima, int colonna,
                             QString valore) {
            QTest::newRow(caso) << intestazione << prima << colonna << valore;
        };
        riga("the observed count", punti, "7", 1, "1007");
        riga("the exact expectation", punti, "7", 2, "2007.50");
        riga("the standard error", punti, "7", 3, "37.25");
        riga("z, with its sign", punti, "7", 4, "-7.75");
        riga("draws whose best line made 7 points", migliore, "7", 1, "107");
        riga("the percentage with at least 7", migliore, "7", 2, "47.5000");
        riga("the interval's lower bound", migliore, "7", 4, "46.2500,");
        riga("the interval's upper bound", migliore, "7", 5, "48.7500]");
        riga("a line's draws with 3 points", dettaglio, "2", 4, "14");
        riga("a line's numbers, last", dettaglio, "2", 12, "10");
    }
    void ogniFiguraStaNellaSuaColonnaDiTesto()
    {
        QFETCH(QString, intestazione);
        QFETCH(QString, prima);
        QFETCH(int, colonna);
        QFETCH(QString, valore);
        const QStringList righe =
            QString::fromUtf8(Scritto(ScriviTesto, Campione(&DueRighe))).split('\n');
        bool inTabella = false;
        for (const QString& riga : righe) {
            inTabella = inTabella || riga.startsWith(intestazione);
            const QStringList campi = riga.split(' ', Qt::SkipEmptyParts);
            if (inTabella && !campi.isEmpty() && campi[0] == prima) {
                QCOMPARE(campi.value(colonna), valore);
                return;
            }
        }
        QFAIL("no such row");
    }

    void iNomiRestanoLeggibili_data()
    {
        QTest::addColumn<QByteArray>("nome");
        QTest::addColumn<QString>("mostrato");
        QTest::newRow("quotes, backslashes and commas are escaped")
            << QByteArray("a \"b\", c\\d.txt") << QString("a \"b\", c\\d.txt");
        QTest::newRow("control characters are escaped")
            << QByteArray("a\tb\x01.txt") << QString("a\tb\x01.txt");
        QTest::newRow("accents and symbols stay")
            << QByteArray("perché €.txt") << QString("perché €.txt");
        QTest::newRow("bytes that are not UTF-8 show as U+FFFD")
            << QByteArray("sis\xff\xfe.txt") << QString("sis\uFFFD\uFFFD.txt");
        QTest::newRow("an overlong form is not UTF-8")
            << QByteArray("\xc0\xaf") << QString("\uFFFD\uFFFD");
        QTest::newRow("a surrogate's bytes are not UTF-8")
            << QByteArray("\xed\xa0\x80") << QString("\uFFFD\uFFFD\uFFFD");
        QTest::newRow("a sequence cut short is not UTF-8")
            << QByteArray("a\xe2\x82") << QString("a\uFFFD\uFFFD");
    }
    void iNomiRestanoLeggibili()
    {
        QFETCH(QByteArray, nome);
        QFETCH(QString, mostrato);
        Risultato r = Campione();
        r.file = nome.toStdString();
        QJsonParseError errore;
        const QJsonObject o = QJsonDocument::fromJson(Scritto(ScriviJson, r), &errore).object();
        QCOMPARE(errore.error, QJsonParseError::NoError);
        QCOMPARE(o["file"].toString(), mostrato);
        QCOMPARE(CellaCsv(Scritto(ScriviCsv, r), "serie", "file", "valore"), mostrato);
        // The text shows the name as it was given.
        QVERIFY(Scritto(ScriviTesto, r).startsWith("File:            " + nome + "\n"));
    }

    void iNumeriSonoIPiuBreviCheSiRileggonoUguali_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("testo");
        const auto riga = [](const char* caso, double x, QString testo) {
            QTest::newRow(caso) << x << testo;
        };
        riga("a sum that is not a tenth's multiple", 0.1 + 0.2, "0.30000000000000004");
        riga("a whole number has no point", 100.0, "100");
        riga("a tiny number takes an exponent", 1e-7, "1e-07");
        riga("a value that is not finite is null", std::nan(""), "null");
    }
    void iNumeriSonoIPiuBreviCheSiRileggonoUguali()
    {
        QFETCH(double, x);
        QFETCH(QString, testo);
        std::string s;
        campi::Reale(s, x);
        QCOMPARE(QString::fromStdString(s), testo);
    }

    void ilDettaglioScorreVersoLaDestinazione()
    {
        std::vector<std::string> molte(100'000, "1 2 3 4 5 6 7 8 9 10");
        const Risultato r = Campione(&molte);
        for (const auto formato : {ScriviTesto, ScriviCsv, ScriviJson}) {
            Raccolta d;
            formato(r, d);
            d.Svuota();
            QVERIFY(d.testo.size() > 5'000'000);
            QVERIFY(d.pezzoMassimo <= 64 * 1024);
        }
    }

    void laPrimaScritturaFallitaFermaLeAltre()
    {
        Raccolta d;
        d.fallisceDopo = 1;
        std::vector<std::string> molte(50'000, "1 2 3");
        ScriviCsv(Campione(&molte), d);
        d.Scrivi(std::string(100'000, 'x')); // too large to gather: written at once
        QCOMPARE(d.Svuota(), ENOSPC);
        QCOMPARE(d.Errore(), ENOSPC);
        QCOMPARE(d.scritture, 2);
    }
};

QTEST_APPLESS_MAIN(TestFormati)
#include "test_formati.moc"
