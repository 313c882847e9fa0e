// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serie/PreparaSerie.h"

#include "engine/StatoSimulazione.h"
#include "errors/ErroreNumerato.h"
#include "errors/MessaggioErrore.h"
#include "serie/FileCombinazioni.h"

#include <algorithm>
#include <limits>
#include <random>

namespace vortilla {
namespace {

std::uint64_t SemeNuovo()
{
    std::random_device entropia;
    return (std::uint64_t{entropia()} << 32) ^ entropia();
}

bool Rifiuta(RifiutoSerie& rifiuto, const std::string& file, const std::string& motivo)
{
    rifiuto = {RifiutoSerie::Motivo::File, file + ": " + motivo};
    return false;
}

// The prize table and the archive, each refused with its own line number.
bool LeggiAccessori(const RichiestaSerie& r, SeriePreparata& serie, RifiutoSerie& rifiuto)
{
    if (!r.premi.empty()) {
        auto tabella = LeggiFilePremi(r.premi);
        if (!tabella.valore)
            return Rifiuta(rifiuto, r.premi, tabella.errore);
        serie.premi = std::move(tabella.valore);
    }
    if (!r.archivio.empty()) {
        auto estrazioni = LeggiFileArchivio(r.archivio, r.estratti);
        if (!estrazioni.valore)
            return Rifiuta(rifiuto, r.archivio, estrazioni.errore);
        serie.archivio = std::move(*estrazioni.valore);
        if (r.estrazioni > serie.archivio.size()) {
            rifiuto = {RifiutoSerie::Motivo::ArchivioCorto, r.archivio, serie.archivio.size(),
                       *r.estrazioni};
            return false;
        }
    }
    return true;
}

bool LeggiCombinazioni(const RichiestaSerie& r, std::uint64_t estrazioni, SeriePreparata& serie,
                       RifiutoSerie& rifiuto)
{
    Rifiuto letto;
    auto file = FileCombinazioni::Apri(r.file, letto);
    const auto elementi = file ? file->Verifica(letto) : std::nullopt;
    if (!elementi)
        return Rifiuta(rifiuto, r.file, TestoRifiuto(letto));
    const std::size_t quante =
        r.tutte ? std::numeric_limits<std::size_t>::max() : StatoSimulazione::MassimoCombinazioni;
    // Totals are 64-bit: a run whose line-draws could not be counted is
    // refused as soon as the count of lines is known, before the load.
    const auto combinazioni =
        std::min<std::uint64_t>(static_cast<std::uint64_t>(*elementi), quante);
    const std::uint64_t massimo =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) / combinazioni;
    if (estrazioni > massimo) {
        rifiuto = {RifiutoSerie::Motivo::TroppeEstrazioni,
                   "troppe estrazioni per " + std::to_string(combinazioni)
                       + " combinazioni: al massimo " + std::to_string(massimo) + "."};
        return false;
    }
    auto righe = file->Carica(quante, letto);
    if (!righe)
        return Rifiuta(rifiuto, r.file, TestoRifiuto(letto));
    try {
        serie.sistema = CompilaSistema(*righe);
    } catch (const ErroreNumerato& errore) {
        // Only if the window's scoring would refuse what its load took.
        return Rifiuta(rifiuto, r.file, MessaggioErrore(errore.numero()));
    }
    // Without the detail the masks are all the run needs.
    if (r.dettaglio)
        serie.righe = std::move(*righe);
    return true;
}

} // namespace

std::unique_ptr<SeriePreparata> PreparaSerie(const RichiestaSerie& r, RifiutoSerie& rifiuto)
{
    auto serie = std::make_unique<SeriePreparata>();
    if (!LeggiAccessori(r, *serie, rifiuto))
        return nullptr;
    const std::uint64_t usate = r.estrazioni.value_or(serie->archivio.size());
    const std::uint64_t estrazioni =
        r.archivio.empty() ? r.estrazioni.value_or(EstrazioniPredefinite) : usate;
    if (!LeggiCombinazioni(r, estrazioni, *serie, rifiuto))
        return nullptr;

    DatiSerie& dati = serie->dati;
    dati.file = r.file;
    dati.sistema = &serie->sistema;
    dati.righe = r.dettaglio ? &serie->righe : nullptr;
    dati.estratti = r.estratti;
    dati.estrazioni = estrazioni;
    dati.seme = r.seme ? *r.seme : r.archivio.empty() ? SemeNuovo() : 0;
    if (serie->premi) {
        dati.filePremi = r.premi;
        dati.premi = &*serie->premi;
        dati.posta = r.posta;
        dati.sessione = r.sessione;
        if (const auto motivo =
                ControllaLimitiPremi(*serie->premi, serie->sistema, dati.sessione)) {
            Rifiuta(rifiuto, r.premi, *motivo);
            return nullptr;
        }
    }
    dati.fileArchivio = r.archivio;
    dati.archivio = std::span(serie->archivio).last(r.archivio.empty() ? 0 : usate);
    dati.primaArchivio = serie->archivio.size() - dati.archivio.size() + 1;
    dati.elencoArchivio = r.dettaglio;
    return serie;
}

} // namespace vortilla
