// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Child of bench_avvio: starts either the real program's window or a bare
// Qt window of the same size, and exits as soon as the first frame has been
// painted, writing "painted" on stdout.
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
            // Leave once the paint has been flushed to the screen.
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool visto_ = false;
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool nuda = argc > 1 && std::strcmp(argv[1], "nuda") == 0;
    PrimoFotogramma osservatore;

    std::unique_ptr<vortilla::Applicazione> programma;
    std::unique_ptr<QWidget> finestraNuda;
    QWidget* finestra = nullptr;
    if (nuda) {
        finestraNuda = std::make_unique<QWidget>();
        finestraNuda->setFixedSize(888, 559);
        finestra = finestraNuda.get();
    } else {
        programma = std::make_unique<vortilla::Applicazione>();
        finestra = &programma->FinestraPrincipale();
    }
    finestra->installEventFilter(&osservatore);
    finestra->show();
    return app.exec();
}
