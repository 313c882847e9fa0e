// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ElencoFinestre.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>

namespace vortilla {
namespace {
bool FinestraDelProgramma(const QWidget* w)
{
    if (!w->isWindow())
        return false;
    const Qt::WindowType tipo = w->windowType();
    return tipo == Qt::Window || tipo == Qt::Dialog;
}
} // namespace

ElencoFinestre::ElencoFinestre(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool ElencoFinestre::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() != QEvent::Show && evento->type() != QEvent::Hide)
        return false;
    auto* w = qobject_cast<QWidget*>(oggetto);
    if (!w || !FinestraDelProgramma(w))
        return false;
    Pulisci();
    const auto trovata = std::find(aperte_.begin(), aperte_.end(), w);
    if (evento->type() == QEvent::Show && trovata == aperte_.end())
        aperte_.emplace_back(w);
    else if (evento->type() == QEvent::Hide && trovata != aperte_.end())
        aperte_.erase(trovata);
    return false;
}

void ElencoFinestre::Pulisci() const
{
    std::erase_if(aperte_, [](const QPointer<QWidget>& w) { return w.isNull(); });
}

int ElencoFinestre::Conta() const
{
    Pulisci();
    return static_cast<int>(aperte_.size());
}

QWidget* ElencoFinestre::Finestra(int posizione) const
{
    Pulisci();
    return aperte_.at(static_cast<std::size_t>(posizione));
}

void ElencoFinestre::ChiudiTutteTranneLaPrima()
{
    for (int posizione = Conta() - 1; posizione >= 1; --posizione)
        if (posizione < Conta())
            Finestra(posizione)->close();
}

} // namespace vortilla
