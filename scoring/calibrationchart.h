// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quorix {

class ScoreChart;
struct ScoreTally;

// The calibration chart, for the calibration window and the progress
// window: per confidence level, the range of percentage correct it scores
// best for (shaded), the student's percentage (a bar) and where it probably
// lies (a line with end ticks). The chart's accessible description is the
// three level lines of calibrationDescription(). Draw it on an empty chart
// of 7440 x 2520 twips.
void drawCalibrationChart(ScoreChart *chart, const ScoreTally &tally);

// What the chart's shading, bars and lines mean, for a caption beside it.
QString calibrationChartKey();

} // namespace quorix
