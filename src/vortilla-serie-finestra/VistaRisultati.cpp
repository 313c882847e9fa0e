// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VistaRisultati.h"

#include "Schede.h"

#include <QFile>
#include <QTableWidget>

using cifre::Intero;

VistaRisultati::VistaRisultati(QWidget* genitore) : QTabWidget(genitore)
{
    setObjectName(QStringLiteral("vistaRisultati"));
    setAccessibleName(QStringLiteral("Risultati della serie"));
    const auto aggiungi = [this](Scheda* scheda, const QString& titolo,
                                 const QString& spiegazione) {
        addTab(scheda, titolo);
        setTabToolTip(count() - 1, spiegazione);
        schede_.append(scheda);
        spiegazioni_.append(spiegazione);
    };
    aggiungi(
        new SchedaPunti(this), QStringLiteral("P&unti"),
        QStringLiteral("I punti di tutte le combinazioni, osservati contro gli attesi esatti."));
    aggiungi(new SchedaMigliori(this), QStringLiteral("Miglior pu&nteggio"),
             QStringLiteral("Il punteggio della combinazione migliore in ogni estrazione."));
    aggiungi(new SchedaGaranzia(this), QStringLiteral("Garan&zia"),
             QStringLiteral("Il punteggio che il sistema garantisce per ogni quantità di suoi "
                            "numeri indovinati."));
    aggiungi(new SchedaPremi(this), QStringLiteral("Prem&i"),
             QStringLiteral("I soldi: la resa attesa esatta e quella osservata, con le sessioni."));
    aggiungi(new SchedaArchivio(this), QStringLiteral("Arc&hivio"),
             QStringLiteral("Le uscite e i ritardi di ogni numero nell'archivio, contro il caso."));
    Svuota();
}

QString VistaRisultati::Intestazione(const vortilla::Risultato& r, bool inCorso)
{
    // Joined, not filled in with arg(): a '%' in a file's name stays as it is.
    QString t = "File: " + QFile::decodeName(QByteArray::fromStdString(r.file)) + " · "
                + Intero(r.combinazioni) + " combinazioni su "
                + Intero(static_cast<std::uint64_t>(r.numeriSistema)) + " numeri · estrazioni "
                + Intero(r.conteggi.estrazioni) + " di " + Intero(r.estrazioniChieste);
    if (r.interrotta && inCorso)
        t += " · in corso";
    else if (r.interrotta)
        t += " · interrotta: risultati delle estrazioni completate";
    if (r.archivio)
        t += " · estrazioni vere dell'archivio "
             + QFile::decodeName(QByteArray::fromStdString(r.archivio->file)) + ", dalla n. "
             + Intero(r.archivio->prima) + " alla n. "
             + Intero(r.archivio->prima + r.estrazioniChieste - 1) + ", non simulate";
    else
        t += " · seme " + Intero(r.seme)
             + " · estrazioni simulate: " + Intero(static_cast<std::uint64_t>(r.estratti))
             + " numeri su 90 tirati a sorte a ogni estrazione";
    if (r.premi)
        t += " · premi: " + QFile::decodeName(QByteArray::fromStdString(r.premi->file)) + ", posta "
             + cifre::Fisso(r.premi->osservato.posta, 2) + " euro";
    return t;
}

void VistaRisultati::Mostra(const vortilla::Risultato& r, bool inCorso)
{
    const QString intestazione = Intestazione(r, inCorso);
    for (int i = 0; i < schede_.size(); ++i) {
        Scheda* scheda = schede_[i];
        scheda->Intesta(intestazione);
        const QString assenza = scheda->Assenza(r);
        if (assenza.isEmpty()) {
            scheda->Mostra(r);
            for (QTableWidget* tabella : scheda->findChildren<QTableWidget*>())
                Adatta(tabella);
        }
        scheda->MostraAssenza(assenza);
        setTabEnabled(i, assenza.isEmpty());
        setTabToolTip(i, assenza.isEmpty() ? spiegazioni_[i] : assenza);
    }
}

void VistaRisultati::Svuota()
{
    for (Scheda* scheda : schede_) {
        scheda->Svuota();
        scheda->Intesta(QStringLiteral("Nessuna serie ancora."));
        scheda->MostraAssenza({});
    }
    for (int i = 0; i < count(); ++i) {
        setTabEnabled(i, true);
        setTabToolTip(i, spiegazioni_[i]);
    }
}

QChartView* VistaRisultati::GraficoCorrente() const
{
    const auto* scheda = qobject_cast<const Scheda*>(currentWidget());
    return scheda ? scheda->Grafico() : nullptr;
}
