// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The score tally and every score derived from it. Marking adds to the tally;
// the report and the score-to-date screen read it through these functions.

#include <array>

namespace quorix {

struct ScoreTally {
    int asked = 0;
    int answered = 0;
    int correct = 0;
    int wrong = 0;
    int correctUnsure = 0;
    int correctFairlySure = 0;
    int correctVerySure = 0;
    int wrongUnsure = 0;
    int wrongFairlySure = 0;
    int wrongVerySure = 0;
};

// The confidence levels 1, 2 and 3 of a TRUE or FALSE answer: their names
// and their marks when right and when wrong. Marking, the scores of the
// report and the chart, the score screen and the calibration all go by this.
struct ConfidenceLevel {
    const char *name; // as the score screen and the calibration show it
    const char *feedbackName; // "You were <feedbackName>; you score ..."
    int right;
    int wrong;
};
inline constexpr ConfidenceLevel confidenceLevels[3] = {
    {"unsure", "not very sure", 1, 0},
    {"fairly sure", "fairly sure", 2, -2},
    {"very sure", "very sure", 3, -6},
};

// The marks of one answer at confidence level 1, 2 or 3; nothing without a level.
constexpr int answerMarks(int level, bool right)
{
    if (level < 1 || level > 3)
        return 0;
    const ConfidenceLevel &l = confidenceLevels[level - 1];
    return right ? l.right : l.wrong;
}

// The tally's six confidence counters in the order the report lists them:
// right at levels 1, 2, 3, then wrong at levels 1, 2, 3.
inline std::array<int, 6> confidenceCounts(const ScoreTally &t)
{
    return {t.correctUnsure, t.correctFairlySure, t.correctVerySure,
            t.wrongUnsure,   t.wrongFairlySure,   t.wrongVerySure};
}

// The marks of counter i of confidenceCounts.
constexpr int countMarks(int i)
{
    return answerMarks(i % 3 + 1, i < 3);
}

} // namespace quorix
