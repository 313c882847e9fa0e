// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LeggiFile.h"

#include "combinations/ControllaRiga.h"
#include "combinations/VerificaFile.h"
#include "engine/CaricaCombinazioni.h"

#include <algorithm>
#include <cstdio>

namespace {

// The message port of a program without windows: each message becomes one
// line on stderr, its "|" breaks joined by a space.
class MessaggiSuStderr : public vortilla::FinestraMessaggio {
public:
    MessaggiSuStderr(vortilla::DatiErrori& dati, const std::string& nome) : dati_(dati), nome_(nome)
    {
    }

    void ApriModale() override
    {
        std::string testo = dati_.Canale.TestoMessaggio;
        std::replace(testo.begin(), testo.end(), '|', ' ');
        std::fprintf(stderr, "vortilla-serie: %s: %s\n", nome_.c_str(), testo.c_str());
        dati_.Canale.Risposta = 1;
    }

private:
    vortilla::DatiErrori& dati_;
    const std::string& nome_;
};

} // namespace

std::optional<std::vector<std::string>> LeggiFile(const std::string& percorso,
                                                  const std::string& nome, std::size_t quante)
{
    vortilla::DatiErrori dati;
    MessaggiSuStderr messaggi(dati, nome);
    const vortilla::LimitiGioco& limiti = vortilla::LimitiCaricamento;
    if (vortilla::VerificaFile(percorso, limiti.Minimo, limiti.Massimo, limiti.NumeroMassimo, dati,
                               messaggi))
        return std::nullopt;
    return vortilla::RileggiRighe(percorso, quante, dati, messaggi);
}
