// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The series window as a user drives it: a seeded run gives the command
// line's figures, Ferma leaves consistent partial figures, a bad file is
// refused with the command line's words, exports are the command line's
// bytes.

#include "EsportaSerie.h"
#include "FinestraSerie.h"

#include "serie/Formati.h"

#include <QChartView>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <numeric>

namespace {

const QString Esempi = QStringLiteral(ESEMPI);
const QString Decine = Esempi + QStringLiteral("/Esempio_sistema_decine.txt");
const QString Cinquecento = Esempi + QStringLiteral("/Esempio_500_combinazioni.txt");
const QString Premi = Esempi + QStringLiteral("/premi/Esempio_tabella_premi.txt");
const QString Archivio = Esempi + QStringLiteral("/archivio/Esempio_archivio.txt");

class Stringa : public vortilla::Destinazione {
public:
    std::string testo;

protected:
    int ScriviTutto(std::string_view t) override
    {
        testo += t;
        return 0;
    }
};

// The text of a result without the lines of time, speed and threads, the
// only ones two runs of the same seed may differ in.
QByteArray SenzaPrestazioni(QByteArray testo)
{
    QByteArrayList righe = testo.split('\n');
    righe.removeIf([](const QByteArray& r) { return r.contains("prestazioni"); });
    return righe.join('\n');
}

QByteArray Json(const vortilla::Risultato& r)
{
    Stringa s;
    vortilla::ScriviJson(r, s);
    s.Svuota();
    return QByteArray::fromStdString(s.testo);
}

struct Uscita {
    QByteArray out, err;
};

Uscita RigaDiComando(const QStringList& argomenti)
{
    QProcess p;
    p.start(QStringLiteral(VORTILLA_SERIE), argomenti);
    p.waitForFinished(60000);
    return {p.readAllStandardOutput(), p.readAllStandardError()};
}

template <typename T = QLineEdit>
T* Campo(FinestraSerie& f, const char* nome)
{
    auto* w = f.findChild<T*>(QString::fromLatin1(nome));
    if (!w)
        qFatal("manca %s", nome);
    return w;
}

// The window's fields for the command line's options.
struct Opzioni {
    QString file, premi, archivio, estrazioni, seme, estratti = QStringLiteral("20");
    bool tutte = false;
    QString posta = QStringLiteral("1"), sessione = QStringLiteral("100");

    void Scrivi(FinestraSerie& f) const
    {
        Campo(f, "campoPosta")->setText(posta);
        Campo(f, "campoSessione")->setText(sessione);
        Campo(f, "campoFile")->setText(file);
        Campo(f, "campoPremi")->setText(premi);
        Campo(f, "campoArchivio")->setText(archivio);
        Campo(f, "campoEstrazioni")->setText(estrazioni);
        Campo(f, "campoSeme")->setText(seme);
        Campo<QComboBox>(f, "sceltaEstratti")->setCurrentText(estratti);
        Campo<QCheckBox>(f, "casellaTutte")->setChecked(tutte);
    }
    QStringList Argomenti() const
    {
        QStringList a{file, QStringLiteral("--estratti"), estratti};
        if (!estrazioni.isEmpty())
            a << QStringLiteral("--estrazioni") << estrazioni;
        if (!seme.isEmpty())
            a << QStringLiteral("--seme") << seme;
        if (!premi.isEmpty())
            a << QStringLiteral("--premi") << premi << QStringLiteral("--posta") << posta
              << QStringLiteral("--sessione") << sessione;
        if (!archivio.isEmpty())
            a << QStringLiteral("--archivio") << archivio;
        if (tutte)
            a << QStringLiteral("--tutte");
        return a;
    }
};

bool Esegui(FinestraSerie& f)
{
    Campo<QPushButton>(f, "pulsanteAvvia")->click();
    return QTest::qWaitFor([&] { return !f.InCorso(); }, 60000);
}

QMessageBox* Avviso(FinestraSerie& f) { return f.findChild<QMessageBox*>(QStringLiteral("avvisoSerie")); }

} // namespace

Q_DECLARE_METATYPE(Opzioni)

