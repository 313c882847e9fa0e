// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FrmEstrazioneUser.h"

#include "combinations/CartellaSistemi.h"
#include "engine/CaricaCombinazioni.h"
#include "engine/DisposizioneGriglia.h"
#include "engine/Estrazione.h"
#include "engine/FormattaNumero.h"
#include "engine/Informazioni.h"
#include "engine/Reset.h"
#include "platform/Centratura.h"
#include "platform/ColoriQt.h"
#include "platform/ElencoFinestre.h"
#include "platform/FinestraBloccata.h"
#include "platform/Programma.h"
#include "platform/TastiTenuti.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QShowEvent>

namespace vortilla {
namespace {
constexpr int LarghezzaAreaTwips = 13320;
constexpr int AltezzaAreaTwips = 8385;

void Imposta(QLabel* etichetta, const std::string& testo)
{
    etichetta->setText(QString::fromStdString(testo));
    etichetta->repaint();
}
} // namespace

FrmEstrazioneUser::FrmEstrazioneUser(DatiProgramma& dati, ServiziFinestra servizi, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      dati_(dati), servizi_(servizi), controlli_(this)
{
    setObjectName(QStringLiteral("frmEstrazioneUser"));
    setFont(Carattere(QStringLiteral("Segoe UI"), 8.25));
    ImpostaAreaClienteFissa(this, LarghezzaAreaTwips, AltezzaAreaTwips);
    Creazione();
    Caricamento();
    Collega();
    controlli_.cmdOpen->setFocus();
    // Key preview: F10 reaches the window whatever control has the focus.
    qApp->installEventFilter(this);
    // Held, Return presses a button once and F10 shows the instructions once:
    // after the dialog they open has closed, the key's repeats do nothing.
    IgnoraTastiTenuti(this, {Qt::Key_F10});
}

FrmEstrazioneUser::~FrmEstrazioneUser() { qApp->removeEventFilter(this); }

void FrmEstrazioneUser::Creazione()
{
    dati_.CartellaSistemi =
        ComponiCartellaSistemi(CartellaProgramma().toStdString(), QDir::separator().toLatin1());
}

void FrmEstrazioneUser::Caricamento()
{
    setWindowTitle(QStringLiteral("SimulazioneVortilla®") + QStringLiteral(" - by ")
                   + QStringLiteral("Orbenti") + QStringLiteral(" - Press <F10> to Info"));
    dati_.Stato.ImpostaAvvio();
    dati_.ContaTab = 0;
    DisegnaControlli();
    for (std::int16_t indice = 0; indice <= 10; ++indice)
        Imposta((*controlli_.lblNumero)[indice], std::to_string(indice) + " ...");
    ScriviTentativi(FormattaNumero(dati_.Stato.Tentativi, dati_.SeparatoreMigliaia));
}

void FrmEstrazioneUser::DisegnaControlli()
{
    std::int16_t& tab = dati_.ContaTab;
    DisponiAvanti(1, dati_.Stato.NumeriMax, 10, 96, 96, false, true, false, *controlli_.lblBall,
                  tab);
    DisponiIndietro(10, 0, 1, 0, 30, false, false, false, *controlli_.lblNumero, tab);
    DisponiIndietro(10, 0, 1, 0, 30, false, false, false, *controlli_.lblPunti, tab);
    DisponiIndietro(10, 0, 1, 0, 30, false, true, false, *controlli_.lblNumTot, tab);
    DisponiIndietro(10, 0, 1, 0, 30, false, false, false, *controlli_.lblPuntiTot, tab);
}

void FrmEstrazioneUser::Collega()
{
    // While one of the program's dialogs is open this window must not act,
    // even when a press reaches it past the dialog's modality.
    const auto sePuoAgire = [this](void (FrmEstrazioneUser::*azione)()) {
        return [this, azione] {
            if (!FinestraBloccata(this))
                (this->*azione)();
        };
    };
    connect(controlli_.cmdEstrai, &QPushButton::clicked, this,
            sePuoAgire(&FrmEstrazioneUser::Estrai));
    connect(controlli_.cmdOpen, &QPushButton::clicked, this,
            sePuoAgire(&FrmEstrazioneUser::CaricaFile));
    connect(controlli_.cmdReset, &QPushButton::clicked, this,
            sePuoAgire(&FrmEstrazioneUser::ChiediReset));
    for (std::int16_t indice : {std::int16_t{0}, std::int16_t{1}}) {
        connect((*controlli_.opscelta)[indice], &QRadioButton::toggled, this,
                [this, indice](bool scelta) {
                    if (!scelta)
                        return;
                    if (FinestraBloccata(this)) {
                        // The option already moved: put it back where the draw expects it.
                        (*controlli_.opscelta)[opzioneScelta_]->setChecked(true);
                        return;
                    }
                    opzioneScelta_ = indice;
                    dati_.Stato.Scegli(indice);
                });
    }
}

void FrmEstrazioneUser::ChiediReset() { RichiediReset(dati_, servizi_.Messaggio, *this); }

void FrmEstrazioneUser::Estrai()
{
    PorteEstrazione porte{*this, servizi_.Messaggio, servizi_.Attesa, servizi_.Ora,
                          servizi_.Generatore};
    EseguiEstrazione(dati_, porte);
}

void FrmEstrazioneUser::CaricaFile()
{
    static const std::string filtro("Sistemi\0*.txt", 13);
    const std::string percorso =
        servizi_.File.ApriFile(1, "Open", "", filtro, dati_.CartellaSistemi, "txt");
    CaricaCombinazioni(percorso, dati_, servizi_.Messaggio, *this);
}

void FrmEstrazioneUser::AdattaControlli() { vortilla::AdattaControlli(*this); }

void FrmEstrazioneUser::Resetta() { vortilla::Resetta(dati_.Stato, *this); }

bool FrmEstrazioneUser::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress)
        return QWidget::eventFilter(oggetto, evento);
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    auto* w = qobject_cast<QWidget*>(oggetto);
    if (!w || w->window() != this)
        return QWidget::eventFilter(oggetto, evento);
    if (tasto->key() == Qt::Key_F10 && isActiveWindow()) {
        MostraInformazioni(dati_.Canale, servizi_.Info);
        return true;
    }
    // Return and Enter press the focused button, as Space does; a held key
    // presses it once.
    auto* pulsante = qobject_cast<QPushButton*>(w);
    if (pulsante && (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter)) {
        if (!tasto->isAutoRepeat())
            pulsante->click();
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}

void FrmEstrazioneUser::closeEvent(QCloseEvent* evento)
{
    if (!ConfermaUscita(dati_.Canale, servizi_.Messaggio)) {
        evento->ignore();
        return;
    }
    servizi_.Finestre.ChiudiTutteTranneLaPrima();
    evento->accept();
}

void FrmEstrazioneUser::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (primaVisualizzazione_ && !evento->spontaneous()) {
        primaVisualizzazione_ = false;
        CentraConLaCornice(this);
        Attivazione();
    }
}

