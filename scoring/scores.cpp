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
    return {double(t.correctUnsure) * 1,    double(t.correctFairlySure) * 2,
            double(t.correctVerySure) * 3,  0.0,
            double(t.wrongFairlySure) * -2, double(t.wrongVerySure) * -6};
}

double confidenceTotal(const ScoreTally &t)
{
    return ((double(t.correctUnsure) + 2 * double(t.correctFairlySure)) + 3 * double(t.correctVerySure))
        - 2 * double(t.wrongFairlySure) - 6 * double(t.wrongVerySure);
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
    const int counts[6] = {t.correctUnsure, t.correctFairlySure, t.correctVerySure,
                           t.wrongUnsure,   t.wrongFairlySure,   t.wrongVerySure};
    std::array<double, 6> shares{};
    for (int i = 0; i < 6; ++i)
        shares[std::size_t(i)] = (double(counts[i]) / s) * 100;
    return shares;
}

bool showsGuardedScores(const ScoreTally &t)
{
    return t.answered != 0;
}

} // namespace quorix
