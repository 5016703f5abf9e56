// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/answerlog.h"
#include "scoring/calibration.h"
#include "tests/support/tallies.h"

#include <gtest/gtest.h>

using namespace quorix;
using quorixtest::tallyOf;

namespace {

struct VerdictRow {
    const char *name;
    int level, right, answers;
    const char *verdict;
};

TEST(Calibration, VerdictsAtAndAroundTheBoundsAndForSmallCounts)
{
    const VerdictRow rows[] = {
        {"no answers", 1, 0, 0, "not enough answers yet"},
        {"2 of 2 is still too few", 3, 2, 2, "not enough answers yet"},
        {"unsure at exactly 2/3 is inside", 1, 2, 3, "well calibrated"},
        {"fairly sure at exactly 2/3 is inside", 2, 2, 3, "well calibrated"},
        {"fairly sure at exactly 4/5 is inside", 2, 4, 5, "well calibrated"},
        {"very sure at exactly 4/5 is inside", 3, 8, 10, "well calibrated"},
        {"unsure never right is inside", 1, 0, 3, "well calibrated"},
        {"unsure 1999 of 3000 (shows 67%) is inside", 1, 1999, 3000, "well calibrated"},
        {"unsure 2001 of 3000 (shows 67%) is just above", 1, 2001, 3000, "a little under-confident"},
        {"fairly sure 1999 of 3000 is just below", 2, 1999, 3000, "a little over-confident"},
        {"unsure 3 of 3: above, interval reaches 0.44", 1, 3, 3, "a little under-confident"},
        {"unsure 20 of 20: whole interval above 2/3", 1, 20, 20, "under-confident"},
        {"fairly sure 17 of 20: above, interval reaches 0.64", 2, 17, 20, "a little under-confident"},
        {"fairly sure 20 of 20: interval from 0.84", 2, 20, 20, "under-confident"},
        {"fairly sure 4 of 10: interval up to 0.69", 2, 4, 10, "a little over-confident"},
        {"fairly sure 2 of 10: interval below 2/3", 2, 2, 10, "over-confident"},
        {"very sure 6 of 10: interval up to 0.83", 3, 6, 10, "a little over-confident"},
        {"very sure 79 of 100: interval up to 0.86", 3, 79, 100, "a little over-confident"},
        {"very sure 3 of 10: interval up to 0.60", 3, 3, 10, "over-confident"},
        {"very sure 0 of 3: interval up to 0.56", 3, 0, 3, "over-confident"},
    };
    for (const VerdictRow &r : rows)
        EXPECT_EQ(verdictText(calibrationVerdict(r.level, {r.right, r.answers})),
                  QString::fromUtf8(r.verdict))
            << r.name;
}

TEST(Calibration, WilsonIntervalsAgainstKnownValues)
{
    const struct {
        int right, answers;
        double low, high;
    } rows[] = {
        {6, 10, 0.3127, 0.8318}, {0, 10, 0.0, 0.2775},    {10, 10, 0.7225, 1.0},
        {1, 2, 0.0945, 0.9055},  {3, 10, 0.1078, 0.6032}, {0, 0, 0.0, 1.0},
    };
    for (const auto &r : rows) {
        const Interval i = wilsonInterval({r.right, r.answers});
        EXPECT_NEAR(i.low, r.low, 5e-5) << r.right << " of " << r.answers;
        EXPECT_NEAR(i.high, r.high, 5e-5) << r.right << " of " << r.answers;
    }
}

TEST(Calibration, WholePercentRoundsHalvesUp)
{
    const struct {
        int right, answers, percent;
    } rows[] = {{1, 8, 13}, {5, 8, 63}, {2, 3, 67}, {1, 3, 33}, {1, 200, 1}, {7, 7, 100}, {0, 0, 0}};
    for (const auto &r : rows)
        EXPECT_EQ(wholePercent({r.right, r.answers}), r.percent) << r.right << " of " << r.answers;
}

TEST(Calibration, MarksScoredAndLostForHandWorkedLevels)
{
    const struct {
        const char *name;
        int level, right, answers, scored, lost;
    } rows[] = {
        {"very sure 6 of 10: unsure would score +6", 3, 6, 10, -6, 12},
        {"very sure 9 of 10 is the best level", 3, 9, 10, 21, 0},
        {"unsure 9 of 10: very sure would score 21", 1, 9, 10, 9, 12},
        {"fairly sure 7 of 10 is the best level", 2, 7, 10, 8, 0},
        {"fairly sure 1 of 4: unsure would score +1", 2, 1, 4, -4, 5},
        {"unsure all wrong loses nothing", 1, 0, 5, 0, 0},
        {"no answers", 2, 0, 0, 0, 0},
    };
    for (const auto &r : rows) {
        EXPECT_EQ(marksScored(r.level, {r.right, r.answers}), r.scored) << r.name;
        EXPECT_EQ(marksLost(r.level, {r.right, r.answers}), r.lost) << r.name;
    }
}

TEST(Calibration, AccessibleLinesOfWholeTallies)
{
    const struct {
        const char *name;
        ScoreTally tally;
        const char *description;
        const char *marksLost;
    } rows[] = {
        {"nothing answered", tallyOf(2, {0, 0, 0, 0, 0, 0}),
         "unsure: 0 answers, not enough answers yet\n"
         "fairly sure: 0 answers, not enough answers yet\n"
         "very sure: 0 answers, not enough answers yet",
         "Marks lost to miscalibration: unsure 0, fairly sure 0, very sure 0; total 0"},
        {"one unsure, 3 of 4 fairly sure, 6 of 10 very sure", tallyOf(15, {1, 3, 6, 0, 1, 4}),
         "unsure: 1 answer, 100% correct, best below 67%, not enough answers yet\n"
         "fairly sure: 4 answers, 75% correct, best 67% to 80%, well calibrated\n"
         "very sure: 10 answers, 60% correct, best above 80%, a little over-confident",
         "Marks lost to miscalibration: unsure 2, fairly sure 0, very sure 12; total 14"},
        {"answers marked before any confidence belong to no level", tallyOf(4, {0, 0, 0, 0, 0, 0}, 2, 2),
         "unsure: 0 answers, not enough answers yet\n"
         "fairly sure: 0 answers, not enough answers yet\n"
         "very sure: 0 answers, not enough answers yet",
         "Marks lost to miscalibration: unsure 0, fairly sure 0, very sure 0; total 0"},
    };
    for (const auto &r : rows) {
        EXPECT_EQ(calibrationDescription(r.tally), QString::fromUtf8(r.description)) << r.name;
        EXPECT_EQ(marksLostLine(r.tally), QString::fromUtf8(r.marksLost)) << r.name;
    }
}

LoggedAnswer logged(const char *statement, Outcome outcome, int confidence)
{
    const bool rated = outcome != Outcome::DontKnow;
    return {QString::fromUtf8(statement),
            rated ? QStringLiteral("TRUE") : QStringLiteral("Don't know"),
            rated ? confidence : 0,
            QStringLiteral("true"),
            QStringLiteral("because"),
            outcome,
            rated ? answerMarks(confidence, outcome == Outcome::Right) : 0};
}

TEST(ReviewList, GroupsInMarkingOrder)
{
    const std::vector<LoggedAnswer> log = {
        logged("0 right unsure", Outcome::Right, 1), logged("1 don't know", Outcome::DontKnow, 0),
        logged("2 wrong fairly", Outcome::Wrong, 2), logged("3 wrong very", Outcome::Wrong, 3),
        logged("4 right very", Outcome::Right, 3),   logged("5 wrong unsure", Outcome::Wrong, 1),
        logged("6 wrong very", Outcome::Wrong, 3),   logged("7 right unsure", Outcome::Right, 1),
        logged("8 wrong fairly", Outcome::Wrong, 2), logged("9 right fairly", Outcome::Right, 2),
    };
    EXPECT_EQ(reviewOrder(log), (std::vector<std::size_t>{3, 6, 2, 8, 0, 7, 1, 4, 5, 9}));
    EXPECT_TRUE(reviewOrder({}).empty());
}

TEST(ReviewList, RowsBeginWithTheStatementOnOneLine)
{
    LoggedAnswer wrong = logged("Fat gives\n17 kJ/g.", Outcome::Wrong, 3);
    wrong.key = QStringLiteral("false");
    EXPECT_EQ(
        reviewRowText(wrong),
        QStringLiteral("Fat gives 17 kJ/g. \u2014 your answer: TRUE, very sure \u2014 key: false \u2014 "
                       "wrong, -6"));
    EXPECT_EQ(
        reviewRowText(logged("A %1 B", Outcome::Right, 2)),
        QStringLiteral("A %1 B \u2014 your answer: TRUE, fairly sure \u2014 key: true \u2014 right, +2"));
    EXPECT_EQ(reviewRowText(logged("C", Outcome::DontKnow, 0)),
              QStringLiteral("C \u2014 your answer: Don't know \u2014 key: true \u2014 Don't know, 0"));
}

} // namespace
