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

// The marks of one TRUE or FALSE answer at confidence level 1, 2 or 3: +1, +2,
// +3 when right, 0, -2, -6 when wrong; nothing without a level. Marking, the
// scores of the report and the chart, and the calibration all go by this.
constexpr int answerMarks(int level, bool right)
{
    constexpr int rightMarks[4] = {0, 1, 2, 3};
    constexpr int wrongMarks[4] = {0, 0, -2, -6};
    if (level < 1 || level > 3)
        return 0;
    return right ? rightMarks[level] : wrongMarks[level];
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
