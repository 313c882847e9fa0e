// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogoModale.h"
#include "Risponditore.h"

#include "engine/Porte.h"
#include "ui/Applicazione.h"

#include <QAccessible>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

using namespace vortilla;

namespace {
// The pause before each lit ball, recorded instead of waited.
struct PausaRegistrata : Pausa {
    std::vector<int> durate;
    void Attendi(int millisecondi) override { durate.push_back(millisecondi); }
};

const QColor Arancio(255, 128, 0);
const QColor ArancioChiaro(253, 195, 120);
} // namespace

// The main window's commands, driven as a user would: buttons, keys and the
// close box, with every dialog answered from the test.
class TestComandi : public QObject {
    Q_OBJECT

    std::unique_ptr<PausaRegistrata> pausa;
    std::unique_ptr<Applicazione> programma;
    FrmEstrazioneUser* finestra = nullptr;
    QTemporaryDir cartella;

    template <class W = QLabel>
    W* C(const QString& nome)
    {
        return finestra->findChild<W*>(nome);
    }
    QString Testo(const QString& nome) { return C(nome)->text(); }
    void Clicca(const QString& nome) { QTest::mouseClick(C<QWidget>(nome), Qt::LeftButton); }

    void CaricaDirettamente(const std::vector<std::string>& righe)
    {
        DatiProgramma& dati = programma->Dati();
        dati.Stato.Combinazioni = righe;
        dati.Stato.NumCombinazioni = static_cast<std::int16_t>(righe.size());
    }
    int PalleColorate(const QColor& colore)
    {
        int quante = 0;
        for (int k = 1; k <= 90; ++k)
            quante +=
                C(QStringLiteral("lblBall_%1").arg(k))->palette().color(QPalette::Window) == colore;
        return quante;
    }
    int SommaColonna(const QString& array)
    {
        int somma = 0;
        for (int p = 0; p <= 10; ++p)
            somma += Testo(QStringLiteral("%1_%2").arg(array).arg(p)).trimmed().toInt();
        return somma;
    }
    QString ScriviFile(const QString& nome, const QByteArray& contenuto)
    {
        QFile file(cartella.filePath(nome));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(contenuto);
        return file.fileName();
    }
    static Risponditore::Azione ScegliFile(const QString& percorso, QStringList* cartelle = nullptr)
    {
        return [percorso, cartelle](QWidget* w) {
            auto* dialogo = qobject_cast<QFileDialog*>(w);
            if (!dialogo)
                return;
            if (cartelle)
                *cartelle << dialogo->windowTitle() << dialogo->nameFilters().join(';')
                          << dialogo->selectedNameFilter() << dialogo->directory().absolutePath()
                          << QString::number(dialogo->windowIcon().cacheKey());
            if (percorso.isEmpty()) {
                dialogo->reject();
            } else {
                dialogo->selectFile(percorso);
                static_cast<QDialog*>(dialogo)->accept();
            }
        };
    }

private slots:
    void init()
    {
        pausa = std::make_unique<PausaRegistrata>();
        programma = std::make_unique<Applicazione>(pausa.get());
        finestra = &programma->FinestraPrincipale();
        programma->Mostra();
        QVERIFY(QTest::qWaitForWindowExposed(finestra));
        QApplication::setActiveWindow(finestra);
    }
    void cleanup() { programma.reset(); }

    void senzaCombinazioniLEstrazioneAvvisaSoltanto()
    {
        Risponditore r;
        QStringList testi;
        r.Poi(Risponditore::Premi("OK", &testi));
        Clicca("cmdEstrai");
        QVERIFY(r.TuttiRisposti());
        QCOMPARE(testi, QStringList{"Nessuna combinazione in memoria ..!|Caricare un file."});
        QCOMPARE(Testo("lblTentativi"), QStringLiteral("0"));
        QCOMPARE(PalleColorate(Arancio), 0);
        QVERIFY(C("imgtry")->isHidden());
        QVERIFY(pausa->durate.empty());
    }

