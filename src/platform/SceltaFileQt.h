// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Porte.h"

class QWidget;

namespace vortilla {

// The file chooser as a modal dialog owned by `proprietario`, or by the
// window active when it opens.
class SceltaFileQt : public SceltaFile {
public:
    explicit SceltaFileQt(QWidget* proprietario = nullptr) : proprietario_(proprietario) {}
    std::string ApriFile(std::int16_t modo, const std::string& titolo,
                         const std::string& nomeIniziale, const std::string& filtro,
                         const std::string& cartellaIniziale,
                         const std::string& estensione) override;

private:
    QWidget* proprietario_;
};

} // namespace vortilla
