// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Fakes of the core's ports for the engine tests. Every call that the user
// would see (and every pause and message) is logged as one line of one
// shared log, so a test can check the order of all of them together.

#include "engine/DatiProgramma.h"
#include "engine/Estrazione.h"
#include "engine/Porte.h"

#include <QString>
#include <QStringList>

#include <array>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace finte {

using vortilla::Colore;
namespace colori = vortilla::colori;

inline QString NomeColore(Colore c)
{
    switch (c) {
    case colori::Bianco: return "bianco";
    case colori::Arancio: return "arancio";
    case colori::ArancioChiaro: return "arancio-chiaro";
    case colori::SfondoFinestra: return "sfondo-finestra";
    case colori::TestoPulsante: return "testo-pulsante";
    default: return QString::number(c, 16);
    }
}

// The log lines, shared by the fakes and by the tests that build the
// expected sequence.
inline QString Try(bool visibile) { return visibile ? "imgtry visibile" : "imgtry nascosto"; }
inline QString Tentativi(const QString& testo) { return "tentativi '" + testo + "'"; }
inline QString Palla(int numero, Colore sfondo, Colore testo)
{
    return QString("palla %1 %2 su %3").arg(numero).arg(NomeColore(testo), NomeColore(sfondo));
}
inline QString Punti(int punti, Colore sfondo, const QString& testo)
{
    return QString("punti %1 '%2' su %3").arg(punti).arg(testo, NomeColore(sfondo));
}
inline QString PuntiTot(int punti, const QString& testo)
{
    return QString("puntitot %1 '%2'").arg(punti).arg(testo);
}
inline QString Attendi(int ms) { return QString("attendi %1").arg(ms); }
inline QString Messaggio(const QString& testo, const QString& pulsanti)
{
    return "messaggio '" + testo + "' [" + pulsanti + "]";
}

struct Cella {
    Colore sfondo;
    std::string testo;
    bool operator==(const Cella&) const = default;
};

// Logs every call and keeps what the board shows.
class Tabellone : public vortilla::VistaTabellone {
public:
    explicit Tabellone(QStringList& registro) : registro_(registro)
    {
        punti.fill({colori::Bianco, "0"});
        puntiTot.fill("0");
    }

    void MostraTry(bool v) override
    {
        registro_ << Try(v);
        tryVisibile = v;
    }
    void ScriviTentativi(const std::string& t) override
    {
        registro_ << Tentativi(QString::fromStdString(t));
        tentativi = t;
    }
    void ScriviCatturate(const std::string& t) override
    {
        registro_ << "catturate '" + QString::fromStdString(t) + "'";
    }
    void ColoraPalla(std::int16_t n, Colore sfondo, Colore testo) override
    {
        registro_ << Palla(n, sfondo, testo);
        palle[n] = {sfondo, testo};
    }
    void ScriviPunti(std::int16_t p, Colore sfondo, const std::string& t) override
    {
        registro_ << Punti(p, sfondo, QString::fromStdString(t));
        punti.at(static_cast<std::size_t>(p)) = {sfondo, t};
    }
    void ScriviPuntiTot(std::int16_t p, const std::string& t) override
    {
        registro_ << PuntiTot(p, QString::fromStdString(t));
        puntiTot.at(static_cast<std::size_t>(p)) = t;
    }

    std::vector<int> PalleAccese() const
    {
        std::vector<int> accese;
        for (const auto& [n, coppia] : palle)
            if (coppia.first == colori::Arancio)
                accese.push_back(n);
        return accese;
    }

    bool tryVisibile = false;
    std::string tentativi = "0";
    std::map<int, std::pair<Colore, Colore>> palle; // number -> background, text
    std::array<Cella, 11> punti;
    std::array<std::string, 11> puntiTot;

private:
    QStringList& registro_;
};

class Pausa : public vortilla::Pausa {
public:
    explicit Pausa(QStringList& registro) : registro_(registro) {}
    void Attendi(int ms) override
    {
        registro_ << finte::Attendi(ms);
        durate.push_back(ms);
    }
    std::vector<int> durate;

private:
    QStringList& registro_;
};

class Orologio : public vortilla::Orologio {
public:
    double SecondiDallaMezzanotte() const override { return secondi; }
    double secondi = 36000.5;
};

// Acts as the message dialog: sets Risposta as a press of button `risposta`
// would (0: closed without a button).
class FinestraMessaggio : public vortilla::FinestraMessaggio {
public:
    FinestraMessaggio(QStringList& registro, vortilla::CanaleDialogo& canale)
        : registro_(registro), canale_(canale)
    {
    }
    void ApriModale() override
    {
        canale_.Risposta = 0;
        registro_ << Messaggio(QString::fromStdString(canale_.TestoMessaggio),
                               QString::fromStdString(canale_.Pulsanti));
        canale_.Risposta = risposta;
    }
    std::int16_t risposta = 1;

private:
    QStringList& registro_;
    vortilla::CanaleDialogo& canale_;
};

// Yields values that draw the numbers it is given, in that order, out of
// 1..numeroMassimo. Once they run out it sweeps 1, 2, 3... so that a draw
// always ends.
class GeneratoreCopione : public vortilla::GeneratoreCasuale {
public:
    void Rimescola(double seme) override { semi.push_back(seme); }
    double Prossimo() override
    {
        int n;
        if (!copione.empty()) {
            n = copione.front();
            copione.pop_front();
        } else {
            n = 1 + (dopoCopione++ % numeroMassimo);
        }
        return (n - 0.5) / numeroMassimo;
    }
    void Estrai(std::initializer_list<int> numeri) { copione.insert(copione.end(), numeri); }

    int numeroMassimo = 90;
    std::deque<int> copione;
    std::vector<double> semi;

private:
    int dopoCopione = 0;
};

// The program's shared data with the fakes wired to a draw. The settings are
// the start-up ones; the generator is the scripted one unless another is given.
struct Banco {
    explicit Banco(vortilla::GeneratoreCasuale* generatore = nullptr)
        : porte{tabellone, messaggio, attesa, ora, generatore ? *generatore : copione}
    {
        dati.Stato.ImpostaAvvio();
    }

    void Carica(std::vector<std::string> righe)
    {
        dati.Stato.NumCombinazioni = static_cast<std::int16_t>(righe.size());
        dati.Stato.Combinazioni = std::move(righe);
    }
    void Estrai() { vortilla::EseguiEstrazione(dati, porte); }

    vortilla::DatiProgramma dati;
    QStringList registro;
    Tabellone tabellone{registro};
    Pausa attesa{registro};
    Orologio ora;
    FinestraMessaggio messaggio{registro, dati.Canale};
    GeneratoreCopione copione;
    vortilla::PorteEstrazione porte;
};

} // namespace finte
