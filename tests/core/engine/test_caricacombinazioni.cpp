// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "combinations/FinteFinestre.h"

#include "combinations/VerificaFile.h"
#include "engine/CaricaCombinazioni.h"
#include "errors/MessaggioErrore.h"

#include <QTest>

using vortilla::CaricaCombinazioni;

namespace {

QStringList Righe(const vortilla::StatoSimulazione& stato)
{
    QStringList righe;
    for (const auto& r : stato.Combinazioni)
        righe << QString::fromStdString(r);
    return righe;
}

QString Messaggio(int numero) { return QString::fromStdString(vortilla::MessaggioErrore(numero)); }

} // namespace

class TestCaricaCombinazioni : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;
    vortilla::DatiProgramma dati_;

    std::string File(const QByteArray& contenuto, const QString& nome = "sistema.txt")
    {
        return finte::ScriviFile(cartella_, nome, contenuto);
    }

    // A state as after a first load and some draws.
    void CaricaPrecedente()
    {
        dati_.Stato.Combinazioni = {"1 2 3", "4 5 6"};
        dati_.Stato.NumCombinazioni = 2;
        dati_.Stato.Tentativi = 17;
        dati_.Stato.VinciteTotali = {5, 6, 4, 2, 0, 0, 0, 0, 0, 0, 0};
    }

