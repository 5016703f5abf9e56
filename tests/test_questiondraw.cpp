// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questions/questiondraw.h"

#include "questions/questionsession.h"
#include "scoring/answerlog.h"
#include "scoring/tally.h"
#include "tests/support/banks.h"
#include "tests/support/printitems.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace quorix;

namespace {

using quorixtest::describe;
using quorixtest::makeBank;

TEST(QuestionQuota, IsHalfRoundedDown)
{
    const std::pair<int, int> cases[] = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {40, 20}, {41, 20}, {400, 200}};
    for (auto [count, quota] : cases)
        EXPECT_EQ(questionQuota(count), quota) << count;
}

TEST(HeadingScript, PrintsTitleAndQuotaLineWithNumberBlanks)
{
    EXPECT_EQ(describe(headingScript(QStringLiteral("Vitamins"), 41)),
              "Vitamins/There are 82 questions in this test. You will be asked 20 selected at random./");
    EXPECT_EQ(describe(headingScript(QString(), 0)),
              "/There are 0 questions in this test. You will be asked 0 selected at random./");
    EXPECT_EQ(describe(headingScript(QStringLiteral("A"), 400)),
              "A/There are 800 questions in this test. You will be asked 200 selected at random./");
}

TEST(QuestionLineScript, LeavesTheLineOpen)
{
    EXPECT_EQ(describe(questionLineScript(12, 1)), "Question  12 : 1   ");
    EXPECT_EQ(describe(questionLineScript(400, 2)), "Question  400 : 2   ");
    EXPECT_NE(questionLineScript(1, 1).back().kind, PrintItem::Kind::LineEnd);
}

TEST(DrawQuestion, NeverRepeatsAndEndsWhenAllAreShown)
{
    for (int count : {1, 2, 7, 400}) {
        std::vector<bool> shown(std::size_t(count), false);
        RandomSource random(1234 + count);
        std::set<int> seen;
        for (int i = 0; i < count; ++i) {
            std::optional<int> row = drawQuestion(shown, random);
            ASSERT_TRUE(row) << count << " draw " << i;
            ASSERT_GE(*row, 1);
            ASSERT_LE(*row, count);
            ASSERT_TRUE(seen.insert(*row).second) << "row " << *row << " drawn twice";
            shown[std::size_t(*row - 1)] = true;
        }
        EXPECT_FALSE(drawQuestion(shown, random)) << count;
    }
    RandomSource random;
    EXPECT_FALSE(drawQuestion({}, random)) << "an empty bank draws nothing";
    std::vector<bool> lastLeft(400, true);
    lastLeft[398] = false;
    EXPECT_EQ(drawQuestion(lastLeft, random), 399);
}

TEST(DrawVersion, GivesBothVersionsAboutEqually)
{
    RandomSource random(99);
    int second = 0;
    for (int i = 0; i < 10000; ++i) {
        const int v = drawVersion(random);
        ASSERT_TRUE(v == 1 || v == 2);
        second += v == 2;
    }
    EXPECT_GT(second, 4700);
    EXPECT_LT(second, 5300);
}

class Session : public testing::Test {
protected:
    ScoreTally tally;
    AnswerLog log;
    QuestionSession session{tally, log};
    RandomSource random{7};

    void start(int count)
    {
        session.startTest(QStringLiteral("Set"),
                          makeBank(count, {QStringLiteral("T")}, QStringLiteral("pic%1.png")));
    }
    // Marks the statement on show as TRUE, very sure.
    void answerAndMark()
    {
        session.chooseAnswer(Answer::True);
        session.chooseConfidence(Confidence::VerySure);
        session.mark();
    }
};

TEST_F(Session, SelectFillsTheCurrentStatementFromTheDrawnVersion)
{
    start(5);
    bool sawVersion[3] = {};
    for (int i = 0; i < 5; ++i) {
        const std::optional<Selection> s = session.selectQuestion(random);
        ASSERT_TRUE(s);
        const CurrentQuestion &c = session.current();
        const QString v = s->version == 1 ? QStringLiteral("one") : QStringLiteral("two");
        EXPECT_EQ(c.row, s->row);
        EXPECT_EQ(c.version, s->version);
        EXPECT_EQ(c.picture, QStringLiteral("pic%1.png").arg(s->row));
        EXPECT_EQ(c.statement, QStringLiteral("Statement %1 ").arg(s->row) + v);
        EXPECT_EQ(c.explanation, QStringLiteral("Explanation %1 ").arg(s->row) + v);
        EXPECT_TRUE(session.isShown(s->row));
        sawVersion[s->version] = true;
    }
    EXPECT_TRUE(sawVersion[1] && sawVersion[2]);
    EXPECT_FALSE(session.selectQuestion(random)) << "every question shown: the test is complete";
}

TEST_F(Session, QuotaCountsThisTestNotTheRun)
{
    start(40);
    tally.asked = 20; // a first test of 40 already finished in this run
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(session.selectQuestion(random)) << i;
        answerAndMark();
    }
    EXPECT_EQ(session.markedInTest(), 20);
    EXPECT_EQ(tally.asked, 40);
    const CurrentQuestion before = session.current();
    EXPECT_FALSE(session.selectQuestion(random));
    EXPECT_EQ(session.current().row, before.row) << "a refused select changes nothing";

    start(60);
    EXPECT_EQ(session.markedInTest(), 0);
    EXPECT_TRUE(session.selectQuestion(random));
}

