// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/PreparaSerie.h"

#include "serie/Risultato.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <thread>

using RisultatoCondiviso = std::shared_ptr<const vortilla::Risultato>;

// A series run on a worker thread, so that the window never freezes: the
// files are read and checked there, the exact figures computed, then the
// draws run on `thread` threads. Each snapshot is composed into a whole
// Risultato on the worker, and only handed to the window.
class EsecuzioneSerie : public QObject {
    Q_OBJECT

public:
    explicit EsecuzioneSerie(QObject* genitore = nullptr);
    ~EsecuzioneSerie() override; // stops the run and waits for it

    void Avvia(const vortilla::RichiestaSerie& richiesta, unsigned thread);
    // Asks the run to stop: it ends with the draws completed so far.
    void Ferma();
    // Waits for the worker once it is stopped or done.
    void Attendi();
    bool InCorso() const { return inCorso_; }

signals:
    // The files are read: the exact figures are being computed.
    void Preparata();
    void Parziale(RisultatoCondiviso risultato);
    void Finita(RisultatoCondiviso risultato);
    void Rifiutata(QString messaggio);

private:
    void Esegui(vortilla::RichiestaSerie richiesta, unsigned thread);

    std::thread lavoratore_;
    std::atomic<bool> ferma_{false};
    // A snapshot waits in the window's queue: the next ones are skipped
    // rather than piled up behind it.
    std::atomic<bool> inConsegna_{false};
    bool inCorso_ = false;
};
