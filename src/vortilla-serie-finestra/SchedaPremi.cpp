// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Schede.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHeaderView>
#include <QLineSeries>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>

using namespace cifre;

namespace {

// The rows of the money table, in order.
const QList<Colonna> FigureSoldi{
    {"Giocato (euro)", "Giocato: gli euro puntati in tutte le estrazioni fatte."},
    {"Vinto (euro)", "Vinto: gli euro vinti in tutte le estrazioni fatte."},
    {"Resa osservata (%)", "Resa osservata: quanto è tornato di ogni 100 euro giocati."},
    {"Intervallo 95% della resa",
     "Intervallo 95% della resa: dove cade la resa 95 volte su 100, dalla dispersione delle "
     "vincite per estrazione."},
    {"Estrazioni che riprendono la posta (%)",
     "Estrazioni che riprendono la posta: la percentuale di estrazioni in cui il sistema vince "
     "almeno quanto ha puntato."},
    {"Intervallo 95% delle estrazioni",
     "Intervallo 95% delle estrazioni: l'intervallo di Wilson della percentuale qui sopra."},
    {"Estrazioni per sessione", "Estrazioni per sessione: quante estrazioni di fila fanno una "
                                "sessione di gioco."},
    {"Sessioni complete", "Sessioni complete: le sessioni di cui si sono fatte tutte le "
                          "estrazioni."},
    {"Sessioni chiuse in attivo", "Sessioni chiuse in attivo: quelle che hanno vinto più di "
                                  "quanto hanno puntato."},
    {"In attivo (%)", "In attivo: la percentuale delle sessioni complete chiuse in attivo."},
    {"Intervallo 95% delle sessioni",
     "Intervallo 95% delle sessioni: l'intervallo di Wilson della percentuale in attivo."},
    {"Mediana di una sessione (euro)",
     "Mediana: il risultato netto che metà delle sessioni non supera."},
    {"5° percentile (euro)",
     "5° percentile: il risultato netto che solo 5 sessioni su 100 non superano."},
    {"95° percentile (euro)",
     "95° percentile: il risultato netto che 95 sessioni su 100 non superano."},
    {"Estrazioni escluse", "Estrazioni escluse: quelle di sessioni incomplete, lasciate fuori "
                           "dalle figure delle sessioni."},
    {"Serie perdente più lunga (estrazioni)",
     "Serie perdente più lunga: le estrazioni di fila in cui il sistema non ha ripreso la "
     "posta."}};

} // namespace

SchedaPremi::SchedaPremi(QWidget* genitore) : Scheda(QStringLiteral("Premi"), genitore)
{
    attesa_ = NuovaTabella(
        QStringLiteral("tabellaResaAttesa"), QStringLiteral("Resa attesa esatta"),
        {{"Numeri", "Numeri: quanti numeri giocano le combinazioni della riga."},
         {"Combinazioni", "Combinazioni: quante combinazioni del sistema hanno quei numeri."},
         {"Costo/estrazione", "Costo/estrazione: gli euro che quelle combinazioni puntano in "
                              "un'estrazione."},
         {"Vincita attesa", "Vincita attesa: gli euro che vincono in media in un'estrazione, "
                            "calcolati esattamente."},
         {"Resa (%)", "Resa: la vincita attesa su 100 euro di posta; sotto 100 il gioco "
                      "perde in media."}});
    soldi_ = NuovaTabella(QStringLiteral("tabellaSoldi"), QStringLiteral("Soldi della serie"),
                          {{"Valore", "Le figure osservate nelle estrazioni fatte."}});
    soldi_->verticalHeader()->show();
    soldi_->setRowCount(static_cast<int>(FigureSoldi.size()));
    for (int riga = 0; riga < FigureSoldi.size(); ++riga) {
        auto* titolo = new QTableWidgetItem(FigureSoldi[riga].titolo);
        titolo->setToolTip(FigureSoldi[riga].spiegazione);
        soldi_->setVerticalHeaderItem(riga, titolo);
    }

    QChart* grafico = NuovoGrafico(QStringLiteral("Resa: quanto torna di 100 euro giocati"),
                                   QStringLiteral("Grafico della resa attesa e osservata"));
    rese_ = new QBarSet(QStringLiteral("resa (%)"));
    auto* barre = new QBarSeries;
    barre->append(rese_);
    barre->setBarWidth(0.7);
    auto* pareggio = new QLineSeries;
    pareggio->setName(QStringLiteral("pari (100%)"));
    grafico->addSeries(barre);
    grafico->addSeries(pareggio);
    asseX_ = new QBarCategoryAxis;
    asseX_->setTitleText(QStringLiteral("attesa per numeri giocati; «serie»: osservata"));
    asseY_ = new QValueAxis;
    asseY_->setRange(0, 120);
    asseY_->setLabelFormat(QStringLiteral("%.0f"));
    asseY_->setTitleText(QStringLiteral("%"));
    grafico->addAxis(asseX_, Qt::AlignBottom);
    grafico->addAxis(asseY_, Qt::AlignLeft);
    for (QAbstractSeries* serie : grafico->series()) {
        serie->attachAxis(asseX_);
        serie->attachAxis(asseY_);
    }
    pareggio_ = pareggio;
}

