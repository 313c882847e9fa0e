// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SceltaFileQt.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QPointer>
#include <QStringList>

namespace vortilla {
namespace {

// "Sistemi\0*.txt\0" becomes {"Sistemi (*.txt)"}: the chooser's own form of
// description-and-pattern entries.
QStringList FiltriQt(const std::string& filtro)
{
    QStringList parti = QString::fromStdString(filtro).split(QChar(u'\0'));
    QStringList filtri;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        if (parti[i].isEmpty() && parti[i + 1].isEmpty())
            break;
        QString modelli = parti[i + 1];
        modelli.replace(QLatin1Char(';'), QLatin1Char(' '));
        filtri << parti[i] + QStringLiteral(" (") + modelli + QLatin1Char(')');
    }
    return filtri;
}

} // namespace

std::string SceltaFileQt::ApriFile(std::int16_t modo, const std::string& titolo,
                                   const std::string& nomeIniziale, const std::string& filtro,
                                   const std::string& cartellaIniziale, const std::string& estensione)
{
    QWidget* proprietario = proprietario_ ? proprietario_ : QApplication::activeWindow();
    QPointer<QFileDialog> dialogo = new QFileDialog(proprietario, QString::fromStdString(titolo),
                                                    QFile::decodeName(cartellaIniziale.c_str()));
    dialogo->setObjectName(QStringLiteral("dlgApriFile"));
    const bool apertura = modo == 1;
    dialogo->setAcceptMode(apertura ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialogo->setFileMode(apertura ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filtri = FiltriQt(filtro);
    dialogo->setNameFilters(filtri);
    if (!filtri.isEmpty())
        dialogo->selectNameFilter(filtri.first());
    dialogo->setDefaultSuffix(QString::fromStdString(estensione));
    if (!nomeIniziale.empty())
        dialogo->selectFile(QString::fromStdString(nomeIniziale));

    std::string percorso;
    if (dialogo->exec() == QDialog::Accepted && !dialogo->selectedFiles().isEmpty())
        percorso = QFile::encodeName(dialogo->selectedFiles().constFirst()).toStdString();
    delete dialogo;
    return percorso;
}

} // namespace vortilla
