// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built program on the player's questions: a prize table, an archive of
// past draws, the exact figures beside the simulated ones, in every format.

#include "AvviaProgramma.h"

#include "combinations/FinteFinestre.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <numeric>
#include <random>

namespace {

double C(int n, int k)
{
    double c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

// P(a line of `numeri` numbers scores `punti`) when 6 of 90 are drawn.
double P6(int numeri, int punti) { return C(numeri, punti) * C(90 - numeri, 6 - punti) / C(90, 6); }

// The value at `percorso` ("a.b[2].c") of a JSON document.
QJsonValue Valore(const QByteArray& json, const QString& percorso)
{
    QJsonValue v = QJsonDocument::fromJson(json).object();
    static const QRegularExpression passo(R"(^(\w+)(?:\[(\d+)\])?$)");
    for (const QString& parte : percorso.split('.')) {
        const auto m = passo.match(parte);
        v = v.toObject()[m.captured(1)];
        if (m.hasCaptured(2))
            v = v.toArray()[m.captured(2).toInt()];
    }
    return v;
}

// The field `colonna` of the CSV row of `tabella` whose second field is
// `chiave`, under the last heading before it.
QString CellaCsv(const QByteArray& csv, const QString& tabella, const QString& chiave,
                 const QString& colonna)
{
    QStringList intestazione;
    for (const QString& riga : QString::fromUtf8(csv).split('\n')) {
        const QStringList campi = riga.split(','); // no quoted field in these rows
        if (campi[0] == "tabella")
            intestazione = campi;
        else if (campi.size() > 1 && campi[0] == tabella && campi[1] == chiave)
            return campi.value(intestazione.indexOf(colonna), "(nessuna colonna)");
    }
    return "(nessuna riga)";
}

// Field `colonna` of the first text row starting with `prima` after a line
// starting with `intestazione`.
QString CampoTesto(const QByteArray& testo, const QString& intestazione, const QString& prima,
                   int colonna)
{
    bool inTabella = false;
    for (const QString& riga : QString::fromUtf8(testo).split('\n')) {
        inTabella = inTabella || riga.startsWith(intestazione);
        const QStringList campi = riga.split(' ', Qt::SkipEmptyParts);
        if (inTabella && !campi.isEmpty() && campi[0] == prima)
            return campi.value(colonna, "(nessun campo)");
    }
    return "(nessuna riga)";
}

bool Uguale(const QString& visto, const QString& atteso)
{
    bool numeri = false, anche = false;
    const double a = atteso.toDouble(&numeri), v = visto.toDouble(&anche);
    if (numeri && anche)
        return std::abs(a - v) <= 1e-12 * std::max(1.0, std::abs(a));
    return visto == atteso;
}

} // namespace

class TestPremiArchivio : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;
    QString sistema_;  // "1 2 3" and "1 2 ... 10"
    QString archivio_; // four draws of 6 whose scores are stated below
    QString premi_;
    QString piccolo_; // four lines of ten on 16 numbers: with its guarantee
    QMap<QString, QByteArray> uscite_;

    QString File(const char* nome, const QByteArray& testo)
    {
        return QString::fromStdString(finte::ScriviFile(cartella_, nome, testo));
    }

