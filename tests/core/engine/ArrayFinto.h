// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ArrayControlli.h"
#include "errors/ErroreNumerato.h"

#include <map>
#include <string>
#include <vector>

// A control array without widgets: elements are plain records, and every
// operation is logged so a test can tell moves from creations.
class ArrayFinto : public vortilla::ArrayControlli {
public:
    struct Elemento {
        int left = 0, top = 0, width = 0, height = 0;
        bool visibile = false;
        bool creato = false;
        std::string testo;
        int tab = -1;
        int avanti = 0;
    };

    ArrayFinto(std::int16_t indiceModello, Elemento modello)
    {
        modello.visibile = true;
        elementi[indiceModello] = modello;
        modello_ = modello;
    }

    std::int16_t IndiceMinimo() const override { return elementi.begin()->first; }
    std::int16_t IndiceMassimo() const override { return elementi.rbegin()->first; }
    void Crea(std::int16_t i) override
    {
        if (elementi.count(i))
            throw vortilla::ErroreNumerato(360); // "already loaded": a double creation is a bug
        Elemento copia = modello_;
        copia.visibile = false;
        copia.creato = true;
        elementi[i] = copia;
        registro.push_back("crea " + std::to_string(i));
    }
    int Left(std::int16_t i) const override { return at(i).left; }
    int Top(std::int16_t i) const override { return at(i).top; }
    int Width(std::int16_t i) const override { return at(i).width; }
    int Height(std::int16_t i) const override { return at(i).height; }
    void Sposta(std::int16_t i, int l, int t) override
    {
        at(i).left = l;
        at(i).top = t;
        registro.push_back("sposta " + std::to_string(i));
    }
    void PortaAvanti(std::int16_t i) override { ++at(i).avanti; }
    void Mostra(std::int16_t i) override { at(i).visibile = true; }
    void ImpostaTesto(std::int16_t i, const std::string& t) override { at(i).testo = t; }
    void ImpostaTabIndex(std::int16_t i, std::int16_t tab) override { at(i).tab = tab; }

    std::map<std::int16_t, Elemento> elementi;
    std::vector<std::string> registro;

private:
    Elemento& at(std::int16_t i)
    {
        auto it = elementi.find(i);
        if (it == elementi.end())
            throw vortilla::ErroreNumerato(vortilla::errori::IndiceFuoriLimiti);
        return it->second;
    }
    const Elemento& at(std::int16_t i) const { return const_cast<ArrayFinto*>(this)->at(i); }
    Elemento modello_;
};
