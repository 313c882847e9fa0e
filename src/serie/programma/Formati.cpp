// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Formati.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>

namespace {

constexpr int Punti = static_cast<int>(vortilla::ValoriPunti);

QString Intero(std::uint64_t n) { return QString::number(n); }

// Shortest text that reads back as the same double, as in the JSON.
QString Reale(double x) { return QString::number(x, 'g', QLocale::FloatingPointShortest); }

QString CampoCsv(QString testo)
{
    if (!testo.contains(QRegularExpression("[\",\r\n]")))
        return testo;
    return '"' + testo.replace('"', "\"\"") + '"';
}

QString RigaCsv(const QStringList& campi)
{
    QStringList protetti;
    for (const QString& c : campi)
        protetti << CampoCsv(c);
    return protetti.join(',') + '\n';
}

QString Lunghezze(const Risultato& r)
{
    QStringList parti;
    for (int k = 3; k <= 10; ++k)
        if (r.perLunghezza[static_cast<std::size_t>(k)] != 0)
            parti << QString("%1 da %2")
                         .arg(Intero(r.perLunghezza[static_cast<std::size_t>(k)]))
                         .arg(k);
    return parti.join(", ");
}

} // namespace

QByteArray InTesto(const Risultato& r)
{
    const vortilla::Statistiche& s = r.statistiche;
    QString t;
    t += QString("File:            %1\n").arg(r.file);
    t += QString("Combinazioni:    %1 (%2)\n").arg(Intero(r.combinazioni), Lunghezze(r));
    if (r.conRipetizioni != 0)
        t += QString(
                 "                 %1 con numeri ripetuti: ogni ripetizione di un numero estratto "
                 "vale un punto, come nella finestra\n")
                 .arg(Intero(r.conRipetizioni));
    t += QString("Estratti:        %1 su 90\n").arg(r.estratti);
    t += QString("Estrazioni:      %1").arg(Intero(r.conteggi.estrazioni));
    if (r.interrotta)
        t += QString(" di %1: SERIE INTERROTTA, risultati delle estrazioni completate")
                 .arg(Intero(r.estrazioniChieste));
    t += QString("\nSeme:            %1\n").arg(Intero(r.seme));
    t += QString("Thread:          %1\n").arg(r.thread);
    t += QString("Tempo:           %1 s, %2 estrazioni al secondo\n")
             .arg(r.secondi, 0, 'f', 3)
             .arg(r.EstrazioniAlSecondo(), 0, 'f', 0);

    t += "\nPunti delle combinazioni in tutte le estrazioni (la tabella cumulativa della "
         "finestra)\n";
    t += QString("%1 %2 %3 %4 %5\n")
             .arg("Punti", 5)
             .arg("Osservati", 16)
             .arg("Attesi", 20)
             .arg("Errore std", 14)
             .arg("z", 8);
    for (int p = Punti - 1; p >= 0; --p) {
        const vortilla::RigaPunti& riga = s.punti[static_cast<std::size_t>(p)];
        t += QString("%1 %2 %3 %4 %5\n")
                 .arg(p, 5)
                 .arg(Intero(riga.osservati), 16)
                 .arg(riga.attesi, 20, 'f', 2)
                 .arg(riga.erroreStandard, 14, 'f', 2)
                 .arg(riga.z, 8, 'f', 2);
    }
    t += QString("Attesi: probabilità ipergeometriche esatte per combinazione, sommate, per le "
                 "estrazioni.\n"
                 "Errore standard %1.\n")
             .arg(MetodoErrore);

    t += "\nMiglior punteggio del sistema in ogni estrazione (la combinazione migliore)\n";
    t += QString("%1 %2 %3 %4\n")
             .arg("Punti", 5)
             .arg("Estrazioni", 16)
             .arg("Almeno (%)", 12)
             .arg("Intervallo 95%", 24);
    for (int p = Punti - 1; p >= 0; --p) {
        const auto i = static_cast<std::size_t>(p);
        const vortilla::RigaAlmeno& almeno = s.almeno[i];
        t += QString("%1 %2 %3   [%4, %5]\n")
                 .arg(p, 5)
                 .arg(Intero(r.conteggi.migliore[i]), 16)
                 .arg(almeno.percentuale, 12, 'f', 4)
                 .arg(almeno.basso, 9, 'f', 4)
                 .arg(almeno.alto, 9, 'f', 4);
    }
    t += QString("Estrazioni: quelle in cui il punteggio migliore è esattamente quello; Almeno: "
                 "quelle in cui\n"
                 "almeno una combinazione fa almeno quei punti, con l'intervallo di %1.\n")
             .arg(MetodoIntervallo);

    if (r.righe && !r.conteggi.perRiga.empty()) {
        t += "\nDettaglio: estrazioni per punti di ogni combinazione\n";
        QString intestazione = QString("%1  ").arg("Riga", 8);
        for (int p = 0; p < Punti; ++p)
            intestazione += QString("%1").arg(QString("%1 p").arg(p), 10);
        t += intestazione + "  Combinazione\n";
        for (std::size_t i = 0; i < r.conteggi.perRiga.size(); ++i) {
            QString riga = QString("%1  ").arg(i + 1, 8);
            for (int p = 0; p < Punti; ++p)
                riga += QString("%1").arg(
                    Intero(r.conteggi.perRiga[i][static_cast<std::size_t>(p)]), 10);
            t += riga + "  " + QString::fromStdString((*r.righe)[i]) + '\n';
        }
    }
    return t.toUtf8();
}

