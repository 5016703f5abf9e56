// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/progressfigures.h"

#include <QString>

#include <vector>

namespace quorix {

class ScoreChart;

// The last runs as two lines on one scale: marks per answer, and marks lost
// to miscalibration per answer, oldest run on the left. Its accessible
// description is one line per run.
void drawTrendChart(ScoreChart *chart, const std::vector<TrendPoint> &points);
QString trendChartKey();

} // namespace quorix
