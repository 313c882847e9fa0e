// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/PunteggioVeloce.h"

#include <cstdlib>
#include <vector>

namespace vortilla {

extern const Nucleo NucleoPortabile;
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
extern const Nucleo NucleoAvx2;
extern const Nucleo NucleoAvx512;
#endif

namespace {

const std::vector<Nucleo>& Tutti()
{
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
    static const std::vector<Nucleo> tutti{NucleoPortabile, NucleoAvx2, NucleoAvx512};
#else
    static const std::vector<Nucleo> tutti{NucleoPortabile};
#endif
    return tutti;
}

const Nucleo& IlPiuVeloce()
{
    const auto& tutti = Tutti();
    for (auto n = tutti.rbegin(); n != tutti.rend(); ++n)
        if (n->disponibile())
            return *n;
    return tutti.front();
}

} // namespace

std::span<const Nucleo> Nuclei() { return Tutti(); }

const Nucleo* NucleoDiNome(std::string_view nome)
{
    for (const Nucleo& nucleo : Tutti())
        if (nome == nucleo.nome)
            return &nucleo;
    return nullptr;
}

const Nucleo* NucleoRichiesto(std::string& motivo)
{
    const char* nome = std::getenv("VORTILLA_NUCLEO");
    if (!nome || !*nome)
        return &IlPiuVeloce();
    const Nucleo* nucleo = NucleoDiNome(nome);
    if (nucleo && nucleo->disponibile())
        return nucleo;
    std::string elenco;
    for (const Nucleo& n : Tutti())
        if (n.disponibile())
            elenco += (elenco.empty() ? "" : ", ") + std::string(n.nome);
    motivo =
        "VORTILLA_NUCLEO=" + std::string(nome)
        + (nucleo ? ": questo processore non può eseguire questo nucleo" : ": nucleo sconosciuto")
        + " (disponibili: " + elenco + ").";
    return nullptr;
}

const Nucleo& NucleoInUso()
{
    static const Nucleo& scelto = []() -> const Nucleo& {
        std::string motivo;
        const Nucleo* richiesto = NucleoRichiesto(motivo);
        return richiesto ? *richiesto : IlPiuVeloce();
    }();
    return scelto;
}

} // namespace vortilla
