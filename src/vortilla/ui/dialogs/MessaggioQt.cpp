// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/MessaggioQt.h"

#include "ui/dialogs/FrmMessage.h"

#include <utility>

namespace vortilla {

MessaggioQt::MessaggioQt(CanaleDialogo& canale, std::function<void()> dopoChiusura)
    : canale_(canale), dopoChiusura_(std::move(dopoChiusura))
{
}

void MessaggioQt::ApriModale()
{
    {
        FrmMessage finestra(canale_);
        finestra.exec();
    }
    if (dopoChiusura_)
        dopoChiusura_();
}

} // namespace vortilla