    void unEstrazioneAccendeLePalleEContaOgniCombinazione_data()
    {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<int>("estratti");
        QTest::newRow("twenty numbers by default") << "opscelta_1" << 20;
        QTest::newRow("six numbers by the option") << "opscelta_0" << 6;
    }
    void unEstrazioneAccendeLePalleEContaOgniCombinazione()
    {
        QFETCH(QString, opzione);
        QFETCH(int, estratti);
        std::vector<std::string> righe;
        for (int i = 0; i < 37; ++i)
            righe.push_back(std::to_string(1 + i) + " " + std::to_string(40 + i % 50) + " 90 07");
        CaricaDirettamente(righe);
        Clicca(opzione);

        Clicca("cmdEstrai");
        QCOMPARE(PalleColorate(Arancio), estratti);
        QCOMPARE(PalleColorate(Qt::white), 90 - estratti);
        QCOMPARE(pausa->durate, std::vector<int>(static_cast<std::size_t>(estratti), 200));
        QCOMPARE(SommaColonna("lblPunti"), 37);
        QCOMPARE(SommaColonna("lblPuntiTot"), 37);
        for (int p = 0; p <= 10; ++p) {
            QLabel* cella = C(QStringLiteral("lblPunti_%1").arg(p));
            QVERIFY(cella->text().endsWith(QLatin1Char(' ')));
            const bool evidenziata = cella->palette().color(QPalette::Window) == ArancioChiaro;
            QCOMPARE(evidenziata, cella->text() != QStringLiteral("0 "));
        }
        QCOMPARE(Testo("lblTentativi"), QStringLiteral("1"));
        QVERIFY(C("imgtry")->isVisible());

        Clicca("cmdEstrai");
        QCOMPARE(Testo("lblTentativi"), QStringLiteral("2"));
        QCOMPARE(SommaColonna("lblPuntiTot"), 74);
        QCOMPARE(PalleColorate(Arancio), estratti);
    }

    void resetChiedeConfermaETieneCombinazioniEOpzione()
    {
        CaricaDirettamente({"1 2 3", "4 5 6 7"});
        Clicca("opscelta_0");
        Clicca("cmdEstrai");
        Clicca("cmdEstrai");
        const int accese = PalleColorate(Arancio);

        Risponditore r;
        QStringList testi;
        r.Poi(Risponditore::Premi("Rinuncia", &testi));
        Clicca("cmdReset");
        QCOMPARE(
            testi,
            QStringList{"Con questa operazione,|i dati finora accumulati|verranno resettati ..!"});
        QCOMPARE(Testo("lblTentativi"), QStringLiteral("2"));
        QCOMPARE(SommaColonna("lblPuntiTot"), 4);

        r.Poi(Risponditore::Premi("Resetta"));
        Clicca("cmdReset");
        QVERIFY(r.TuttiRisposti());
        QCOMPARE(Testo("lblTentativi"), QStringLiteral("0"));
        const QColor sfondo = QApplication::palette().color(QPalette::Base);
        for (int p = 0; p <= 10; ++p) {
            QCOMPARE(Testo(QStringLiteral("lblPunti_%1").arg(p)), QStringLiteral("0 "));
            QCOMPARE(Testo(QStringLiteral("lblPuntiTot_%1").arg(p)), QStringLiteral("0 "));
            QCOMPARE(C(QStringLiteral("lblPunti_%1").arg(p))->palette().color(QPalette::Window),
                     sfondo);
        }
        QCOMPARE(PalleColorate(Arancio), accese);
        QVERIFY(C<QRadioButton>("opscelta_0")->isChecked());
        QCOMPARE(Testo("lblCatturate"), QStringLiteral("2"));

        Clicca("cmdEstrai");
        QCOMPARE(Testo("lblTentativi"), QStringLiteral("1"));
        QCOMPARE(PalleColorate(Arancio), 6);
    }

    void resetPrimaDiOgniEstrazioneRiscriveLeColonne()
    {
        Risponditore r;
        r.Poi(Risponditore::Premi("Resetta"));
        Clicca("cmdReset");
        QVERIFY(r.TuttiRisposti());
        QCOMPARE(Testo("lblTentativi"), QStringLiteral("0"));
        QCOMPARE(Testo("lblPunti_10"), QStringLiteral("0 "));
        QCOMPARE(Testo("lblPuntiTot_0"), QStringLiteral("0 "));
    }

