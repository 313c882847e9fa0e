// Grabs the main window to a PNG, so a reviewer can look at it without a
// display:  QT_QPA_PLATFORM=offscreen cattura_finestra out.png [draws]
// With a number of draws, loads the first example file first and draws
// that many times (no pauses), to show a board in use.
#include "engine/DatiProgramma.h"
#include "platform/Programma.h"
#include "ui/FrmEstrazioneUser.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s file.png\n", argv[0]);
        return 2;
    }
    vortilla::RegistraSostituzioniCaratteri();
    vortilla::DatiProgramma dati;
    dati.SeparatoreMigliaia = vortilla::SeparatoreMigliaiaUtente().toStdString();
    vortilla::FrmEstrazioneUser finestra(dati);
    finestra.show();
    app.processEvents();
    if (!finestra.grab().save(QString::fromLocal8Bit(argv[1])))
        return 1;
    return 0;
}
