// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ControlliEstrazione.h"

#include "engine/Colori.h"
#include "platform/ColoriQt.h"
#include "platform/GruppoOpzioni.h"
#include "platform/ImmaginiRisorse.h"
#include "platform/OrdineTab.h"
#include "platform/PulsanteColorato.h"
#include "platform/PulsanteOpzione.h"
#include "platform/Twips.h"

#include <QIcon>
#include <QPixmap>

namespace vortilla {
namespace {

const QString SegoeUI = QStringLiteral("Segoe UI");
const QString SegoeUISemibold = QStringLiteral("Segoe UI Semibold");
constexpr int Semibold = 600;

QFrame* Cornice(QWidget* contenitore, const char* nome, RettangoloTwips g, int tab)
{
    auto* cornice = new QFrame(contenitore);
    cornice->setObjectName(QLatin1String(nome));
    // A frame without caption only draws its etched border.
    cornice->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ImpostaGeometria(cornice, g);
    SegnaIndiceTab(cornice, static_cast<std::int16_t>(tab));
    return cornice;
}

QLabel* Etichetta(QWidget* contenitore, const char* nome, RettangoloTwips g, const QString& testo,
                  const QFont& font, Qt::Alignment allineamento, int tab)
{
    auto* etichetta = new QLabel(testo, contenitore);
    if (nome)
        etichetta->setObjectName(QLatin1String(nome));
    etichetta->setFont(font);
    etichetta->setAlignment(allineamento);
    ImpostaGeometria(etichetta, g);
    SegnaIndiceTab(etichetta, static_cast<std::int16_t>(tab));
    return etichetta;
}

// A count cell of the two tables: white, single border, right-aligned.
QLabel* CellaConteggio(QWidget* contenitore, RettangoloTwips g, int tab)
{
    QLabel* cella = Etichetta(contenitore, nullptr, g, QStringLiteral("0"),
                              Carattere(SegoeUI, 11.25), Qt::AlignRight | Qt::AlignVCenter, tab);
    cella->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    cella->setLineWidth(1);
    ImpostaColori(cella, colori::Bianco, colori::TestoFinestra);
    return cella;
}

QLabel* IntestazioneRiga(QWidget* contenitore, RettangoloTwips g, int tab)
{
    QLabel* riga = Etichetta(contenitore, nullptr, g, QStringLiteral("10"),
                             Carattere(SegoeUI, 11.25), Qt::AlignRight | Qt::AlignVCenter, tab);
    ImpostaColori(riga, 0xEBCDA6 /* RGB(166,205,235) */, colori::TestoFinestra);
    return riga;
}

QLabel* Immagine(QWidget* contenitore, const char* nome, RettangoloTwips g, const QString& risorsa,
                 const QString& descrizione)
{
    auto* immagine = new QLabel(contenitore);
    immagine->setObjectName(QLatin1String(nome));
    immagine->setPixmap(PixmapRisorsa(risorsa));
    immagine->setScaledContents(true);
    immagine->setAccessibleName(descrizione);
    ImpostaGeometria(immagine, g);
    return immagine;
}

QPushButton* Pulsante(QWidget* contenitore, const char* nome, RettangoloTwips g,
                      const QString& testo, const QFont& font, const QString& suggerimento, int tab,
                      const QColor& sfondo = {})
{
    QPushButton* pulsante = sfondo.isValid() ? new PulsanteColorato(testo, sfondo, contenitore)
                                             : new QPushButton(testo, contenitore);
    pulsante->setObjectName(QLatin1String(nome));
    pulsante->setFont(font);
    pulsante->setToolTip(suggerimento);
    pulsante->setAutoDefault(false);
    ImpostaGeometria(pulsante, g);
    SegnaIndiceTab(pulsante, static_cast<std::int16_t>(tab));
    return pulsante;
}

PulsanteOpzione* Opzione(QWidget* contenitore, RettangoloTwips g, const QString& testo, int tab)
{
    auto* opzione = new PulsanteOpzione(testo, contenitore);
    opzione->setFont(Carattere(SegoeUISemibold, 9.75, Semibold));
    ImpostaGeometria(opzione, g);
    SegnaIndiceTab(opzione, static_cast<std::int16_t>(tab));
    return opzione;
}

} // namespace

ControlliEstrazione::ControlliEstrazione(QWidget* finestra)
{
    const Qt::Alignment destra = Qt::AlignRight | Qt::AlignVCenter;

    Frame1 = Cornice(finestra, "Frame1", {90, 90, 8295, 8205}, 3);
    QLabel* palla = Etichetta(Frame1, nullptr, {180, 300, 705, 645}, QStringLiteral("01"),
                              Carattere(SegoeUISemibold, 20.25, Semibold), Qt::AlignCenter, 17);
    palla->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    palla->setLineWidth(1);
    ImpostaColori(palla, colori::Bianco, colori::TestoPulsante);
    lblBall = std::make_unique<ArrayWidget<QLabel>>(QStringLiteral("lblBall"), 1, palla);
    imLogo = Immagine(Frame1, "imLogo", {390, 7380, 7500, 600}, QStringLiteral(":/logo.png"),
                      QStringLiteral("SimulazioneVortilla®"));

    Frame2 = Cornice(finestra, "Frame2", {8430, 90, 4755, 6285}, 4);
    Frame6 = Cornice(Frame2, "Frame6", {150, 150, 4455, 735}, 8);
    Label2_0 = Etichetta(Frame6, "Label2_0", {120, 300, 1485, 285}, QStringLiteral("Combinazioni:"),
                         Carattere(SegoeUI, 11.25), destra, 9);
    lblCatturate = Etichetta(Frame6, "lblCatturate", {1770, 300, 645, 285}, QStringLiteral("0"),
                             Carattere(SegoeUI, 12), Qt::AlignLeft | Qt::AlignVCenter, 10);
    Label2_4 = Etichetta(Frame6, "Label2_4", {2430, 300, 1035, 285}, QStringLiteral("Tentativo:"),
                         Carattere(SegoeUI, 11.25), destra, 12);
    lblTentativi = Etichetta(Frame6, "lblTentativi", {3630, 300, 645, 285}, QStringLiteral("0"),
                             Carattere(SegoeUI, 12), Qt::AlignLeft | Qt::AlignVCenter, 11);
    for (QLabel* contatore : {lblCatturate, lblTentativi}) {
        QPalette p = contatore->palette();
        p.setColor(QPalette::WindowText, QColor(192, 0, 0));
        contatore->setPalette(p);
    }

    Frame5 = Cornice(Frame2, "Frame5", {150, 900, 2025, 5205}, 5);
    lblNumero = std::make_unique<ArrayWidget<QLabel>>(
        QStringLiteral("lblNumero"), 10, IntestazioneRiga(Frame5, {150, 270, 645, 315}, 7));
    lblPunti = std::make_unique<ArrayWidget<QLabel>>(
        QStringLiteral("lblPunti"), 10, CellaConteggio(Frame5, {1050, 270, 765, 315}, 6));
    imgtry = Immagine(Frame5, "imgtry", {180, 4230, 1650, 750}, QStringLiteral(":/tryagain.png"),
                      QStringLiteral("TRY AGAIN!"));
    imgtry->hide();

    Frame4 = Cornice(Frame2, "Frame4", {2280, 900, 2325, 5205}, 14);
    lblNumTot = std::make_unique<ArrayWidget<QLabel>>(
        QStringLiteral("lblNumTot"), 10, IntestazioneRiga(Frame4, {330, 270, 645, 315}, 15));
    lblPuntiTot = std::make_unique<ArrayWidget<QLabel>>(
        QStringLiteral("lblPuntiTot"), 10, CellaConteggio(Frame4, {1230, 270, 765, 315}, 16));
    Label1 = Etichetta(Frame4, "Label1", {360, 4470, 1545, 315}, QStringLiteral("TOTALI"),
                       Carattere(SegoeUISemibold, 11.25, Semibold), Qt::AlignCenter, 18);

    Frame3 = Cornice(finestra, "Frame3", {8430, 6390, 4755, 855}, 19);
    opscelta = std::make_unique<ArrayWidget<PulsanteOpzione>>(
        QStringLiteral("opscelta"), 0,
        Opzione(Frame3, {450, 210, 1395, 465}, QStringLiteral(" 6 estratti"), 20));
    // The second option is designed, not copied: it has its own caption and place.
    PulsanteOpzione* venti =
        Opzione(Frame3, {2130, 210, 1395, 465}, QStringLiteral("20 estratti"), 21);
    opscelta->AggiungiProgettato(1, venti);
    venti->setChecked(true);
    TabSullaScelta({(*opscelta)[0], venti});

    fraControl = Cornice(finestra, "fraControl", {8430, 7260, 4755, 1035}, 13);
    cmdOpen = Pulsante(fraControl, "cmdOpen", {1830, 180, 945, 735}, QString(), QFont(),
                       QStringLiteral("Carica un File"), 0);
    cmdOpen->setIcon(IconaRisorsa(QStringLiteral(":/cartella.png")));
    cmdOpen->setIconSize(QSize(32, 32));
    cmdOpen->setAccessibleName(cmdOpen->toolTip());
    cmdEstrai =
        Pulsante(fraControl, "cmdEstrai", {2970, 180, 1605, 735}, QStringLiteral("ESTRAZIONE"),
                 Carattere(SegoeUI, 9), QStringLiteral("Effettua estrazione"), 1);
    cmdReset = Pulsante(fraControl, "cmdReset", {180, 180, 1335, 735}, QStringLiteral("RESET"),
                        Carattere(SegoeUI, 9.75), QStringLiteral("Resetta i contatori Vincite"), 2,
                        QColor(224, 224, 224));
    ApplicaOrdineTab(finestra);
}

} // namespace vortilla
