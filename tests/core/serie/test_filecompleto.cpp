// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Files written whole or not at all: which paths are refused before any
// work, links followed to the file they name, the old file kept when the
// disk fills, and no temporary file left behind.

#include "serie/FileCompleto.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vortilla;

namespace {

enum Prepara {
    Niente,
    File,
    Collegamento,
    Appeso,
    Cartella,
    VersoCartella,
    Fifo,
    Periferica,
    SolaLettura
};

QByteArray Contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(illeggibile)");
}

void Scrivi(const QString& percorso, const QByteArray& testo)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(testo);
}

QStringList Voci(const QTemporaryDir& cartella)
{
    return QDir(cartella.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
}

} // namespace

class TestFileCompleto : public QObject {
    Q_OBJECT
private slots:
    void unPercorsoSiControllaPrimaDelLavoro_data()
    {
        QTest::addColumn<int>("prepara");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("errore");
        QTest::addColumn<QString>("scritto"); // the file written, when it can be
        const auto riga = [](const char* caso, Prepara prepara, QString nome, QString errore,
                             QString scritto) {
            QTest::newRow(caso) << int(prepara) << nome << errore << scritto;
        };
        riga("a new file in an existing folder is written", Niente, "nuovo.png", "", "nuovo.png");
        riga("an existing file is replaced", File, "g.png", "", "g.png");
        riga("a link writes the file it names", Collegamento, "l.png", "", "g.png");
        riga("a dangling link writes the file it would name", Appeso, "l.png", "", "nuovo.png");
        riga("a folder is refused", Cartella, "c.svg", "è una cartella", "");
        riga("a link to a folder is refused", VersoCartella, "l.png", "è una cartella", "");
        riga("a FIFO is refused", Fifo, "f.png", "è una FIFO, non un file", "");
        riga("a link to a device is refused", Periferica, "l.png", "è una periferica, non un file",
             "");
        riga("a missing folder is refused", Niente, "manca/g.png", "la cartella non esiste", "");
        riga("a name too long is refused", Niente, QString(300, 'n') + ".png", "nome troppo lungo",
             "");
        riga("a file without write permission is refused", SolaLettura, "g.png", "permesso negato",
             "");
    }
    void unPercorsoSiControllaPrimaDelLavoro()
    {
        QFETCH(int, prepara);
        QFETCH(QString, nome);
        QFETCH(QString, errore);
        QFETCH(QString, scritto);
        QTemporaryDir cartella;
        const QString g = cartella.filePath("g.png");
        switch (prepara) {
        case File: Scrivi(g, "vecchio"); break;
        case Collegamento:
            Scrivi(g, "vecchio");
            QFile::link("g.png", cartella.filePath(nome));
            break;
        case Appeso: QFile::link("nuovo.png", cartella.filePath(nome)); break;
        case Cartella: QDir(cartella.path()).mkdir(nome); break;
        case VersoCartella:
            QDir(cartella.path()).mkdir("c");
            QFile::link("c", cartella.filePath(nome));
            break;
        case Fifo: QCOMPARE(::mkfifo(QFile::encodeName(cartella.filePath(nome)), 0600), 0); break;
        case Periferica: QFile::link("/dev/null", cartella.filePath(nome)); break;
        case SolaLettura:
            if (::geteuid() == 0)
                QSKIP("root writes whatever the permissions say");
            Scrivi(g, "vecchio");
            QFile::setPermissions(g, QFile::ReadOwner);
            break;
        }
        const Bersaglio b =
            ControllaBersaglio(QFile::encodeName(cartella.filePath(nome)).toStdString());
        QCOMPARE(QString::fromStdString(b.errore), errore);
        if (!scritto.isEmpty())
            QCOMPARE(QString::fromStdString(b.percorso), cartella.filePath(scritto));
    }

    void unCollegamentoRestaTaleEIlFileTieneIPermessi()
    {
        QTemporaryDir cartella;
        const QString g = cartella.filePath("g.png"), l = cartella.filePath("l.png");
        Scrivi(g, "vecchio");
        QCOMPARE(::chmod(QFile::encodeName(g), 0640), 0);
        QFile::link("g.png", l);
        FileCompleto file(ControllaBersaglio(QFile::encodeName(l).toStdString()).percorso);
        file.Scrivi("nuovo");
        QCOMPARE(QString::fromStdString(file.Conferma()), QString());
        QCOMPARE(QFileInfo(l).symLinkTarget(), g);
        QCOMPARE(Contenuto(g), QByteArray("nuovo"));
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(g), &info), 0);
        QCOMPARE(info.st_mode & 07777, 0640u);
        QCOMPARE(Voci(cartella), (QStringList{"g.png", "l.png"}));
    }

    void unDiscoPienoLasciaIlVecchioFile_data()
    {
        QTest::addColumn<bool>("conNome");
        QTest::newRow("written without a name") << false;
        QTest::newRow("written under a temporary name") << true;
    }
    void unDiscoPienoLasciaIlVecchioFile()
    {
        QFETCH(bool, conNome);
        QTemporaryDir cartella;
        const QString g = cartella.filePath("g.svg");
        Scrivi(g, "vecchio");
        // A limit on file sizes fails writes as a full disk does.
        rlimit prima{};
        getrlimit(RLIMIT_FSIZE, &prima);
        const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
        rlimit stretto = prima;
        stretto.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &stretto);
        std::string errore;
        {
            FileCompleto file(QFile::encodeName(g).toStdString(), conNome);
            file.Scrivi(std::string(100'000, 'x'));
            errore = file.Conferma();
        }
        setrlimit(RLIMIT_FSIZE, &prima);
        std::signal(SIGXFSZ, segnale);
        QCOMPARE(QString::fromStdString(errore), QString("file troppo grande"));
        QCOMPARE(Contenuto(g), QByteArray("vecchio"));
        QCOMPARE(Voci(cartella), QStringList{"g.svg"});
    }

    void unTemporaneoConNomeSiRimuoveAlSegnale()
    {
        QTemporaryDir cartella;
        FileCompleto file(QFile::encodeName(cartella.filePath("g.png")).toStdString(), true);
        file.Scrivi(std::string(100'000, 'x'));
        QCOMPARE(Voci(cartella).size(), 1);
        // What the handler of a signal that ends the program does.
        RimuoviTemporanei();
        QCOMPARE(Voci(cartella), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestFileCompleto)
#include "test_filecompleto.moc"
