// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The draw's own work on the real window, pauses apart, with 500 lines of ten
// numbers; beside it the floor: setting and repainting one label as many
// times as a 20-number draw repaints labels. Also the scoring of 500 lines
// alone. Run offscreen or under xvfb-run. Prints figures only.
#include "engine/Porte.h"
#include "engine/Punteggio.h"
#include "ui/Applicazione.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {
using Orologio = std::chrono::steady_clock;

struct NessunaPausa : vortilla::Pausa {
    void Attendi(int) override {}
};

// Counts the repaints a draw asks for, to size the floor.
struct ContaRidisegni : QObject {
    int quanti = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        quanti += e->type() == QEvent::Paint;
        return false;
    }
};

std::vector<std::string> Righe(std::mt19937& motore)
{
    std::uniform_int_distribution<int> numero(1, 90);
    std::vector<std::string> righe;
    for (int r = 0; r < 500; ++r) {
        std::string riga;
        for (int i = 0; i < 10; ++i)
            riga += (i ? " " : "") + std::to_string(numero(motore));
        righe.push_back(riga);
    }
    return righe;
}

template <class F>
double MedianaMicrosecondi(int giri, F&& lavoro)
{
    std::vector<double> durate;
    for (int g = 0; g < giri; ++g) {
        const auto inizio = Orologio::now();
        lavoro();
        durate.push_back(
            std::chrono::duration<double, std::micro>(Orologio::now() - inizio).count());
    }
    std::sort(durate.begin(), durate.end());
    return durate[durate.size() / 2];
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::mt19937 motore(2026);
    NessunaPausa pausa;
    vortilla::Applicazione programma(&pausa);
    auto& stato = programma.Dati().Stato;
    stato.Combinazioni = Righe(motore);
    stato.NumCombinazioni = 500;
    auto& finestra = programma.FinestraPrincipale();
    programma.Mostra();
    const auto limite = Orologio::now() + std::chrono::seconds(5);
    while (!(finestra.windowHandle() && finestra.windowHandle()->isExposed())
           && Orologio::now() < limite)
        app.processEvents(QEventLoop::AllEvents, 10);
    app.processEvents();
    auto* estrai = finestra.findChild<QPushButton*>(QStringLiteral("cmdEstrai"));
    // An opaque label like the balls and cells the draw repaints.
    auto* etichetta = finestra.findChild<QLabel*>(QStringLiteral("lblBall_1"));

    ContaRidisegni conta;
    for (QLabel* l : finestra.findChildren<QLabel*>())
        l->installEventFilter(&conta);
    estrai->click();
    const int ridisegni = conta.quanti;
    for (QLabel* l : finestra.findChildren<QLabel*>())
        l->removeEventFilter(&conta);

    const int giri = 200;
    const double estrazione = MedianaMicrosecondi(giri, [&] { estrai->click(); });
    int n = 0;
    const double pavimento = MedianaMicrosecondi(giri, [&] {
        for (int i = 0; i < ridisegni; ++i) {
            etichetta->setText(QString::number(++n % 90 + 1));
            etichetta->repaint();
        }
    });
    stato.Tentativi = 0; // keep the counters far from their limit

    std::vector<std::int16_t> estratti(91, 0);
    for (int k = 1; k <= 20; ++k)
        estratti[static_cast<std::size_t>(k * 4)] = 1;
    long controllo = 0;
    const double punteggio = MedianaMicrosecondi(
        2000, [&] { controllo += (*vortilla::CalcolaPunteggi(stato.Combinazioni, estratti))[1]; });

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("labels repainted by one 20-number draw: %d\n", ridisegni);
    std::printf("draw on the real window, pauses apart (median of %d): %.0f us\n", giri,
                estrazione);
    std::printf("floor, one label set and repainted %d times: %.0f us\n", ridisegni, pavimento);
    std::printf("ratio draw / floor: %.2f\n", estrazione / pavimento);
    std::printf("scoring 500 ten-number lines alone: %.1f us (checksum %ld)\n", punteggio,
                controllo % 7);
    return 0;
}
