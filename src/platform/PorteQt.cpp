// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PorteQt.h"

#include <QThread>
#include <QTime>

namespace vortilla {

void PausaBloccante::Attendi(int millisecondi)
{
    if (millisecondi > 0)
        QThread::msleep(static_cast<unsigned long>(millisecondi));
}

double OrologioDiSistema::SecondiDallaMezzanotte() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

} // namespace vortilla
