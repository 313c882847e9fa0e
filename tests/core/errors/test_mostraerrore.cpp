// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/DatiProgramma.h"
#include "engine/Porte.h"
#include "errors/FileAperti.h"
#include "errors/MessaggioErrore.h"
#include "errors/MostraErrore.h"

#include <QTest>

#include <cerrno>
#include <limits>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Notes, at the moment the dialog opens, what it was asked to show and
// which of the watched descriptors were still open.
class FinestraSpia : public vortilla::FinestraMessaggio {
public:
    FinestraSpia(vortilla::DatiProgramma& dati, std::vector<int> osservati)
        : dati_(dati), osservati_(std::move(osservati))
    {
    }

    void ApriModale() override
    {
        ++aperture;
        testo = QString::fromStdString(dati_.Canale.TestoMessaggio);
        pulsanti = QString::fromStdString(dati_.Canale.Pulsanti);
        registrati = dati_.File.Quanti();
        for (int fd : osservati_)
            if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
                ++ancoraAperti;
    }

    int aperture = 0;
    QString testo;
    QString pulsanti;
    std::size_t registrati = 0;
    int ancoraAperti = 0;

private:
    vortilla::DatiProgramma& dati_;
    std::vector<int> osservati_;
};

} // namespace

class TestMostraErrore : public QObject {
    Q_OBJECT
private slots:
    void mostraIlMessaggioDelNumero_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("messaggio");

        QTest::newRow("6 overflow") << 6 << "Overflow ..!";
        QTest::newRow("7 out of memory") << 7 << "Memoria esaurita ..!";
        QTest::newRow("9 index out of bounds") << 9 << "Azione negata ..!";
        QTest::newRow("11 division by zero") << 11 << "Divisione per zero ..!";
        QTest::newRow("13 type mismatch") << 13 << "Incompatibilità ..!";
        QTest::newRow("14 out of string space") << 14 << "Spazio stringhe esaurito ..!";
        QTest::newRow("28 out of stack space") << 28 << "Spazio stack esaurito ..!";
        QTest::newRow("52 bad file name or number") << 52 << "Nome o numero di file non vadido ..!";
        QTest::newRow("53 file not found") << 53 << "File non trovato ..!";
        QTest::newRow("54 bad file mode") << 54 << "Modalità apertura non valida ..!";
        QTest::newRow("55 file already open") << 55 << "File già aperto ..!";
        QTest::newRow("61 disk full") << 61 << "Disco pieno ..!";
        QTest::newRow("62 input past end of file") << 62 << "Lettura oltre la fine del file ..!";
        QTest::newRow("68 device unavailable") << 68 << "Periferica inaccessibile ..!";
        QTest::newRow("76 path not found") << 76 << "Impossibile trovare il percorso ..!";
        QTest::newRow("100 wrong combination length, on two lines")
            << 100 << "La lunghezza delle combinazioni|non è conforme al tipo di gioco ..!";
        QTest::newRow("101 empty file") << 101 << "Il file è vuoto ..!";
        QTest::newRow("102 numbers out of the game, on two lines")
            << 102 << "Il file contiene numeri 0|oppure superiori al 90 ..!";
        QTest::newRow("5, which has no message of its own") << 5 << "Si è verificato l' errore: 5";
        QTest::newRow("0, which no handler reports") << 0 << "Si è verificato l' errore: 0";
        QTest::newRow("a negative number keeps its sign")
            << -13 << "Si è verificato l' errore: -13";
        QTest::newRow("the lowest 32-bit number")
            << std::numeric_limits<int>::min() << "Si è verificato l' errore: -2147483648";
        QTest::newRow("a number just past a listed one") << 103 << "Si è verificato l' errore: 103";
    }
    void mostraIlMessaggioDelNumero()
    {
        QFETCH(int, numero);
        QFETCH(QString, messaggio);
        QCOMPARE(QString::fromStdString(vortilla::MessaggioErrore(numero)), messaggio);

        vortilla::DatiProgramma dati;
        dati.Canale.Pulsanti = "Resetta,Annulla";
        FinestraSpia finestra(dati, {});
        vortilla::MostraErrore(numero, dati, finestra);
        QCOMPARE(finestra.aperture, 1);
        QCOMPARE(finestra.testo, messaggio);
        QCOMPARE(finestra.pulsanti, QString("OK"));
    }

    void chiudeOgniFilePrimaDelMessaggio()
    {
        vortilla::DatiProgramma dati;
        const int primo = open("/dev/null", O_RDONLY | O_CLOEXEC);
        const int secondo = open("/dev/null", O_RDONLY | O_CLOEXEC);
        QVERIFY(primo >= 0 && secondo >= 0);
        vortilla::DescrittoreFile a(dati.File, primo);
        vortilla::DescrittoreFile b(dati.File, secondo);
        QCOMPARE(dati.File.Quanti(), std::size_t{2});

        FinestraSpia finestra(dati, {primo, secondo});
        vortilla::MostraErrore(53, dati, finestra);
        QCOMPARE(finestra.registrati, std::size_t{0});
        QCOMPARE(finestra.ancoraAperti, 0);
        QCOMPARE(a.Fd(), -1);
        QCOMPARE(b.Fd(), -1);
    }

    // A handle destroyed after the registry closed it must not close the
    // same descriptor number again: by then it may belong to someone else.
    void unFileGiaChiusoNonVieneRichiuso()
    {
        vortilla::FileAperti registro;
        int riusato = -1;
        {
            vortilla::DescrittoreFile file(registro, open("/dev/null", O_RDONLY | O_CLOEXEC));
            const int numero = file.Fd();
            registro.ChiudiTutti();
            riusato = open("/dev/null", O_RDONLY | O_CLOEXEC);
            QCOMPARE(riusato, numero);
        }
        QVERIFY(fcntl(riusato, F_GETFD) != -1);
        close(riusato);
    }
};

QTEST_APPLESS_MAIN(TestMostraErrore)
#include "test_mostraerrore.moc"
