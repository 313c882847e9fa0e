// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileRifiutati.h"
#include "FinteFinestre.h"

#include "combinations/VerificaFile.h"
#include "errors/MessaggioErrore.h"

#include <QTest>

#include <string>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

using vortilla::VerificaFile;

namespace {

int DescrittoriAperti()
{
    int quanti = 0;
    if (DIR* cartella = opendir("/proc/self/fd")) {
        while (readdir(cartella))
            ++quanti;
        closedir(cartella);
    }
    return quanti;
}

} // namespace

class TestVerificaFile : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;

    // Validates `percorso` with the loader's limits; checks the one message
    // that must follow a refusal and returns its number, or 0 if accepted.
    void Verifica(const std::string& percorso, int erroreAtteso)
    {
        vortilla::DatiProgramma dati;
        finte::FinestraMessaggio finestra(dati);
        const int descrittoriPrima = DescrittoriAperti();
        const bool rifiutato = VerificaFile(percorso, 3, 10, 90, dati, finestra);
        QCOMPARE(rifiutato, erroreAtteso != 0);
        QCOMPARE(DescrittoriAperti(), descrittoriPrima);
        if (erroreAtteso == 0) {
            QVERIFY(finestra.visti.empty());
            return;
        }
        QCOMPARE(finestra.visti.size(), std::size_t{1});
        QCOMPARE(finestra.visti[0].testo,
                 QString::fromStdString(vortilla::MessaggioErrore(erroreAtteso)));
        QCOMPARE(finestra.visti[0].pulsanti, QString("OK"));
        QCOMPARE(finestra.visti[0].fileAperti, std::size_t{0});
        QCOMPARE(dati.Stato.NumCombinazioni, std::int16_t{0});
    }

private slots:
    void initTestCase() { QVERIFY(cartella_.isValid()); }

    void rifiutaConIlNumeroDellErrore_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("errore");

        for (const finte::FileRifiutato& file : finte::FileRifiutati())
            QTest::newRow(file.caso) << file.contenuto << file.errore;
    }
    void rifiutaConIlNumeroDellErrore()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, errore);
        Verifica(finte::ScriviFile(cartella_, "rifiutato.txt", contenuto), errore);
    }

    void rifiutaCioCheNonSiPuoLeggere()
    {
        const QString base = cartella_.path();
        Verifica((base + "/manca.txt").toStdString(), 53);
        Verifica((base + "/cartella-che-manca/manca.txt").toStdString(), 76);
        Verifica((base + "/valido.txt/sotto.txt").toStdString(), 76);
        Verifica(base.toStdString(), 75);
        Verifica("", 52);
        Verifica(std::string("a\0b", 3), 52);
        Verifica("/dev/null", 68);
    }

    // A FIFO with no writer would block a plain open or read forever.
    void rifiutaUnaFifoSenzaAttendere()
    {
        const std::string fifo = (cartella_.path() + "/fifo.txt").toStdString();
        QCOMPARE(mkfifo(fifo.c_str(), 0600), 0);
        Verifica(fifo, 68);
    }

    void rifiutaUnFileSenzaPermesso()
    {
        if (geteuid() == 0)
            QSKIP("permissions do not bind root");
        const std::string percorso = finte::ScriviFile(cartella_, "chiuso.txt", "1 2 3\r\n");
        QCOMPARE(chmod(percorso.c_str(), 0), 0);
        Verifica(percorso, 70);
    }

    void applicaILimitiDelChiamante()
    {
        vortilla::DatiProgramma dati;
        finte::FinestraMessaggio finestra(dati);
        const std::string percorso = finte::ScriviFile(cartella_, "limiti.txt", "1 2\r\n6 6\r\n");
        QVERIFY(!VerificaFile(percorso, 2, 2, 6, dati, finestra));
        QVERIFY(VerificaFile(percorso, 2, 2, 5, dati, finestra));
        QVERIFY(VerificaFile(percorso, 3, 4, 6, dati, finestra));
        QCOMPARE(finestra.Testi(),
                 QStringList({QString::fromStdString(vortilla::MessaggioErrore(102)),
                              QString::fromStdString(vortilla::MessaggioErrore(100))}));
    }
};

QTEST_APPLESS_MAIN(TestVerificaFile)
#include "test_verificafile.moc"
