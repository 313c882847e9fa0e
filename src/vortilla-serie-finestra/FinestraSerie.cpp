// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FinestraSerie.h"

#include "AvanzamentoSerie.h"
#include "ImpostazioniSerie.h"
#include "PannelloIngressi.h"
#include "VistaRisultati.h"

#include "platform/IconaProgramma.h"
#include "platform/Programma.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>

namespace {

const QString Titolo = QStringLiteral("SimulazioneVortilla® - Serie");

// The one local file a drag carries, or nothing.
QString FileTrascinato(const QMimeData* dati)
{
    if (!dati || dati->urls().size() != 1 || !dati->urls().constFirst().isLocalFile())
        return {};
    const QString percorso = dati->urls().constFirst().toLocalFile();
    return QFileInfo(percorso).isFile() ? percorso : QString();
}

} // namespace

FinestraSerie::FinestraSerie(QWidget* genitore)
    : QMainWindow(genitore), ingressi_(new PannelloIngressi), avvia_(new QPushButton(tr("&Avvia"))),
      ferma_(new QPushButton(tr("Fe&rma"))), avanzamento_(new AvanzamentoSerie),
      risultati_(new VistaRisultati), esecuzione_(new EsecuzioneSerie(this))
{
    setObjectName(QStringLiteral("FinestraSerie"));
    setWindowTitle(Titolo);
    setWindowIcon(vortilla::IconaProgramma());
    // The main window's typeface (or its free stand-in), at the desktop's size.
    vortilla::RegistraSostituzioniCaratteri();
    QFont carattere = font();
    carattere.setFamilies({QStringLiteral("Segoe UI")});
    setFont(carattere);
    setAcceptDrops(true);

    avvia_->setObjectName(QStringLiteral("pulsanteAvvia"));
    avvia_->setToolTip(tr("Avvia la serie di estrazioni su tutti i core del computer."));
    avvia_->setDefault(true);
    ferma_->setObjectName(QStringLiteral("pulsanteFerma"));
    ferma_->setToolTip(tr("Ferma la serie: i risultati restano quelli delle estrazioni già fatte."));
    ferma_->setEnabled(false);

    auto* centro = new QWidget(this);
    centro->setObjectName(QStringLiteral("centroSerie"));
    auto* colonna = new QVBoxLayout(centro);
    colonna->addWidget(ingressi_);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(avvia_);
    comandi->addWidget(ferma_);
    comandi->addWidget(avanzamento_, 1);
    colonna->addLayout(comandi);
    colonna->addWidget(risultati_, 1);
    setCentralWidget(centro);
    CreaMenu();
    statusBar()->setObjectName(QStringLiteral("barraStato"));

    ingressi_->Carica(*ImpostazioniSerie());
    connect(avvia_, &QPushButton::clicked, this, &FinestraSerie::Avvia);
    connect(ferma_, &QPushButton::clicked, this, &FinestraSerie::Ferma);
    connect(esecuzione_, &EsecuzioneSerie::Preparata, this, [this] {
        statusBar()->showMessage(tr("Calcolo delle probabilità esatte..."));
        avanzamento_->Inizia();
    });
    connect(esecuzione_, &EsecuzioneSerie::Parziale, this, [this](const RisultatoCondiviso& r) {
        statusBar()->showMessage(tr("Serie in corso..."));
        Mostra(r, false);
    });
    connect(esecuzione_, &EsecuzioneSerie::Finita, this, [this](const RisultatoCondiviso& r) {
        Concludi();
        Mostra(r, true);
        statusBar()->showMessage(r->interrotta ? tr("Serie fermata.") : tr("Serie finita."));
    });
    connect(esecuzione_, &EsecuzioneSerie::Rifiutata, this, [this](const QString& messaggio) {
        Concludi();
        statusBar()->clearMessage();
        Avvisa(messaggio);
    });
    resize(sizeHint().expandedTo(QSize(960, 720)));
}

FinestraSerie::~FinestraSerie()
{
    // No snapshot may reach a window on its way out.
    esecuzione_->Ferma();
    esecuzione_->Attendi();
}

void FinestraSerie::ApriFile(const QString& percorso) { ingressi_->ImpostaFile(percorso); }

void FinestraSerie::Avvia()
{
    if (esecuzione_->InCorso())
        return;
    QString errore;
    const auto richiesta = ingressi_->Richiesta(errore);
    if (!richiesta) {
        Avvisa(errore);
        return;
    }
    ingressi_->Salva(*ImpostazioniSerie());
    ingressi_->setEnabled(false);
    avvia_->setEnabled(false);
    ferma_->setEnabled(true);
    statusBar()->showMessage(tr("Lettura dei file..."));
    esecuzione_->Avvia(*richiesta, std::max(1u, std::thread::hardware_concurrency()));
}

void FinestraSerie::Ferma() { esecuzione_->Ferma(); }

// Inputs back for the next run; a refused file leaves the figures shown.
void FinestraSerie::Concludi()
{
    ingressi_->setEnabled(true);
    avvia_->setEnabled(true);
    ferma_->setEnabled(false);
}

void FinestraSerie::Mostra(const RisultatoCondiviso& r, bool finale)
{
    ultimo_ = r;
    risultati_->Mostra(*r, !finale);
    avanzamento_->Mostra(*r, finale);
}

void FinestraSerie::Avvisa(const QString& testo)
{
    auto* avviso = new QMessageBox(QMessageBox::Warning, Titolo, testo, QMessageBox::Ok, this);
    avviso->setObjectName(QStringLiteral("avvisoSerie"));
    avviso->setAttribute(Qt::WA_DeleteOnClose);
    avviso->setWindowModality(Qt::ApplicationModal);
    avviso->show();
}

void FinestraSerie::closeEvent(QCloseEvent* evento)
{
    esecuzione_->Ferma();
    esecuzione_->Attendi();
    ingressi_->Salva(*ImpostazioniSerie());
    evento->accept();
}

void FinestraSerie::dragEnterEvent(QDragEnterEvent* evento)
{
    if (!FileTrascinato(evento->mimeData()).isEmpty() && ingressi_->isEnabled())
        evento->acceptProposedAction();
}

void FinestraSerie::dropEvent(QDropEvent* evento)
{
    const QString percorso = FileTrascinato(evento->mimeData());
    if (percorso.isEmpty() || !ingressi_->isEnabled())
        return;
    ingressi_->Deposita(percorso, childAt(evento->position().toPoint()));
    evento->acceptProposedAction();
}
