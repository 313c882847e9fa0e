// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/OrdineTab.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace vortilla {
namespace {
constexpr const char* ProprietaTab = "vortillaTabIndex";
}

void SegnaIndiceTab(QWidget* controllo, std::int16_t indice)
{
    controllo->setProperty(ProprietaTab, int{indice});
}

void ImpostaIndiceTab(QWidget* controllo, std::int16_t indice)
{
    SegnaIndiceTab(controllo, indice);
    if (QWidget* finestra = controllo->window())
        ApplicaOrdineTab(finestra);
}

void ApplicaOrdineTab(QWidget* finestra)
{
    std::vector<QWidget*> controlli;
    for (QWidget* w : finestra->findChildren<QWidget*>())
        if (w->property(ProprietaTab).isValid() && w->focusPolicy() != Qt::NoFocus)
            controlli.push_back(w);
    std::stable_sort(controlli.begin(), controlli.end(), [](QWidget* a, QWidget* b) {
        return a->property(ProprietaTab).toInt() < b->property(ProprietaTab).toInt();
    });
    for (std::size_t i = 1; i < controlli.size(); ++i)
        QWidget::setTabOrder(controlli[i - 1], controlli[i]);
}

} // namespace vortilla