QString SchedaPremi::Assenza(const vortilla::Risultato& r) const
{
    if (r.premi)
        return {};
    return QStringLiteral("Nessuna tabella dei premi: senza, la serie non conta i soldi. "
                          "Sceglila per vedere la resa attesa e quella osservata.");
}

void SchedaPremi::Mostra(const vortilla::Risultato& r)
{
    const vortilla::FigurePremi& premi = *r.premi;
    const vortilla::RiepilogoPremi& o = premi.osservato;
    const auto& lunghezze = premi.attesa.perLunghezza;
    const int righe = static_cast<int>(lunghezze.size()) + 1;
    if (attesa_->rowCount() != righe) {
        // As tall as its rows: the money table below gets the rest.
        Righe(attesa_, righe);
        attesa_->setMaximumHeight(attesa_->horizontalHeader()->sizeHint().height()
                                  + righe * attesa_->verticalHeader()->defaultSectionSize()
                                  + 2 * attesa_->frameWidth());
    }
    QList<qreal> rese;
    QStringList categorie;
    const auto riga = [&](int i, const QString& numeri, std::uint64_t combinazioni,
                          const vortilla::Resa& resa) {
        Cella(attesa_, i, 0, numeri);
        Cella(attesa_, i, 1, Intero(combinazioni));
        Cella(attesa_, i, 2, Fisso(resa.costo, 2));
        Cella(attesa_, i, 3, Fisso(resa.vincitaAttesa, 2));
        Cella(attesa_, i, 4, Fisso(resa.resa, 2));
        rese.append(resa.resa);
    };
    for (int i = 0; i + 1 < righe; ++i) {
        const vortilla::ResaPerLunghezza& l = lunghezze[static_cast<std::size_t>(i)];
        riga(i, Intero(static_cast<std::uint64_t>(l.numeri)), l.righe, l);
        categorie.append(QString::number(l.numeri));
    }
    riga(righe - 1, QStringLiteral("Tutte"), r.combinazioni, premi.attesa.sistema);
    categorie << QStringLiteral("tutte") << QStringLiteral("serie");
    rese.append(o.resa);

    const auto euro = [](const std::optional<double>& x) {
        return x ? Fisso(*x, 2) : QStringLiteral("-");
    };
    const QStringList valori{Fisso(static_cast<double>(o.giocato), 2),
                             Fisso(static_cast<double>(o.vinto), 2),
                             Significative(o.resa, 2),
                             o.intervallo95 ? Intervallo(*o.intervallo95, 2) : QStringLiteral("-"),
                             Significative(o.coperte, 4),
                             Intervallo(o.coperteIntervallo95, 4),
                             Intero(o.lunghezzaSessione),
                             Intero(o.sessioni),
                             Intero(o.inAttivo),
                             Facoltativo(o.percentualeInAttivo, 4),
                             o.inAttivo95 ? Intervallo(*o.inAttivo95, 4) : QStringLiteral("-"),
                             euro(o.mediana),
                             euro(o.p5),
                             euro(o.p95),
                             Intero(o.estrazioniEscluse),
                             Intero(o.seriePerdenteMassima)};
    for (int i = 0; i < valori.size(); ++i)
        Cella(soldi_, i, 0, valori[i]);

    if (asseX_->categories() != categorie)
        asseX_->setCategories(categorie);
    Valori(rese_, rese);
    const double alto = std::max(120.0, *std::max_element(rese.begin(), rese.end()) * 1.15);
    if (asseY_->max() != alto)
        asseY_->setRange(0, alto);
    Punti(pareggio_, {{-0.5, 100}, {static_cast<double>(rese.size()) - 0.5, 100}});

    QString nota = "Posta " + Fisso(o.posta, 2)
                   + " euro per combinazione per estrazione. Costo e vincita in euro per "
                     "estrazione; Resa: la vincita attesa sulla posta. ";
    nota += r.archivio ? "Il giocato, il vinto e le sessioni sono osservati sulle estrazioni "
                         "dell'archivio; la resa attesa è esatta"
                       : "Il giocato, il vinto e le sessioni sono osservati nella serie "
                         "simulata; la resa attesa è esatta";
    if (premi.attesa.sistema.resa < 100)
        nota += ": in media ogni 100 euro giocati ne tornano " + Fisso(premi.attesa.sistema.resa, 2)
                + ", e nessuna serie di estrazioni cambia questa media. Un risultato migliore in "
                  "una serie è fortuna, non un vantaggio del sistema.";
    else
        nota += '.';
    Nota(nota);
}

void SchedaPremi::Svuota()
{
    Righe(attesa_, 0);
    for (int i = 0; i < soldi_->rowCount(); ++i)
        Cella(soldi_, i, 0, {});
    Valori(rese_, {});
    Punti(pareggio_, {});
    Nota({});
}
