// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The series window under a long run: the longest the event loop goes
// without turning (a 1 ms timer's largest gap) and the draws per second,
// against the command line's path (the series library called directly) on
// the same file, options and seed.
//   QT_QPA_PLATFORM=offscreen bench_serie_finestra [file] [draws]
// Prints figures; asserts nothing.

#include "FinestraSerie.h"
#include "serie/PreparaSerie.h"

#include "serie/EseguiSerie.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

constexpr std::uint64_t Seme = 20261207;

unsigned Thread() { return std::max(1u, std::thread::hardware_concurrency()); }

// The command line's path: read, exact figures, the draws; timed as it
// times them.
double EstrazioniAlSecondoRigaDiComando(const vortilla::RichiestaSerie& richiesta)
{
    vortilla::RifiutoSerie errore;
    const auto serie = vortilla::PreparaSerie(richiesta, errore);
    if (!serie) {
        std::fprintf(stderr, "%s\n", errore.testo.c_str());
        std::exit(1);
    }
    const auto esatte = vortilla::CalcolaFigureEsatte(serie->dati);
    std::atomic<bool> ferma{false};
    const auto inizio = std::chrono::steady_clock::now();
    const auto stato = vortilla::EseguiSerie(serie->sistema,
                                             vortilla::ParametriDi(serie->dati, Thread()), ferma,
                                             [](const vortilla::StatoSerie&) {});
    const double secondi =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    return static_cast<double>(stato.conteggi.estrazioni) / secondi;
}

// An event from outside every millisecond, as input from the display
// would come: the longest it waits before the window's thread handles it.
class Sonda {
public:
    explicit Sonda(QObject* destinatario)
        : thread_([this, destinatario] {
              while (!fine_) {
                  const auto inviato = std::chrono::steady_clock::now();
                  QMetaObject::invokeMethod(
                      destinatario,
                      [this, inviato] {
                          const auto attesa = std::chrono::duration_cast<std::chrono::milliseconds>(
                                                  std::chrono::steady_clock::now() - inviato)
                                                  .count();
                          massima_ = std::max<long long>(massima_, attesa);
                      },
                      Qt::QueuedConnection);
                  std::this_thread::sleep_for(std::chrono::milliseconds(1));
              }
          })
    {
    }
    ~Sonda()
    {
        fine_ = true;
        thread_.join();
    }
    long long Massima() const { return massima_; }

private:
    std::atomic<bool> fine_{false};
    long long massima_ = 0; // written on the window's thread only
    std::thread thread_;
};

struct Misura {
    double estrazioniAlSecondo = 0;
    qint64 attesaMassimaMs = 0;
    long long latenzaMassimaMs = 0; // of an event from another thread
    qint64 quandoMs = 0; // since Avvia
    qint64 durataMs = 0;
    int istantanee = 0;
};

// With `sonde` the loop is watched (two 1 ms timers and an event from
// another thread every millisecond), which costs the run some of its
// processor time: the speed is taken from a round without them.
Misura Finestra(const QString& file, std::uint64_t estrazioni, bool sonde)
{
    FinestraSerie finestra;
    finestra.show();
    finestra.findChild<QLineEdit*>(QStringLiteral("campoFile"))->setText(file);
    finestra.findChild<QLineEdit*>(QStringLiteral("campoPremi"))->clear();
    finestra.findChild<QLineEdit*>(QStringLiteral("campoArchivio"))->clear();
    finestra.findChild<QComboBox*>(QStringLiteral("sceltaEstratti"))->setCurrentIndex(0);
    finestra.findChild<QCheckBox*>(QStringLiteral("casellaTutte"))->setChecked(false);
    finestra.findChild<QLineEdit*>(QStringLiteral("campoEstrazioni"))
        ->setText(QString::number(estrazioni));
    finestra.findChild<QLineEdit*>(QStringLiteral("campoSeme"))->setText(QString::number(Seme));

    Misura misura;
    QElapsedTimer battito;
    QTimer orologio;
    orologio.setTimerType(Qt::PreciseTimer);
    QElapsedTimer dallInizio;
    QObject::connect(&orologio, &QTimer::timeout, [&] {
        const qint64 attesa = battito.restart();
        if (attesa > misura.attesaMassimaMs) {
            misura.attesaMassimaMs = attesa;
            misura.quandoMs = dallInizio.elapsed();
        }
    });
    const vortilla::Risultato* visto = nullptr;
    QTimer conta;
    QObject::connect(&conta, &QTimer::timeout, [&] {
        if (finestra.UltimoRisultato() != visto) {
            visto = finestra.UltimoRisultato();
            ++misura.istantanee;
        }
    });
    // The first frame is painted before the measure starts.
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    finestra.findChild<QPushButton*>(QStringLiteral("pulsanteAvvia"))->click();
    battito.start();
    dallInizio.start();
    if (sonde) {
        orologio.start(1);
        conta.start(1);
    }
    // The program's own loop, as exec() runs it, until the run ends.
    QEventLoop ciclo;
    QTimer fine;
    QObject::connect(&fine, &QTimer::timeout, [&] {
        if (!finestra.InCorso())
            ciclo.quit();
    });
    fine.start(sonde ? 5 : 50);
    if (sonde) {
        Sonda sonda(&finestra);
        ciclo.exec();
        misura.latenzaMassimaMs = sonda.Massima();
        QApplication::removePostedEvents(&finestra, QEvent::MetaCall);
    } else {
        ciclo.exec();
    }
    orologio.stop();
    misura.durataMs = dallInizio.elapsed();
    misura.estrazioniAlSecondo = finestra.UltimoRisultato()->EstrazioniAlSecondo();
    return misura;
}