private slots:
    void initTestCase() { QVERIFY(cartella_.isValid()); }
    void init()
    {
        dati_.Stato = {};
        dati_.Stato.ImpostaAvvio();
        dati_.SeparatoreMigliaia = ".";
    }

    void caricaLeRigheNormalizzate_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QStringList>("righe");

        QTest::newRow("three lines in file order")
            << QByteArray("1 2 3\r\n10 20 30 40\r\n90 89 88\r\n")
            << QStringList{"1 2 3", "10 20 30 40", "90 89 88"};
        QTest::newRow("separators become single spaces")
            << QByteArray(" 1.2.3 \r\n4:5:6\r\n7\t8\t9\r\n10  11  12.\r\n")
            << QStringList{"1 2 3", "4 5 6", "7 8 9", "10 11 12"};
        QTest::newRow("a leading zero is stored as written")
            << QByteArray("05 10 90\r\n") << QStringList{"05 10 90"};
        QTest::newRow("a quoted line with commas is one combination")
            << QByteArray("\"1,2,3\"\r\n\"4, 5, 6\"") << QStringList{"1 2 3", "4 5 6"};
        QTest::newRow("blank lines and empty items are not combinations")
            << QByteArray("\r\n1 2 3,\r\n\t\r\n,,4 5 6\n\n") << QStringList{"1 2 3", "4 5 6"};
        QTest::newRow("a UTF-16 file loads by its characters") << finte::Byte("\xFF\xFE"
                                                                              "1\0 \0"
                                                                              "2\0 \0"
                                                                              "3\0\r\0\n\0")
                                                               << QStringList{"1 2 3"};
        QTest::newRow("a UTF-8 mark is not part of the first line") << QByteArray("\xEF\xBB\xBF"
                                                                                  "7 8 9")
                                                                    << QStringList{"7 8 9"};
        QTest::newRow("a UTF-16 big-endian file loads by its characters")
            << finte::Byte("\xFE\xFF\0"
                           "1\0 \0"
                           "2\0 \0"
                           "3\0\r\0\n")
            << QStringList{"1 2 3"};
        QTest::newRow("signs and leading zeros are kept as written")
            << QByteArray("+05 010 90\r\n") << QStringList{"+05 010 90"};
        QTest::newRow("ten numbers, repeats included, are a combination")
            << QByteArray("1 1 2 3 4 5 6 7 8 9\r\n") << QStringList{"1 1 2 3 4 5 6 7 8 9"};
        QTest::newRow("text after a closing quote is dropped")
            << QByteArray("\"1 2 3\" 4 5\r\n") << QStringList{"1 2 3"};
    }
    void caricaLeRigheNormalizzate()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QStringList, righe);
        finte::FinestraMessaggio finestra(dati_);
        finte::VistaTabellone vista;
        CaricaCombinazioni(File(contenuto), dati_, finestra, vista);
        QCOMPARE(finestra.Testi(), QStringList{});
        QCOMPARE(Righe(dati_.Stato), righe);
        QCOMPARE(dati_.Stato.NumCombinazioni, righe.size());
        QCOMPARE(vista.scritture, QStringList{"catturate " + QString::number(righe.size())});
    }

    void tieneLePrimeCinquecentoRighe()
    {
        finte::FinestraMessaggio finestra(dati_);
        finte::VistaTabellone vista;
        // The 501st item is one the quick sweep over plain lines cannot pass
        // over: only the cap keeps it out.
        const QByteArray righe = finte::RigheValide(500) + " \"7.8.9\"\r\n";
        CaricaCombinazioni(File(righe), dati_, finestra, vista);
        QCOMPARE(finestra.Testi(), QStringList{});
        QCOMPARE(dati_.Stato.NumCombinazioni, std::int16_t{500});
        QCOMPARE(dati_.Stato.Combinazioni.size(), std::size_t{500});
        QCOMPARE(QString::fromStdString(dati_.Stato.Combinazioni.back()),
                 QString(righe.split('\n').at(499).trimmed()));
        QCOMPARE(vista.scritture, QStringList{"catturate 500"});
    }

    void unNuovoFileSostituisceLaListaENonToccaIConteggi()
    {
        CaricaPrecedente();
        const auto vinciteTotali = dati_.Stato.VinciteTotali;
        finte::FinestraMessaggio finestra(dati_);
        finte::VistaTabellone vista;
        CaricaCombinazioni(File("7 8 9\r\n"), dati_, finestra, vista);
        QCOMPARE(Righe(dati_.Stato), QStringList{"7 8 9"});
        QCOMPARE(dati_.Stato.NumCombinazioni, std::int16_t{1});
        QCOMPARE(dati_.Stato.Tentativi, std::int16_t{17});
        QVERIFY(dati_.Stato.VinciteTotali == vinciteTotali);
        QCOMPARE(vista.scritture, QStringList{"catturate 1"});
    }

    void unFileRifiutatoMostraDueMessaggiETieneLaLista_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("errore");
        QTest::newRow("commas between numbers") << QByteArray("1,2,3\r\n") << 100;
        QTest::newRow("a number above ninety") << QByteArray("1 2 91\r\n") << 102;
        QTest::newRow("an empty file") << QByteArray() << 101;
        QTest::newRow("a bad line after the kept 500") << finte::RigheValide(600) + "x 1 2" << 13;
    }
    void unFileRifiutatoMostraDueMessaggiETieneLaLista()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, errore);
        CaricaPrecedente();
        finte::FinestraMessaggio finestra(dati_);
        finte::VistaTabellone vista;
        CaricaCombinazioni(File(contenuto), dati_, finestra, vista);
        QCOMPARE(finestra.Testi(), QStringList({Messaggio(errore), "Da Ambi a Decine ..!"}));
        QCOMPARE(finestra.visti[1].pulsanti, QString("OK"));
        QCOMPARE(Righe(dati_.Stato), QStringList({"1 2 3", "4 5 6"}));
        QCOMPARE(dati_.Stato.NumCombinazioni, std::int16_t{2});
        QCOMPARE(vista.scritture, QStringList{});
    }

    void unFileMancanteMostraDueMessaggi()
    {
        finte::FinestraMessaggio finestra(dati_);
        finte::VistaTabellone vista;
        CaricaCombinazioni((cartella_.path() + "/nessuno.txt").toStdString(), dati_, finestra,
                           vista);
        QCOMPARE(finestra.Testi(), QStringList({Messaggio(53), "Da Ambi a Decine ..!"}));
        QCOMPARE(dati_.Stato.NumCombinazioni, std::int16_t{0});
    }

    void unaSceltaAnnullataNonCambiaNulla()
    {
        CaricaPrecedente();
        finte::FinestraMessaggio finestra(dati_);
        finte::VistaTabellone vista;
        CaricaCombinazioni("", dati_, finestra, vista);
        QCOMPARE(finestra.Testi(), QStringList{});
        QCOMPARE(Righe(dati_.Stato), QStringList({"1 2 3", "4 5 6"}));
        QCOMPARE(vista.scritture, QStringList{});
    }

    // The file may change between the check and the second reading; what
    // the second reading finds is held to the same rules, and a failure
    // there is reported once, without the second notice.
    void laSecondaLetturaNonConservaUnaRigaCambiataDopoIlControllo_data()
    {
        QTest::addColumn<QByteArray>("cambiato");
        QTest::addColumn<int>("errore");
        QTest::newRow("a line grew past ten numbers")
            << QByteArray("1 2 3\r\n1 2 3 4 5 6 7 8 9 10 11\r\n") << 100;
        QTest::newRow("a number went out of the game") << QByteArray("1 2 3\r\n0 4 5\r\n") << 102;
        QTest::newRow("a letter crept in") << QByteArray("1 2 3\r\n4 b 5\r\n") << 13;
        QTest::newRow("the file was emptied") << QByteArray() << 101;
        QTest::newRow("a bad line was added after the kept 500")
            << finte::RigheValide(550) + "1 2" << 100;
    }
    void laSecondaLetturaNonConservaUnaRigaCambiataDopoIlControllo()
    {
        QFETCH(QByteArray, cambiato);
        QFETCH(int, errore);
        CaricaPrecedente();
        finte::FinestraMessaggio finestra(dati_);
        finte::VistaTabellone vista;
        const std::string percorso = File("1 2 3\r\n4 5 6\r\n", "cambia.txt");
        QVERIFY(!vortilla::VerificaFile(percorso, 3, 10, 90, dati_, finestra));
        File(cambiato, "cambia.txt");
        QVERIFY(!vortilla::LeggiCombinazioni(percorso, dati_, finestra, vista));
        QCOMPARE(finestra.Testi(), QStringList{Messaggio(errore)});
        QCOMPARE(finestra.visti[0].fileAperti, std::size_t{0});
        QCOMPARE(Righe(dati_.Stato), QStringList({"1 2 3", "4 5 6"}));
        QCOMPARE(dati_.Stato.NumCombinazioni, std::int16_t{2});
        QCOMPARE(vista.scritture, QStringList{});
    }

    void laSecondaLetturaDiUnFileSparitoTieneLaLista()
    {
        CaricaPrecedente();
        finte::FinestraMessaggio finestra(dati_);
        finte::VistaTabellone vista;
        const std::string percorso = File("1 2 3\r\n", "sparisce.txt");
        QVERIFY(QFile::remove(QString::fromStdString(percorso)));
        QVERIFY(!vortilla::LeggiCombinazioni(percorso, dati_, finestra, vista));
        QCOMPARE(finestra.Testi(), QStringList{Messaggio(53)});
        QCOMPARE(dati_.Stato.NumCombinazioni, std::int16_t{2});
    }
};

QTEST_APPLESS_MAIN(TestCaricaCombinazioni)
#include "test_caricacombinazioni.moc"
