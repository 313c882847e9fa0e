// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ArrayControlli.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>

namespace vortilla {

// A control array over widgets of one class: the element present at design
// time is the template; the others are created as hidden copies of it in the
// same container. Each element is named "<name>_<index>" (lblBall_17) so
// accessibility tools and tests find it.
class ArrayWidgetBase : public ArrayControlli {
public:
    using Fabbrica = std::function<QWidget*(QWidget* contenitore)>;
    ArrayWidgetBase(QString nome, std::int16_t indiceModello, QWidget* modello, Fabbrica fabbrica);

    std::int16_t IndiceMinimo() const override;
    std::int16_t IndiceMassimo() const override;
    void Crea(std::int16_t indice) override;
    int Left(std::int16_t indice) const override;
    int Top(std::int16_t indice) const override;
    int Width(std::int16_t indice) const override;
    int Height(std::int16_t indice) const override;
    void Sposta(std::int16_t indice, int left, int top) override;
    void PortaAvanti(std::int16_t indice) override;
    void Mostra(std::int16_t indice) override;
    void ImpostaTesto(std::int16_t indice, const std::string& testo) override;
    void ImpostaTabIndex(std::int16_t indice, std::int16_t tab) override;

    // Another element present at design time, with its own place and text.
    void AggiungiProgettato(std::int16_t indice, QWidget* elemento);

    bool Esiste(std::int16_t indice) const { return elementi_.count(indice) != 0; }
    // Raises error 9 for an index the array does not hold.
    QWidget* Elemento(std::int16_t indice) const;

    static QString NomeElemento(const QString& nome, std::int16_t indice);

private:
    QString nome_;
    QWidget* modello_;
    Fabbrica fabbrica_;
    std::map<std::int16_t, QWidget*> elementi_;
};

template <class W>
class ArrayWidget : public ArrayWidgetBase {
public:
    ArrayWidget(QString nome, std::int16_t indiceModello, W* modello)
        : ArrayWidgetBase(std::move(nome), indiceModello, modello,
                          [](QWidget* contenitore) { return new W(contenitore); })
    {
    }
    W* operator[](std::int16_t indice) const { return static_cast<W*>(Elemento(indice)); }
};

// Copies what makes a widget look like another: font, colours, border,
// alignment, text or picture, and the dynamic properties.
void CopiaAspetto(const QWidget* modello, QWidget* copia);

} // namespace vortilla
