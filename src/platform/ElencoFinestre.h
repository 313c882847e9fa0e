// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace vortilla {

// The program's open windows in the order they were opened: a window joins
// when it is first shown and leaves when it is hidden or destroyed. Popups
// and tooltips are not windows of the program in this sense.
class ElencoFinestre : public QObject {
    Q_OBJECT
public:
    explicit ElencoFinestre(QObject* parent = nullptr); // watches the whole application
    int Conta() const;
    QWidget* Finestra(int posizione) const; // 0 = first opened

    // Closes, last opened first, every window but the first.
    void ChiudiTutteTranneLaPrima();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Pulisci() const;
    mutable std::vector<QPointer<QWidget>> aperte_;
};

} // namespace vortilla