    // The run on the archive with prizes and the listing, in `formato`.
    const QByteArray& Uscita(const QString& formato)
    {
        if (!uscite_.contains(formato)) {
            const Esito esito =
                Avvia({sistema_, "--archivio", archivio_, "--estratti", "6", "--premi", premi_,
                       "--posta", "0,5", "--sessione", "2", "--dettaglio", "--formato", formato});
            if (esito.uscita != 0)
                qWarning() << esito.err;
            uscite_[formato] = esito.out;
        }
        return uscite_[formato];
    }

private slots:
    void initTestCase()
    {
        QVERIFY(cartella_.isValid());
        sistema_ = File("sistema.txt", "1 2 3\n1 2 3 4 5 6 7 8 9 10\n");
        // Scores of the two lines: 3 and 6, 0 and 4, 0 and 0, 3 and 3.
        archivio_ = File("archivio.txt", "# estrazioni scelte\r\n"
                                         "2026-01-03 1 2 3 4 5 6\r\n"
                                         "2026-01-05;7;8;9;10;11;12\r\n"
                                         "\r\n"
                                         "13\t14\t15\t16\t17\t18\r\n"
                                         "E4, 1 2 3 20 30 40 # l'ultima\r\n");
        // Won at a stake of 1: 110, 2, 1 and 10 for a stake of 2 a draw.
        premi_ = File("premi.txt", "# prova\n3;3;10\n10;6;100\n10;4;2\n10;0;1\n");
        piccolo_ = File("piccolo.txt", "1 2 3 4 5 6 7 8 9 10\n1 2 3 4 5 11 12 13 14 15\n"
                                       "6 7 8 9 10 11 12 13 14 15\n1 3 5 7 9 11 13 15 16 2\n");
    }

