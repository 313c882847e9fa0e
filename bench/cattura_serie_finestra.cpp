// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Grabs the series window after a short seeded run to a PNG, for the
// README and for review without a display:
//   QT_QPA_PLATFORM=offscreen cattura_serie_finestra out.png [file]

#include "FinestraSerie.h"

#include "platform/IconaProgramma.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s file.png [file delle combinazioni]\n", argv[0]);
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true); // the user's settings stay untouched
    QApplication::setWindowIcon(vortilla::IconaProgramma());
    FinestraSerie finestra;
    finestra.ApriFile(argc > 2 ? QString::fromLocal8Bit(argv[2])
                               : QStringLiteral("examples/Esempio_500_combinazioni.txt"));
    // The example's options, whatever an earlier grab left behind.
    finestra.findChild<QLineEdit*>(QStringLiteral("campoPremi"))->clear();
    finestra.findChild<QLineEdit*>(QStringLiteral("campoArchivio"))->clear();
    finestra.findChild<QComboBox*>(QStringLiteral("sceltaEstratti"))->setCurrentIndex(0);
    finestra.findChild<QCheckBox*>(QStringLiteral("casellaTutte"))->setChecked(false);
    finestra.findChild<QLineEdit*>(QStringLiteral("campoEstrazioni"))->setText(QStringLiteral("100000"));
    finestra.findChild<QLineEdit*>(QStringLiteral("campoSeme"))->setText(QStringLiteral("1"));
    finestra.show();
    finestra.findChild<QPushButton*>(QStringLiteral("pulsanteAvvia"))->click();
    while (finestra.InCorso())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
    if (!finestra.grab().save(QString::fromLocal8Bit(argv[1])))
        return 1;
    return finestra.UltimoRisultato() ? 0 : 1;
}