    void f10ApreLeIstruzioniDaOgniControllo_data()
    {
        QTest::addColumn<QString>("fuoco");
        QTest::addColumn<int>("modificatori");
        QTest::newRow("plain F10 on the open button") << "cmdOpen" << int(Qt::NoModifier);
        QTest::newRow("Shift+F10 on ESTRAZIONE") << "cmdEstrai" << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+F10 on RESET") << "cmdReset" << int(Qt::ControlModifier);
        QTest::newRow("Alt+F10 on an option") << "opscelta_0" << int(Qt::AltModifier);
        QTest::newRow("Ctrl+Shift+F10 on the other option")
            << "opscelta_1" << int(Qt::ControlModifier | Qt::ShiftModifier);
    }
    void f10ApreLeIstruzioniDaOgniControllo()
    {
        QFETCH(QString, fuoco);
        QFETCH(int, modificatori);
        C<QWidget>(fuoco)->setFocus();
        // The count label is rewritten when the dialog closes.
        CaricaDirettamente({"1 2 3", "4 5 6", "7 8 9"});

        Risponditore r;
        QString testo;
        r.Poi([&testo](QWidget* dialogo) {
            testo = dialogo->findChild<QLabel*>(QStringLiteral("lblInfo"))->text();
            Risponditore::Premi("OK")(dialogo);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10,
                        Qt::KeyboardModifiers(modificatori));
        QVERIFY(r.TuttiRisposti());
        QCOMPARE(r.finestre, QStringList{"frmInfo"});
        QVERIFY(testo.startsWith(QStringLiteral("Simulazione VORTILLA:\n\n1) - Caricare")));
        QCOMPARE(Testo("lblCatturate"), QStringLiteral("3"));
        QCOMPARE(programma->Dati().Stato.Tentativi, std::int16_t{0});
    }

    void invioPremeIlPulsanteConIlFuoco_data()
    {
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<QString>("dialogo");
        QTest::newRow("Return on the open button")
            << "cmdOpen" << int(Qt::Key_Return) << "dlgApriFile";
        QTest::newRow("keypad Enter on ESTRAZIONE")
            << "cmdEstrai" << int(Qt::Key_Enter) << "frmMessage";
        QTest::newRow("Return on RESET") << "cmdReset" << int(Qt::Key_Return) << "frmMessage";
    }
    void invioPremeIlPulsanteConIlFuoco()
    {
        QFETCH(QString, pulsante);
        QFETCH(int, tasto);
        QFETCH(QString, dialogo);
        C<QWidget>(pulsante)->setFocus();
        Risponditore r;
        r.Poi([](QWidget* w) { qobject_cast<QDialog*>(w)->done(QDialog::Rejected); });
        QTest::keyClick(finestra->windowHandle(), Qt::Key(tasto));
        QVERIFY(r.TuttiRisposti());
        QCOMPARE(r.finestre, QStringList{dialogo});
    }

    // A held key presses once. The dialog it opens, or that opens while it is
    // down, ignores its repeats, marked or, as X11 sends them across a change
    // of window, unmarked; a new press answers, and the key held on then
    // opens nothing more.
    void unTastoTenutoNonRispondeMai_data()
    {
        QTest::addColumn<QString>("fuoco");
        QTest::addColumn<int>("tenuto");
        QTest::addColumn<int>("apre"); // 0: the held key itself
        QTest::addColumn<int>("risponde");
        QTest::addColumn<bool>("marcate");
        QTest::addColumn<bool>("combinazioni");
        QTest::addColumn<QString>("dialogo");
        QTest::addColumn<int>("tentativi");
        QTest::addColumn<int>("catturate");
        const int invio = Qt::Key_Return;
        QTest::newRow("Return held on RESET asks once, and only a new press resets")
            << "cmdReset" << invio << 0 << invio << false << true << "frmMessage" << 0 << 1;
        QTest::newRow("the same with the repeats marked as such")
            << "cmdReset" << invio << 0 << invio << true << true << "frmMessage" << 0 << 1;
        QTest::newRow("Return held on ESTRAZIONE without combinations gives one notice")
            << "cmdEstrai" << invio << 0 << invio << false << false << "frmMessage" << 0 << 0;
        QTest::newRow("keypad Enter held on the open button picks no file")
            << "cmdOpen" << int(Qt::Key_Enter) << 0 << int(Qt::Key_Enter) << false << true
            << "dlgApriFile" << 1 << 3;
        QTest::newRow("Space held on an option while F10 opens the instructions")
            << "opscelta_1" << int(Qt::Key_Space) << int(Qt::Key_F10) << int(Qt::Key_Space) << false
            << true << "frmInfo" << 1 << 1;
        QTest::newRow("F10 held opens the instructions once")
            << "cmdOpen" << int(Qt::Key_F10) << 0 << invio << true << true << "frmInfo" << 1 << 1;
    }
    void unTastoTenutoNonRispondeMai()
    {
        QFETCH(QString, fuoco);
        QFETCH(int, tenuto);
        QFETCH(int, apre);
        QFETCH(int, risponde);
        QFETCH(bool, marcate);
        QFETCH(bool, combinazioni);
        if (combinazioni) {
            CaricaDirettamente({"1 2 3"});
            Clicca("cmdEstrai");
        }
        const QString file = ScriviFile("tre.txt", "1 2 3\n4 5 6\n7 8 9\n");
        C<QWidget>(fuoco)->setFocus();
        QWindow* principale = finestra->windowHandle();
        // Stamps that only grow, as the platform's do, far from those of Qt Test's own
        // key events (milliseconds since the test started).
        static ulong tempo = 100000000;
        const auto chiave = [](int tasto) { return Qt::Key(tasto); };

        bool apertoTraLeRipetizioni = false;
        bool chiusoDallaNuova = false;
        Risponditore r;
        r.Poi([&](QWidget* dialogo) {
            if (auto* scelta = qobject_cast<QFileDialog*>(dialogo))
                scelta->selectFile(file);
            QWindow* qui = dialogo->windowHandle();
            Ripetizioni(qui, chiave(tenuto), tempo, 5, marcate);
            apertoTraLeRipetizioni = dialogo->isVisible();
            if (risponde == tenuto)
                Tasto(qui, QEvent::KeyRelease, chiave(tenuto), tempo += 300);
            Tasto(qui, QEvent::KeyPress, chiave(risponde), tempo += 300);
            if (dialogo->isVisible()) // Space presses a button on its release
                Tasto(qui, QEvent::KeyRelease, chiave(risponde), tempo += 100);
            chiusoDallaNuova = !dialogo->isVisible();
        });
        Tasto(principale, QEvent::KeyPress, chiave(tenuto), tempo += 40);
        if (apre)
            Tasto(principale, QEvent::KeyPress, chiave(apre), tempo += 40);
        QApplication::setActiveWindow(finestra); // as the window system does
        Ripetizioni(principale, chiave(tenuto), tempo, 5, marcate);
        Tasto(principale, QEvent::KeyRelease, chiave(tenuto), tempo += 40);

        QVERIFY(r.TuttiRisposti());
        QFETCH(QString, dialogo);
        QCOMPARE(r.finestre, QStringList{dialogo});
        QVERIFY(apertoTraLeRipetizioni);
        QVERIFY(chiusoDallaNuova);
        QFETCH(int, tentativi);
        QCOMPARE(Testo("lblTentativi"), QString::number(tentativi));
        QFETCH(int, catturate);
        QCOMPARE(Testo("lblCatturate"), QString::number(catturate));
    }

    // Closing the window while a question is open asks first; SI closes the
    // question unanswered, NO leaves it waiting. (The platform drops the
    // close box's request while a dialog is open: the end-to-end test.)
    void chiudereConUnaDomandaAperta_data()
    {
        QTest::addColumn<QString>("confermo");
        QTest::addColumn<QString>("poi"); // the answer to the question, if still open
        QTest::addColumn<bool>("chiusa");
        QTest::addColumn<int>("tentativi");
        QTest::newRow("the program closing it, with NO, leaves the question open")
            << QString("NO") << QString("Resetta") << false << 0;
        QTest::newRow("the program closing it, with SI, ends the question unanswered")
            << QString("SI") << QString() << true << 1;
    }
    void chiudereConUnaDomandaAperta()
    {
        QFETCH(QString, confermo);
        QFETCH(QString, poi);
        CaricaDirettamente({"1 2 3"});
        Clicca("cmdEstrai");
        bool restaAperta = false;
        bool chiusaDalProgramma = false;
        Risponditore r;
        r.Poi([&](QWidget* domanda) {
            Risponditore sopra(domanda);
            sopra.Poi(Risponditore::Premi(confermo));
            chiusaDalProgramma = finestra->close();
            QVERIFY(sopra.TuttiRisposti());
            QCOMPARE(sopra.finestre, QStringList{"frmMessage"});
            restaAperta = domanda->isVisible();
            if (!poi.isEmpty())
                Risponditore::Premi(poi)(domanda);
        });
        Clicca("cmdReset");
        QVERIFY(r.TuttiRisposti());
        QCOMPARE(restaAperta, !poi.isEmpty());
        QFETCH(bool, chiusa);
        QCOMPARE(chiusaDalProgramma, chiusa);
        QCOMPARE(finestra->isVisible(), !chiusa);
        QFETCH(int, tentativi);
        QCOMPARE(Testo("lblTentativi"), QString::number(tentativi));
    }

    // A screen reader's "press" reaches a button without going through the
    // window's input, so modality alone does not stop it.
    void unaPressioneSullaFinestraBloccataNonAgisce_data()
    {
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<bool>("chiusa");
        QTest::newRow("SI still closes") << "SI" << true;
        QTest::newRow("NO still keeps the window") << "NO" << false;
    }
    void unaPressioneSullaFinestraBloccataNonAgisce()
    {
        QFETCH(QString, risposta);
        QFETCH(bool, chiusa);
        CaricaDirettamente({"1 2 3"});
        Clicca("cmdEstrai");
        auto* reset = C<QPushButton>("cmdReset");
        Risponditore r;
        r.Poi([&](QWidget* domanda) {
            Risponditore sopra(domanda); // closes, and counts, any dialog the press would open
            QAccessibleInterface* accessibile = QAccessible::queryAccessibleInterface(reset);
            QVERIFY(accessibile && accessibile->actionInterface());
            accessibile->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTRY_VERIFY(!reset->isDown()); // the press has been delivered
            QVERIFY(sopra.TuttiRisposti());
            Risponditore::Premi(risposta)(domanda);
        });
        QCOMPARE(finestra->close(), chiusa);
        QVERIFY(r.TuttiRisposti());
        QCOMPARE(r.finestre, QStringList{"frmMessage"});
        QCOMPARE(programma->Dati().Canale.Pulsanti, std::string("NO,SI"));
        QCOMPARE(Testo("lblTentativi"), QStringLiteral("1"));
    }

    void unOpzioneToccataDietroUnaDomandaTornaIndietro()
    {
        auto* sei = C<QRadioButton>("opscelta_0");
        Risponditore r;
        r.Poi([&](QWidget* domanda) {
            QAccessible::queryAccessibleInterface(sei)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
            Risponditore::Premi("NO")(domanda);
        });
        QVERIFY(!finestra->close());
        QVERIFY(r.TuttiRisposti());
        QVERIFY(C<QRadioButton>("opscelta_1")->isChecked());
        QCOMPARE(programma->Dati().Stato.NumeriEstratti, std::int16_t{20});
    }

    void chiudereChiedeConfermaENoTrattiene()
    {
        CaricaDirettamente({"1 2 3"});
        Clicca("cmdEstrai");
        Risponditore r;
        QStringList testi;
        r.Poi(Risponditore::Premi("NO", &testi));
        QVERIFY(!finestra->close());
        QCOMPARE(testi, QStringList{"Confermi uscita dal programma?"});
        QVERIFY(finestra->isVisible());
        QCOMPARE(Testo("lblTentativi"), QStringLiteral("1"));
        QCOMPARE(programma->Dati().Stato.NumCombinazioni, std::int16_t{1});
    }

    void siChiudePrimaLeAltreFinestreDalUltima()
    {
        QStringList chiusure;
        QWidget prima, seconda;
        prima.setObjectName("prima");
        seconda.setObjectName("seconda");
        struct Spia : QObject {
            QStringList* registro;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                if (e->type() == QEvent::Hide)
                    *registro << o->objectName();
                return false;
            }
        } spia;
        spia.registro = &chiusure;
        for (QWidget* w :
             {static_cast<QWidget*>(&prima), &seconda, static_cast<QWidget*>(finestra)})
            w->installEventFilter(&spia);
        prima.show();
        seconda.show();

        Risponditore r;
        r.Poi(Risponditore::Premi("SI"));
        QVERIFY(finestra->close());
        QCOMPARE(chiusure, (QStringList{"seconda", "prima", "frmEstrazioneUser"}));
    }

