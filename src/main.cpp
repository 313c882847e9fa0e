#include "engine/DatiProgramma.h"
#include "platform/Programma.h"
#include "ui/FrmEstrazioneUser.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vortilla::RegistraSostituzioniCaratteri();

    vortilla::DatiProgramma dati;
    dati.SeparatoreMigliaia = vortilla::SeparatoreMigliaiaUtente().toStdString();

    vortilla::FrmEstrazioneUser finestra(dati);
    finestra.show();
    return app.exec();
}
