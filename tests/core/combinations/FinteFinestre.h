// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Fakes of the ports that loading speaks through, and a helper that writes
// fixture files byte for byte.

#include "engine/DatiProgramma.h"
#include "engine/Porte.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <string>
#include <vector>

namespace finte {

// Records every message in order, with its buttons and how many files were
// still open when it appeared; answers as a press of the first button.
class FinestraMessaggio : public vortilla::FinestraMessaggio {
public:
    struct Messaggio {
        QString testo;
        QString pulsanti;
        std::size_t fileAperti;
    };

    explicit FinestraMessaggio(vortilla::DatiProgramma& dati) : dati_(dati) {}

    void ApriModale() override
    {
        visti.push_back({QString::fromStdString(dati_.Canale.TestoMessaggio),
                         QString::fromStdString(dati_.Canale.Pulsanti), dati_.File.Quanti()});
        dati_.Canale.Risposta = 1;
    }

    QStringList Testi() const
    {
        QStringList testi;
        for (const auto& m : visti)
            testi << m.testo;
        return testi;
    }

    std::vector<Messaggio> visti;

private:
    vortilla::DatiProgramma& dati_;
};

// Logs every change to the main window, so a test can tell that a load
// wrote the count of combinations and nothing else.
class VistaTabellone : public vortilla::VistaTabellone {
public:
    void MostraTry(bool) override { scritture << "imgtry"; }
    void ScriviTentativi(const std::string& t) override { scritture << "tentativi " + Q(t); }
    void ScriviCatturate(const std::string& t) override { scritture << "catturate " + Q(t); }
    void ColoraPalla(std::int16_t n, vortilla::Colore, vortilla::Colore) override
    {
        scritture << QString("palla %1").arg(n);
    }
    void ScriviPunti(std::int16_t p, vortilla::Colore, const std::string& t) override
    {
        scritture << QString("punti %1 ").arg(p) + Q(t);
    }
    void ScriviPuntiTot(std::int16_t p, const std::string& t) override
    {
        scritture << QString("puntitot %1 ").arg(p) + Q(t);
    }

    QStringList scritture;

private:
    static QString Q(const std::string& t) { return QString::fromStdString(t); }
};

// The bytes of a string literal, NULs included, without its terminator.
template <std::size_t N>
QByteArray Byte(const char (&letterale)[N])
{
    return QByteArray(letterale, N - 1);
}

// Writes `contenuto` exactly as given (no line-end translation).
inline std::string ScriviFile(const QTemporaryDir& cartella, const QString& nome,
                              const QByteArray& contenuto)
{
    const QString percorso = QDir(cartella.path()).filePath(nome);
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto) != contenuto.size())
        return {};
    return percorso.toStdString();
}

// `quante` valid lines of three numbers each, CR LF ended.
inline QByteArray RigheValide(int quante)
{
    QByteArray testo;
    for (int i = 0; i < quante; ++i)
        testo += QByteArray::number(i % 88 + 1) + " " + QByteArray::number(i % 7 + 1) + " 90\r\n";
    return testo;
}

} // namespace finte
