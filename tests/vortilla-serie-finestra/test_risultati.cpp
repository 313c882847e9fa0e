// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The results' tabs against vortilla-serie's JSON for the same file, seed and
// options, cell by cell, with the text output's decimals.

#include "SerieDiProva.h"
#include "VistaRisultati.h"

#include "serie/Campi.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QScatterSeries>
#include <QScrollBar>
#include <QTableWidget>

namespace {

// A figure of the JSON as the text output writes it.
QString Significative(const QJsonValue& x, int decimali)
{
    if (x.isNull())
        return "-";
    std::string t;
    vortilla::campi::Significative(t, x.toDouble(), decimali, 0);
    return QString::fromStdString(t);
}

QString Fisso(const QJsonValue& x, int decimali)
{
    if (x.isNull())
        return "-";
    std::string t;
    vortilla::campi::Fisso(t, x.toDouble(), decimali, 0);
    return QString::fromStdString(t);
}

QString Intero(const QJsonValue& x) { return QString::number(x.toInteger()); }

QString Intervallo(const QJsonValue& coppia, int decimali)
{
    if (coppia.isNull())
        return "-";
    return '[' + Significative(coppia[0], decimali) + ", " + Significative(coppia[1], decimali)
           + ']';
}

QStringList Riga(const QTableWidget* tabella, int riga)
{
    QStringList celle;
    for (int c = 0; c < tabella->columnCount(); ++c)
        celle << (tabella->item(riga, c) ? tabella->item(riga, c)->text() : QString());
    return celle;
}

QStringList Titoli(const QTableWidget* tabella)
{
    QStringList titoli;
    for (int c = 0; c < tabella->columnCount(); ++c) {
        titoli << tabella->horizontalHeaderItem(c)->text();
        if (tabella->horizontalHeaderItem(c)->toolTip().isEmpty())
            titoli << "senza spiegazione";
    }
    return titoli;
}

// Every cell of every table of the view, by table.
QMap<QString, QList<QStringList>> Celle(const VistaRisultati& vista)
{
    QMap<QString, QList<QStringList>> celle;
    for (const QTableWidget* tabella : vista.findChildren<QTableWidget*>())
        for (int riga = 0; riga < tabella->rowCount(); ++riga)
            celle[tabella->objectName()] << Riga(tabella, riga);
    return celle;
}

// The values a tab's chart draws: each bar, or each point's height, by series.
QList<QList<qreal>> ValoriGrafico(const VistaRisultati& vista, const QString& nome)
{
    QList<QList<qreal>> valori;
    const auto* vista_ = vista.findChild<QChartView*>("grafico" + nome);
    for (QAbstractSeries* serie : vista_->chart()->series()) {
        QList<qreal> v;
        if (auto* barre = qobject_cast<QBarSeries*>(serie))
            for (int i = 0; i < barre->barSets()[0]->count(); ++i)
                v << barre->barSets()[0]->at(i);
        else
            for (const QPointF& punto : static_cast<QXYSeries*>(serie)->points())
                v << punto.y();
        valori << v;
    }
    return valori;
}

int IndiceScheda(const VistaRisultati& vista, const QString& nome)
{
    return vista.indexOf(vista.findChild<QWidget*>("scheda" + nome));
}

} // namespace

class TestRisultati : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void tabelleComeJson_data();
    void tabelleComeJson();
    void parzialePoiFinale();

private:
    QTemporaryDir cartella_;
    QString sedici_; // a system on 16 numbers: it has a guarantee
};

void TestRisultati::initTestCase()
{
    QVERIFY(cartella_.isValid());
    sedici_ = cartella_.filePath("sedici_numeri.txt");
    QFile file(sedici_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1 2 3 4 5 6 7 8 9 10\n1 2 3 4 5 11 12 13 14 15\n6 7 8 9 10 11 12 13 14 15\n"
               "1 3 5 7 9 11 13 15 16 2\n");
}

void TestRisultati::tabelleComeJson_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("estrazioni");
    QTest::addColumn<QString>("premi");
    QTest::addColumn<QString>("archivio");
    const QString esempi = ESEMPI;
    QTest::newRow("semplice") << esempi + "/Esempio_500_combinazioni.txt" << 2000 << ""
                              << "";
    QTest::newRow("premi") << esempi + "/Esempio_sistema_decine.txt" << 3000
                           << esempi + "/premi/Esempio_tabella_premi.txt"
                           << "";
    // The money too, on the archive's draws.
    QTest::newRow("archivio") << esempi + "/Esempio_sistema_decine.txt" << 260
                              << esempi + "/premi/Esempio_tabella_premi.txt"
                              << esempi + "/archivio/Esempio_archivio.txt";
    QTest::newRow("garanzia") << sedici_ << 2000 << ""
                              << "";
}

