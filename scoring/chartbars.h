// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scoring/tally.h"

#include <QString>

#include <vector>

namespace quorix {

// One bar of the score-to-date chart, in pixels of the chart area: from the
// axis to end (single precision, as the chart is drawn), between top and
// bottom. Correct bars grow to the right, wrong bars to the left.
struct ChartBar {
    float axis = 100;
    float end = 100;
    int top = 0;
    int bottom = 0;
    bool correct = true;
};

inline constexpr int ChartAxisX = 100;
inline constexpr int ChartAxisTop = 30;
inline constexpr int ChartAxisBottom = 220;

// Correct unsure, fairly sure, very sure, then wrong in the same order; no
// bars when no answer has been given with a confidence yet.
std::vector<ChartBar> chartBars(const ScoreTally &t);

// The six shares in words, rounded to whole percents, for screen readers.
QString chartDescription(const ScoreTally &t);

} // namespace quorix
