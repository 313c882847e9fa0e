#include "ui/Applicazione.h"

#include "platform/Programma.h"

namespace vortilla {

Applicazione::Applicazione()
{
    RegistraSostituzioniCaratteri();
    dati_.SeparatoreMigliaia = SeparatoreMigliaiaUtente().toStdString();
    finestra_ = std::make_unique<FrmEstrazioneUser>(dati_);
}

Applicazione::~Applicazione() = default;

void Applicazione::Mostra()
{
    finestra_->show();
}

} // namespace vortilla
