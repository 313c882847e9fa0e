// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/GruppoOpzioni.h"

#include <QEvent>
#include <QRadioButton>

#include <utility>

namespace vortilla {
namespace {

// Qt moves the Tab stop to whichever option takes the focus, and before any
// has had it every option is a stop, so Tab would land on the first one
// whatever is selected. This puts the stop back on the selection.
class TappaSullaScelta : public QObject {
public:
    TappaSullaScelta(std::vector<QRadioButton*> opzioni, QObject* genitore)
        : QObject(genitore), opzioni_(std::move(opzioni))
    {
        for (QRadioButton* opzione : opzioni_) {
            opzione->installEventFilter(this);
            connect(opzione, &QRadioButton::toggled, this, &TappaSullaScelta::Aggiorna);
        }
        Aggiorna();
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::FocusOut)
            Aggiorna();
        return false;
    }

private:
    void Aggiorna()
    {
        for (QRadioButton* opzione : opzioni_)
            opzione->setFocusPolicy(opzione->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }

    std::vector<QRadioButton*> opzioni_;
};

} // namespace

void TabSullaScelta(const std::vector<QRadioButton*>& opzioni)
{
    if (!opzioni.empty())
        new TappaSullaScelta(opzioni, opzioni.front());
}

} // namespace vortilla
