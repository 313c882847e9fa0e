// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/Archivio.h"
#include "serie/EseguiSerie.h"
#include "serie/Figure.h"
#include "serie/FileCombinazioni.h"
#include "serie/TabellaPremi.h"

#include <QtTest>

#include <limits>
#include <memory>

// A short seeded series made the way vortilla-serie makes it, in the test's
// own process: file, system, exact figures, draws, figures.
struct SerieDiProva {
    std::vector<std::string> righe;
    vortilla::Sistema sistema;
    std::optional<vortilla::TabellaPremi> premi;
    std::vector<vortilla::EstrazioneArchivio> archivio;
    vortilla::DatiSerie dati;
    vortilla::FigureEsatte esatte;

    // With an archive, `estrazioni` are its latest draws and `seme` is not used.
    SerieDiProva(const std::string& file, std::uint64_t estrazioni, std::uint64_t seme,
                 const std::string& filePremi = {}, const std::string& fileArchivio = {})
    {
        vortilla::Rifiuto rifiuto;
        auto combinazioni = vortilla::FileCombinazioni::Apri(file, rifiuto);
        QVERIFY(combinazioni && combinazioni->Verifica(rifiuto));
        righe = *combinazioni->Carica(500, rifiuto);
        sistema = vortilla::CompilaSistema(righe);
        dati.file = file;
        dati.sistema = &sistema;
        dati.estrazioni = estrazioni;
        dati.seme = seme;
        if (!filePremi.empty()) {
            premi = vortilla::LeggiFilePremi(filePremi).valore;
            QVERIFY(premi);
            dati.filePremi = filePremi;
            dati.premi = &*premi;
            dati.posta = 50;
            dati.sessione = 50;
        }
        if (!fileArchivio.empty()) {
            archivio = *vortilla::LeggiFileArchivio(fileArchivio, 20).valore;
            dati.fileArchivio = fileArchivio;
            dati.archivio = std::span(archivio).last(estrazioni);
            dati.primaArchivio = archivio.size() - estrazioni + 1;
            dati.seme = 0;
        }
        esatte = vortilla::CalcolaFigureEsatte(dati);
    }

    // The figures after the first `fatte` draws: a run stopped there, or whole.
    vortilla::Risultato Esegui(std::uint64_t fatte) const
    {
        vortilla::ParametriSerie parametri = vortilla::ParametriDi(dati, 2);
        parametri.estrazioni = fatte;
        if (!parametri.archivio.empty())
            parametri.archivio = parametri.archivio.first(fatte);
        const std::atomic<bool> ferma = false;
        return vortilla::ComponiRisultato(dati, esatte,
                                          vortilla::EseguiSerie(sistema, parametri, ferma));
    }

    // The same options for vortilla-serie.
    QStringList Argomenti() const
    {
        QStringList a{
            QString::fromStdString(dati.file), "--formato", "json", "--estrazioni",
            QString::number(dati.archivio.empty() ? dati.estrazioni : dati.archivio.size())};
        if (dati.archivio.empty())
            a << "--seme" << QString::number(dati.seme);
        else
            a << "--archivio" << QString::fromStdString(dati.fileArchivio);
        if (premi)
            a << "--premi" << QString::fromStdString(dati.filePremi) << "--posta"
              << "0,50"
              << "--sessione"
              << "50";
        return a;
    }
};
