#include "questions/marking.h"

#include "app/programstate.h"
#include "scoring/tally.h"

#include <gtest/gtest.h>

#include <string>

using namespace quorix;

namespace {

// A readable form of a print script: "|" for a column step to 2, "/" for a
// line end, numbers by the print rule.
std::string describe(const PrintScript &script)
{
    QString out;
    for (const PrintItem &item : script) {
        switch (item.kind) {
        case PrintItem::Kind::Text:
            out += item.text;
            break;
        case PrintItem::Kind::Number:
            out += formatNumber(item.number);
            break;
        case PrintItem::Kind::Column:
            out += QStringLiteral("|%1|").arg(item.column);
            break;
        case PrintItem::Kind::LineEnd:
            out += QLatin1Char('/');
            break;
        }
    }
    return out.toStdString();
}

Value text(const char *s)
{
    return QString::fromLatin1(s);
}

struct MarkCase {
    const char *name;
    const char *key;
    Value answer;
    Value confidence;
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
        MarkCase{"dont_know_true", "T", text("DK"), 3.0, Verdict::DontKnow, 'K',
                 "|2|You did not know the answer/|2|This statement is true"},
        MarkCase{"dont_know_false", "F", text("DK"), Value{}, Verdict::DontKnow, 'K',
                 "|2|You did not know the answer/|2|This statement is false"},
        MarkCase{"correct_unsure", "T", text("T"), 1.0, Verdict::Correct, 'J',
                 "|2|You are correct, this statement is true//|2|You were not very sure; you score +1"},
        MarkCase{"correct_fairly", "F", text("F"), 2.0, Verdict::Correct, 'J',
                 "|2|You are correct, this statement is false//|2|You were fairly sure; you score +2"},
        MarkCase{"correct_very", "T", text("T"), 3.0, Verdict::Correct, 'J',
                 "|2|You are correct, this statement is true//|2|You were very sure; you score +3"},
        MarkCase{"wrong_unsure", "T", text("F"), 1.0, Verdict::Wrong, 'L',
                 "|2|You are wrong, this statement is true//|2|You were not very sure; you score 0"},
        MarkCase{"wrong_fairly", "T", text("F"), 2.0, Verdict::Wrong, 'L',
                 "|2|You are wrong, this statement is true//|2|You were fairly sure; you score -2"},
        MarkCase{"wrong_very_key_F", "F", text("T"), 3.0, Verdict::Wrong, 'L',
                 "|2|You are wrong, this statement is false//|2|You were very sure; you score -6"},
        // Keys are exact: a lower-case or padded key never matches and reads as false.
        MarkCase{"lower_case_key", "t", text("T"), 2.0, Verdict::Wrong, 'L',
                 "|2|You are wrong, this statement is false//|2|You were fairly sure; you score -2"},
        MarkCase{"padded_key", "T ", text("T"), 3.0, Verdict::Wrong, 'L',
                 "|2|You are wrong, this statement is false//|2|You were very sure; you score -6"},
        MarkCase{"padded_key_dont_know", "T ", text("DK"), 1.0, Verdict::DontKnow, 'K',
                 "|2|You did not know the answer/|2|This statement is false"},
        MarkCase{"lower_case_answer_dk", "T", text("dk"), 1.0, Verdict::Wrong, 'L',
                 "|2|You are wrong, this statement is true//|2|You were not very sure; you score 0"},
        // No confidence picked (or one out of range): no third line.
        MarkCase{"correct_no_confidence", "T", text("T"), Value{}, Verdict::Correct, 'J',
                 "|2|You are correct, this statement is true//"},
        MarkCase{"wrong_confidence_4", "F", text("T"), 4.0, Verdict::Wrong, 'L',
                 "|2|You are wrong, this statement is false//"},
        MarkCase{"confidence_as_text", "F", text("F"), text("3"), Verdict::Correct, 'J',
                 "|2|You are correct, this statement is false//|2|You were very sure; you score +3"}),
    [](const testing::TestParamInfo<MarkCase> &info) { return std::string(info.param.name); });

TEST(MarkAnswerColours, FollowTheVerdict)
{
    const Marking dk = markAnswer(QStringLiteral("T"), text("DK"), 1.0);
    EXPECT_EQ(dk.feedbackColor, (Rgb{0, 0, 0}));
    EXPECT_EQ(dk.faceBackground, (Rgb{200, 200, 200}));
    EXPECT_EQ(dk.faceColor, (Rgb{0, 0, 0}));

    const Marking right = markAnswer(QStringLiteral("T"), text("T"), 1.0);
    EXPECT_EQ(right.feedbackColor, (Rgb{0, 100, 0}));
    EXPECT_EQ(right.faceBackground, (Rgb{0, 255, 0}));
    EXPECT_EQ(right.faceColor, (Rgb{0, 0, 0}));

    const Marking wrong = markAnswer(QStringLiteral("T"), text("F"), 1.0);
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
    Value answer;
    Value confidence;
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
        TallyCase{"dont_know_only_asked", "T", text("DK"), 3.0, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        TallyCase{"correct_unsure", "T", text("T"), 1.0, {1, 1, 1, 0, 1, 0, 0, 0, 0, 0}},
        TallyCase{"correct_fairly", "F", text("F"), 2.0, {1, 1, 1, 0, 0, 1, 0, 0, 0, 0}},
        TallyCase{"correct_very", "T", text("T"), 3.0, {1, 1, 1, 0, 0, 0, 1, 0, 0, 0}},
        TallyCase{"wrong_unsure", "F", text("T"), 1.0, {1, 1, 0, 1, 0, 0, 0, 1, 0, 0}},
        TallyCase{"wrong_fairly", "F", text("T"), 2.0, {1, 1, 0, 1, 0, 0, 0, 0, 1, 0}},
        TallyCase{"wrong_very", "F", text("T"), 3.0, {1, 1, 0, 1, 0, 0, 0, 0, 0, 1}},
        TallyCase{"correct_no_confidence", "T", text("T"), Value{}, {1, 1, 1, 0, 0, 0, 0, 0, 0, 0}},
        TallyCase{"wrong_no_confidence", "T", text("F"), Value{}, {1, 1, 0, 1, 0, 0, 0, 0, 0, 0}},
        TallyCase{"lower_case_key_is_wrong", "t", text("T"), 3.0, {1, 1, 0, 1, 0, 0, 0, 0, 0, 1}}),
    [](const testing::TestParamInfo<TallyCase> &info) { return std::string(info.param.name); });

TEST(RecordMarking, AddsToTheRunTallyAndTheTestCount)
{
    ProgramState state;
    state.tally.asked = 20;
    state.tally.answered = 18;
    state.tally.wrong = 18;
    state.markedInTest = 3;
    recordMarking(state, markAnswer(QStringLiteral("T"), text("T"), 2.0));
    recordMarking(state, markAnswer(QStringLiteral("T"), text("DK"), 2.0));
    EXPECT_EQ(state.tally.asked, 22);
    EXPECT_EQ(state.tally.answered, 19);
    EXPECT_EQ(state.tally.correct, 1);
    EXPECT_EQ(state.tally.correctFairlySure, 1);
    EXPECT_EQ(state.tally.wrong, 18);
    EXPECT_EQ(state.markedInTest, 5);
}

} // namespace
