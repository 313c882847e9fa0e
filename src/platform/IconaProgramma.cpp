// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/IconaProgramma.h"

#include "platform/ImmaginiRisorse.h"

namespace vortilla {

QIcon IconaProgramma()
{
    QIcon icona;
    for (int lato : {16, 32, 48, 64, 128, 256})
        icona.addPixmap(QPixmap::fromImage(
            ImmagineRisorsa(QStringLiteral(":/icona-%1.png").arg(lato)), Qt::NoFormatConversion));
    return icona;
}

} // namespace vortilla
