// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built program, from outside: every exit status, refused files, option
// values, the JSON results, the chart, the progress line and signals.

#include "AvviaProgramma.h"

#include "combinations/FileRifiutati.h"

#include "errors/MessaggioErrore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <QThread>

#include <array>
#include <csignal>
#include <functional>
#include <limits>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QJsonObject SenzaPrestazioni(const QByteArray& json)
{
    QJsonObject o = QJsonDocument::fromJson(json).object();
    o.remove("prestazioni");
    return o;
}

// Whether the process catches (SigCgt) or ignores (SigIgn) signal n, as the
// kernel says.
bool Segnale(qint64 pid, const char* voce, int n)
{
    QFile stato(QStringLiteral("/proc/%1/status").arg(pid));
    if (!stato.open(QIODevice::ReadOnly))
        return false;
    for (QByteArray riga = stato.readLine(); !riga.isEmpty(); riga = stato.readLine())
        if (riga.startsWith(voce))
            return (riga.mid(7).trimmed().toULongLong(nullptr, 16) >> (n - 1)) & 1;
    return false;
}

// A run that lasts until it is stopped, once it has its handlers.
void AvviaLunga(QProcess& programma, const QStringList& argomenti)
{
    programma.start(VORTILLA_SERIE, argomenti);
    QVERIFY(programma.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(Segnale(programma.processId(), "SigCgt:", SIGTERM), 20'000);
}

} // namespace

enum Caso { Normale, IngressoChiuso, UscitaPiena, UscitaChiusa, DiscoPieno };

class TestVortillaSerie : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;
    QString sistema_;
    QString lungo_; // 501 lines

private slots:
    void initTestCase()
    {
        QVERIFY(cartella_.isValid());
        sistema_ = QString::fromStdString(finte::ScriviFile(
            cartella_, "sistema.txt", "1 2 3\r\n05 5 5 40\r\n10.20.30.40.50.60.70.80.90.1\r\n"));
        lungo_ = QString::fromStdString(
            finte::ScriviFile(cartella_, "lungo.txt", QByteArray("4 5 6\n").repeated(501)));
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
        const Esito portabile = Avvia(base + QStringList{"1"}, {}, {}, {}, "portabile");
        const Esito provato = Avvia(base + QStringList{thread}, {}, {}, {}, nucleo);
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
        const Esito esito = Avvia({"--version"}, {}, {}, {}, nucleo);
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

    void ogniStatoDUscita_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<int>("caso");
        QTest::addColumn<int>("uscita");
        QTest::addColumn<QString>("errore"); // the end of stderr
        const auto riga = [&](const char* nome, QStringList argomenti, Caso caso, int uscita,
                              QString errore) {
            QTest::newRow(nome) << argomenti << int(caso) << uscita << errore;
        };
        const QString s = sistema_;
        riga("a complete run ends with 0", {s}, Normale, 0, "");
        riga("a refused file ends with 1", {s + ".manca"}, Normale, 1, ": File non trovato ..!\n");
        riga("a closed standard input is said in words", {"-"}, IngressoChiuso, 1,
             "vortilla-serie: -: standard input chiuso\n");
        riga("a folder is said in words", {cartella_.path()}, Normale, 1,
             ": Si è verificato l' errore: 75 (è una cartella)\n");
        riga("an unknown option is named with its dashes", {s, "--veloce=1"}, Normale, 2,
             ": opzione sconosciuta: --veloce.\nUsare --help per l'elenco delle opzioni.\n");
        riga("a missing value is said in Italian", {s, "--seme"}, Normale, 2,
             ": manca il valore dell'opzione --seme.\nUsare --help per l'elenco delle opzioni.\n");
        riga(
            "a value given to a switch is refused", {s, "--tutte=sì"}, Normale, 2,
            ": l'opzione --tutte non vuole un valore.\nUsare --help per l'elenco delle opzioni.\n");
        riga("a chart in a missing folder is refused before the run",
             {s, "--grafico", cartella_.filePath("manca/g.png")}, Normale, 2,
             ": grafico non scrivibile: la cartella non esiste.\n");
        riga("results on a full device end with 3", {s}, UscitaPiena, 3,
             "vortilla-serie: risultati non scritti: disco pieno.\n");
        riga("results on a closed standard output end with 3", {"-"}, UscitaChiusa, 3,
             "vortilla-serie: risultati non scritti: uscita standard chiusa.\n");
        riga("a chart on a full disk ends with 3", {s, "--grafico", cartella_.filePath("g.svg")},
             DiscoPieno, 3, "g.svg: grafico non scritto: file troppo grande.\n");
    }
    void ogniStatoDUscita()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(int, caso);
        QFETCH(int, uscita);
        QFETCH(QString, errore);
        argomenti = QStringList{"--estrazioni", "100"} + argomenti;
        std::function<void()> nelFiglio;
        if (caso == UscitaChiusa)
            nelFiglio = [] { ::close(STDOUT_FILENO); };
        if (caso == IngressoChiuso)
            nelFiglio = [] { ::close(STDIN_FILENO); };
        if (caso == DiscoPieno) {
            finte::ScriviFile(cartella_, "g.svg", "vecchio");
            // A limit on file sizes fails writes as a full disk does.
            nelFiglio = [] {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limite{4096, 4096};
                setrlimit(RLIMIT_FSIZE, &limite);
            };
        }
        const Esito esito = Avvia(argomenti, Leggi(sistema_), nelFiglio,
                                  caso == UscitaPiena ? "/dev/full" : QString());
        QCOMPARE(esito.uscita, uscita);
        QVERIFY2(errore.isEmpty() ? esito.err.isEmpty()
                                  : QString::fromUtf8(esito.err).endsWith(errore),
                 esito.err.constData());
        if (caso == DiscoPieno) { // the old chart stays, alone
            QCOMPARE(Leggi(cartella_.filePath("g.svg")), QByteArray("vecchio"));
            QCOMPARE(QDir(cartella_.path()).entryList({"g*", ".*"}, QDir::Files | QDir::Hidden),
                     QStringList{"g.svg"});
        }
    }

    void iValoriValidiSonoAccolti_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("valore");
        const auto riga = [](const char* nome, QStringList argomenti, QString chiave,
                             QString valore) {
            QTest::newRow(nome) << argomenti << chiave << valore;
        };
        riga("six numbers drawn", {"--estratti", "6"}, "estratti", "6");
        riga("twenty numbers drawn", {"--estratti", "20"}, "estratti", "20");
        riga("the largest seed", {"--seme", "18446744073709551615"}, "seme",
             "18446744073709551615");
        riga("a value after an equals sign", {"--estrazioni=7"}, "estrazioni", "7");
        riga("every line of a long file with --tutte", {"--tutte"}, "combinazioni", "501");
        riga("only 500 lines without it", {}, "combinazioni", "500");
        riga("a thousand and twenty-four threads", {"--thread", "1024"}, "estrazioni", "100");
    }
    void iValoriValidiSonoAccolti()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(QString, chiave);
        QFETCH(QString, valore);
        const Esito esito =
            Avvia(QStringList{lungo_, "--formato", "json", "--estrazioni", "100"} + argomenti);
        QCOMPARE(esito.uscita, 0);
        QCOMPARE(QJsonDocument::fromJson(esito.out)[chiave].toVariant().toString(), valore);
    }

    void unTrattinoLeggeLoStandardInput()
    {
        const Esito esito = Avvia({"-", "--formato", "csv", "--dettaglio"}, Leggi(sistema_));
        QCOMPARE(esito.uscita, 0);
        QVERIFY(esito.out.contains("\nserie,combinazioni,3\n"));
        QVERIFY(esito.out.contains("\ndettaglio,2,05 5 5 40,"));
    }

    void troppeEstrazioniSiDiconoPrimaDelCaricamento()
    {
        // The fewest lines whose line-draws a trillion draws would overflow.
        const qint64 righe = std::numeric_limits<qint64>::max() / 1'000'000'000'000 + 1;
        const QString grande = cartella_.filePath("grande.txt");
        {
            QFile f(grande);
            QVERIFY(f.open(QIODevice::WriteOnly));
            const QByteArray blocco = QByteArray("1 2 3\n").repeated(1 << 16);
            for (qint64 scritte = 0; scritte < righe; scritte += 1 << 16)
                f.write(blocco.constData(), std::min<qint64>(righe - scritte, 1 << 16) * 6);
        }
        const Esito esito = Avvia({grande, "--tutte", "--estrazioni", "1000000000000"});
        QFile::remove(grande);
        QCOMPARE(esito.uscita, 2);
        QCOMPARE(QString::fromUtf8(esito.err),
                 QString("vortilla-serie: troppe estrazioni per %1 combinazioni: al massimo %2.\n")
                     .arg(righe)
                     .arg(std::numeric_limits<qint64>::max() / righe));
    }

    void ilGraficoSiScriveComeSiChiama_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("inizio");
        QTest::newRow("an SVG named in capitals") << "G.SVG" << QByteArray("<?xml");
        QTest::newRow("a PNG named in capitals") << "G.PNG" << QByteArray("\x89PNG");
    }
    void ilGraficoSiScriveComeSiChiama()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, inizio);
        QTemporaryDir grafici;
        const QString percentuali = QString::fromStdString(
            finte::ScriviFile(grafici, "sis%1%2.txt", "1 2 3\n4 5 6\n7 8 9\n"));
        const Esito esito = Avvia({percentuali, "--estrazioni", "100", "--seme", "7", "--grafico",
                                   grafici.filePath(nome)});
        QCOMPARE(esito.uscita, 0);
        const QByteArray grafico = Leggi(grafici.filePath(nome));
        QVERIFY(grafico.startsWith(inizio));
        if (inizio == "<?xml") // the title shows the name as it is
            QVERIFY(grafico.contains("sis%1%2.txt: 3 combinazioni, 100 estrazioni di 20 numeri, "
                                     "seme 7<"));
    }

    void iNomiNonUtf8SiUsanoComeSono()
    {
        QTemporaryDir cartella;
        QVERIFY(QFile::copy(sistema_, cartella.filePath("sistema")));
        // QProcess passes arguments as UTF-8: the shell makes the raw bytes.
        QProcess shell;
        shell.setWorkingDirectory(cartella.path());
        shell.start("/bin/sh", {"-c",
                                "mv sistema \"$(printf 's\\377.txt')\" && exec \"$0\" "
                                "\"$(printf 's\\377.txt')\" --formato json --estrazioni 10 "
                                "--grafico \"$(printf 'g\\376.png')\"",
                                VORTILLA_SERIE});
        QVERIFY(shell.waitForFinished(60'000));
        QCOMPARE(shell.exitCode(), 0);
        QCOMPARE(QJsonDocument::fromJson(shell.readAllStandardOutput())["file"].toString(),
                 QString("s\uFFFD.txt"));
        const QByteArray grafico = QFile::encodeName(cartella.path()) + "/g\xfe.png";
        QCOMPARE(::access(grafico, R_OK), 0);
        // QTemporaryDir cannot name these to remove them.
        ::unlink(grafico);
        ::unlink(QFile::encodeName(cartella.path()) + "/s\xff.txt");
    }

    void laRigaDiAvanzamento_data()
    {
        QTest::addColumn<bool>("terminale");
        QTest::addColumn<QString>("term");
        QTest::addColumn<bool>("mostrata");
        QTest::addColumn<bool>("codici");
        QTest::newRow("never on stderr that is not a terminal")
            << false << "xterm" << false << false;
        QTest::newRow("on a terminal, with escape codes") << true << "xterm" << true << true;
        QTest::newRow("on a dumb terminal, without them") << true << "dumb" << true << false;
    }
    void laRigaDiAvanzamento()
    {
        QFETCH(bool, terminale);
        QFETCH(QString, term);
        QFETCH(bool, mostrata);
        QFETCH(bool, codici);
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        std::array<char, 128> slave{};
        QCOMPARE(::ptsname_r(master, slave.data(), slave.size()), 0);
        QProcess programma;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("TERM", term);
        programma.setProcessEnvironment(ambiente);
        if (terminale)
            programma.setChildProcessModifier([slave] {
                const int fd = ::open(slave.data(), O_RDWR | O_NOCTTY);
                ::dup2(fd, STDERR_FILENO);
            });
        AvviaLunga(programma, {sistema_, "--estrazioni", "1000000000000"});
        QThread::msleep(1600); // the line comes after a second
        ::kill(static_cast<pid_t>(programma.processId()), SIGTERM);
        QVERIFY(programma.waitForFinished(10'000));
        QByteArray err = programma.readAllStandardError();
        char blocco[4096];
        for (ssize_t n; (n = ::read(master, blocco, sizeof blocco)) > 0;)
            err += QByteArray(blocco, n);
        ::close(master);
        QCOMPARE(err.contains("estrazioni/s"), mostrata);
        QCOMPARE(err.contains('\033'), codici);
    }

    void unSegnaleFermaLaSerieConIRisultatiParziali_data()
    {
        QTest::addColumn<int>("segnale");
        QTest::addColumn<int>("uscita");
        QTest::newRow("SIGINT ends with 130") << SIGINT << 130;
        QTest::newRow("SIGTERM ends with 143") << SIGTERM << 143;
        QTest::newRow("SIGHUP ends with 129") << SIGHUP << 129;
    }
    void unSegnaleFermaLaSerieConIRisultatiParziali()
    {
        QFETCH(int, segnale);
        QFETCH(int, uscita);
        QProcess programma;
        AvviaLunga(programma, {sistema_, "--estrazioni", "1000000000000", "--formato", "json"});
        QThread::msleep(200); // some blocks
        ::kill(static_cast<pid_t>(programma.processId()), segnale);
        QVERIFY(programma.waitForFinished(10'000));
        QCOMPARE(programma.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programma.exitCode(), uscita);
        const QJsonObject o = QJsonDocument::fromJson(programma.readAllStandardOutput()).object();
        QCOMPARE(o["interrotta"].toBool(), true);
        const qint64 fatte = o["estrazioni"].toInteger();
        QVERIFY(fatte > 0 && fatte < 1000000000000);
        qint64 perMigliore = 0;
        for (const QJsonValue& riga : o["migliore"].toArray())
            perMigliore += riga.toObject()["estrazioni"].toInteger();
        QCOMPARE(perMigliore, fatte);
    }

    void unSecondoSegnaleTerminaSubito()
    {
        QTemporaryDir grafici;
        QProcess programma;
        AvviaLunga(programma, {sistema_, "--estrazioni", "1000000000000", "--grafico",
                               grafici.filePath("g.png")});
        // Two different signals: both arrive, one after the other.
        ::kill(static_cast<pid_t>(programma.processId()), SIGTERM);
        ::kill(static_cast<pid_t>(programma.processId()), SIGHUP);
        QVERIFY(programma.waitForFinished(10'000));
        QCOMPARE(programma.exitStatus(), QProcess::CrashExit);
        QVERIFY(programma.readAllStandardOutput().isEmpty());
        QCOMPARE(
            QDir(grafici.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
    }

    void unSegnaleDuranteLaLetturaFermaSubito()
    {
        // Standard input that never ends keeps the program reading.
        QProcess programma;
        programma.start(VORTILLA_SERIE, {"-", "--tutte"});
        QVERIFY(programma.waitForStarted());
        programma.write("1 2 3\n");
        QTRY_VERIFY_WITH_TIMEOUT(Segnale(programma.processId(), "SigCgt:", SIGTERM), 20'000);
        ::kill(static_cast<pid_t>(programma.processId()), SIGTERM);
        QVERIFY(programma.waitForFinished(5'000));
        QCOMPARE(programma.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programma.exitCode(), 143);
        QVERIFY(programma.readAllStandardOutput().isEmpty());
    }

    void unSigintIgnoratoAllAvvioRestaIgnorato()
    {
        QProcess programma;
        // As a shell starts a background job.
        programma.setChildProcessModifier([] { std::signal(SIGINT, SIG_IGN); });
        AvviaLunga(programma, {sistema_, "--estrazioni", "1000000000000"});
        QVERIFY(Segnale(programma.processId(), "SigIgn:", SIGINT));
        ::kill(static_cast<pid_t>(programma.processId()), SIGINT);
        QVERIFY(!programma.waitForFinished(300));
        ::kill(static_cast<pid_t>(programma.processId()), SIGTERM);
        QVERIFY(programma.waitForFinished(10'000));
        QCOMPARE(programma.exitCode(), 143);
    }

    void lAiutoDiceStatiEIntervalli_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::newRow("the status of results not written") << "3 risultati o grafico non scritti";
        QTest::newRow("the statuses after signals") << "130, 143, 129 serie interrotta";
        QTest::newRow("the range of --thread") << "Thread di calcolo, da 1 a 1024";
        QTest::newRow("standard input") << "- per leggerle dallo standard input";
    }
    void lAiutoDiceStatiEIntervalli()
    {
        QFETCH(QString, testo);
        const Esito esito = Avvia({"--help"});
        QCOMPARE(esito.uscita, 0);
        QVERIFY(QString::fromUtf8(esito.out).simplified().contains(testo));
    }
};

QTEST_GUILESS_MAIN(TestVortillaSerie)
#include "test_vortillaserie.moc"