void TestRisultati::tabelleComeJson()
{
    QFETCH(QString, file);
    QFETCH(int, estrazioni);
    QFETCH(QString, premi);
    QFETCH(QString, archivio);
    const SerieDiProva serie(file.toStdString(), static_cast<std::uint64_t>(estrazioni), 2026,
                             premi.toStdString(), archivio.toStdString());
    QProcess programma;
    programma.start(VORTILLA_SERIE, serie.Argomenti());
    QVERIFY(programma.waitForFinished(60'000));
    QCOMPARE(programma.exitCode(), 0);
    const QJsonObject json = QJsonDocument::fromJson(programma.readAllStandardOutput()).object();
    QVERIFY(!json.isEmpty());

    VistaRisultati vista;
    vista.Mostra(serie.Esegui(static_cast<std::uint64_t>(estrazioni)));

    const QString intestazione = vista.findChild<QLabel*>("intestazionePunti")->text();
    QVERIFY2(intestazione.contains(file), qPrintable(intestazione));
    QVERIFY2(intestazione.contains(QString("estrazioni %1 di %1").arg(estrazioni)),
             qPrintable(intestazione));
    QVERIFY(!intestazione.contains("interrotta"));
    QVERIFY2(intestazione.contains(archivio.isEmpty() ? "seme 2026 · estrazioni simulate"
                                                      : "dalla n. 261 alla n. 520, non simulate"),
             qPrintable(intestazione));

    const auto* punti = vista.findChild<QTableWidget*>("tabellaPunti");
    QCOMPARE(Titoli(punti),
             QStringList({"Punti", "Osservati", "Attesi", "Errore std", "z", "Errore"}));
    QCOMPARE(punti->rowCount(), 11);
    for (int p = 0; p <= 10; ++p) {
        const QJsonValue riga = json["punti"][p];
        QCOMPARE(
            Riga(punti, 10 - p),
            QStringList({QString::number(p), Intero(riga["osservati"]),
                         Significative(riga["attesi"], 2),
                         Significative(riga["errore_standard"], 2), Fisso(riga["z"], 2),
                         riga["metodo"].toString() + (riga["pochi_casi"].toBool() ? " *" : "")}));
    }

    QList<qreal> osservati;
    for (const QJsonValue riga : json["punti"].toArray())
        if (riga["osservati"].toInteger() > 0)
            osservati << riga["osservati"].toDouble();
    QCOMPARE(ValoriGrafico(vista, "Punti")[1], osservati);

    const auto* migliori = vista.findChild<QTableWidget*>("tabellaMigliori");
    QCOMPARE(Titoli(migliori), QStringList({"Punti", "Estrazioni", "Almeno (%)", "Intervallo 95%",
                                            "Indipendenti (%)", "Esatto (%)"}));
    QCOMPARE(migliori->rowCount(), 11);
    for (int p = 0; p <= 10; ++p) {
        const QJsonValue almeno = json["almeno"][p];
        QCOMPARE(Riga(migliori, 10 - p),
                 QStringList({QString::number(p), Intero(json["migliore"][p]["estrazioni"]),
                              Significative(almeno["percentuale"], 4),
                              Intervallo(almeno["intervallo95"], 4),
                              Significative(almeno["indipendenti"], 4),
                              Significative(almeno["esatto"], 4)}));
    }

    QList<qreal> almeno;
    for (const QJsonValue riga : json["almeno"].toArray())
        almeno << riga["percentuale"].toDouble();
    QCOMPARE(ValoriGrafico(vista, "Migliori")[0], almeno);

    const int garanzia = IndiceScheda(vista, "Garanzia");
    QCOMPARE(vista.isTabEnabled(garanzia), !json["garanzia"].isNull());
    if (json["garanzia"].isNull())
        QVERIFY(vista.tabToolTip(garanzia).startsWith("Garanzia non calcolata: il sistema usa"));
    else {
        const auto* tabella = vista.findChild<QTableWidget*>("tabellaGaranzia");
        const QJsonArray livelli = json["garanzia"].toArray();
        QCOMPARE(tabella->rowCount(), livelli.size());
        QCOMPARE(Titoli(tabella).mid(0, 3), QStringList({"Indovinati", "Minimo", "0 p"}));
        for (int i = 0; i < livelli.size(); ++i) {
            QStringList attese{Intero(livelli[i]["indovinati"]), Intero(livelli[i]["minimo"])};
            for (const QJsonValue casi : livelli[i]["distribuzione"].toArray())
                attese << Intero(casi);
            QCOMPARE(Riga(tabella, i), attese);
        }
    }

    const int schedaPremi = IndiceScheda(vista, "Premi");
    QCOMPARE(vista.isTabEnabled(schedaPremi), !premi.isEmpty());
    if (!premi.isEmpty()) {
        const QJsonValue soldi = json["premi"];
        const auto* attesa = vista.findChild<QTableWidget*>("tabellaResaAttesa");
        const QJsonArray lunghezze = soldi["per_lunghezza"].toArray();
        QCOMPARE(attesa->rowCount(), lunghezze.size() + 1);
        for (int i = 0; i < lunghezze.size(); ++i)
            QCOMPARE(Riga(attesa, i),
                     QStringList(
                         {Intero(lunghezze[i]["numeri"]), Intero(lunghezze[i]["combinazioni"]),
                          Fisso(lunghezze[i]["costo"], 2), Fisso(lunghezze[i]["vincita_attesa"], 2),
                          Fisso(lunghezze[i]["resa_attesa"], 2)}));
        QCOMPARE(Riga(attesa, lunghezze.size()),
                 QStringList({"Tutte", Intero(json["combinazioni"]), Fisso(soldi["costo"], 2),
                              Fisso(soldi["vincita_attesa"], 2), Fisso(soldi["resa_attesa"], 2)}));
        const QJsonValue sessioni = soldi["sessioni"];
        QList<QStringList> figure;
        const auto* tabella = vista.findChild<QTableWidget*>("tabellaSoldi");
        for (int i = 0; i < tabella->rowCount(); ++i)
            figure << QStringList({tabella->verticalHeaderItem(i)->text(), Riga(tabella, i)[0]});
        QCOMPARE(
            figure,
            QList<QStringList>(
                {{"Giocato (euro)", Fisso(soldi["giocato"], 2)},
                 {"Vinto (euro)", Fisso(soldi["vinto"], 2)},
                 {"Resa osservata (%)", Significative(soldi["resa_osservata"], 2)},
                 {"Intervallo 95% della resa", Intervallo(soldi["intervallo95"], 2)},
                 {"Estrazioni che riprendono la posta (%)", Significative(soldi["coperte"], 4)},
                 {"Intervallo 95% delle estrazioni", Intervallo(soldi["coperte_intervallo95"], 4)},
                 {"Estrazioni per sessione", Intero(sessioni["lunghezza"])},
                 {"Sessioni complete", Intero(sessioni["complete"])},
                 {"Sessioni chiuse in attivo", Intero(sessioni["chiuse_in_attivo"])},
                 {"In attivo (%)", Significative(sessioni["in_attivo"], 4)},
                 {"Intervallo 95% delle sessioni", Intervallo(sessioni["intervallo95"], 4)},
                 {"Mediana di una sessione (euro)", Fisso(sessioni["mediana"], 2)},
                 {"5° percentile (euro)", Fisso(sessioni["p5"], 2)},
                 {"95° percentile (euro)", Fisso(sessioni["p95"], 2)},
                 {"Estrazioni escluse", Intero(sessioni["estrazioni_escluse"])},
                 {"Serie perdente più lunga (estrazioni)",
                  Intero(soldi["serie_perdente_massima"])}}));
    }

    const int schedaArchivio = IndiceScheda(vista, "Archivio");
    QCOMPARE(vista.isTabEnabled(schedaArchivio), !archivio.isEmpty());
    if (!archivio.isEmpty()) {
        const QJsonValue a = json["archivio"];
        const auto* tabella = vista.findChild<QTableWidget*>("tabellaArchivio");
        QCOMPARE(tabella->rowCount(), 90);
        for (int i = 0; i < 90; ++i) {
            const QJsonValue n = a["numeri"][i];
            const bool caso =
                n["p_ritardo"].toDouble() >= 0.01 && n["p_ritardo_massimo"].toDouble() >= 0.01;
            QCOMPARE(
                Riga(tabella, i),
                QStringList({Intero(n["numero"]), Intero(n["uscite"]), Fisso(n["attese"], 2),
                             Intero(n["ritardo"]), Significative(n["p_ritardo"], 4),
                             Intero(n["ritardo_massimo"]), Significative(n["p_ritardo_massimo"], 4),
                             caso ? "compatibile con il caso" : "non compatibile con il caso"}));
        }
        QList<qreal> uscite;
        for (const QJsonValue n : a["numeri"].toArray())
            uscite << n["uscite"].toDouble();
        QCOMPARE(ValoriGrafico(vista, "Archivio")[0], uscite);
        const auto giudizio = [](const QJsonValue& p) {
            return p.toDouble() >= 0.01 ? ": compatibile con il caso (soglia p ≥ 0.01)."
                                        : ": non compatibile con il caso (soglia p ≥ 0.01).";
        };
        QCOMPARE(vista.findChild<QLabel*>("uniformitaArchivio")->text(),
                 "Uniformità delle uscite: chi quadro " + Fisso(a["chi_quadro"], 2) + " con "
                     + Intero(a["gradi_liberta"]) + " gradi di libertà, p = "
                     + Significative(a["p_valore"], 4) + giudizio(a["p_valore"]));
        QCOMPARE(vista.findChild<QLabel*>("ritardoArchivio")->text(),
                 "Ritardo più lungo dei 90 numeri: " + Intero(a["ritardo_piu_lungo"])
                     + " estrazioni; probabilità esatta che almeno un numero sia così in "
                       "ritardo: "
                     + Significative(a["p_ritardo_piu_lungo"], 4)
                     + giudizio(a["p_ritardo_piu_lungo"]));
    }

    // The chart exported is the current tab's.
    vista.setCurrentIndex(garanzia == vista.currentIndex() ? 0 : vista.currentIndex());
    QCOMPARE(vista.GraficoCorrente(), vista.currentWidget()->findChild<QChartView*>());
}

// A run's updates, then its end: the tables show the final figures, as a
// view that only saw the end does.
void TestRisultati::parzialePoiFinale()
{
    const SerieDiProva serie(sedici_.toStdString(), 3000, 7,
                             ESEMPI "/premi/Esempio_tabella_premi.txt");
    const vortilla::Risultato finale = serie.Esegui(3000);
    VistaRisultati vista, soloFinale;
    soloFinale.Mostra(finale);
    const vortilla::Risultato parziale = serie.Esegui(300);
    const auto intestazione = [&] { return vista.findChild<QLabel*>("intestazionePunti")->text(); };
    vista.Mostra(serie.Esegui(0), true); // before the first block of draws
    QVERIFY2(intestazione().contains("estrazioni 0 di 3000 · in corso"),
             qPrintable(intestazione()));
    vista.Mostra(parziale);
    QVERIFY2(intestazione().contains("estrazioni 300 di 3000 · interrotta"),
             qPrintable(intestazione()));
    vista.Mostra(parziale, true);
    QVERIFY2(intestazione().contains("estrazioni 300 di 3000 · in corso ·"),
             qPrintable(intestazione()));
    QVERIFY(Celle(vista) != Celle(soloFinale));
    // What the user picked and where the user scrolled stay put.
    vista.resize(900, 400);
    vista.setCurrentIndex(IndiceScheda(vista, "Garanzia"));
    vista.show();
    QVERIFY(QTest::qWaitForWindowExposed(&vista));
    auto* garanzia = vista.findChild<QTableWidget*>("tabellaGaranzia");
    garanzia->selectRow(4);
    garanzia->verticalScrollBar()->setValue(garanzia->verticalScrollBar()->maximum());
    const int scorrimento = garanzia->verticalScrollBar()->value();
    QVERIFY(scorrimento > 0);
    vista.Mostra(finale);
    QCoreApplication::processEvents();
    QCOMPARE(Celle(vista), Celle(soloFinale));
    QCOMPARE(garanzia->verticalScrollBar()->value(), scorrimento);
    QCOMPARE(garanzia->selectionModel()->selectedRows().value(0).row(), 4);
    QVERIFY(!intestazione().contains("interrotta"));

    vista.Svuota();
    QCOMPARE(vista.findChild<QTableWidget*>("tabellaPunti")->rowCount(), 0);
}

QTEST_MAIN(TestRisultati)
#include "test_risultati.moc"
