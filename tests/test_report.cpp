// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/report.h"

#include "core/value.h"
#include "scoring/reportpage.h"
#include "tests/support/printitems.h"
#include "tests/support/tallies.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <array>
#include <string>
#include <vector>

using namespace quorix;
using quorixtest::tallyOf;

namespace {

// The report must end with a line end, so no unfinished line is left over.
std::vector<std::string> renderAsCharacters(const PrintScript &script)
{
    EXPECT_TRUE(script.empty() || script.back().kind == PrintItem::Kind::LineEnd)
        << "the report must end with a line end";
    return quorixtest::renderAsCharacters(script);
}

const std::string rule(70, '_');

std::string at10(const std::string &s)
{
    return std::string(9, ' ') + s;
}

// Text from column 10, then the rest from column 50.
std::string at10and50(const std::string &left, const std::string &right)
{
    std::string s = at10(left);
    s.resize(49, ' ');
    return s + right;
}

std::vector<std::string> report(const ScoreTally &t, const char *name = "Ann Smith")
{
    return renderAsCharacters(reportScript(t, QString::fromUtf8(name), QStringLiteral("14:05"),
                                           QStringLiteral("Tuesday, 3 June 2025")));
}

TEST(ReportScript, NothingAskedGivesTheFortyOneLines)
{
    const std::vector<std::string> expected = {
        "",
        "",
        rule,
        "",
        at10("Quorix self-assessment questions"),
        "",
        "",
        at10("Score for Ann Smith at 14:05 on Tuesday, 3 June 2025"),
        "",
        "",
        rule,
        "",
        "",
        "",
        at10(" 0  questions asked"),
        "",
        at10(" 0  questions 'don't know'"),
        "",
        at10(" 0  answered correctly"),
        "",
        at10(" 0  answered incorrectly"),
        "",
        "",
        "",
        at10and50(" 0  correct and unsure (score +1)", "score =  0 "),
        "",
        at10and50(" 0  correct and fairly sure (score +2)", "score =  0 "),
        "",
        at10and50(" 0 correct and very sure (score +3)", "score =  0 "),
        "",
        at10and50(" 0  wrong and unsure (score 0)", "score =  0 "),
        "",
        at10and50(" 0 wrong and fairly sure (score -2)", "score =  0 "),
        "",
        at10and50(" 0 wrong and very sure (score -6)", "score =  0 "),
        "",
        std::string(49, ' ') + " total =  0 ",
        "",
        "",
        rule,
        "",
    };
    EXPECT_EQ(report(ScoreTally{}), expected);
}

TEST(ReportScript, AnsweredGivesTheFiftySixLines)
{
    ScoreTally t;
    t.asked = 12;
    t.answered = 10;
    t.correct = 7;
    t.wrong = 3;
    t.correctUnsure = 2;
    t.correctFairlySure = 1;
    t.correctVerySure = 3;
    t.wrongUnsure = 1;
    t.wrongFairlySure = 1;
    t.wrongVerySure = 1;
    // One correct answer was marked before any confidence was chosen, so the
    // confidence counts of the correct side add up to 6, not 7.
    const std::vector<std::string> expected = {
        "",
        "",
        rule,
        "",
        at10("Quorix self-assessment questions"),
        "",
        "",
        at10("Score for Ann Smith at 14:05 on Tuesday, 3 June 2025"),
        "",
        "",
        rule,
        "",
        "",
        "",
        at10(" 12  questions asked"),
        "",
        at10(" 2  questions 'don't know'"),
        "",
        at10(" 7  answered correctly"),
        "",
        at10(" 3  answered incorrectly"),
        "",
        at10("Percent correct =  58.33 "),
        "",
        at10("Raw score  (+1 if correct, -1 if wrong) =  33.33 %"),
        "",
        "",
        rule,
        "",
        "",
        "",
        at10and50(" 2  correct and unsure (score +1)", "score =  2 "),
        "",
        at10and50(" 1  correct and fairly sure (score +2)", "score =  2 "),
        "",
        at10and50(" 3 correct and very sure (score +3)", "score =  9 "),
        "",
        at10and50(" 1  wrong and unsure (score 0)", "score =  0 "),
        "",
        at10and50(" 1 wrong and fairly sure (score -2)", "score = -2 "),
        "",
        at10and50(" 1 wrong and very sure (score -6)", "score = -6 "),
        "",
        std::string(49, ' ') + " total =  5 ",
        "",
        "",
        rule,
        "",
        "",
        at10("Confidence-weighted score =  20.83 %"),
        "",
        at10("where you score 100% for all correct if you were 'fairly sure' of all answers."),
        "",
        "",
        rule,
        "",
    };
    EXPECT_EQ(report(t), expected);
}

struct LineCase {
    const char *name;
    ScoreTally tally;
    const char *studentName;
    std::size_t lineCount;
    std::size_t line; // 1-based, as the report counts them
    std::string text;
};

class ReportLine : public ::testing::TestWithParam<LineCase> { };

TEST_P(ReportLine, ReadsExactly)
{
    const LineCase &c = GetParam();
    const auto lines = report(c.tally, c.studentName);
    ASSERT_EQ(lines.size(), c.lineCount);
    ASSERT_LE(c.line, lines.size());
    EXPECT_EQ(lines[c.line - 1], c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportLine,
    ::testing::Values(
        LineCase{"one_asked_is_singular", tallyOf(1, 1, 0, {1, 0, 0, 0, 0, 0}), "Ann", 56, 15,
                 at10(" 1  question asked")},
        LineCase{"one_asked_none_dont_know_is_plural", tallyOf(1, 1, 0, {1, 0, 0, 0, 0, 0}), "Ann", 56, 17,
                 at10(" 0  questions 'don't know'")},
        LineCase{"one_dont_know_is_singular", tallyOf(1, 0, 0), "Ann", 41, 17,
                 at10(" 1  question 'don't know'")},
        LineCase{"one_dont_know_leaves_out_the_scores", tallyOf(1, 0, 0), "Ann", 41, 23, ""},
        LineCase{"all_dont_know_is_plural", tallyOf(3, 0, 0), "Ann", 41, 17,
                 at10(" 3  questions 'don't know'")},
        LineCase{"all_dont_know_total_follows_the_confidence_lines", tallyOf(3, 0, 0), "Ann", 41, 37,
                 std::string(49, ' ') + " total =  0 "},
        LineCase{"cancelled_name", tallyOf(0, 0, 0), "", 41, 8,
                 at10("Score for  at 14:05 on Tuesday, 3 June 2025")},
        LineCase{"name_printed_as_typed", tallyOf(0, 0, 0), "  Zoë O'Neill, 2b ", 41, 8,
                 at10("Score for   Zoë O'Neill, 2b  at 14:05 on Tuesday, 3 June 2025")},
        LineCase{"negative_line_score_has_no_leading_space", tallyOf(6, 0, 6, {0, 0, 0, 0, 6, 0}), "Ann", 56,
                 40, at10and50(" 6 wrong and fairly sure (score -2)", "score = -12 ")},
        LineCase{"negative_total_has_no_leading_space", tallyOf(6, 0, 6, {0, 0, 0, 0, 6, 0}), "Ann", 56, 44,
                 std::string(49, ' ') + " total = -12 "},
        LineCase{"zero_times_minus_two_is_not_minus_zero", tallyOf(1, 1, 0, {1, 0, 0, 0, 0, 0}), "Ann", 56,
                 40, at10and50(" 0 wrong and fairly sure (score -2)", "score =  0 ")},
        LineCase{"wrong_and_unsure_always_scores_zero", tallyOf(5, 0, 5, {0, 0, 0, 5, 0, 0}), "Ann", 56, 38,
                 at10and50(" 5  wrong and unsure (score 0)", "score =  0 ")},
        LineCase{"23_of_125_is_18_39", tallyOf(125, 23, 0), "Ann", 56, 23, at10("Percent correct =  18.39 ")},
        LineCase{"2_of_3_is_66_66", tallyOf(3, 2, 0), "Ann", 56, 23, at10("Percent correct =  66.66 ")},
        LineCase{"1_right_2_wrong_of_3_is_minus_33_34", tallyOf(3, 1, 2), "Ann", 56, 25,
                 at10("Raw score  (+1 if correct, -1 if wrong) = -33.34 %")},
        LineCase{"t23_of_10_is_114_99_in_the_report", tallyOf(10, 8, 0, {0, 1, 7, 0, 0, 0}), "Ann", 56, 50,
                 at10("Confidence-weighted score =  114.99 %")},
        LineCase{"one_wrong_very_sure_is_minus_300", tallyOf(1, 0, 1, {0, 0, 0, 0, 0, 1}), "Ann", 56, 50,
                 at10("Confidence-weighted score = -300 %")},
        // " correct and fairly sure (score +2)" after a four-digit count ends past
        // column 50, so "score = " starts the next line there.
        LineCase{"past_column_50_continues_on_the_next_line", tallyOf(2000, 1000, 0, {0, 1000, 0, 0, 0, 0}),
                 "Ann", 57, 35, std::string(49, ' ') + "score =  2000 "}),
    [](const ::testing::TestParamInfo<LineCase> &info) { return std::string(info.param.name); });

TEST(ReportScript, NumbersAreNumberItemsAndColumnsAreSteps)
{
    // The printer places these by its own font: the report must not bake
    // blanks into texts or numbers into strings.
    ScoreTally t = tallyOf(4, 3, 1, {2, 0, 1, 0, 1, 0});
    const PrintScript script = reportScript(t, QStringLiteral("Ann"), QStringLiteral("09:30"),
                                            QStringLiteral("Monday, 2 June 2025"));
    int numbers = 0, columns10 = 0, columns50 = 0;
    for (const PrintItem &item : script) {
        if (item.kind == PrintItem::Kind::Number)
            ++numbers;
        if (item.kind == PrintItem::Kind::Column)
            (item.column == 10 ? columns10 : columns50) += 1;
        if (item.kind == PrintItem::Kind::Text) {
            EXPECT_FALSE(item.text.startsWith(QStringLiteral("  "))) << item.text.toStdString();
        }
        if (item.kind == PrintItem::Kind::Column) {
            EXPECT_TRUE(item.column == 10 || item.column == 50);
        }
    }
    // A, D, C, W, percent, raw, six counts, six line scores, T, weighted score.
    EXPECT_EQ(numbers, 20);
    EXPECT_EQ(columns10, 16);
    EXPECT_EQ(columns50, 7);
}

struct PageCase {
    const char *name;
    int lines;
    double pageHeight;
    std::vector<LinePlace> places;
};

class ReportPages : public ::testing::TestWithParam<PageCase> { };

TEST_P(ReportPages, LinesGoDownThePageAndOnlyAFullPageStartsAnother)
{
    const PageCase &c = GetParam();
    // Lines 10 apart, the first baseline 8 below the top.
    EXPECT_EQ(placeReportLines(c.lines, 10, 8, c.pageHeight), c.places);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ReportPages,
    ::testing::Values(PageCase{"no_lines", 0, 100, {}},
                      PageCase{"lines_that_fit_stay_on_one_page", 3, 30, {{0, 8}, {0, 18}, {0, 28}}},
                      PageCase{"a_full_page_starts_the_next", 4, 39.9, {{0, 8}, {0, 18}, {0, 28}, {1, 8}}},
                      PageCase{"a_page_lower_than_a_line_still_takes_one", 2, 5, {{0, 8}, {1, 8}}}),
    [](const ::testing::TestParamInfo<PageCase> &info) { return std::string(info.param.name); });

} // namespace