    void ilPulsanteApriCaricaUnFileValido()
    {
        const QString percorso = ScriviFile("tre.txt", "1 2 3\r\n05.10.90\r\n\"4,5,6\"\r\n");
        Risponditore r;
        QStringList dialogo;
        r.Poi(ScegliFile(percorso, &dialogo));
        Clicca("cmdOpen");
        QVERIFY(r.TuttiRisposti());
        QCOMPARE(dialogo.value(0), QStringLiteral("Open"));
        QCOMPARE(dialogo.value(1), QStringLiteral("Sistemi (*.txt)"));
        QCOMPARE(dialogo.value(2), QStringLiteral("Sistemi (*.txt)"));
        QCOMPARE(dialogo.value(3) + "/",
                 QCoreApplication::applicationDirPath() + "/Shared/Costruzioni/");
        // The chooser carries the program's icon.
        QCOMPARE(dialogo.value(4), QString::number(finestra->windowIcon().cacheKey()));
        QCOMPARE(Testo("lblCatturate"), QStringLiteral("3"));
        const std::vector<std::string> attese = {"1 2 3", "05 10 90", "4 5 6"};
        QCOMPARE(programma->Dati().Stato.Combinazioni, attese);
    }

    void unFileNonValidoDaDueMessaggiETieneLaListaPrecedente()
    {
        CaricaDirettamente({"1 2 3"});
        const QString percorso = ScriviFile("virgole.txt", "1,2,3\r\n");
        Risponditore r;
        QStringList testi;
        r.Poi(ScegliFile(percorso))
            .Poi(Risponditore::Premi("OK", &testi))
            .Poi(Risponditore::Premi("OK", &testi));
        Clicca("cmdOpen");
        QVERIFY(r.TuttiRisposti());
        QCOMPARE(testi,
                 (QStringList{"La lunghezza delle combinazioni|non è conforme al tipo di gioco ..!",
                              "Da Ambi a Decine ..!"}));
        QCOMPARE(programma->Dati().Stato.Combinazioni, std::vector<std::string>{"1 2 3"});
        QCOMPARE(Testo("lblCatturate"), QStringLiteral("1"));
    }

    void annullareLaSceltaNonCambiaNulla()
    {
        CaricaDirettamente({"1 2 3"});
        Risponditore r;
        r.Poi(ScegliFile(QString()));
        Clicca("cmdOpen");
        QVERIFY(r.TuttiRisposti());
        QCOMPARE(r.finestre.size(), 1);
        QCOMPARE(programma->Dati().Stato.NumCombinazioni, std::int16_t{1});
    }

    void gliEsempiSonoDoveIlDialogoParte()
    {
        const QString esempio = QCoreApplication::applicationDirPath()
                                + "/Shared/Costruzioni/Esempio_500_combinazioni.txt";
        QVERIFY2(QFile::exists(esempio), qPrintable(esempio));
        Risponditore r;
        r.Poi(ScegliFile(esempio));
        Clicca("cmdOpen");
        QVERIFY(r.TuttiRisposti());
        QCOMPARE(Testo("lblCatturate"), QStringLiteral("500"));
        Clicca("cmdEstrai");
        QCOMPARE(SommaColonna("lblPunti"), 500);
    }
};

QTEST_MAIN(TestComandi)
#include "test_comandi.moc"
