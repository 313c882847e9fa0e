// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Risultato.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class QBarCategoryAxis;
class QBarSet;
class QChart;
class QChartView;
class QLabel;
class QLogValueAxis;
class QSplitter;
class QTableWidget;
class QVBoxLayout;
class QValueAxis;
class QXYSeries;

// The tabs of the results. Each is a header line, its tables with a note
// under them, and a chart beside them; a tab whose figures a run lacks (no
// guarantee, no prize table, no archive) says why instead.

// The points values, 0 to 10, as a count of rows.
inline constexpr int Punteggi = static_cast<int>(vortilla::ValoriPunti);

// A column: its title and the sentence that explains it.
struct Colonna {
    QString titolo;
    QString spiegazione;
};

// The figures as the text output writes them, through the same functions:
// the window shows the same digits.
namespace cifre {
QString Intero(std::uint64_t n);
QString Fisso(double x, int decimali);
QString Significative(double x, int decimali);
QString Facoltativo(const std::optional<double>& x, int decimali); // "-" when missing
QString Intervallo(const std::array<double, 2>& intervallo, int decimali);
} // namespace cifre

class Scheda : public QWidget {
    Q_OBJECT

public:
    // `nome` names the objects of the tab (e.g. "Punti": "tabellaPunti", "graficoPunti").
    Scheda(const QString& nome, QWidget* genitore);

    // Why the tab has nothing for `r`; empty when it has.
    virtual QString Assenza(const vortilla::Risultato& r) const;
    virtual void Mostra(const vortilla::Risultato& r) = 0;
    virtual void Svuota() = 0;

    void Intesta(const QString& intestazione);
    void MostraAssenza(const QString& motivo);
    QChartView* Grafico() const { return grafico_; }

protected:
    QTableWidget* NuovaTabella(const QString& nome, const QString& accessibile,
                               const QList<Colonna>& colonne);
    // The chart beside the tables; the tab keeps it and only updates its series.
    QChart* NuovoGrafico(const QString& titolo, const QString& accessibile);
    void Nota(const QString& testo);
    QVBoxLayout* Tabelle() const { return tabelle_; }
    const QString& Nome() const { return nome_; }

private:
    QString nome_;
    QLabel* intestazione_;
    QLabel* assenza_;
    QSplitter* divisore_;
    QVBoxLayout* tabelle_;
    QLabel* nota_;
    QChartView* grafico_ = nullptr;
};

// Updating in place, so that a run's ten updates a second neither flicker
// nor move the user's scroll and selection.
void Righe(QTableWidget* tabella, int righe);
void Cella(QTableWidget* tabella, int riga, int colonna, const QString& testo);
void Adatta(QTableWidget* tabella); // after the cells of an update
void Valori(QBarSet* insieme, const QList<qreal>& valori);
void Punti(QXYSeries* serie, const QList<QPointF>& punti);

class SchedaPunti : public Scheda {
    Q_OBJECT
public:
    explicit SchedaPunti(QWidget* genitore);
    void Mostra(const vortilla::Risultato& r) override;
    void Svuota() override;

private:
    QTableWidget* tabella_;
    QXYSeries* attesi_;
    QXYSeries* osservati_;
    QLogValueAxis* asseY_;
};

class SchedaMigliori : public Scheda {
    Q_OBJECT
public:
    explicit SchedaMigliori(QWidget* genitore);
    void Mostra(const vortilla::Risultato& r) override;
    void Svuota() override;

private:
    QTableWidget* tabella_;
    QBarSet* almeno_;
    QXYSeries* indipendenti_;
    QXYSeries* esatto_;
};

class SchedaGaranzia : public Scheda {
    Q_OBJECT
public:
    explicit SchedaGaranzia(QWidget* genitore);
    QString Assenza(const vortilla::Risultato& r) const override;
    void Mostra(const vortilla::Risultato& r) override;
    void Svuota() override;

private:
    QTableWidget* tabella_;
    QBarSet* minimo_;
    QBarCategoryAxis* asseX_;
};

class SchedaPremi : public Scheda {
    Q_OBJECT
public:
    explicit SchedaPremi(QWidget* genitore);
    QString Assenza(const vortilla::Risultato& r) const override;
    void Mostra(const vortilla::Risultato& r) override;
    void Svuota() override;

private:
    QTableWidget* attesa_;
    QTableWidget* soldi_;
    QBarSet* rese_;
    QXYSeries* pareggio_;
    QBarCategoryAxis* asseX_;
    QValueAxis* asseY_;
};

class SchedaArchivio : public Scheda {
    Q_OBJECT
public:
    explicit SchedaArchivio(QWidget* genitore);
    QString Assenza(const vortilla::Risultato& r) const override;
    void Mostra(const vortilla::Risultato& r) override;
    void Svuota() override;

private:
    QTableWidget* tabella_;
    QLabel* uniformita_;
    QLabel* ritardo_;
    QBarSet* uscite_;
    QXYSeries* attese_;
    QValueAxis* asseY_;
};

// Whether a p-value leaves the figure "compatibile con il caso".
inline constexpr double SogliaCaso = 0.01;
QString GiudizioCaso(double p);
