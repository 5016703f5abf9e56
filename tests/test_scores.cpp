// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/scores.h"

#include "core/value.h"
#include "tests/support/tallies.h"

#include <gtest/gtest.h>

using namespace quorix;
using quorixtest::tallyOf;

namespace {

// Each score is compared through the print rule, which is how every reader
// shows it: a value a hair off 18.39 would print with 15 digits.
struct ScoreRow {
    const char *name;
    ScoreTally tally;
    double (*score)(const ScoreTally &);
    const char *printed;
};

class DerivedScore : public testing::TestWithParam<ScoreRow> { };

TEST_P(DerivedScore, PrintsAs)
{
    EXPECT_EQ(formatNumber(GetParam().score(GetParam().tally)), QString::fromLatin1(GetParam().printed));
}

const ScoreRow scoreRows[] = {
    {"percent_23_of_125_is_cut_to_18_39", tallyOf(125, 23, 0), percentCorrect, " 18.39 "},
    {"percent_2_of_3_is_66_66", tallyOf(3, 2, 0), percentCorrect, " 66.66 "},
    {"percent_counts_dont_know_against", tallyOf(4, 1, 0), percentCorrect, " 25 "},
    {"percent_all_correct", tallyOf(7, 7, 0), percentCorrect, " 100 "},
    {"raw_1_right_2_wrong_of_3_is_minus_33_34", tallyOf(3, 1, 2), rawScore, "-33.34 "},
    {"raw_2_of_3", tallyOf(3, 2, 0), rawScore, " 66.66 "},
    {"raw_even_is_zero", tallyOf(4, 2, 2), rawScore, " 0 "},
    {"weighted_report_T23_A10_is_114_99", tallyOf(10, {0, 1, 7, 0, 0, 0}), weightedScoreReport, " 114.99 "},
    {"weighted_chart_T23_A10_is_115", tallyOf(10, {0, 1, 7, 0, 0, 0}), weightedScoreChart, " 115 "},
    {"weighted_one_wrong_very_sure_is_minus_300", tallyOf(1, {0, 0, 0, 0, 0, 1}), weightedScoreReport,
     "-300 "},
    {"weighted_chart_one_wrong_very_sure", tallyOf(1, {0, 0, 0, 0, 0, 1}), weightedScoreChart, "-300 "},
    {"weighted_all_fairly_sure_is_100", tallyOf(5, {0, 5, 0, 0, 0, 0}), weightedScoreReport, " 100 "},
    {"weighted_all_very_sure_is_150", tallyOf(4, {0, 0, 4, 0, 0, 0}), weightedScoreReport, " 150 "},
    {"weighted_wrong_unsure_adds_nothing", tallyOf(2, {0, 0, 0, 2, 0, 0}), weightedScoreReport, " 0 "},
    {"total_T23", tallyOf(10, {0, 1, 7, 0, 0, 0}), confidenceTotal, " 23 "},
    {"total_mixed", tallyOf(20, {1, 2, 3, 4, 5, 6}), confidenceTotal, "-32 "},
    {"dont_know_count", tallyOf(10, 3, 2), dontKnowCount, " 5 "},
    {"empty_tally_percent_is_0", ScoreTally{}, percentCorrect, " 0 "},
    {"empty_tally_raw_is_0", ScoreTally{}, rawScore, " 0 "},
    {"empty_tally_weighted_is_0", ScoreTally{}, weightedScoreReport, " 0 "},
    {"empty_tally_chart_weighted_is_0", ScoreTally{}, weightedScoreChart, " 0 "},
    {"empty_tally_total_is_0", ScoreTally{}, confidenceTotal, " 0 "},
    {"empty_tally_dont_know_is_0", ScoreTally{}, dontKnowCount, " 0 "},
};

INSTANTIATE_TEST_SUITE_P(Rows, DerivedScore, testing::ValuesIn(scoreRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Scores, GuardIsOnAnsweredNotAsked)
{
    EXPECT_FALSE(showsGuardedScores(ScoreTally{}));
    EXPECT_FALSE(showsGuardedScores(tallyOf(3, 0, 0)));
    EXPECT_TRUE(showsGuardedScores(tallyOf(3, 0, 1)));
}

TEST(Scores, LineScoresUseTheConfidenceWeights)
{
    const auto lines = lineScores(tallyOf(21, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(lines, (std::array<double, 6>{1, 4, 9, 0, -10, -36}));
    // No wrong answers: -2 x 0 is negative zero, which must print as 0.
    const auto none = lineScores(ScoreTally{});
    for (double line : none)
        EXPECT_EQ(formatNumber(line), QStringLiteral(" 0 "));
}

TEST(Scores, SharesOfTheSixCountersAreUnrounded)
{
    const auto shares = confidenceShares(tallyOf(10, {1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(shareDenominator(tallyOf(10, {1, 1, 1, 0, 0, 0})), 3.0);
    EXPECT_DOUBLE_EQ(shares[0], 100.0 / 3.0);
    EXPECT_EQ(shares[0], (1.0 / 3.0) * 100);
    EXPECT_EQ(shares[3], 0.0);
    const auto half = confidenceShares(tallyOf(4, {0, 0, 2, 0, 0, 2}));
    EXPECT_EQ(half, (std::array<double, 6>{0, 0, 50, 0, 0, 50}));
}

TEST(Scores, SharesOfAnEmptyTallyAreZero)
{
    EXPECT_EQ(shareDenominator(tallyOf(3, 0, 0)), 0.0);
    EXPECT_EQ(confidenceShares(tallyOf(3, 0, 0)), (std::array<double, 6>{}));
}

} // namespace
