// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scoring/tally.h"

#include <array>

namespace quorix {

// All in double precision, in the order the comments give.
double dontKnowCount(const ScoreTally &t); // A - N
double percentCorrect(const ScoreTally &t); // floor((C*100/A)*100)/100
double rawScore(const ScoreTally &t); // floor(((C-W)*10000)/A)/100
// u1*1, u2*2, u3*3, 0, w2*(-2), w3*(-6), in the order of the tally's fields
std::array<double, 6> lineScores(const ScoreTally &t);
double confidenceTotal(const ScoreTally &t); // ((u1+2u2)+3u3)-2w2-6w3
double weightedScoreReport(const ScoreTally &t); // floor((q*100)*100)/100, q = T/(2A)
double weightedScoreChart(const ScoreTally &t); // floor(q*10000)/100
double shareDenominator(const ScoreTally &t); // S = u1+u2+u3+w1+w2+w3
std::array<double, 6> confidenceShares(const ScoreTally &t); // (count/S)*100
bool showsGuardedScores(const ScoreTally &t); // answered != 0

} // namespace quorix
