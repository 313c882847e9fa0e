// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SceltaFileQt.h"

#include "platform/TastiTenuti.h"
#include "platform/TraduzioniQt.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QStringList>
#include <QTreeView>

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

QLocale Italiano() { return QLocale(QLocale::Italian, QLocale::Italy); }

// The chooser's columns in Italian. The file model writes sizes and dates
// in the system's locale, which a program cannot change, and asks for the
// kind of a folder ("Folder") under a context that Qt's Italian texts do
// not have yet: they hold it under the file dialog's. File types come from
// the default locale already.
class ColonneItaliane final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& indice, int ruolo) const override
    {
        // The file model's columns: name, size, type, date modified.
        enum { Dimensione = 1, Tipo = 2, Modifica = 3 };
        const auto* file = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (ruolo != Qt::DisplayRole || !file)
            return QIdentityProxyModel::data(indice, ruolo);
        const QModelIndex origine = mapToSource(indice);
        switch (indice.column()) {
        case Dimensione:
            if (file->isDir(origine))
                break;
            return Italiano().formattedDataSize(file->size(origine));
        case Tipo:
            if (!file->fileInfo(origine).isFile())
                return QCoreApplication::translate("QFileDialog",
                                                   file->type(origine).toUtf8().constData());
            break;
        case Modifica:
            return Italiano().toString(file->lastModified(origine), QLocale::ShortFormat);
        }
        return QIdentityProxyModel::data(indice, ruolo);
    }
};

// The Italian texts are longer than the widths the chooser starts with: it
// opens a little wider, and once a folder is read the detail view's name,
// size and type take the width of their texts, the date the rest.
void AllargaColonne(QFileDialog* dialogo)
{
    constexpr int LarghezzaMinima = 720;
    auto* dettagli = dialogo->findChild<QTreeView*>();
    auto* file = qobject_cast<QFileSystemModel*>(dialogo->proxyModel()->sourceModel());
    if (!dettagli || !file)
        return;
    dialogo->resize(dialogo->sizeHint().expandedTo(QSize(LarghezzaMinima, 0)));
    QObject::connect(file, &QFileSystemModel::directoryLoaded, dettagli, [dettagli] {
        for (int colonna : {0, 1, 2})
            dettagli->resizeColumnToContents(colonna);
    });
}

// Done once, when the chooser first opens rather than at start-up, which
// stays as quick as a window of labels can be.
void PreparaPrimaApertura()
{
    static bool fatto = false;
    if (fatto)
        return;
    fatto = true;
    // The chooser's own buttons and labels in Italian, like the program,
    // and its file types: they come in the language of Qt's default
    // locale. The main window formats nothing by it (its counters group
    // digits as the user's system locale does), and the default is set
    // before the chooser's first thread starts, as Qt asks.
    CaricaTraduzioniQt();
    QLocale::setDefault(Italiano());
    // The chooser keeps its history and layout in the user's Qt settings
    // (QtProject.conf), saved each time one closes; the program writes no
    // file. The program keeps no settings of its own, so every user-scope
    // settings file of the run goes under the null device, where none can
    // be created: saving quietly fails and reading finds nothing.
    for (QSettings::Format formato : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(formato, QSettings::UserScope, QProcess::nullDevice());
}

} // namespace

std::string SceltaFileQt::ApriFile(std::int16_t modo, const std::string& titolo,
                                   const std::string& nomeIniziale, const std::string& filtro,
                                   const std::string& cartellaIniziale,
                                   const std::string& estensione)
{
    PreparaPrimaApertura();
    QWidget* proprietario = proprietario_ ? proprietario_ : QApplication::activeWindow();
    QPointer<QFileDialog> dialogo = new QFileDialog(proprietario, QString::fromStdString(titolo),
                                                    QFile::decodeName(cartellaIniziale.c_str()));
    dialogo->setObjectName(QStringLiteral("dlgApriFile"));
    IgnoraTastiTenuti(dialogo);
    dialogo->setProxyModel(new ColonneItaliane(dialogo));
    AllargaColonne(dialogo);
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
