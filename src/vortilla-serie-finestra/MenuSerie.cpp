// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's menus: the files, the exports, the guide.

#include "FinestraSerie.h"

#include "PannelloIngressi.h"
#include "VistaRisultati.h"

#include "platform/SceltaFileQt.h"

#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>

using namespace std::string_literals;

namespace {

// Where an export starts: the folder of the combination file when there is
// one, else the user's home.
std::string CartellaEsportazioni(const vortilla::Risultato* r)
{
    if (r && !r->file.empty())
        return QFileInfo(QFile::decodeName(r->file.c_str())).absolutePath().toStdString();
    return QDir::homePath().toStdString();
}

} // namespace

void FinestraSerie::CreaMenu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("menuFile"));
    const auto voce = [this](QMenu* menu, const QString& nome, const QString& testo,
                             const QString& suggerimento, auto azione) {
        QAction* a = menu->addAction(testo, this, azione);
        a->setObjectName(nome);
        a->setToolTip(suggerimento);
        a->setStatusTip(suggerimento);
        return a;
    };
    voce(file, QStringLiteral("azioneApri"), tr("&Apri file delle combinazioni..."),
         tr("Sceglie il file delle combinazioni da giocare."),
         [this] { ingressi_->ScegliFile(); })
        ->setShortcut(QKeySequence::Open);
    voce(file, QStringLiteral("azionePremi"), tr("Scegli tabella dei &premi..."),
         tr("Sceglie la tabella dei premi per il conto dei soldi."),
         [this] { ingressi_->ScegliPremi(); });
    voce(file, QStringLiteral("azioneArchivio"), tr("Scegli a&rchivio delle estrazioni..."),
         tr("Sceglie le estrazioni reali su cui provare le combinazioni."),
         [this] { ingressi_->ScegliArchivio(); });
    file->addSeparator();
    voce(file, QStringLiteral("azioneCsv"), tr("Esporta tabelle &CSV..."),
         tr("Salva tutte le tabelle della serie in un file CSV, come la riga di comando."),
         [this] { Esporta(FormatoTabelle::Csv); });
    voce(file, QStringLiteral("azioneJson"), tr("Esporta tabelle &JSON..."),
         tr("Salva tutte le tabelle della serie in un file JSON, come la riga di comando."),
         [this] { Esporta(FormatoTabelle::Json); });
    voce(file, QStringLiteral("azioneGrafico"), tr("Esporta &grafico..."),
         tr("Salva il grafico della scheda aperta come immagine PNG o SVG."),
         [this] { EsportaGrafico(); });
    file->addSeparator();
    voce(file, QStringLiteral("azioneEsci"), tr("&Esci"), tr("Chiude la finestra."),
         [this] { close(); })
        ->setShortcut(QKeySequence::Quit);

    QMenu* guida = menuBar()->addMenu(tr("&Guida"));
    guida->setObjectName(QStringLiteral("menuGuida"));
    voce(guida, QStringLiteral("azioneInformazioni"), tr("&Informazioni..."),
         tr("Il nome e la versione del programma."), [this] { Informazioni(); });
}

bool FinestraSerie::EsportaTabelleIn(FormatoTabelle formato, const QString& percorso)
{
    if (!ultimo_) {
        Avvisa(tr("Non ci sono ancora risultati da esportare: avvia una serie."));
        return false;
    }
    const QString errore = EsportaTabelle(*ultimo_, formato, percorso);
    if (!errore.isEmpty())
        Avvisa(tr("%1: tabelle non scritte: %2.").arg(percorso, errore));
    return errore.isEmpty();
}

bool FinestraSerie::EsportaGraficoIn(const QString& percorso)
{
    QChartView* grafico = risultati_->GraficoCorrente();
    if (!grafico) {
        Avvisa(tr("La scheda aperta non ha un grafico da esportare."));
        return false;
    }
    const QString errore = ::EsportaGrafico(grafico, percorso);
    if (!errore.isEmpty())
        Avvisa(tr("%1: grafico non scritto: %2.").arg(percorso, errore));
    return errore.isEmpty();
}

void FinestraSerie::Esporta(FormatoTabelle formato)
{
    const bool csv = formato == FormatoTabelle::Csv;
    const std::string percorso = vortilla::SceltaFileQt(this).ApriFile(
        2, (csv ? tr("Esporta tabelle CSV") : tr("Esporta tabelle JSON")).toStdString(),
        csv ? "serie.csv" : "serie.json",
        csv ? "File CSV\0*.csv\0"s : "File JSON\0*.json\0"s, CartellaEsportazioni(ultimo_.get()),
        csv ? "csv" : "json");
    if (!percorso.empty())
        EsportaTabelleIn(formato, QFile::decodeName(percorso.c_str()));
}

void FinestraSerie::EsportaGrafico()
{
    const std::string percorso = vortilla::SceltaFileQt(this).ApriFile(
        2, tr("Esporta grafico").toStdString(), "grafico.png",
        "Immagine PNG\0*.png\0Immagine SVG\0*.svg\0"s, CartellaEsportazioni(ultimo_.get()), "png");
    if (!percorso.empty())
        EsportaGraficoIn(QFile::decodeName(percorso.c_str()));
}

void FinestraSerie::Informazioni()
{
    QMessageBox::about(this, tr("Informazioni"),
                       tr("<b>SimulazioneVortilla® - Serie</b><br>Versione %1<br><br>"
                          "Una lunga serie di estrazioni sulle tue combinazioni, confrontata "
                          "con le probabilità esatte.")
                           .arg(QStringLiteral(VORTILLA_VERSIONE)));
}
