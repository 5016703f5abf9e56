// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/printscript.h"
#include "core/randomsource.h"

#include <QString>

#include <optional>
#include <vector>

namespace quorix {

// Half of the bank, rounded down.
int questionQuota(int questionCount);

// Picture2's heading: the set's title, then the line with the number of
// statements and the quota.
PrintScript headingScript(const QString &title, int questionCount);

// Picture3's line for row and version, left unfinished.
PrintScript questionLineScript(int row, int version);

QString completionMessage();

// A row of 1..n (n = shown.size()) not yet shown, drawn as Int(r * n + 1)
// and redrawn while shown. std::nullopt once every row is shown, so a test
// whose questions were all skipped ends instead of drawing for ever.
std::optional<int> drawQuestion(const std::vector<bool> &shown, RandomSource &random);

// 1 or 2: Int(2r + 1).
int drawVersion(RandomSource &random);

} // namespace quorix
