// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/FrmInfo.h"

#include "platform/FinestraBloccata.h"
#include "platform/ImmaginiRisorse.h"
#include "platform/OrdineTab.h"
#include "platform/TastiTenuti.h"
#include "platform/Twips.h"
#include "ui/dialogs/TestoDialogo.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace vortilla {
namespace {
constexpr int LarghezzaAreaTwips = 6300;
// The window, the frame and the button move 235 a line, the label grows 255:
// from six lines on, the label's box reaches under the button.
constexpr int PassoRigaTwips = 235;
constexpr int AltezzaRigaTestoTwips = 255;
} // namespace

FrmInfo::FrmInfo(const CanaleDialogo& canale, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      canale_(canale)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowModality(Qt::ApplicationModal);
    ImpostaAreaClienteFissa(this, LarghezzaAreaTwips, 2085);
    IgnoraTastiTenuti(this);
    CreaControlli();
    Caricamento();
}

void FrmInfo::CreaControlli()
{
    fraInfo_ = new QFrame(this);
    fraInfo_->setObjectName(QStringLiteral("fraInfo"));
    fraInfo_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ImpostaGeometria(fraInfo_, {60, 0, 6165, 2025});

    Image1_ = new QLabel(fraInfo_);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setPixmap(PixmapRisorsa(QStringLiteral(":/info.png")));
    Image1_->setScaledContents(true);
    Image1_->setAccessibleName(QStringLiteral("Informazione"));
    ImpostaGeometria(Image1_, {2850, 180, 720, 720});

    lblInfo_ = new QLabel(QStringLiteral("Messaggio informativo"), fraInfo_);
    lblInfo_->setObjectName(QStringLiteral("lblInfo"));
    lblInfo_->setTextFormat(Qt::PlainText);
    lblInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblInfo_->setFont(Carattere(QStringLiteral("Courier New"), 9));
    ImpostaGeometria(lblInfo_, {270, 1035, 5625, 255});

    cmdInfo_ = new QPushButton(QStringLiteral("OK"), fraInfo_);
    cmdInfo_->setObjectName(QStringLiteral("cmdInfo"));
    cmdInfo_->setFont(Carattere(QStringLiteral("Trebuchet MS"), 9));
    cmdInfo_->setAutoDefault(true);
    ImpostaGeometria(cmdInfo_, {2490, 1400, 1400, 465});
    ImpostaIndiceTab(cmdInfo_, 0);
    connect(cmdInfo_, &QPushButton::clicked, this, [this] {
        if (!FinestraBloccata(this))
            accept();
    });
}

void FrmInfo::Caricamento()
{
    setWindowTitle(QStringLiteral("SimulazioneVortilla®") + QStringLiteral(" - Informazione"));

    // Sizes in int rather than 16 bits, so a text of more than 128 lines
    // still lays out.
    const int righe = static_cast<int>(DividiTesto(canale_.TestoInfo, '|').size());
    ImpostaAltezzaEsterna(this, PassoRigaTwips * righe + 2250);
    ImpostaGeometria(fraInfo_, {60, 0, 6165, PassoRigaTwips * righe + 1770});
    ImpostaGeometria(lblInfo_, {270, 1035, 5625, AltezzaRigaTestoTwips * righe});
    ImpostaGeometria(cmdInfo_, {2490, PassoRigaTwips * righe + 1145, 1400, 465});
    // Where the label's box reaches under the button, the button stays on
    // top: wholly drawn and taking every click on it.
    cmdInfo_->raise();
    lblInfo_->setText(QString::fromStdString(ConRitorniACapo(canale_.TestoInfo)));
    lblInfo_->repaint();
    cmdInfo_->setFocus();
}

} // namespace vortilla
