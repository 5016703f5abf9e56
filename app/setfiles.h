// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quorix {

// Which screen the set of option k of the main menu starts on. The file it
// opens is DataFolder::bank(k).
enum class FirstScreen { Questions, Bmi, Par };
FirstScreen firstScreenFor(int option);

} // namespace quorix