class TestFinestraSerie : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      QStringLiteral("/Vortilla/vortilla-serie-finestra.conf"));
        QVERIFY(dir_.isValid());
        // 600 lines, beyond the 500 that a run takes without "tutte".
        QFile seicento(dir_.filePath(QStringLiteral("seicento.txt")));
        QVERIFY(seicento.open(QIODevice::WriteOnly));
        for (int i = 0; i < 600; ++i)
            seicento.write(QStringLiteral("%1 %2 %3\n").arg(1 + i / 30).arg(21 + i % 30).arg(60 + i % 7).toLatin1());
    }

    void serieComeLaRigaDiComando_data()
    {
        QTest::addColumn<Opzioni>("opzioni");
        const QString seicento = dir_.filePath(QStringLiteral("seicento.txt"));
        QTest::newRow("20 estratti") << Opzioni{Cinquecento, {}, {}, "3000", "7"};
        QTest::newRow("tutte le righe") << Opzioni{seicento, {}, {}, "700", "8", "20", true};
        QTest::newRow("6 estratti, tutte, premi") << Opzioni{Decine, Premi, {}, "500", "42", "6", true, "0,50", "30"};
        QTest::newRow("archivio") << Opzioni{Decine, Premi, Archivio, "100", {}};
        QTest::newRow("archivio intero") << Opzioni{Decine, {}, Archivio, {}, {}};
    }
    void serieComeLaRigaDiComando()
    {
        QFETCH(Opzioni, opzioni);
        FinestraSerie f;
        opzioni.Scrivi(f);
        QVERIFY(Esegui(f));
        QVERIFY(f.UltimoRisultato());
        QCOMPARE(SenzaPrestazioni(Json(*f.UltimoRisultato())),
                 SenzaPrestazioni(RigaDiComando(opzioni.Argomenti() << "--formato" << "json").out));
        const auto fatte = QLocale(QLocale::Italian).toString(f.UltimoRisultato()->conteggi.estrazioni);
        QCOMPARE(Campo<QLabel>(f, "etichettaEstrazioni")->text(), QStringLiteral("%1 di %1").arg(fatte));
        QCOMPARE(Campo<QProgressBar>(f, "barraAvanzamento")->value(), 1000);
        if (!opzioni.estrazioni.isEmpty())
            QCOMPARE(f.UltimoRisultato()->conteggi.estrazioni, opzioni.estrazioni.toULongLong());
    }

    // Ferma after the first snapshot: the figures are those of the draws done.
    void fermaAMeta()
    {
        FinestraSerie f;
        Opzioni{Cinquecento, {}, {}, "1000000000000", "3"}.Scrivi(f);
        Campo<QPushButton>(f, "pulsanteAvvia")->click();
        QVERIFY(!Campo<QPushButton>(f, "pulsanteAvvia")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(f.UltimoRisultato(), 30000);
        {
            // The speed and the time left of the snapshot on screen.
            const vortilla::Risultato& p = *f.UltimoRisultato();
            const double velocita = p.EstrazioniAlSecondo();
            QCOMPARE(Campo<QLabel>(f, "etichettaVelocita")->text(),
                     QLocale(QLocale::Italian).toString(static_cast<qulonglong>(velocita)) +
                         QStringLiteral(" estrazioni al secondo"));
            const auto resto = static_cast<long long>(
                std::ceil(static_cast<double>(p.estrazioniChieste - p.conteggi.estrazioni) / velocita));
            QCOMPARE(Campo<QLabel>(f, "etichettaTempo")->text(),
                     QStringLiteral("%1 h %2 min").arg(resto / 3600).arg(resto / 60 % 60, 2, 10, QLatin1Char('0')));
        }
        Campo<QPushButton>(f, "pulsanteFerma")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!f.InCorso(), 30000);
        const vortilla::Risultato& r = *f.UltimoRisultato();
        QVERIFY(r.interrotta);
        QVERIFY(r.conteggi.estrazioni > 0);
        QVERIFY(r.conteggi.estrazioni < r.estrazioniChieste);
        const auto& o = r.conteggi.osservati;
        QCOMPARE(std::accumulate(o.begin(), o.end(), std::uint64_t{0}), 500 * r.conteggi.estrazioni);
        const auto& m = r.conteggi.migliore;
        QCOMPARE(std::accumulate(m.begin(), m.end(), std::uint64_t{0}), r.conteggi.estrazioni);
        QCOMPARE(Campo<QLabel>(f, "etichettaTempo")->text(), QStringLiteral("nessuno (serie fermata)"));
        QCOMPARE(Campo<QLabel>(f, "etichettaSeme")->text(), QStringLiteral("3"));
        QVERIFY(Campo<QPushButton>(f, "pulsanteAvvia")->isEnabled());
        QVERIFY(!Campo<QPushButton>(f, "pulsanteFerma")->isEnabled());
    }

    // An empty seed: a new one, shown, which repeats the run.
    void semeNuovoMostrato()
    {
        FinestraSerie f;
        Opzioni opzioni{Cinquecento, {}, {}, "400", {}};
        opzioni.Scrivi(f);
        QVERIFY(Esegui(f));
        opzioni.seme = Campo<QLabel>(f, "etichettaSeme")->text();
        QCOMPARE(opzioni.seme, QString::number(f.UltimoRisultato()->seme));
        QCOMPARE(SenzaPrestazioni(Json(*f.UltimoRisultato())),
                 SenzaPrestazioni(RigaDiComando(opzioni.Argomenti() << "--formato" << "json").out));
        QCOMPARE(Campo(f, "campoSeme")->text(), QString());
    }

    // Closing the window, or destroying it, during a run stops the run.
    void chiudiDuranteLaSerie_data()
    {
        QTest::addColumn<bool>("attendiIstantanea");
        QTest::newRow("subito") << false;
        QTest::newRow("dopo un'istantanea") << true;
    }
    void chiudiDuranteLaSerie()
    {
        QFETCH(bool, attendiIstantanea);
        auto f = std::make_unique<FinestraSerie>();
        Opzioni{Cinquecento, {}, {}, "1000000000000", "3"}.Scrivi(*f);
        f->show();
        Campo<QPushButton>(*f, "pulsanteAvvia")->click();
        QVERIFY(f->InCorso());
        if (attendiIstantanea) {
            QTRY_VERIFY_WITH_TIMEOUT(f->UltimoRisultato(), 30000);
            QVERIFY(f->close());
            QVERIFY(!f->InCorso());
        }
        f.reset();
    }

    // A refused file leaves the inputs and the figures on screen.
    void rifiutaFileCattivo_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("opzione");
        QTest::newRow("combinazioni") << "campoFile" << QByteArray("1 2 3\n4 x 6\n") << QString();
        QTest::newRow("premi") << "campoPremi" << QByteArray("2;2;abc\n") << "--premi";
        QTest::newRow("archivio") << "campoArchivio" << QByteArray("1 2 3\n") << "--archivio";
    }
    void rifiutaFileCattivo()
    {
        QFETCH(QString, campo);
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, opzione);
        const QString cattivo = dir_.filePath(QStringLiteral("cattivo.txt"));
        QFile file(cattivo);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contenuto) == contenuto.size());
        file.close();

        FinestraSerie f;
        Opzioni buone{Cinquecento, {}, {}, "200", "5"};
        buone.Scrivi(f);
        QVERIFY(Esegui(f));
        const vortilla::Risultato* prima = f.UltimoRisultato();
        QVERIFY(prima);
        const QString estrazioni = Campo<QLabel>(f, "etichettaEstrazioni")->text();

        Campo(f, qPrintable(campo))->setText(cattivo);
        QVERIFY(Esegui(f));
        QTRY_VERIFY(Avviso(f));
        QStringList argomenti = buone.Argomenti();
        if (opzione.isEmpty())
            argomenti[0] = cattivo;
        else
            argomenti << opzione << cattivo;
        if (opzione == QStringLiteral("--archivio")) // the archive's draws take no seed
            argomenti.remove(argomenti.indexOf(QStringLiteral("--seme")), 2);
        const QByteArray err = RigaDiComando(argomenti).err;
        QVERIFY(err.startsWith("vortilla-serie: "));
        QCOMPARE(Avviso(f)->text(), QString::fromUtf8(err.mid(16).chopped(1)));
        QVERIFY(Avviso(f)->isModal());
        Avviso(f)->close();

        QCOMPARE(f.UltimoRisultato(), prima);
        QCOMPARE(Campo(f, qPrintable(campo))->text(), cattivo);
        QCOMPARE(Campo(f, "campoEstrazioni")->text(), QStringLiteral("200"));
        QCOMPARE(Campo(f, "campoSeme")->text(), QStringLiteral("5"));
        QCOMPARE(Campo<QLabel>(f, "etichettaEstrazioni")->text(), estrazioni);
    }

    void esportaCsvEPng()
    {
        FinestraSerie f;
        const Opzioni opzioni{Cinquecento, Premi, {}, "1000", "11"};
        opzioni.Scrivi(f);
        QVERIFY(Esegui(f));
        const QString csv = dir_.filePath(QStringLiteral("serie.csv"));
        QVERIFY(f.EsportaTabelleIn(FormatoTabelle::Csv, csv));
        QFile letto(csv);
        QVERIFY(letto.open(QIODevice::ReadOnly));
        QCOMPARE(SenzaPrestazioni(letto.readAll()),
                 SenzaPrestazioni(RigaDiComando(opzioni.Argomenti() << "--formato" << "csv").out));

        // Refused whole: the message names the file and the reason.
        const QString altrove = dir_.filePath(QStringLiteral("manca/serie.csv"));
        QVERIFY(!f.EsportaTabelleIn(FormatoTabelle::Json, altrove));
        QTRY_VERIFY(Avviso(f));
        QVERIFY(Avviso(f)->text().startsWith(altrove + QStringLiteral(": tabelle non scritte: ")));
        Avviso(f)->close();

        QChartView grafico;
        grafico.resize(320, 200);
        const QString png = dir_.filePath(QStringLiteral("grafico.png"));
        QCOMPARE(EsportaGrafico(&grafico, png), QString());
        QImage immagine;
        QVERIFY(immagine.load(png, "PNG"));
        QCOMPARE(immagine.size(), QSize(640, 400));
        const QString svg = dir_.filePath(QStringLiteral("grafico.SVG"));
        QCOMPARE(EsportaGrafico(&grafico, svg), QString());
        QFile letturaSvg(svg);
        QVERIFY(letturaSvg.open(QIODevice::ReadOnly));
        QVERIFY(letturaSvg.readAll().contains("<svg"));
    }

    // The inputs of the last run come back in the next session.
    void ricordaGliIngressi()
    {
        const Opzioni opzioni{Cinquecento, Premi, {}, "123", "99", "6", true};
        {
            FinestraSerie f;
            opzioni.Scrivi(f);
            f.close();
        }
        FinestraSerie f;
        QCOMPARE(Campo(f, "campoFile")->text(), Cinquecento);
        QCOMPARE(Campo(f, "campoPremi")->text(), Premi);
        QCOMPARE(Campo(f, "campoEstrazioni")->text(), QStringLiteral("123"));
        QCOMPARE(Campo(f, "campoSeme")->text(), QStringLiteral("99"));
        QCOMPARE(Campo<QComboBox>(f, "sceltaEstratti")->currentText(), QStringLiteral("6"));
        QVERIFY(Campo<QCheckBox>(f, "casellaTutte")->isChecked());
    }

    // A file dropped on the prize table's or the archive's field goes
    // there; anywhere else it is the combination file.
    void trascinaUnFile_data()
    {
        QTest::addColumn<QString>("sotto");
        QTest::addColumn<QString>("campo");
        QTest::newRow("premi") << "campoPremi" << "campoPremi";
        QTest::newRow("archivio") << "campoArchivio" << "campoArchivio";
        QTest::newRow("altrove") << "pulsanteAvvia" << "campoFile";
    }
    void trascinaUnFile()
    {
        QFETCH(QString, sotto);
        QFETCH(QString, campo);
        FinestraSerie f;
        for (const char* nome : {"campoFile", "campoPremi", "campoArchivio"})
            Campo(f, nome)->clear();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto* bersaglio = f.findChild<QWidget*>(sotto);
        QMimeData dati;
        dati.setUrls({QUrl::fromLocalFile(Premi)});
        // Delivered as a drop is: to the widget under the pointer, then up.
        const QPoint centro = bersaglio->rect().center();
        QDragEnterEvent entra(centro, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bersaglio, &entra);
        QVERIFY(entra.isAccepted());
        QDropEvent evento(centro, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bersaglio, &evento);
        QVERIFY(evento.isAccepted());
        for (const char* nome : {"campoFile", "campoPremi", "campoArchivio"})
            QCOMPARE(Campo(f, nome)->text(), QString::fromLatin1(nome) == campo ? Premi : QString());
    }

    // Alt and a letter reaches one control only: no two labels, buttons,
    // tabs or menus of the window share a mnemonic.
    void mnemoniciUnici()
    {
        FinestraSerie f;
        QStringList testi;
        for (const auto* pulsante : f.findChildren<QAbstractButton*>())
            testi << pulsante->text();
        for (const auto* etichetta : f.findChildren<QLabel*>())
            if (etichetta->buddy())
                testi << etichetta->text();
        for (const auto* schede : f.findChildren<QTabWidget*>())
            for (int i = 0; i < schede->count(); ++i)
                testi << schede->tabText(i);
        for (const auto* azione : f.menuBar()->actions())
            testi << azione->text();
        QMap<QChar, QString> visti;
        for (const QString& testo : testi) {
            const qsizetype e = testo.indexOf(QLatin1Char('&'));
            if (e < 0 || e + 1 >= testo.size())
                continue;
            const QChar lettera = testo.at(e + 1).toLower();
            QVERIFY2(!visti.contains(lettera),
                     qPrintable(visti.value(lettera) + " / " + testo));
            visti.insert(lettera, testo);
        }
        QVERIFY(visti.size() >= 15);
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(TestFinestraSerie)
#include "test_finestraserie.moc"
