// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/FrmMessage.h"

#include "platform/FinestraBloccata.h"
#include "platform/ImmaginiRisorse.h"
#include "platform/OrdineTab.h"
#include "platform/TastiTenuti.h"
#include "platform/Twips.h"
#include "ui/dialogs/TestoDialogo.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace vortilla {
namespace {
constexpr int LarghezzaAreaTwips = 4815;
constexpr int AltezzaRigaTwips = 275;
const QString Trebuchet = QStringLiteral("Trebuchet MS");
} // namespace

FrmMessage::FrmMessage(CanaleDialogo& canale, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      canale_(canale)
{
    setObjectName(QStringLiteral("frmMessage"));
    setWindowModality(Qt::ApplicationModal);
    ImpostaAreaClienteFissa(this, LarghezzaAreaTwips, 2280);
    IgnoraTastiTenuti(this);
    CreaControlli();
    Caricamento();
}

FrmMessage::~FrmMessage() = default;

void FrmMessage::CreaControlli()
{
    fraMessage_ = new QFrame(this);
    fraMessage_->setObjectName(QStringLiteral("fraMessage"));
    fraMessage_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ImpostaGeometria(fraMessage_, {30, 0, 4725, 2250});

    Image1_ = new QLabel(fraMessage_);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setPixmap(PixmapRisorsa(QStringLiteral(":/banner_messaggio.png")));
    Image1_->setScaledContents(true);
    Image1_->setAccessibleName(QStringLiteral("SimulazioneVortilla®"));
    ImpostaGeometria(Image1_, {1170, 210, 2400, 600});

    lblMessage_ = new QLabel(QStringLiteral("Messaggio informativo"), fraMessage_);
    lblMessage_->setObjectName(QStringLiteral("lblMessage"));
    // Messages are plain text: a "<" in one must not turn it into markup.
    lblMessage_->setTextFormat(Qt::PlainText);
    lblMessage_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblMessage_->setFont(Carattere(Trebuchet, 9.75));
    ImpostaGeometria(lblMessage_, {210, 1050, 4275, 275});

    auto* primo = new QPushButton(fraMessage_);
    primo->setFont(Carattere(Trebuchet, 9));
    // Auto-default: Return presses the button that has the focus, the one
    // the user sees framed, and no other.
    primo->setAutoDefault(true);
    ImpostaGeometria(primo, {210, 1650, 1400, 465});
    cmdPulsante_ =
        std::make_unique<ArrayWidget<QPushButton>>(QStringLiteral("cmdPulsante"), 1, primo);
    ImpostaIndiceTab(primo, 0);
}

void FrmMessage::Caricamento()
{
    setWindowTitle(QStringLiteral("SimulazioneVortilla®")
                   + QStringLiteral(" - Messaggio di Servizio"));
    canale_.Risposta = 0;

    const int righe = static_cast<int>(DividiTesto(canale_.TestoMessaggio, '|').size());
    const int altezzaTesto = AltezzaRigaTwips * righe;
    ImpostaAltezzaEsterna(this, altezzaTesto + 2450);
    ImpostaGeometria(fraMessage_, {30, 0, 4725, altezzaTesto + 2000});
    cmdPulsante_->Sposta(1, cmdPulsante_->Left(1), altezzaTesto + 1400);
    ImpostaGeometria(lblMessage_, {210, 1050, 4275, altezzaTesto});
    lblMessage_->setText(QString::fromStdString(ConRitorniACapo(canale_.TestoMessaggio)));
    lblMessage_->repaint();

    DisponiPulsanti(DividiTesto(canale_.Pulsanti, ','));

    for (std::int16_t indice = cmdPulsante_->IndiceMinimo();
         indice <= cmdPulsante_->IndiceMassimo(); ++indice)
        connect((*cmdPulsante_)[indice], &QPushButton::clicked, this,
                [this, indice] { Premuto(indice); });
    (*cmdPulsante_)[1]->setFocus();
}

void FrmMessage::DisponiPulsanti(const std::vector<std::string>& didascalie)
{
    switch (didascalie.size()) {
    case 1:
        ImpostaGeometria((*cmdPulsante_)[1],
                         {1700, cmdPulsante_->Top(1), 1400, cmdPulsante_->Height(1)});
        cmdPulsante_->ImpostaTesto(1, didascalie[0]);
        (*cmdPulsante_)[1]->repaint();
        break;
    case 2: DisponiInFila(didascalie, 1000, 60); break;
    case 3: DisponiInFila(didascalie, 185, 70); break;
    default:
        // No caption or too many: the designed button alone, still able to
        // answer, so the caller is never left waiting.
        break;
    }
}

void FrmMessage::DisponiInFila(const std::vector<std::string>& didascalie, int left, int spazio)
{
    ArrayControlli& pulsanti = *cmdPulsante_;
    pulsanti.Sposta(1, left, pulsanti.Top(1));
    int x = pulsanti.Left(1);
    const int y = pulsanti.Top(1);
    const auto quanti = static_cast<std::int16_t>(didascalie.size());
    for (std::int16_t k = 1; k <= quanti; ++k) {
        if (k > pulsanti.IndiceMassimo())
            pulsanti.Crea(k);
        pulsanti.Sposta(k, x, y);
        pulsanti.Mostra(k);
        pulsanti.ImpostaTesto(k, didascalie[static_cast<std::size_t>(k - 1)]);
        pulsanti.ImpostaTabIndex(k, static_cast<std::int16_t>(k - 1));
        x = pulsanti.Left(k) + pulsanti.Width(k) + spazio;
    }
}

void FrmMessage::Premuto(std::int16_t indice)
{
    // A dialog opened over this one has the answer to give first.
    if (FinestraBloccata(this))
        return;
    canale_.Risposta = indice;
    accept();
}

void FrmMessage::closeEvent(QCloseEvent* evento)
{
    // A close from the window's own frame (close box, system menu, Alt+F4)
    // arrives spontaneous and is refused: the caller waits for an answer.
    // The program closing its windows, or the session ending, goes through.
    if (evento->spontaneous()) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

void FrmMessage::keyPressEvent(QKeyEvent* evento)
{
    // Escape would reject the dialog without an answer.
    if (evento->matches(QKeySequence::Cancel)) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

} // namespace vortilla
