// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/scores.h"

#include <cmath>

namespace quorix {

// Every score below keeps the order of operations its readers print: the
// floors fall on different sides of a decimal for different orders.

double dontKnowCount(const ScoreTally &t)
{
    return double(t.asked) - double(t.answered);
}

double percentCorrect(const ScoreTally &t)
{
    if (t.asked == 0)
        return 0;
    return std::floor((double(t.correct) * 100 / double(t.asked)) * 100) / 100;
}

double rawScore(const ScoreTally &t)
{
    if (t.asked == 0)
        return 0;
    return std::floor(((double(t.correct) - double(t.wrong)) * 10000) / double(t.asked)) / 100;
}

std::array<double, 6> lineScores(const ScoreTally &t)
{
    const std::array<int, 6> counts = confidenceCounts(t);
    std::array<double, 6> scores{};
    for (int i = 0; i < 6; ++i)
        scores[std::size_t(i)] = double(counts[std::size_t(i)]) * countMarks(i);
    return scores;
}

double confidenceTotal(const ScoreTally &t)
{
    // Whole numbers far below 2^53: any order of the sum is exact.
    double total = 0;
    for (const double line : lineScores(t))
        total += line;
    return total;
}

double weightedScoreReport(const ScoreTally &t)
{
    if (t.asked == 0)
        return 0;
    const double q = confidenceTotal(t) / (2 * double(t.asked));
    return std::floor((q * 100) * 100) / 100;
}

double weightedScoreChart(const ScoreTally &t)
{
    if (t.asked == 0)
        return 0;
    const double q = confidenceTotal(t) / (2 * double(t.asked));
    return std::floor(q * 10000) / 100;
}

double shareDenominator(const ScoreTally &t)
{
    return double(t.correctUnsure) + double(t.correctFairlySure) + double(t.correctVerySure)
        + double(t.wrongUnsure) + double(t.wrongFairlySure) + double(t.wrongVerySure);
}

std::array<double, 6> confidenceShares(const ScoreTally &t)
{
    const double s = shareDenominator(t);
    if (s == 0)
        return {};
    const std::array<int, 6> counts = confidenceCounts(t);
    std::array<double, 6> shares{};
    for (std::size_t i = 0; i < 6; ++i)
        shares[i] = (double(counts[i]) / s) * 100;
    return shares;
}

bool showsGuardedScores(const ScoreTally &t)
{
    return t.answered != 0;
}

} // namespace quorix
