// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace vortilla {

// A control array as the grid layout sees it: elements that share a name and
// are told apart by an index. Geometry is in twips, relative to the
// container. The program implements it over widgets; tests over a fake.
class ArrayControlli {
public:
    virtual ~ArrayControlli() = default;

    virtual std::int16_t IndiceMinimo() const = 0;
    virtual std::int16_t IndiceMassimo() const = 0;
    // Creates element `indice` as a hidden copy of the template element.
    virtual void Crea(std::int16_t indice) = 0;

    virtual int Left(std::int16_t indice) const = 0;
    virtual int Top(std::int16_t indice) const = 0;
    virtual int Width(std::int16_t indice) const = 0;
    virtual int Height(std::int16_t indice) const = 0;

    virtual void Sposta(std::int16_t indice, int left, int top) = 0;
    virtual void PortaAvanti(std::int16_t indice) = 0;
    virtual void Mostra(std::int16_t indice) = 0;
    virtual void ImpostaTesto(std::int16_t indice, const std::string& testo) = 0;
    virtual void ImpostaTabIndex(std::int16_t indice, std::int16_t tab) = 0;
};

} // namespace vortilla
