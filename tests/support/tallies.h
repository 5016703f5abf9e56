// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scoring/tally.h"

#include <array>

namespace quorixtest {

// A tally of asked statements with the six confidence counts in the tally's
// order (correct unsure, fairly sure, very sure, wrong likewise), plus
// answers marked before any confidence was chosen.
inline quorix::ScoreTally tallyOf(int asked, std::array<int, 6> c, int correctWithout = 0,
                                  int wrongWithout = 0)
{
    quorix::ScoreTally t;
    t.asked = asked;
    t.correctUnsure = c[0];
    t.correctFairlySure = c[1];
    t.correctVerySure = c[2];
    t.wrongUnsure = c[3];
    t.wrongFairlySure = c[4];
    t.wrongVerySure = c[5];
    t.correct = c[0] + c[1] + c[2] + correctWithout;
    t.wrong = c[3] + c[4] + c[5] + wrongWithout;
    t.answered = t.correct + t.wrong;
    return t;
}

// The same from the totals: asked, answered correctly and wrongly, and the
// six confidence counts, which may cover fewer answers than the totals.
inline quorix::ScoreTally tallyOf(int asked, int correct, int wrong, std::array<int, 6> c = {})
{
    return tallyOf(asked, c, correct - c[0] - c[1] - c[2], wrong - c[3] - c[4] - c[5]);
}

} // namespace quorixtest
