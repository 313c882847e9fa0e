// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EsecuzioneSerie.h"
#include "EsportaSerie.h"

#include <QMainWindow>

class AvanzamentoSerie;
class PannelloIngressi;
class QPushButton;
class VistaRisultati;

// The series window: the inputs, Avvia and Ferma, the progress, and the
// results as they come.
class FinestraSerie : public QMainWindow {
    Q_OBJECT

public:
    explicit FinestraSerie(QWidget* genitore = nullptr);
    ~FinestraSerie() override;

    // A file given to the program, as a file manager opens it.
    void ApriFile(const QString& percorso);
    // The latest figures shown, partial or final; null before any run.
    const vortilla::Risultato* UltimoRisultato() const { return ultimo_.get(); }
    bool InCorso() const { return esecuzione_->InCorso(); }

    // Each returns false after saying why in a message box.
    bool EsportaTabelleIn(FormatoTabelle formato, const QString& percorso);
    bool EsportaGraficoIn(const QString& percorso);

public slots:
    void Avvia();
    void Ferma();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

private:
    void CreaMenu();
    void Mostra(const RisultatoCondiviso& r, bool finale);
    void Concludi();
    void Avvisa(const QString& testo);
    void Esporta(FormatoTabelle formato);
    void EsportaGrafico();
    void Informazioni();

    PannelloIngressi* ingressi_;
    QPushButton* avvia_;
    QPushButton* ferma_;
    AvanzamentoSerie* avanzamento_;
    VistaRisultati* risultati_;
    EsecuzioneSerie* esecuzione_;
    RisultatoCondiviso ultimo_;
};
