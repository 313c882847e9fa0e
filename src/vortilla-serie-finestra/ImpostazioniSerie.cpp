// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImpostazioniSerie.h"

#include <QStandardPaths>

std::unique_ptr<QSettings> ImpostazioniSerie()
{
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::make_unique<QSettings>(
        cartella + QStringLiteral("/Vortilla/vortilla-serie-finestra.conf"), QSettings::IniFormat);
}
