// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace vortilla {

// A system error (errno) in a few Italian words, for messages such as
// "grafico non scritto: disco pieno".
std::string DescriviErrore(int codice);

} // namespace vortilla
