#pragma once

// The score tally and every score derived from it. Marking adds to the tally;
// the report and the score-to-date screen read it through these functions.

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

} // namespace quorix
