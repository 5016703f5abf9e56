#include "questions/questiondraw.h"

#include "app/programstate.h"
#include "questions/bankloader.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace quorix;

namespace {

std::string plain(const PrintScript &script)
{
    QString out;
    for (const PrintItem &item : script) {
        if (item.kind == PrintItem::Kind::Text)
            out += item.text;
        else if (item.kind == PrintItem::Kind::Number)
            out += formatNumber(item.number);
        else if (item.kind == PrintItem::Kind::LineEnd)
            out += QLatin1Char('/');
    }
    return out.toStdString();
}

QuestionRecord record(int n)
{
    QuestionRecord r;
    r.number = double(n);
    r.picture = QStringLiteral("pic%1.png").arg(n);
    r.statement1 = QStringLiteral("S%1a").arg(n);
    r.key1 = QStringLiteral("T");
    r.explanation1 = QStringLiteral("E%1a").arg(n);
    r.statement2 = QStringLiteral("S%1b").arg(n);
    r.key2 = QStringLiteral("F");
    r.explanation2 = QStringLiteral("E%1b").arg(n);
    return r;
}

LoadedBank bankOf(int count)
{
    LoadedBank bank;
    for (int n = 1; n <= count; ++n)
        bank.records.push_back(record(n));
    bank.terminated = true;
    return bank;
}

// What the menu does when it accepts a bank.
void acceptBank(ProgramState &state, int count)
{
    loadBank(state.table, bankOf(count));
    state.markedInTest = 0;
}

TEST(QuestionQuota, IsHalfRoundedDown)
{
    const std::pair<int, int> cases[] = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {40, 20}, {41, 20}, {400, 200}};
    for (auto [count, quota] : cases)
        EXPECT_EQ(questionQuota(count), quota) << count;
}

TEST(HeadingScript, PrintsTitleAndQuotaLineWithNumberBlanks)
{
    EXPECT_EQ(plain(headingScript(QStringLiteral("Vitamins"), 41)),
              "Vitamins/There are 82 questions in this test. You will be asked 20 selected at random./");
    EXPECT_EQ(plain(headingScript(QString(), 0)),
              "/There are 0 questions in this test. You will be asked 0 selected at random./");
    EXPECT_EQ(plain(headingScript(QStringLiteral("A"), 400)),
              "A/There are 800 questions in this test. You will be asked 200 selected at random./");
}

TEST(QuestionLineScript, LeavesTheLineOpen)
{
    EXPECT_EQ(plain(questionLineScript(12, 1)), "Question  12 : 1   ");
    EXPECT_EQ(plain(questionLineScript(400, 2)), "Question  400 : 2   ");
    EXPECT_NE(questionLineScript(1, 1).back().kind, PrintItem::Kind::LineEnd);
}

TEST(DrawQuestion, NeverRepeatsAndEndsWhenAllAreFlagged)
{
    for (int count : {1, 2, 7, 400}) {
        ProgramState state;
        acceptBank(state, count);
        state.random.seed(1234 + count);
        std::set<int> seen;
        for (int i = 0; i < count; ++i) {
            std::optional<int> row = drawQuestion(state.table, state.random);
            ASSERT_TRUE(row) << count << " draw " << i;
            ASSERT_GE(*row, 1);
            ASSERT_LE(*row, count);
            ASSERT_TRUE(seen.insert(*row).second) << "row " << *row << " drawn twice";
            state.table.cell(*row, ShownFlag) = 1.0;
        }
        EXPECT_FALSE(drawQuestion(state.table, state.random)) << count;
    }
}

TEST(DrawQuestion, EmptyBankDrawsNothing)
{
    ProgramState state;
    acceptBank(state, 0);
    EXPECT_FALSE(drawQuestion(state.table, state.random));
}

TEST(DrawQuestion, IgnoresRowsAboveTheBank)
{
    ProgramState state;
    acceptBank(state, 40);
    acceptBank(state, 10); // rows 11..40 still hold the old bank, unflagged
    for (int row = 1; row <= 10; ++row)
        state.table.cell(row, ShownFlag) = 1.0;
    EXPECT_FALSE(drawQuestion(state.table, state.random));
}

TEST(DrawQuestion, FindsTheLastUnflaggedRow)
{
    ProgramState state;
    acceptBank(state, 400);
    for (int row = 1; row <= 400; ++row)
        state.table.cell(row, ShownFlag) = row == 399 ? 0.0 : 1.0;
    EXPECT_EQ(drawQuestion(state.table, state.random), 399);
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

TEST(SelectQuestion, FillsTheCurrentQuestionFromTheDrawnVersion)
{
    ProgramState state;
    acceptBank(state, 5);
    state.random.seed(7);
    bool sawVersion[3] = {};
    while (std::optional<Selection> s = selectQuestion(state)) {
        const QString v = s->version == 1 ? QStringLiteral("a") : QStringLiteral("b");
        EXPECT_EQ(toNumber(state.currentQuestion), s->row);
        EXPECT_EQ(toNumber(state.currentVersion), s->version);
        EXPECT_EQ(toText(state.pictureFile), QStringLiteral("pic%1.png").arg(s->row));
        EXPECT_EQ(state.currentStatement, QStringLiteral("S%1").arg(s->row) + v);
        EXPECT_EQ(state.currentKey, s->version == 1 ? QStringLiteral("T") : QStringLiteral("F"));
        EXPECT_EQ(state.currentExplanation, QStringLiteral("E%1").arg(s->row) + v);
        EXPECT_TRUE(state.table.isShown(s->row));
        sawVersion[s->version] = true;
        state.markedInTest = 0; // keep the quota open: this test walks the whole bank
    }
    EXPECT_TRUE(sawVersion[1] && sawVersion[2]);
}

TEST(SelectQuestion, QuotaCountsThisTestNotTheRun)
{
    ProgramState state;
    acceptBank(state, 40);
    state.tally.asked = 20; // a first test of 40 already finished in this run
    EXPECT_TRUE(selectQuestion(state));

    state.markedInTest = 19;
    EXPECT_TRUE(selectQuestion(state));
    state.markedInTest = 20;
    const Value before = state.currentQuestion;
    EXPECT_FALSE(selectQuestion(state));
    EXPECT_EQ(toNumber(state.currentQuestion), toNumber(before)); // nothing changed

    acceptBank(state, 60);
    EXPECT_TRUE(selectQuestion(state));
}

TEST(SelectQuestion, AllSkippedBelowTheQuotaCompletes)
{
    ProgramState state;
    acceptBank(state, 10);
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(selectQuestion(state)); // each one skipped: markedInTest stays 0
    EXPECT_FALSE(selectQuestion(state));
}

TEST(SelectQuestion, EveryQuestionReachableAgainAfterReload)
{
    ProgramState state;
    acceptBank(state, 300);
    state.random.seed(5);
    for (int i = 0; i < 300; ++i)
        ASSERT_TRUE(selectQuestion(state));
    acceptBank(state, 300);
    std::set<int> rows;
    while (std::optional<Selection> s = selectQuestion(state))
        rows.insert(s->row);
    EXPECT_EQ(rows.size(), 300u);
}

} // namespace
