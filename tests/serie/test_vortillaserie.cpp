// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built program, from outside: exit statuses, refused files, the JSON
// results, and a run stopped by SIGINT.

#include "combinations/FileRifiutati.h"

#include "errors/MessaggioErrore.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <csignal>

namespace {

struct Esito {
    int uscita;
    QByteArray out;
    QByteArray err;
};

// `nucleo`, if given, forced through VORTILLA_NUCLEO.
Esito Avvia(const QStringList& argomenti, const QString& nucleo = {})
{
    QProcess programma;
    if (!nucleo.isEmpty()) {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("VORTILLA_NUCLEO", nucleo);
        programma.setProcessEnvironment(ambiente);
    }
    programma.start(VORTILLA_SERIE, argomenti);
    if (!programma.waitForFinished(60'000))
        programma.kill();
    return {programma.exitStatus() == QProcess::NormalExit ? programma.exitCode() : -1,
            programma.readAllStandardOutput(), programma.readAllStandardError()};
}

QJsonObject SenzaPrestazioni(const QByteArray& json)
{
    QJsonObject o = QJsonDocument::fromJson(json).object();
    o.remove("prestazioni");
    return o;
}

// Whether the process has its own handler for SIGINT, as the kernel says.
bool CatturaSigint(qint64 pid)
{
    QFile stato(QStringLiteral("/proc/%1/status").arg(pid));
    if (!stato.open(QIODevice::ReadOnly))
        return false;
    for (QByteArray riga = stato.readLine(); !riga.isEmpty(); riga = stato.readLine())
        if (riga.startsWith("SigCgt:"))
            return (riga.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGINT - 1)) & 1;
    return false;
}

} // namespace

class TestVortillaSerie : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;
    QString sistema_;

private slots:
    void initTestCase()
    {
        QVERIFY(cartella_.isValid());
        sistema_ = QString::fromStdString(finte::ScriviFile(
            cartella_, "sistema.txt", "1 2 3\r\n05 5 5 40\r\n10.20.30.40.50.60.70.80.90.1\r\n"));
    }

