// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AvanzamentoSerie.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>

#include <cmath>

namespace {

constexpr int Passi = 1000;

QLocale Italiano() { return QLocale(QLocale::Italian, QLocale::Italy); }

QString Numero(std::uint64_t n) { return Italiano().toString(static_cast<qulonglong>(n)); }

// "45 s", "3 min 07 s", "2 h 05 min".
QString Durata(double secondi)
{
    const auto s = static_cast<long long>(std::ceil(secondi));
    if (s < 60)
        return QStringLiteral("%1 s").arg(s);
    if (s < 3600)
        return QStringLiteral("%1 min %2 s").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1 h %2 min").arg(s / 3600).arg(s / 60 % 60, 2, 10, QLatin1Char('0'));
}

QLabel* Valore(const QString& nome, const QString& tooltip, QWidget* genitore)
{
    auto* etichetta = new QLabel(QStringLiteral("—"), genitore);
    etichetta->setObjectName(nome);
    etichetta->setToolTip(tooltip);
    etichetta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return etichetta;
}

} // namespace

AvanzamentoSerie::AvanzamentoSerie(QWidget* genitore)
    : QWidget(genitore), barra_(new QProgressBar(this)),
      estrazioni_(Valore(QStringLiteral("etichettaEstrazioni"),
                         tr("Le estrazioni già fatte, su quelle chieste."), this)),
      velocita_(Valore(QStringLiteral("etichettaVelocita"),
                       tr("Quante estrazioni la serie fa in un secondo, su tutti i core."), this)),
      tempo_(Valore(QStringLiteral("etichettaTempo"),
                    tr("Il tempo che manca alla fine, alla velocità di adesso."), this)),
      seme_(Valore(QStringLiteral("etichettaSeme"),
                   tr("Il seme di questa serie: scritto nel campo Seme, la ripete identica."),
                   this))
{
    setObjectName(QStringLiteral("avanzamentoSerie"));
    barra_->setObjectName(QStringLiteral("barraAvanzamento"));
    barra_->setAccessibleName(tr("Avanzamento della serie"));
    barra_->setToolTip(tr("La parte della serie già fatta."));
    barra_->setRange(0, Passi);
    barra_->setValue(0);
    auto* griglia = new QGridLayout(this);
    griglia->setContentsMargins(0, 0, 0, 0);
    griglia->addWidget(barra_, 0, 0, 1, 8);
    int colonna = 0;
    for (auto [testo, valore] : {std::pair{tr("Estrazioni:"), estrazioni_},
                                 std::pair{tr("Velocità:"), velocita_},
                                 std::pair{tr("Tempo rimanente:"), tempo_},
                                 std::pair{tr("Seme:"), seme_}}) {
        auto* etichetta = new QLabel(testo, this);
        etichetta->setObjectName(QStringLiteral("titolo_") + valore->objectName());
        etichetta->setBuddy(valore);
        valore->setAccessibleName(testo.chopped(1));
        griglia->addWidget(etichetta, 1, colonna++);
        griglia->addWidget(valore, 1, colonna++);
        griglia->setColumnStretch(colonna - 1, 1);
    }
}

void AvanzamentoSerie::Inizia()
{
    barra_->setRange(0, 0); // busy until the first draws are in
    for (QLabel* valore : {estrazioni_, velocita_, tempo_})
        valore->setText(QStringLiteral("—"));
}

void AvanzamentoSerie::Mostra(const vortilla::Risultato& r, bool finale)
{
    const std::uint64_t fatte = r.conteggi.estrazioni;
    const std::uint64_t chieste = r.estrazioniChieste;
    barra_->setRange(0, Passi);
    barra_->setValue(chieste ? static_cast<int>(static_cast<double>(fatte) / chieste * Passi) : 0);
    estrazioni_->setText(tr("%1 di %2").arg(Numero(fatte), Numero(chieste)));
    const double velocita = r.EstrazioniAlSecondo();
    velocita_->setText(velocita > 0 ? tr("%1 estrazioni al secondo")
                                          .arg(Numero(static_cast<std::uint64_t>(velocita)))
                                    : QStringLiteral("—"));
    if (finale)
        tempo_->setText(r.interrotta ? tr("nessuno (serie fermata)") : tr("nessuno (serie finita)"));
    else
        tempo_->setText(velocita > 0 ? Durata(static_cast<double>(chieste - fatte) / velocita)
                                     : QStringLiteral("—"));
    seme_->setText(r.archivio ? tr("nessuno: estrazioni dell'archivio") : QString::number(r.seme));
}
