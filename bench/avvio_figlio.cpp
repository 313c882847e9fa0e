// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Child of bench_avvio: starts the real program's window, a bare Qt window
// of the same size ("nuda") or a window of the same size holding only the
// board's 134 labels ("tabellone"), and writes "painted" on stdout as soon as
// the first frame has been painted. It stays a moment longer, so that its
// peak memory includes what the window does right after its first frame.
// "confronta" builds the board and the program's window without showing them
// and writes how many of the 134 labels differ.
#include "tabellone_etichette.h"
#include "ui/Applicazione.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
class PrimoFotogramma : public QObject {
public:
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint && !visto_) {
            visto_ = true;
            // Report once the paint has been flushed to the screen.
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                QTimer::singleShot(200, [] { QCoreApplication::exit(0); });
            });
        }
        return false;
    }

private:
    bool visto_ = false;
};

bool Modo(int argc, char** argv, const char* nome)
{
    return argc > 1 && std::strcmp(argv[1], nome) == 0;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PrimoFotogramma osservatore;

    std::unique_ptr<vortilla::Applicazione> programma;
    std::unique_ptr<QWidget> finestraDiProva;
    QWidget* finestra = nullptr;
    if (Modo(argc, argv, "nuda")) {
        finestraDiProva = std::make_unique<QWidget>();
        finestraDiProva->setFixedSize(888, 559);
        finestra = finestraDiProva.get();
    } else if (Modo(argc, argv, "tabellone")) {
        finestraDiProva.reset(vortilla::CreaTabelloneEtichette());
        finestra = finestraDiProva.get();
    } else if (Modo(argc, argv, "confronta")) {
        finestraDiProva.reset(vortilla::CreaTabelloneEtichette());
        programma = std::make_unique<vortilla::Applicazione>();
        const int diverse =
            vortilla::ConfrontaTabellone(finestraDiProva.get(), &programma->FinestraPrincipale());
        std::printf("%d\n", diverse);
        return diverse == 0 ? 0 : 1;
    } else {
        programma = std::make_unique<vortilla::Applicazione>();
        finestra = &programma->FinestraPrincipale();
    }
    finestra->installEventFilter(&osservatore);
    finestra->show();
    return app.exec();
}