void FrmEstrazioneUser::Attivazione()
{
    ScriviCatturate(FormattaNumero(dati_.Stato.NumCombinazioni, dati_.SeparatoreMigliaia));
}

void FrmEstrazioneUser::MostraTry(bool visibile) { controlli_.imgtry->setVisible(visibile); }

void FrmEstrazioneUser::ScriviTentativi(const std::string& testo)
{
    Imposta(controlli_.lblTentativi, testo);
}

void FrmEstrazioneUser::ScriviCatturate(const std::string& testo)
{
    Imposta(controlli_.lblCatturate, testo);
}

void FrmEstrazioneUser::ColoraPalla(std::int16_t numero, Colore sfondo, Colore testo)
{
    QLabel* palla = (*controlli_.lblBall)[numero];
    ImpostaColori(palla, sfondo, testo);
    palla->setAccessibleDescription(sfondo == colori::Arancio ? QStringLiteral("estratto")
                                                              : QString());
    palla->repaint();
}

void FrmEstrazioneUser::ScriviPunti(std::int16_t punti, Colore sfondo, const std::string& testo)
{
    QLabel* cella = (*controlli_.lblPunti)[punti];
    QPalette p = cella->palette();
    p.setColor(QPalette::Window, ColoreQt(sfondo, QGuiApplication::palette()));
    cella->setPalette(p);
    Imposta(cella, testo);
}

void FrmEstrazioneUser::ScriviPuntiTot(std::int16_t punti, const std::string& testo)
{
    Imposta((*controlli_.lblPuntiTot)[punti], testo);
}

} // namespace vortilla
