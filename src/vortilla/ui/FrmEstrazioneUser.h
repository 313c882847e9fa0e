// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/DatiProgramma.h"
#include "engine/Porte.h"
#include "ui/ControlliEstrazione.h"

#include <QWidget>

namespace vortilla {

class ElencoFinestre;

// What the main window's commands need from outside the rules: dialogs,
// file chooser, pause, clock, randomness and the list of open windows.
struct ServiziFinestra {
    FinestraMessaggio& Messaggio;
    FinestraInfo& Info;
    SceltaFile& File;
    Pausa& Attesa;
    Orologio& Ora;
    GeneratoreCasuale& Generatore;
    ElencoFinestre& Finestre;
};

// The program's one application window: the board of 90 balls, the per-draw
// and cumulative tables, the counters, the option and the three buttons.
// It wires the controls to the rules and shows what the rules change.
class FrmEstrazioneUser : public QWidget, public VistaTabellone {
    Q_OBJECT
public:
    FrmEstrazioneUser(DatiProgramma& dati, ServiziFinestra servizi, QWidget* parent = nullptr);
    ~FrmEstrazioneUser() override;

    // Lays out the board and the four table columns from their templates.
    void DisegnaControlli();
    // Clears the per-draw column; with Resetta, zeroes counter and totals.
    void AdattaControlli();
    void Resetta();

    const ControlliEstrazione& Controlli() const { return controlli_; }

    // VistaTabellone: each call changes one control and repaints it at once.
    void MostraTry(bool visibile) override;
    void ScriviTentativi(const std::string& testo) override;
    void ScriviCatturate(const std::string& testo) override;
    void ColoraPalla(std::int16_t numero, Colore sfondo, Colore testo) override;
    void ScriviPunti(std::int16_t punti, Colore sfondo, const std::string& testo) override;
    void ScriviPuntiTot(std::int16_t punti, const std::string& testo) override;

    // Rewrites the count of loaded combinations: on first display and each
    // time one of the program's dialogs has closed.
    void Attivazione();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Creazione();
    void Caricamento();
    void Collega();
    void CaricaFile();
    void Estrai();
    void ChiediReset();

    DatiProgramma& dati_;
    ServiziFinestra servizi_;
    // Before the controls: creating them already sends this window events.
    bool primaVisualizzazione_ = true;
    std::int16_t opzioneScelta_ = 1; // the opscelta element NumeriEstratti follows
    ControlliEstrazione controlli_;
};

} // namespace vortilla