    void leCifreDellArchivioEDeiPremi_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QString>(
            "dove"); // a JSON path, "tabella/chiave/colonna", "intestazione|prima|colonna"
        QTest::addColumn<QString>("valore");
        const auto riga = [](const char* caso, QString formato, QString dove, QString valore) {
            QTest::newRow(caso) << formato << dove << valore;
        };
        const double atteso = 10 * P6(3, 3) + 100 * P6(10, 6) + 2 * P6(10, 4) + P6(10, 0);
        const auto testo = [](double x) { return QString::number(x, 'g', 17); };
        double tre = 0;
        for (int p = 3; p <= 6; ++p)
            tre += P6(10, p);
        const QString resa = testo(100 * atteso / 2);
        riga("json: the draws of the archive", "json", "archivio.estrazioni", "4");
        riga("json: a number's draws", "json", "archivio.numeri[0].uscite", "2");
        riga("json: its expectation", "json", "archivio.numeri[0].attese", testo(4 * 6 / 90.0));
        riga("json: its longest delay", "json", "archivio.numeri[0].ritardo_massimo", "2");
        riga("json: a number never drawn", "json", "archivio.numeri[89].ritardo", "4");
        riga("json: no delay is certain", "json", "archivio.numeri[0].p_ritardo", "1");
        riga("json: its chance", "json", "archivio.numeri[89].p_ritardo",
             testo(std::pow(84 / 90.0, 4)));
        riga("json: the degrees of freedom", "json", "archivio.gradi_liberta", "89");
        riga("json: the best draw's label", "json", "archivio.migliori[0].estrazioni[0].etichetta",
             "2026-01-03");
        riga("json: its draw's place", "json", "archivio.migliori[2].estrazioni[0].numero", "4");
        riga("json: the stake", "json", "premi.posta", "0.5");
        riga("json: the winnings", "json", "premi.vinto", "61.5");
        riga("json: the observed return", "json", "premi.resa_osservata", "1537.5");
        riga("json: the exact return", "json", "premi.resa_attesa", resa);
        riga("json: the exact return of three numbers", "json",
             "premi.per_lunghezza[0].resa_attesa", testo(100 * 10 * P6(3, 3)));
        riga("json: the longest losing streak", "json", "premi.serie_perdente_massima", "1");
        riga("json: sessions ahead", "json", "premi.sessioni.in_attivo", "100");
        riga("json: a session's median", "json", "premi.sessioni.mediana", "3.5");
        riga("json: its 95th percentile", "json", "premi.sessioni.p95", "54");
        riga("json: the exact at least three", "json", "almeno[3].esatto", testo(100 * tre));
        riga("json: independent lines", "json", "almeno[3].indipendenti",
             testo(100 * (1 - (1 - P6(3, 3)) * (1 - tre))));
        riga("json: the guarantee with four drawn", "json", "garanzia[4].minimo", "4");
        riga("json: no seed", "json", "seme", "null");
        riga("csv: the winnings", "csv", "premi/vinto/valore", "61.5");
        riga("csv: a session's 95th percentile", "csv", "premi/sessioni_p95/valore", "54");
        riga("csv: the exact return", "csv", "premi/resa_attesa/valore", resa);
        riga("csv: a number's delay", "csv", "numeri/90/ritardo", "4");
        riga("csv: a number's draws", "csv", "numeri/7/uscite", "1");
        riga("csv: a best draw's label", "csv", "migliori_archivio/4/etichetta", "2026-01-05");
        riga("csv: the exact at least six", "csv", "almeno/6/esatto", testo(100 * P6(10, 6)));
        riga("csv: independent lines", "csv", "almeno/3/indipendenti",
             testo(100 * (1 - (1 - P6(3, 3)) * (1 - tre))));
        riga("csv: the guarantee", "csv", "garanzia/5/minimo", "5");
        riga("csv: the method", "csv", "punti/6/metodo", "esatto");
        riga("text: the winnings", "testo", "Vinto:|Vinto:|1", "61.50");
        riga("text: the exact at least six, in significant digits", "testo",
             "Punti       Estrazioni|6|7", "0.000034");
        riga("text: the independent lines", "testo", "Punti       Estrazioni|3|6",
             QString::number(100 * (1 - (1 - P6(3, 3)) * (1 - tre)), 'f', 4));
        riga("text: an impossible score is zero, not minus zero", "testo",
             "Punti       Estrazioni|7|6", "0.0000");
        riga("text: the method", "testo", "Punti        Osservati|6|5", "esatto");
        riga("text: the mark of few cases", "testo", "Punti        Osservati|6|6", "*");
        riga("text: a number's delay", "testo", "Numero    Uscite|90|3", "4");
        riga("text: the guarantee", "testo", "Indovinati|4|1", "4");
        riga("text: a best draw's place", "testo", "Punti  Estrazioni  Numero|4|2", "2");
        riga("text: its label", "testo", "Punti  Estrazioni  Numero|4|3", "2026-01-05");
    }
    void leCifreDellArchivioEDeiPremi()
    {
        QFETCH(QString, formato);
        QFETCH(QString, dove);
        QFETCH(QString, valore);
        const QByteArray& uscita = Uscita(formato);
        QString visto;
        if (formato == "json") {
            const QJsonValue v = Valore(uscita, dove);
            visto = v.isNull()     ? "null"
                    : v.isString() ? v.toString()
                                   : QString::number(v.toDouble(), 'g', 17);
        } else if (formato == "csv") {
            const QStringList d = dove.split('/');
            visto = CellaCsv(uscita, d[0], d[1], d[2]);
        } else {
            const QStringList d = dove.split('|');
            visto = CampoTesto(uscita, d[0], d[1], d[2].toInt());
        }
        // The text as a user reads it; JSON and CSV numbers as they read back.
        QVERIFY2(formato == "testo" ? visto == valore : Uguale(visto, valore),
                 qPrintable(visto + " invece di " + valore));
    }

    void iRiassuntiDelTestoDiconoLeCifre_data()
    {
        QTest::addColumn<QString>("riga");
        QTest::newRow("the archive used") << "Archivio:        " + archivio_
                                                 + ", dalla n. 1 alla n. 4 (estrazioni del "
                                                   "file, non simulate)";
        QTest::newRow("the sessions") << "Sessioni di 2 estrazioni: 2 complete, chiuse in attivo "
                                         "2 (100.0000 % [34.2380, 100.0000])";
        QTest::newRow("the longest losing streak")
            << "Serie perdente più lunga: 1 estrazioni di fila senza riprendere la posta";
    }
    void iRiassuntiDelTestoDiconoLeCifre()
    {
        QFETCH(QString, riga);
        QVERIFY2(QString::fromUtf8(Uscita("testo")).split('\n').contains(riga),
                 Uscita("testo").constData());
    }

    void leOpzioniNuoveSonoAccolte_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("percorso");
        QTest::addColumn<QString>("valore");
        const auto riga = [](const char* caso, QStringList argomenti, QString percorso,
                             QString valore) {
            QTest::newRow(caso) << argomenti << percorso << valore;
        };
        riga("a stake with a point", {"--premi", premi_, "--posta", "2.25"}, "premi.posta", "2.25");
        riga("a stake of one by default", {"--premi", premi_}, "premi.posta", "1");
        riga("sessions of a hundred by default", {"--premi", premi_}, "premi.sessioni.lunghezza",
             "100");
        riga("a session's length", {"--premi", premi_, "--sessione", "7"},
             "premi.sessioni.lunghezza", "7");
        riga("no money without a table", {}, "premi", "null");
        riga("no archive without one", {}, "archivio", "null");
        riga("--estrazioni takes the latest draws of the archive",
             {"--archivio", archivio_, "--estratti", "6", "--estrazioni", "2"}, "archivio.prima",
             "3");
        riga("and only those", {"--archivio", archivio_, "--estratti", "6", "--estrazioni", "2"},
             "estrazioni", "2");
        riga("no listing without --dettaglio", {"--archivio", archivio_, "--estratti", "6"},
             "archivio.migliori", "null");
    }
    void leOpzioniNuoveSonoAccolte()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(QString, percorso);
        QFETCH(QString, valore);
        const Esito esito = Avvia(QStringList{sistema_, "--formato", "json"} + argomenti);
        QCOMPARE(esito.uscita, 0);
        const QJsonValue v = Valore(esito.out, percorso);
        QCOMPARE(v.isNull() ? "null" : QString::number(v.toDouble()), valore);
    }

    void unFileRifiutatoDiceLaRiga_data()
    {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("an archive's repeated number")
            << "--archivio" << QByteArray("1 2 3 4 5 6\n# c\n7 8 9 7 10 11\n")
            << "riga 3: il numero 7 è ripetuto";
        QTest::newRow("an archive's line one number short")
            << "--archivio" << QByteArray("1 2 3 4 5 6\n2026-01-01 1 2 3 4 5\n")
            << "riga 2: ci sono 5 numeri, ne servono 6";
        QTest::newRow("an archive's number past 90") << "--archivio" << QByteArray("1 2 3 4 5 91\n")
                                                     << "riga 1: il numero 91 è fuori da 1..90";
        QTest::newRow("a prize's points past ten")
            << "--premi" << QByteArray("3;3;10\n10;11;5\n")
            << "riga 2: punti «11»: deve essere un intero da 0 a 10";
        QTest::newRow("a prize given twice")
            << "--premi" << QByteArray("3;3;10\n\n3;3;11\n")
            << "riga 3: la vincita per 3 numeri e 3 punti è già data alla riga 1";
        QTest::newRow("prizes too large to add up over a session")
            << "--premi" << QByteArray("10;10;1000000000\n")
            << "premi troppo grandi da sommare esattamente: con queste combinazioni una sessione "
               "di 100000000000 estrazioni può superare 92233720368547758,07 per posta 1; "
               "accorcia la sessione";
    }
    void unFileRifiutatoDiceLaRiga()
    {
        QFETCH(QString, opzione);
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, motivo);
        const QString file = File("rifiutato.txt", contenuto);
        const Esito esito =
            Avvia({sistema_, opzione, file, "--estratti", "6", "--sessione", "100000000000",
                   "--premi", opzione == "--premi" ? file : premi_});
        QCOMPARE(esito.uscita, 1);
        QVERIFY(esito.out.isEmpty());
        QCOMPARE(QString::fromUtf8(esito.err), "vortilla-serie: " + file + ": " + motivo + "\n");
    }

    void leOpzioniSenzaSensoSonoRifiutate_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("errore");
        QTest::newRow("a stake without a table")
            << QStringList{"--posta", "2"} << "--posta vale solo con --premi.";
        QTest::newRow("a session without a table")
            << QStringList{"--sessione", "2"} << "--sessione vale solo con --premi.";
        QTest::newRow("a seed with an archive")
            << QStringList{"--archivio", "a.txt", "--seme", "1"}
            << "--seme non vale con --archivio: le estrazioni sono quelle dell'archivio.";
        QTest::newRow("a stake of zero") << QStringList{"--premi", "p.txt", "--posta", "0"}
                                         << "--posta \"0\": la posta deve essere maggiore di zero.";
        QTest::newRow("a session of no draws")
            << QStringList{"--premi", "p.txt", "--sessione", "0"}
            << "--sessione vuole un intero da 1 a 1000000000000, non \"0\".";
    }
    void leOpzioniSenzaSensoSonoRifiutate()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(QString, errore);
        const Esito esito = Avvia(QStringList{sistema_} + argomenti);
        QCOMPARE(esito.uscita, 2);
        QVERIFY(esito.out.isEmpty());
        QCOMPARE(QString::fromUtf8(esito.err),
                 "vortilla-serie: " + errore + "\nUsare --help per l'elenco delle opzioni.\n");
    }

    void piuEstrazioniDellArchivioSonoRifiutate()
    {
        const Esito esito =
            Avvia({sistema_, "--archivio", archivio_, "--estratti", "6", "--estrazioni", "5"});
        QCOMPARE(esito.uscita, 2);
        QCOMPARE(QString::fromUtf8(esito.err),
                 "vortilla-serie: " + archivio_
                     + ": l'archivio ha 4 estrazioni, --estrazioni ne chiede 5.\n");
    }

    // Many short seeded runs: the exact chance of "at least k" falls inside
    // the simulated interval about 95% of the time, neither much less (an
    // interval too narrow, a wrong exact figure) nor nearly always (one too
    // wide): about 20 misses in 400 are expected, fewer than 8 or more than
    // 32 are each less likely than one in a hundred.
    void lAlmenoSimulatoStaNelSuoIntervallo()
    {
        int dentro = 0, prove = 0;
        for (int seme = 1; seme <= 80; ++seme) {
            const Esito esito =
                Avvia({piccolo_, "--estrazioni", "300", "--seme", QString::number(seme), "--thread",
                       "1", "--formato", "json"});
            QCOMPARE(esito.uscita, 0);
            for (const QJsonValue v : QJsonDocument::fromJson(esito.out)["almeno"].toArray()) {
                const double esatto = v["esatto"].toDouble();
                if (esatto < 2 || esatto > 98)
                    continue;
                ++prove;
                const QJsonArray intervallo = v["intervallo95"].toArray();
                dentro += intervallo[0].toDouble() <= esatto && esatto <= intervallo[1].toDouble();
            }
        }
        QVERIFY(prove >= 400);
        const double quota = double(dentro) / prove;
        QVERIFY2(quota > 0.92 && quota < 0.98, qPrintable(QString::number(quota)));
    }

    void ilMetodoDellErrore_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("punti");
        QTest::addColumn<int>("colonna");
        QTest::addColumn<QString>("valore");
        QStringList grandi;
        {
            // 20001 different lines: past the exact variance.
            QByteArray testo;
            for (int r = 0, a = 1, b = 2, c = 3; r < 20'001; ++r) {
                testo += QByteArray::number(a) + ' ' + QByteArray::number(b) + ' '
                         + QByteArray::number(c) + '\n';
                if (++c > 90)
                    c = ++b + 1;
                if (c > 90)
                    b = ++a + 1, c = b + 1;
            }
            grandi = {File("grande.txt", testo), "--tutte"};
        }
        QTest::newRow("a small system's errors are exact")
            << QStringList{piccolo_, "--estrazioni", "1000"} << "0" << 5 << "esatto";
        QTest::newRow("a common row has no mark")
            << QStringList{piccolo_, "--estrazioni", "1000"} << "0" << 6 << "(nessun campo)";
        QTest::newRow("a rare row is marked")
            << QStringList{piccolo_, "--estrazioni", "1000"} << "10" << 6 << "*";
        QTest::newRow("past 20000 different lines the errors are sample ones")
            << grandi + QStringList{"--estrazioni", "3"} << "0" << 5 << "campionario";
        // sqrt(P(10 of 10)), the only line that can make ten.
        QTest::newRow("one draw has an error, in significant digits")
            << QStringList{sistema_, "--estrazioni", "1"} << "10" << 3
            << QString::number(std::sqrt(C(20, 10) / C(90, 10)), 'f', 5);
    }
    void ilMetodoDellErrore()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(QString, punti);
        QFETCH(int, colonna);
        QFETCH(QString, valore);
        const Esito esito = Avvia(argomenti);
        QCOMPARE(esito.uscita, 0);
        QCOMPARE(CampoTesto(esito.out, "Punti        Osservati", punti, colonna), valore);
    }

    // Before the series a signal ends the program at once, even in the
    // seconds that the guarantee of a large system on 24 numbers takes.
    void unSegnaleFermaSubitoLeCifreEsatte()
    {
        std::mt19937 motore(3);
        std::vector<int> numeri(24);
        std::iota(numeri.begin(), numeri.end(), 1);
        QSet<QByteArray> righe;
        while (righe.size() < 20'000) {
            std::shuffle(numeri.begin(), numeri.end(), motore);
            std::sort(numeri.begin(), numeri.begin() + 10);
            QByteArray riga;
            for (int i = 0; i < 10; ++i)
                riga += QByteArray::number(numeri[static_cast<std::size_t>(i)]) + ' ';
            righe.insert(riga);
        }
        const QString file = File("ventiquattro.txt", righe.values().join('\n'));
        QProcess programma;
        programma.start(VORTILLA_SERIE, {file, "--tutte", "--estrazioni", "10"});
        QVERIFY(programma.waitForStarted());
        QThread::msleep(1500);
        QCOMPARE(programma.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(programma.processId()), SIGTERM);
        QVERIFY(programma.waitForFinished(3000));
        QCOMPARE(programma.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programma.exitCode(), 143);
        QVERIFY(programma.readAllStandardOutput().isEmpty());
    }

    // Every key of the JSON results is in the manual page.
    void laPaginaDiManualeSpiegaOgniChiave()
    {
        QFile pagina(PAGINA_SERIE);
        if (!pagina.open(QIODevice::ReadOnly))
            QSKIP("no manual page in this build (help2man is missing)");
        const QString testo = QString::fromUtf8(pagina.readAll());
        QStringList percorsi;
        const std::function<void(const QJsonValue&, const QString&)> visita =
            [&](const QJsonValue& v, const QString& dove) {
                if (v.isObject()) {
                    const QJsonObject o = v.toObject();
                    for (auto i = o.begin(); i != o.end(); ++i) {
                        if (i.key().front().isDigit()) // a map by length
                            continue;
                        const QString qui = dove.isEmpty() ? i.key() : dove + '.' + i.key();
                        percorsi << qui;
                        visita(i.value(), qui);
                    }
                } else if (v.isArray() && !v.toArray().isEmpty())
                    visita(v.toArray().first(), dove + "[]");
            };
        visita(QJsonDocument::fromJson(Uscita("json")).object(), {});
        QVERIFY(percorsi.contains("archivio.migliori[].estrazioni[].etichetta"));
        for (const QString& percorso : percorsi)
            QVERIFY2(testo.contains("\n.B " + percorso + "\n"), qPrintable(percorso));
    }
};

QTEST_GUILESS_MAIN(TestPremiArchivio)
#include "test_premiarchivio.moc"
