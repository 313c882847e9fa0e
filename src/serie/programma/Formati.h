// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Risultato.h"

#include <QByteArray>

// The results in the three output formats, UTF-8.
QByteArray InTesto(const Risultato& r);
QByteArray InCsv(const Risultato& r);
QByteArray InJson(const Risultato& r);
