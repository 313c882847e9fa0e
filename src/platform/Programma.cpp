// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Programma.h"

#include <QCoreApplication>
#include <QFont>
#include <QLocale>

namespace vortilla {

QString CartellaProgramma() { return QCoreApplication::applicationDirPath(); }

void RegistraSostituzioniCaratteri()
{
    QFont::insertSubstitutions(QStringLiteral("Segoe UI"),
                               {QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Segoe UI Semibold"),
                               {QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Trebuchet MS"),
        {QStringLiteral("Cabin"), QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("DejaVu Sans Mono")});
}

QString SeparatoreMigliaiaUtente() { return QLocale::system().groupSeparator(); }

} // namespace vortilla
