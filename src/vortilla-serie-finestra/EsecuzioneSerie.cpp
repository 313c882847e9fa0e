// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EsecuzioneSerie.h"

#include "errors/ErroreNumerato.h"
#include "errors/MessaggioErrore.h"
#include "serie/EseguiSerie.h"

#include <chrono>

namespace {

// A refusal in the command line's words, after its "vortilla-serie: ";
// only the draws asked are named the window's way, not as an option.
QString Parole(const vortilla::RifiutoSerie& rifiuto)
{
    if (rifiuto.motivo != vortilla::RifiutoSerie::Motivo::ArchivioCorto)
        return QString::fromStdString(rifiuto.testo);
    return QString::fromStdString(
        rifiuto.testo + ": l'archivio ha " + std::to_string(rifiuto.disponibili)
        + " estrazioni, ne sono chieste " + std::to_string(rifiuto.chieste) + ".");
}

} // namespace

EsecuzioneSerie::EsecuzioneSerie(QObject* genitore) : QObject(genitore)
{
    qRegisterMetaType<RisultatoCondiviso>();
}

EsecuzioneSerie::~EsecuzioneSerie()
{
    Ferma();
    Attendi();
}

void EsecuzioneSerie::Avvia(const vortilla::RichiestaSerie& richiesta, unsigned thread)
{
    Attendi();
    ferma_ = false;
    inConsegna_ = false;
    inCorso_ = true;
    lavoratore_ = std::thread(&EsecuzioneSerie::Esegui, this, richiesta, thread);
}

void EsecuzioneSerie::Ferma() { ferma_ = true; }

void EsecuzioneSerie::Attendi()
{
    if (lavoratore_.joinable())
        lavoratore_.join();
    inCorso_ = false;
}

void EsecuzioneSerie::Esegui(vortilla::RichiestaSerie richiesta, unsigned thread)
{
    // Each signal crosses to the window's thread as a queued call; the
    // window clears inConsegna_ once it has shown a snapshot.
    const auto consegnato = [this](RisultatoCondiviso r) {
        QMetaObject::invokeMethod(
            this,
            [this, r] {
                inConsegna_ = false;
                emit Parziale(r);
            },
            Qt::QueuedConnection);
    };
    const auto finale = [this](auto segnale, auto valore) {
        QMetaObject::invokeMethod(
            this,
            [this, segnale, valore] {
                Attendi();
                emit(this->*segnale)(valore);
            },
            Qt::QueuedConnection);
    };
    try {
        vortilla::RifiutoSerie rifiuto;
        const auto serie = vortilla::PreparaSerie(richiesta, rifiuto);
        if (!serie) {
            finale(&EsecuzioneSerie::Rifiutata, Parole(rifiuto));
            return;
        }
        const vortilla::DatiSerie& dati = serie->dati;
        emit Preparata();
        const vortilla::FigureEsatte esatte = vortilla::CalcolaFigureEsatte(dati, &ferma_);

        using Orologio = std::chrono::steady_clock;
        const auto inizio = Orologio::now();
        const auto secondi = [&] {
            return std::chrono::duration<double>(Orologio::now() - inizio).count();
        };
        vortilla::StatoSerie stato =
            vortilla::EseguiSerie(serie->sistema, vortilla::ParametriDi(dati, thread), ferma_,
                                  [&](const vortilla::StatoSerie& s) {
                                      if (inConsegna_.exchange(true))
                                          return;
                                      auto r = std::make_shared<vortilla::Risultato>(
                                          vortilla::ComponiRisultato(dati, esatte, s));
                                      r->secondi = secondi();
                                      consegnato(std::move(r));
                                  });
        const double tempo = secondi();
        auto r = std::make_shared<vortilla::Risultato>(
            vortilla::ComponiRisultato(dati, esatte, std::move(stato)));
        r->secondi = tempo;
        finale(&EsecuzioneSerie::Finita, RisultatoCondiviso(std::move(r)));
    } catch (const std::bad_alloc&) {
        finale(&EsecuzioneSerie::Rifiutata, QString::fromStdString(vortilla::MessaggioErrore(
                                                vortilla::errori::MemoriaEsaurita)));
    } catch (const std::exception& e) {
        // No thread to start, or a failure that nothing above foresees:
        // said in words, never an end of the program.
        finale(&EsecuzioneSerie::Rifiutata, QString::fromLocal8Bit(e.what()));
    }
}
