// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tabellone_etichette.h"

#include "engine/Colori.h"
#include "platform/ColoriQt.h"
#include "platform/Programma.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QRegularExpression>

#include <cstdio>

namespace vortilla {
namespace {

// Where each container's origin sits in the window, in pixels: the window
// rounds every rectangle relative to its own container, so a label's place
// is the sum of its containers' rounded places.
QPoint Origine(std::initializer_list<RettangoloTwips> contenitori)
{
    QPoint origine;
    for (const RettangoloTwips& c : contenitori)
        origine += InPixel(c).topLeft();
    return origine;
}

struct Modello {
    const char* nome;
    QPoint origine;
    RettangoloTwips primo;
    QFont font;
    Qt::Alignment allineamento;
    bool bordo;
    Colore sfondo;
    Colore testo = colori::TestoFinestra;
};

QLabel* Etichetta(QWidget* finestra, const Modello& m, int indice, RettangoloTwips g,
                  const QString& testo)
{
    auto* etichetta = new QLabel(testo, finestra);
    etichetta->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(m.nome)).arg(indice));
    etichetta->setFont(m.font);
    etichetta->setAlignment(m.allineamento);
    if (m.bordo) {
        etichetta->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        etichetta->setLineWidth(1);
    }
    ImpostaColori(etichetta, m.sfondo, m.testo);
    etichetta->setGeometry(InPixel(g).translated(m.origine));
    return etichetta;
}

} // namespace

QWidget* CreaTabelloneEtichette()
{
    RegistraSostituzioniCaratteri();
    auto* finestra = new QWidget();
    finestra->setFixedSize(InPixel(13320), InPixel(8385));

    const RettangoloTwips frame1{90, 90, 8295, 8205}, frame2{8430, 90, 4755, 6285};
    const RettangoloTwips frame5{150, 900, 2025, 5205}, frame4{2280, 900, 2325, 5205};
    const QFont palla = Carattere(QStringLiteral("Segoe UI Semibold"), 20.25, 600);
    const QFont tabella = Carattere(QStringLiteral("Segoe UI"), 11.25);
    const Qt::Alignment destra = Qt::AlignRight | Qt::AlignVCenter;
    constexpr Colore azzurro = 0xEBCDA6;

    // Balls 1..90, ten to a row, 96 twips apart both ways.
    const Modello palle{"lblBall", Origine({frame1}), {180, 300, 705, 645}, palla, Qt::AlignCenter,
                        true,      colori::Bianco,    colori::TestoPulsante};
    for (int numero = 1; numero <= 90; ++numero) {
        RettangoloTwips g = palle.primo;
        g.Left += (numero - 1) % 10 * (g.Width + 96);
        g.Top += (numero - 1) / 10 * (g.Height + 96);
        Etichetta(finestra, palle, numero, g, QString::number(numero));
    }

    // The four table columns: rows 10 at the top down to 0, 30 twips apart.
    const Modello colonne[] = {
        {"lblNumero",
         Origine({frame2, frame5}),
         {150, 270, 645, 315},
         tabella,
         destra,
         false,
         azzurro},
        {"lblPunti",
         Origine({frame2, frame5}),
         {1050, 270, 765, 315},
         tabella,
         destra,
         true,
         colori::Bianco},
        {"lblNumTot",
         Origine({frame2, frame4}),
         {330, 270, 645, 315},
         tabella,
         destra,
         false,
         azzurro},
        {"lblPuntiTot",
         Origine({frame2, frame4}),
         {1230, 270, 765, 315},
         tabella,
         destra,
         true,
         colori::Bianco},
    };
    for (const Modello& colonna : colonne) {
        const bool conteggio = colonna.bordo;
        const bool perEstrazione = colonna.origine == colonne[0].origine;
        for (int riga = 10; riga >= 0; --riga) {
            RettangoloTwips g = colonna.primo;
            g.Top += (10 - riga) * (g.Height + 30);
            const QString testo = conteggio       ? QStringLiteral("0")
                                  : perEstrazione ? QStringLiteral("%1 ...").arg(riga)
                                                  : QString::number(riga);
            Etichetta(finestra, colonna, riga, g, testo);
        }
    }
    return finestra;
}

int ConfrontaTabellone(const QWidget* tabellone, const QWidget* finestra)
{
    static const QRegularExpression nomi(
        QStringLiteral("^(lblBall|lblNumero|lblPunti|lblNumTot|lblPuntiTot)_\\d+$"));
    const QList<QLabel*> nostre = tabellone->findChildren<QLabel*>(nomi);
    if (nostre.size() != 134 || finestra->findChildren<QLabel*>(nomi).size() != 134)
        return -1;
    int diverse = 0;
    for (const QLabel* a : nostre) {
        const auto* b = finestra->findChild<QLabel*>(a->objectName());
        if (!b)
            return -1;
        const QRect ra(a->mapTo(tabellone, QPoint()), a->size());
        const QRect rb(b->mapTo(finestra, QPoint()), b->size());
        const bool uguali =
            ra == rb && a->text() == b->text() && a->font() == b->font()
            && a->alignment() == b->alignment() && a->frameStyle() == b->frameStyle()
            && a->lineWidth() == b->lineWidth()
            && a->autoFillBackground() == b->autoFillBackground()
            && a->palette().color(QPalette::Window) == b->palette().color(QPalette::Window)
            && a->palette().color(QPalette::WindowText) == b->palette().color(QPalette::WindowText);
        if (!uguali) {
            ++diverse;
            std::fprintf(stderr, "%s differs from the window's\n", qPrintable(a->objectName()));
        }
    }
    return diverse;
}

} // namespace vortilla
