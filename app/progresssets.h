// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/progressfigures.h"

#include <vector>

namespace quorix {

class DataFolder;
class MenuState;

// The sets on the menu today, in menu order, each with the statements of
// its bank as the test would load it, for the progress window. A bank that
// cannot be read gives a set without statements.
std::vector<SetStatements> progressSets(const MenuState &menu, const DataFolder &folder);

} // namespace quorix