QByteArray InCsv(const Risultato& r)
{
    const vortilla::Statistiche& s = r.statistiche;
    QString t = RigaCsv({"tabella", "chiave", "valore"});
    auto coppia = [&](const QString& tabella, const QString& chiave, const QString& valore) {
        t += RigaCsv({tabella, chiave, valore});
    };
    coppia("serie", "file", r.file);
    coppia("serie", "combinazioni", Intero(r.combinazioni));
    for (int k = 3; k <= 10; ++k)
        coppia("serie", QString("per_lunghezza_%1").arg(k),
               Intero(r.perLunghezza[static_cast<std::size_t>(k)]));
    coppia("serie", "ripetizioni", Intero(r.conRipetizioni));
    coppia("serie", "estratti", QString::number(r.estratti));
    coppia("serie", "estrazioni", Intero(r.conteggi.estrazioni));
    coppia("serie", "estrazioni_richieste", Intero(r.estrazioniChieste));
    coppia("serie", "seme", Intero(r.seme));
    coppia("serie", "interrotta", r.interrotta ? "true" : "false");
    coppia("serie", "errore_standard", MetodoErrore);
    coppia("serie", "intervallo", MetodoIntervallo);
    coppia("prestazioni", "secondi", Reale(r.secondi));
    coppia("prestazioni", "estrazioni_al_secondo", Reale(r.EstrazioniAlSecondo()));
    coppia("prestazioni", "thread", QString::number(r.thread));

    t += '\n' + RigaCsv({"tabella", "punti", "osservati", "attesi", "errore_standard", "z"});
    for (const vortilla::RigaPunti& riga : s.punti)
        t += RigaCsv({"punti", QString::number(riga.punti), Intero(riga.osservati),
                      Reale(riga.attesi), Reale(riga.erroreStandard), Reale(riga.z)});
    t += '\n' + RigaCsv({"tabella", "punti", "estrazioni"});
    for (int p = 0; p < Punti; ++p)
        t += RigaCsv({"migliore", QString::number(p),
                      Intero(r.conteggi.migliore[static_cast<std::size_t>(p)])});
    t += '\n'
         + RigaCsv({"tabella", "punti", "estrazioni", "percentuale", "intervallo95_basso",
                    "intervallo95_alto"});
    for (const vortilla::RigaAlmeno& a : s.almeno)
        t += RigaCsv({"almeno", QString::number(a.punti), Intero(a.estrazioni),
                      Reale(a.percentuale), Reale(a.basso), Reale(a.alto)});
    if (r.righe && !r.conteggi.perRiga.empty()) {
        QStringList intestazione{"tabella", "riga", "combinazione"};
        for (int p = 0; p < Punti; ++p)
            intestazione << QString("punti_%1").arg(p);
        t += '\n' + RigaCsv(intestazione);
        for (std::size_t i = 0; i < r.conteggi.perRiga.size(); ++i) {
            QStringList campi{"dettaglio", Intero(i + 1), QString::fromStdString((*r.righe)[i])};
            for (const std::uint64_t n : r.conteggi.perRiga[i])
                campi << Intero(n);
            t += RigaCsv(campi);
        }
    }
    return t.toUtf8();
}

