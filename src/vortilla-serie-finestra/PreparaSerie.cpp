// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PreparaSerie.h"

#include "engine/StatoSimulazione.h"
#include "errors/ErroreNumerato.h"
#include "errors/MessaggioErrore.h"
#include "serie/FileCombinazioni.h"

#include <algorithm>
#include <limits>
#include <random>

namespace {

std::uint64_t SemeNuovo()
{
    std::random_device entropia;
    return (std::uint64_t{entropia()} << 32) ^ entropia();
}

std::string Rifiutato(const std::string& file, const std::string& motivo)
{
    return file + ": " + motivo;
}

// The prize table and the archive, each refused with its own line number.
bool LeggiAccessori(const RichiestaSerie& r, SeriePreparata& serie, std::string& errore)
{
    if (!r.premi.empty()) {
        auto tabella = vortilla::LeggiFilePremi(r.premi);
        if (!tabella.valore) {
            errore = Rifiutato(r.premi, tabella.errore);
            return false;
        }
        serie.premi = std::move(tabella.valore);
    }
    if (!r.archivio.empty()) {
        auto estrazioni = vortilla::LeggiFileArchivio(r.archivio, r.estratti);
        if (!estrazioni.valore) {
            errore = Rifiutato(r.archivio, estrazioni.errore);
            return false;
        }
        serie.archivio = std::move(*estrazioni.valore);
        const std::uint64_t tutte = serie.archivio.size();
        if (r.estrazioni > tutte) {
            errore = Rifiutato(r.archivio, "l'archivio ha " + std::to_string(tutte) +
                                               " estrazioni, ne sono chieste " +
                                               std::to_string(*r.estrazioni) + ".");
            return false;
        }
    }
    return true;
}

std::optional<std::vector<std::string>> LeggiCombinazioni(const RichiestaSerie& r,
                                                          std::uint64_t estrazioni,
                                                          std::string& errore)
{
    vortilla::Rifiuto rifiuto;
    auto file = vortilla::FileCombinazioni::Apri(r.file, rifiuto);
    const auto elementi = file ? file->Verifica(rifiuto) : std::nullopt;
    if (!elementi) {
        errore = Rifiutato(r.file, vortilla::TestoRifiuto(rifiuto));
        return std::nullopt;
    }
    const std::size_t quante = r.tutte ? std::numeric_limits<std::size_t>::max()
                                       : vortilla::StatoSimulazione::MassimoCombinazioni;
    // Totals are 64-bit: a run whose line-draws could not be counted is
    // refused as soon as the count of lines is known, before the load.
    const auto combinazioni =
        std::min<std::uint64_t>(static_cast<std::uint64_t>(*elementi), quante);
    const std::uint64_t massimo =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) / combinazioni;
    if (estrazioni > massimo) {
        errore = "troppe estrazioni per " + std::to_string(combinazioni) + " combinazioni: al massimo " +
                 std::to_string(massimo) + ".";
        return std::nullopt;
    }
    auto righe = file->Carica(quante, rifiuto);
    if (!righe)
        errore = Rifiutato(r.file, vortilla::TestoRifiuto(rifiuto));
    return righe;
}

} // namespace

std::unique_ptr<SeriePreparata> PreparaSerie(const RichiestaSerie& r, std::string& errore)
{
    try {
        auto serie = std::make_unique<SeriePreparata>();
        if (!LeggiAccessori(r, *serie, errore))
            return nullptr;
        const std::uint64_t usate = r.estrazioni.value_or(serie->archivio.size());
        const std::uint64_t estrazioni =
            r.archivio.empty() ? r.estrazioni.value_or(EstrazioniPredefinite) : usate;
        const auto righe = LeggiCombinazioni(r, estrazioni, errore);
        if (!righe)
            return nullptr;
        try {
            serie->sistema = vortilla::CompilaSistema(*righe);
        } catch (const vortilla::ErroreNumerato& e) {
            errore = Rifiutato(r.file, vortilla::MessaggioErrore(e.numero()));
            return nullptr;
        }

        vortilla::DatiSerie& dati = serie->dati;
        dati.file = r.file;
        dati.sistema = &serie->sistema;
        dati.estratti = r.estratti;
        dati.estrazioni = estrazioni;
        dati.seme = r.seme ? *r.seme : r.archivio.empty() ? SemeNuovo() : 0;
        if (serie->premi) {
            dati.filePremi = r.premi;
            dati.premi = &*serie->premi;
            dati.posta = r.posta;
            dati.sessione = r.sessione;
            if (const auto motivo =
                    vortilla::ControllaLimitiPremi(*serie->premi, serie->sistema, dati.sessione)) {
                errore = Rifiutato(r.premi, *motivo);
                return nullptr;
            }
        }
        dati.fileArchivio = r.archivio;
        dati.archivio = std::span(serie->archivio).last(r.archivio.empty() ? 0 : usate);
        dati.primaArchivio = serie->archivio.size() - dati.archivio.size() + 1;
        return serie;
    } catch (const std::bad_alloc&) {
        errore = vortilla::MessaggioErrore(vortilla::errori::MemoriaEsaurita);
        return nullptr;
    }
}
