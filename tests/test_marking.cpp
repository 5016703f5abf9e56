// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questions/marking.h"

#include "scoring/tally.h"
#include "tests/support/printitems.h"

#include <gtest/gtest.h>

#include <string>

using namespace quorix;

namespace {

using quorixtest::describe;

struct MarkCase {
    const char *name;
    const char *key;
    Answer answer;
    Confidence confidence;
    Verdict verdict;
    char face;
    std::string feedback;
};

class MarkAnswer : public testing::TestWithParam<MarkCase> { };

TEST_P(MarkAnswer, GivesVerdictFaceAndExactLines)
{
    const MarkCase &c = GetParam();
    const Marking m = markAnswer(QString::fromLatin1(c.key), c.answer, c.confidence);
    EXPECT_EQ(m.verdict, c.verdict);
    EXPECT_EQ(m.face, QLatin1Char(c.face));
    EXPECT_EQ(describe(m.feedback), c.feedback);
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, MarkAnswer,
    testing::Values(
        MarkCase{"dont_know_true", "T", Answer::DontKnow, Confidence::VerySure, Verdict::DontKnow, 'K',
                 "|2|You did not know the answer/|2|This statement is true"},
        MarkCase{"dont_know_false", "F", Answer::DontKnow, Confidence::None, Verdict::DontKnow, 'K',
                 "|2|You did not know the answer/|2|This statement is false"},
        MarkCase{"correct_unsure", "T", Answer::True, Confidence::Unsure, Verdict::Correct, 'J',
                 "|2|You are correct, this statement is true//|2|You were not very sure; you score +1"},
        MarkCase{"correct_fairly", "F", Answer::False, Confidence::FairlySure, Verdict::Correct, 'J',
                 "|2|You are correct, this statement is false//|2|You were fairly sure; you score +2"},
        MarkCase{"correct_very", "T", Answer::True, Confidence::VerySure, Verdict::Correct, 'J',
                 "|2|You are correct, this statement is true//|2|You were very sure; you score +3"},
        MarkCase{"wrong_unsure", "T", Answer::False, Confidence::Unsure, Verdict::Wrong, 'L',
                 "|2|You are wrong, this statement is true//|2|You were not very sure; you score 0"},
        MarkCase{"wrong_fairly", "T", Answer::False, Confidence::FairlySure, Verdict::Wrong, 'L',
                 "|2|You are wrong, this statement is true//|2|You were fairly sure; you score -2"},
        MarkCase{"wrong_very_key_F", "F", Answer::True, Confidence::VerySure, Verdict::Wrong, 'L',
                 "|2|You are wrong, this statement is false//|2|You were very sure; you score -6"},
        // Keys are exact: a lower-case or padded key never matches and reads as false.
        MarkCase{"lower_case_key", "t", Answer::True, Confidence::FairlySure, Verdict::Wrong, 'L',
                 "|2|You are wrong, this statement is false//|2|You were fairly sure; you score -2"},
        MarkCase{"padded_key", "T ", Answer::True, Confidence::VerySure, Verdict::Wrong, 'L',
                 "|2|You are wrong, this statement is false//|2|You were very sure; you score -6"},
        MarkCase{"padded_key_dont_know", "T ", Answer::DontKnow, Confidence::Unsure, Verdict::DontKnow, 'K',
                 "|2|You did not know the answer/|2|This statement is false"},
        // No confidence picked: no third line.
        MarkCase{"correct_no_confidence", "T", Answer::True, Confidence::None, Verdict::Correct, 'J',
                 "|2|You are correct, this statement is true//"}),
    [](const testing::TestParamInfo<MarkCase> &info) { return std::string(info.param.name); });

TEST(MarkAnswerColours, FollowTheVerdict)
{
    const Marking dk = markAnswer(QStringLiteral("T"), Answer::DontKnow, Confidence::Unsure);
    EXPECT_EQ(dk.feedbackColor, (Rgb{0, 0, 0}));
    EXPECT_EQ(dk.faceBackground, (Rgb{200, 200, 200}));
    EXPECT_EQ(dk.faceColor, (Rgb{0, 0, 0}));

    const Marking right = markAnswer(QStringLiteral("T"), Answer::True, Confidence::Unsure);
    EXPECT_EQ(right.feedbackColor, (Rgb{0, 100, 0}));
    EXPECT_EQ(right.faceBackground, (Rgb{0, 255, 0}));
    EXPECT_EQ(right.faceColor, (Rgb{0, 0, 0}));

    const Marking wrong = markAnswer(QStringLiteral("T"), Answer::False, Confidence::Unsure);
    EXPECT_EQ(wrong.feedbackColor, (Rgb{255, 0, 0}));
    EXPECT_EQ(wrong.faceBackground, (Rgb{255, 50, 0}));
    EXPECT_EQ(wrong.faceColor, (Rgb{0, 0, 0}));
}

// asked, answered, correct, wrong, cu, cf, cv, wu, wf, wv
using Counts = std::array<int, 10>;

Counts countsOf(const ScoreTally &t)
{
    return {t.asked,           t.answered,          t.correct,         t.wrong,
            t.correctUnsure,   t.correctFairlySure, t.correctVerySure, t.wrongUnsure,
            t.wrongFairlySure, t.wrongVerySure};
}

struct TallyCase {
    const char *name;
    const char *key;
    Answer answer;
    Confidence confidence;
    Counts increments;
};

class TallyIncrements : public testing::TestWithParam<TallyCase> { };

TEST_P(TallyIncrements, RaiseExactlyTheRightCounters)
{
    const TallyCase &c = GetParam();
    const Marking m = markAnswer(QString::fromLatin1(c.key), c.answer, c.confidence);
    EXPECT_EQ(countsOf(tallyIncrements(m)), c.increments);
}

INSTANTIATE_TEST_SUITE_P(
    Counters, TallyIncrements,
    testing::Values(
        TallyCase{"dont_know_only_asked",
                  "T",
                  Answer::DontKnow,
                  Confidence::VerySure,
                  {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        TallyCase{"correct_unsure", "T", Answer::True, Confidence::Unsure, {1, 1, 1, 0, 1, 0, 0, 0, 0, 0}},
        TallyCase{
            "correct_fairly", "F", Answer::False, Confidence::FairlySure, {1, 1, 1, 0, 0, 1, 0, 0, 0, 0}},
        TallyCase{"correct_very", "T", Answer::True, Confidence::VerySure, {1, 1, 1, 0, 0, 0, 1, 0, 0, 0}},
        TallyCase{"wrong_unsure", "F", Answer::True, Confidence::Unsure, {1, 1, 0, 1, 0, 0, 0, 1, 0, 0}},
        TallyCase{"wrong_fairly", "F", Answer::True, Confidence::FairlySure, {1, 1, 0, 1, 0, 0, 0, 0, 1, 0}},
        TallyCase{"wrong_very", "F", Answer::True, Confidence::VerySure, {1, 1, 0, 1, 0, 0, 0, 0, 0, 1}},
        TallyCase{
            "correct_no_confidence", "T", Answer::True, Confidence::None, {1, 1, 1, 0, 0, 0, 0, 0, 0, 0}},
        TallyCase{
            "wrong_no_confidence", "T", Answer::False, Confidence::None, {1, 1, 0, 1, 0, 0, 0, 0, 0, 0}},
        TallyCase{"lower_case_key_is_wrong",
                  "t",
                  Answer::True,
                  Confidence::VerySure,
                  {1, 1, 0, 1, 0, 0, 0, 0, 0, 1}}),
    [](const testing::TestParamInfo<TallyCase> &info) { return std::string(info.param.name); });

} // namespace