// The same 1 ms timer on an idle event loop for `ms`: what the machine
// alone makes the loop wait, the floor of the figure above.
qint64 AttesaMassimaARiposo(qint64 ms)
{
    qint64 massima = 0;
    QElapsedTimer battito, durata;
    QTimer orologio;
    orologio.setTimerType(Qt::PreciseTimer);
    QObject::connect(&orologio, &QTimer::timeout,
                     [&] { massima = std::max(massima, battito.restart()); });
    battito.start();
    durata.start();
    orologio.start(1);
    QEventLoop ciclo;
    QTimer::singleShot(ms, &ciclo, &QEventLoop::quit);
    ciclo.exec();
    return massima;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // the user's settings stay untouched
    const QString file =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("examples/Esempio_500_combinazioni.txt");
    const std::uint64_t estrazioni = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 10'000'000;

    vortilla::RichiestaSerie richiesta;
    richiesta.file = file.toStdString();
    richiesta.estrazioni = estrazioni;
    richiesta.seme = Seme;
    // Rounds in turn, so that a busy moment of the machine weighs on both.
    constexpr int Giri = 3;
    std::printf("%llu estrazioni di %s su %u thread, %d giri\n",
                static_cast<unsigned long long>(estrazioni), qPrintable(file), Thread(), Giri);
    std::vector<double> rapporti;
    qint64 attesaMassima = 0;
    for (int giro = 1; giro <= Giri; ++giro) {
        const double rigaDiComando = EstrazioniAlSecondoRigaDiComando(richiesta);
        const Misura finestra = Finestra(file, estrazioni, true);
        const double senzaSonde = Finestra(file, estrazioni, false).estrazioniAlSecondo;
        rapporti.push_back(senzaSonde / rigaDiComando);
        attesaMassima = std::max(attesaMassima, finestra.attesaMassimaMs);
        std::printf("giro %d: riga di comando %.0f, finestra %.0f estrazioni al secondo (%.1f%%; "
                    "%.0f con le sonde); %d istantanee; attesa massima del ciclo degli eventi "
                    "%lld ms, a %lld ms di %lld\n",
                    giro, rigaDiComando, senzaSonde, 100 * rapporti.back(),
                    finestra.estrazioniAlSecondo,
                    finestra.istantanee, static_cast<long long>(finestra.attesaMassimaMs),
                    static_cast<long long>(finestra.quandoMs),
                    static_cast<long long>(finestra.durataMs));
        std::printf("        attesa massima di un evento da un altro thread: %lld ms\n",
                    finestra.latenzaMassimaMs);
        std::printf("        a riposo per lo stesso tempo, senza serie: attesa massima %lld ms\n",
                    static_cast<long long>(AttesaMassimaARiposo(finestra.durataMs)));
    }
    std::sort(rapporti.begin(), rapporti.end());
    std::printf("finestra/riga di comando (mediana): %.1f%%; attesa massima: %lld ms\n",
                100 * rapporti[rapporti.size() / 2], static_cast<long long>(attesaMassima));
    return 0;
}
