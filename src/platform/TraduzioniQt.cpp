// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TraduzioniQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace vortilla {

bool CaricaTraduzioniQt(const QString& cartella)
{
    const QString dove =
        cartella.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : cartella;
    auto traduttore = std::make_unique<QTranslator>();
    if (!traduttore->load(QStringLiteral("qtbase_it"), dove))
        return false;
    QCoreApplication::installTranslator(traduttore.get());
    traduttore.release()->setParent(QCoreApplication::instance());
    return true;
}

} // namespace vortilla
