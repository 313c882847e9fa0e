// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/InfoQt.h"

#include "ui/dialogs/FrmInfo.h"

#include <utility>

namespace vortilla {

InfoQt::InfoQt(const CanaleDialogo& canale, std::function<void()> dopoChiusura)
    : canale_(canale), dopoChiusura_(std::move(dopoChiusura))
{
}

void InfoQt::ApriModale()
{
    {
        FrmInfo finestra(canale_);
        finestra.exec();
    }
    if (dopoChiusura_)
        dopoChiusura_();
}

} // namespace vortilla
