#include "ui/Applicazione.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vortilla::Applicazione programma;
    programma.Mostra();
    return app.exec();
}