QByteArray InJson(const Risultato& r)
{
    const vortilla::Statistiche& s = r.statistiche;
    auto intero = [](std::uint64_t n) { return QJsonValue(static_cast<qint64>(n)); };
    QJsonObject o;
    o["file"] = r.file;
    o["combinazioni"] = intero(r.combinazioni);
    QJsonObject lunghezze;
    for (int k = 3; k <= 10; ++k)
        lunghezze[QString::number(k)] = intero(r.perLunghezza[static_cast<std::size_t>(k)]);
    o["per_lunghezza"] = lunghezze;
    o["ripetizioni"] = intero(r.conRipetizioni);
    o["estratti"] = r.estratti;
    o["numeri"] = 90;
    o["estrazioni"] = intero(r.conteggi.estrazioni);
    o["estrazioni_richieste"] = intero(r.estrazioniChieste);
    o["seme"] = Intero(r.seme);
    o["interrotta"] = r.interrotta;

    QJsonArray punti;
    for (const vortilla::RigaPunti& riga : s.punti)
        punti.append(QJsonObject{{"punti", riga.punti},
                                 {"osservati", intero(riga.osservati)},
                                 {"attesi", riga.attesi},
                                 {"errore_standard", riga.erroreStandard},
                                 {"z", riga.z}});
    o["punti"] = punti;
    o["errore_standard"] = QString::fromUtf8(MetodoErrore);

    QJsonArray migliore, almeno;
    for (int p = 0; p < Punti; ++p) {
        const auto i = static_cast<std::size_t>(p);
        migliore.append(QJsonObject{{"punti", p}, {"estrazioni", intero(r.conteggi.migliore[i])}});
        const vortilla::RigaAlmeno& a = s.almeno[i];
        almeno.append(QJsonObject{{"punti", p},
                                  {"estrazioni", intero(a.estrazioni)},
                                  {"percentuale", a.percentuale},
                                  {"intervallo95", QJsonArray{a.basso, a.alto}}});
    }
    o["migliore"] = migliore;
    o["almeno"] = almeno;
    o["intervallo"] = QString::fromUtf8(MetodoIntervallo);

    if (r.righe && !r.conteggi.perRiga.empty()) {
        QJsonArray dettaglio;
        for (std::size_t i = 0; i < r.conteggi.perRiga.size(); ++i) {
            QJsonArray perPunti;
            for (const std::uint64_t n : r.conteggi.perRiga[i])
                perPunti.append(intero(n));
            dettaglio.append(QJsonObject{{"riga", intero(i + 1)},
                                         {"combinazione", QString::fromStdString((*r.righe)[i])},
                                         {"punti", perPunti}});
        }
        o["dettaglio"] = dettaglio;
    }

    o["prestazioni"] = QJsonObject{{"secondi", r.secondi},
                                   {"estrazioni_al_secondo", r.EstrazioniAlSecondo()},
                                   {"thread", static_cast<int>(r.thread)}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}