TEST_F(Session, AllSkippedBelowTheQuotaCompletes)
{
    start(10);
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(session.selectQuestion(random));
        session.skip();
        EXPECT_EQ(session.current().picture, QStringLiteral("blank.bmp"));
    }
    EXPECT_EQ(session.markedInTest(), 0);
    EXPECT_FALSE(session.selectQuestion(random));
}

TEST_F(Session, StartingATestResetsEveryShownFlag)
{
    start(400);
    for (int i = 0; i < 400; ++i)
        ASSERT_TRUE(session.selectQuestion(random));
    start(300);
    std::set<int> rows;
    while (std::optional<Selection> s = session.selectQuestion(random))
        rows.insert(s->row);
    EXPECT_EQ(rows.size(), 300u);
}

TEST_F(Session, KeepsAtMostFourHundredQuestions)
{
    start(401);
    EXPECT_EQ(session.questionCount(), 400);
    EXPECT_EQ(session.quota(), 200);
}

// Which answers OK may mark: TRUE or FALSE with a confidence, or "Don't know".
TEST_F(Session, AnswerIsCompleteOnlyWithItsConfidence)
{
    struct Row {
        const char *name;
        std::vector<std::pair<Answer, Confidence>> steps; // Confidence::None: choose the answer only
        bool complete;
        Answer answer;
        Confidence confidence;
    };
    const Row rows[] = {
        {"nothing chosen", {}, false, Answer::None, Confidence::None},
        {"true alone", {{Answer::True, Confidence::None}}, false, Answer::True, Confidence::None},
        {"true then sure",
         {{Answer::True, Confidence::None}, {Answer::None, Confidence::FairlySure}},
         true,
         Answer::True,
         Confidence::FairlySure},
        {"dont know alone", {{Answer::DontKnow, Confidence::None}}, true, Answer::DontKnow, Confidence::None},
        {"new answer clears the confidence",
         {{Answer::True, Confidence::None},
          {Answer::None, Confidence::VerySure},
          {Answer::False, Confidence::None}},
         false,
         Answer::False,
         Confidence::None},
    };
    for (const Row &row : rows) {
        start(4);
        ASSERT_TRUE(session.selectQuestion(random));
        for (auto [answer, confidence] : row.steps) {
            if (answer != Answer::None)
                session.chooseAnswer(answer);
            if (confidence != Confidence::None)
                session.chooseConfidence(confidence);
        }
        EXPECT_EQ(session.answerComplete(), row.complete) << row.name;
        EXPECT_EQ(session.answer(), row.answer) << row.name;
        EXPECT_EQ(session.confidence(), row.confidence) << row.name;
    }
}

TEST_F(Session, SelectClearsTheAnswerAndMarkAddsToTallyAndTest)
{
    start(10);
    ASSERT_TRUE(session.selectQuestion(random));
    answerAndMark();
    EXPECT_EQ(tally.asked, 1);
    EXPECT_EQ(tally.correctVerySure, 1);
    EXPECT_EQ(session.markedInTest(), 1);
    ASSERT_TRUE(session.selectQuestion(random));
    EXPECT_EQ(session.answer(), Answer::None);
    EXPECT_EQ(session.confidence(), Confidence::None);
    EXPECT_FALSE(session.answerComplete());
}

TEST_F(Session, MarkLogsEachStatementWithItsVerdictAndMarks)
{
    session.startTest(QStringLiteral("Set"), makeBank(10, {QStringLiteral("F")}));
    const struct {
        Answer answer;
        Confidence confidence;
        const char *row;
    } rows[] = {
        {Answer::True, Confidence::VerySure,
         "your answer: TRUE, very sure \u2014 key: false \u2014 wrong, -6"},
        {Answer::False, Confidence::Unsure, "your answer: FALSE, unsure \u2014 key: false \u2014 right, +1"},
        {Answer::DontKnow, Confidence::None,
         "your answer: Don't know \u2014 key: false \u2014 Don't know, 0"},
        {Answer::True, Confidence::Unsure, "your answer: TRUE, unsure \u2014 key: false \u2014 wrong, 0"},
    };
    for (const auto &r : rows) {
        ASSERT_TRUE(session.selectQuestion(random));
        session.chooseAnswer(r.answer);
        if (r.confidence != Confidence::None)
            session.chooseConfidence(r.confidence);
        session.mark();
        EXPECT_EQ(reviewRowText(log.entries().back()),
                  session.current().statement + QStringLiteral(" \u2014 ") + QString::fromUtf8(r.row));
        EXPECT_EQ(log.entries().back().explanation, session.current().explanation);
    }
    EXPECT_EQ(log.entries().size(), std::size(rows));
    EXPECT_EQ(tally.asked, 4); // the counters grow as before
    EXPECT_EQ(tally.wrongVerySure, 1);
}

} // namespace