    void rifiutaIFileComeLaFinestra_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("errore");
        for (const finte::FileRifiutato& file : finte::FileRifiutati())
            QTest::newRow(file.caso) << file.contenuto << file.errore;
    }
    void rifiutaIFileComeLaFinestra()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, errore);
        const QString percorso =
            QString::fromStdString(finte::ScriviFile(cartella_, "rifiutato.txt", contenuto));
        const Esito esito = Avvia({percorso});
        QCOMPARE(esito.uscita, 1);
        QVERIFY(esito.out.isEmpty());
        const QString messaggio =
            QString::fromStdString(vortilla::MessaggioErrore(errore)).replace('|', ' ');
        QCOMPARE(QString::fromUtf8(esito.err),
                 "vortilla-serie: " + percorso + ": " + messaggio + "\n");
    }

    void unFileMancanteERifiutato()
    {
        const Esito esito = Avvia({cartella_.filePath("manca.txt")});
        QCOMPARE(esito.uscita, 1);
        QVERIFY(esito.err.endsWith(": File non trovato ..!\n"));
    }

    void unaRigaDiComandoSbagliataEsceConDue_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::newRow("no file") << QStringList{"--estrazioni", "10"};
        QTest::newRow("two files") << QStringList{"a.txt", "b.txt"};
        QTest::newRow("an unknown option") << QStringList{"a.txt", "--veloce"};
        QTest::newRow("seven numbers drawn") << QStringList{"a.txt", "--estratti", "7"};
        QTest::newRow("zero draws") << QStringList{"a.txt", "--estrazioni", "0"};
        QTest::newRow("draws written with a sign") << QStringList{"a.txt", "--estrazioni", "+10"};
        QTest::newRow("more draws than a run takes")
            << QStringList{"a.txt", "--estrazioni", "1000000000001"};
        QTest::newRow("a seed past 64 bits")
            << QStringList{"a.txt", "--seme", "18446744073709551616"};
        QTest::newRow("no thread") << QStringList{"a.txt", "--thread", "0"};
        QTest::newRow("an unknown format") << QStringList{"a.txt", "--formato", "xml"};
        QTest::newRow("a chart that is neither PNG nor SVG")
            << QStringList{"a.txt", "--grafico", "g.jpg"};
        QTest::newRow("an option without its value") << QStringList{"a.txt", "--seme"};
    }
    void unaRigaDiComandoSbagliataEsceConDue()
    {
        QFETCH(QStringList, argomenti);
        const Esito esito = Avvia(argomenti);
        QCOMPARE(esito.uscita, 2);
        QVERIFY(esito.out.isEmpty());
        QVERIFY(esito.err.startsWith("vortilla-serie: "));
    }

    void ilJsonNonDipendeDaiThread()
    {
        const QStringList base{sistema_, "--seme",    "12345", "--estrazioni",
                               "20000",  "--formato", "json",  "--dettaglio"};
        const Esito uno = Avvia(base + QStringList{"--thread", "1"});
        const Esito quattro = Avvia(base + QStringList{"--thread", "4"});
        QCOMPARE(uno.uscita, 0);
        QCOMPARE(quattro.uscita, 0);
        QVERIFY(uno.err.isEmpty());
        const QJsonObject o = SenzaPrestazioni(uno.out);
        QCOMPARE(o, SenzaPrestazioni(quattro.out));
        QCOMPARE(o["seme"].toString(), QString("12345"));
        QCOMPARE(o["estrazioni"].toInteger(), 20000);
        QCOMPARE(o["combinazioni"].toInteger(), 3);
        QCOMPARE(o["ripetizioni"].toInteger(), 1);
        QCOMPARE(o["per_lunghezza"].toObject()["4"].toInteger(), 1);
        QCOMPARE(o["interrotta"].toBool(), false);
        QCOMPARE(o["punti"].toArray().size(), 11);
        QCOMPARE(o["almeno"].toArray()[0].toObject()["intervallo95"].toArray().size(), 2);
        QCOMPARE(o["dettaglio"].toArray()[1].toObject()["combinazione"].toString(),
                 QString("05 5 5 40"));
    }

    // Lines in two groups of 512 for the kernels, some with repeats.
    void ilJsonNonDipendeDalNucleo_data()
    {
        QTest::addColumn<QString>("nucleo");
        QTest::addColumn<QString>("thread");
        QTest::newRow("the AVX2 kernel on two threads") << "avx2"
                                                        << "2";
        QTest::newRow("the AVX-512 kernel on three threads") << "avx512"
                                                             << "3";
    }
    void ilJsonNonDipendeDalNucleo()
    {
        QFETCH(QString, nucleo);
        QFETCH(QString, thread);
        QByteArray testo;
        for (int r = 0; r < 600; ++r)
            testo += QByteArray::number(1 + r % 90) + ' ' + QByteArray::number(1 + r * 7 % 90) + ' '
                     + QByteArray::number(1 + r * 13 % 90) + ' ' + QByteArray::number(1 + r % 89)
                     + "\n";
        const QString file =
            QString::fromStdString(finte::ScriviFile(cartella_, "seicento.txt", testo));
        const QStringList base{file,   "--tutte",   "--seme", "99",          "--estrazioni",
                               "3001", "--formato", "json",   "--dettaglio", "--thread"};
        const Esito portabile = Avvia(base + QStringList{"1"}, "portabile");
        const Esito provato = Avvia(base + QStringList{thread}, nucleo);
        if (provato.uscita == 2 && provato.err.contains("non può eseguire"))
            QSKIP(qPrintable("this processor cannot run the " + nucleo + " kernel"));
        QCOMPARE(portabile.uscita, 0);
        QCOMPARE(provato.uscita, 0);
        QCOMPARE(SenzaPrestazioni(provato.out), SenzaPrestazioni(portabile.out));
        QCOMPARE(SenzaPrestazioni(portabile.out)["combinazioni"].toInteger(), 600);
    }

    void ilNucleoSiSceglieConLaVariabile_data()
    {
        QTest::addColumn<QString>("nucleo");
        QTest::addColumn<int>("uscita");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("the portable kernel is named by --version")
            << "portabile" << 0 << QByteArray("\nnucleo di calcolo: portabile\n") << QByteArray();
        QTest::newRow("an unknown kernel is refused")
            << "turbo" << 2 << QByteArray()
            << QByteArray("vortilla-serie: VORTILLA_NUCLEO=turbo: nucleo sconosciuto (disponibili: "
                          "portabile");
    }
    void ilNucleoSiSceglieConLaVariabile()
    {
        QFETCH(QString, nucleo);
        QFETCH(int, uscita);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const Esito esito = Avvia({"--version"}, nucleo);
        QCOMPARE(esito.uscita, uscita);
        QVERIFY2(esito.out.endsWith(out), esito.out.constData());
        QVERIFY2(esito.err.startsWith(err), esito.err.constData());
    }

    void ilGraficoCompletoONessunFile()
    {
        QTemporaryDir grafici;
        const QString svg = grafici.filePath("serie.svg");
        const Esito scritto = Avvia({sistema_, "--estrazioni", "100", "--grafico", svg});
        QCOMPARE(scritto.uscita, 0);
        QVERIFY(QFile(svg).size() > 0);
        const Esito rifiutato = Avvia({sistema_, "--grafico", grafici.filePath("manca/serie.png")});
        QCOMPARE(rifiutato.uscita, 2);
        QVERIFY(rifiutato.out.isEmpty()); // refused before the run
        QCOMPARE(QDir(grafici.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"serie.svg"});
    }

    void unSigintStampaIRisultatiParzialiEdEsceCon130()
    {
        QProcess programma;
        programma.start(VORTILLA_SERIE,
                        {sistema_, "--estrazioni", "1000000000000", "--formato", "json"});
        QVERIFY(programma.waitForStarted());
        // Once it catches SIGINT (a slow machine may take a while to get
        // there), let it complete some blocks.
        QTRY_VERIFY_WITH_TIMEOUT(CatturaSigint(programma.processId()), 20'000);
        QThread::msleep(200);
        ::kill(static_cast<pid_t>(programma.processId()), SIGINT);
        QVERIFY(programma.waitForFinished(10'000));
        QCOMPARE(programma.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programma.exitCode(), 130);
        const QJsonObject o = QJsonDocument::fromJson(programma.readAllStandardOutput()).object();
        QCOMPARE(o["interrotta"].toBool(), true);
        const qint64 fatte = o["estrazioni"].toInteger();
        QVERIFY(fatte > 0 && fatte < 1000000000000);
        qint64 perMigliore = 0;
        for (const QJsonValue& riga : o["migliore"].toArray())
            perMigliore += riga.toObject()["estrazioni"].toInteger();
        QCOMPARE(perMigliore, fatte);
    }
};

QTEST_GUILESS_MAIN(TestVortillaSerie)
#include "test_vortillaserie.moc"
