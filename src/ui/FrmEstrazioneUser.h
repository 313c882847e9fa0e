#pragma once

#include "engine/DatiProgramma.h"
#include "engine/Porte.h"
#include "ui/ControlliEstrazione.h"

#include <QWidget>

namespace vortilla {

// The program's one application window: the board of 90 balls, the per-draw
// and cumulative tables, the counters, the option and the three buttons.
// It wires the controls to the rules and shows what the rules change.
class FrmEstrazioneUser : public QWidget, public VistaTabellone {
    Q_OBJECT
public:
    explicit FrmEstrazioneUser(DatiProgramma& dati, QWidget* parent = nullptr);

    // Lays out the board and the four table columns from their templates.
    void DisegnaControlli();

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

private:
    void Creazione();
    void Caricamento();
    void Collega();

    DatiProgramma& dati_;
    ControlliEstrazione controlli_;
    bool primaVisualizzazione_ = true;
};

} // namespace vortilla
