// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

class QRadioButton;

namespace vortilla {

// Gives a group of option buttons one Tab stop, on the selected option:
// Tab and Shift+Tab land there and change nothing, and the arrow keys then
// move to the neighbouring option and select it. The stop follows the
// selection whenever the focus leaves the group.
void TabSullaScelta(const std::vector<QRadioButton*>& opzioni);

} // namespace vortilla
