// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Porte.h"
#include "errors/CanaleDialogo.h"

#include <string>

namespace vortilla {

// The short instructions F10 shows, seven lines. Built afresh each time so
// that opening them again never appends.
std::string ComponiTestoInfo();

// F10: writes the instructions into the channel and opens the information
// dialog; returns when it has closed.
void MostraInformazioni(CanaleDialogo& canale, FinestraInfo& info);

// Every request to close the main window asks first. Returns true when the
// close may go on: only "NO" (the first button) keeps the window open.
bool ConfermaUscita(CanaleDialogo& canale, FinestraMessaggio& messaggio);

} // namespace vortilla
