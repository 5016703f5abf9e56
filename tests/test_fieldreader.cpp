// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fieldreader.h"

#include "core/datafile.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quorix;

namespace {

// A compact picture of what the reader yields: each field as text, quoted
// fields in <>, blank-line fields as #, discarded trailing text as ~, and the
// start line after @.
std::vector<std::string> describe(FieldReader reader)
{
    std::vector<std::string> out;
    while (const auto f = reader.next()) {
        std::string s = f->quoted ? "<" + f->text.toStdString() + ">" : f->text.toStdString();
        if (f->blankLine)
            s += "#";
        if (f->trailingDiscarded)
            s += "~";
        if (f->unclosedQuote)
            s += "!";
        out.push_back(s + "@" + std::to_string(f->line));
    }
    return out;
}

struct ReaderRow {
    const char *name;
    QByteArray bytes;
    std::vector<std::string> fields;
};

class ReaderRules : public testing::TestWithParam<ReaderRow> { };

TEST_P(ReaderRules, YieldsTheseFields)
{
    EXPECT_EQ(describe(FieldReader::fromBytes(GetParam().bytes)), GetParam().fields);
}

const ReaderRow readerRows[] = {
    {"commas_and_line_ends_separate", "a,b\nc\n", {"a@1", "b@1", "c@2"}},
    {"last_line_without_line_end", "a\nb", {"a@1", "b@2"}},
    {"crlf_is_one_line_end", "a\r\nb\r\nc", {"a@1", "b@2", "c@3"}},
    {"lone_cr_is_one_line_end", "a\rb\rc", {"a@1", "b@2", "c@3"}},
    {"mixed_line_ends", "a\r\n\rb\nc", {"a@1", "#@2", "b@3", "c@4"}},
    {"leading_blanks_and_tabs_skipped", "  \ta,   b", {"a@1", "b@1"}},
    {"trailing_blanks_and_tabs_trimmed", "a \t ,b\t\n", {"a@1", "b@1"}},
    {"blanks_inside_kept", "the  cell ,x", {"the  cell@1", "x@1"}},
    {"quoted_comma", "\"a, b\",c", {"<a, b>@1", "c@1"}},
    {"quoted_line_end", "\"a\nb\",c\nd", {"<a\nb>@1", "c@2", "d@3"}},
    {"quoted_crlf_counts_one_line", "\"a\r\nb\",c\r\nd", {"<a\r\nb>@1", "c@2", "d@3"}},
    {"quoted_lone_cr_counts_one_line", "\"a\rb\"\rc", {"<a\rb>@1", "c@3"}},
    {"quoted_keeps_blanks", "\"  a  \"", {"<  a  >@1"}},
    {"quoted_empty", "\"\",x", {"<>@1", "x@1"}},
    {"text_after_closing_quote_discarded", "\"ab\"cd,e", {"<ab>~@1", "e@1"}},
    {"blanks_after_closing_quote_harmless", "\"ab\"  ,e", {"<ab>@1", "e@1"}},
    {"double_quote_inside_quoted_field", "\"say \"hi\" now\",x", {"<say >~@1", "x@1"}},
    {"quote_inside_unquoted_field_is_text", "a\"b,c", {"a\"b@1", "c@1"}},
    {"unclosed_quote_runs_to_end", "\"ab\ncd", {"<ab\ncd>!@1"}},
    {"blank_line_is_one_empty_field", "a\n\nb", {"a@1", "#@2", "b@3"}},
    {"line_of_blanks_is_a_blank_line", "a\n  \t\nb", {"a@1", "#@2", "b@3"}},
    {"comma_before_line_end_gives_empty_field", "a,\nb", {"a@1", "@1", "b@2"}},
    {"two_commas_give_empty_field", "a,,b", {"a@1", "@1", "b@1"}},
    {"final_comma_opens_nothing", "a,", {"a@1"}},
    {"final_line_end_opens_nothing", "a\n", {"a@1"}},
    {"trailing_blank_lines_are_fields", "a\n\n\n", {"a@1", "#@2", "#@3"}},
    {"empty_text_has_no_fields", "", {}},
    {"bom_skipped",
     "\xEF\xBB\xBF"
     "12\nx",
     {"12@1", "x@2"}},
    {"utf8_kept",
     "caf\xC3\xA9,\xE2\x82\xAC"
     "5",
     {"caf\xC3\xA9@1",
      "\xE2\x82\xAC"
      "5@1"}},
    // Windows-1252: curly quotes, euro, dashes; not Latin-1.
    {"cp1252_curly_quotes_are_text",
     "\x93hi\x94,\x80"
     "5 \x96 \x97",
     {"\xE2\x80\x9C"
      "hi"
      "\xE2\x80\x9D@1",
      "\xE2\x82\xAC"
      "5 \xE2\x80\x93 \xE2\x80\x94@1"}},
    {"cp1252_latin_letters", "caf\xE9 \x8A\x9C", {"caf\xC3\xA9 \xC5\xA0\xC5\x93@1"}},
    {"cp1252_unassigned_bytes_keep_code_points",
     "\x81\x8D\x8F\x90\x9D",
     {"\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D@1"}},
    {"cp1252_with_bom",
     "\xEF\xBB\xBF"
     "caf\xE9",
     {"caf\xC3\xA9@1"}},
    {"truncated_utf8_falls_back", "ab\xC3", {"ab\xC3\x83@1"}},
    {"overlong_utf8_falls_back", "\xC0\xAF", {"\xC3\x80\xC2\xAF@1"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, ReaderRules, testing::ValuesIn(readerRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FieldReader, ReportsWhichCharacterSetWasUsed)
{
    EXPECT_FALSE(FieldReader::fromBytes("caf\xC3\xA9").decodedAsWindows1252());
    EXPECT_TRUE(FieldReader::fromBytes("caf\xE9").decodedAsWindows1252());
    EXPECT_TRUE(decodeDataFile("\x93x\x94").windows1252);
}

TEST(FieldReader, ReadingPastTheEndFailsEveryTime)
{
    FieldReader reader(QStringLiteral("a"));
    ASSERT_TRUE(reader.next());
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.next());
    EXPECT_FALSE(reader.next());
}

TEST(FieldReader, KnowsWhenOnlyBlanksRemain)
{
    FieldReader reader(QStringLiteral("a,b\n \n\t\r\n"));
    EXPECT_FALSE(reader.onlyBlanksRemain());
    reader.next();
    EXPECT_FALSE(reader.onlyBlanksRemain());
    reader.next();
    EXPECT_TRUE(reader.onlyBlanksRemain());
    EXPECT_FALSE(reader.atEnd());
}

struct LastLineRow {
    const char *name;
    const char *text;
    int lastLine;
};

class LastLine : public testing::TestWithParam<LastLineRow> { };

TEST_P(LastLine, CountsLinesWithoutAFinalLineEnd)
{
    EXPECT_EQ(FieldReader(QString::fromLatin1(GetParam().text)).lastLine(), GetParam().lastLine);
}

const LastLineRow lastLineRows[] = {
    {"empty", "", 1},
    {"one_line_no_end", "a", 1},
    {"one_line_with_end", "a\n", 1},
    {"two_lines", "a\nb", 2},
    {"crlf_lines", "a\r\nb\r\n", 2},
    {"cr_lines", "a\rb\r", 2},
    {"trailing_blank_line", "a\n\n", 2},
};

INSTANTIATE_TEST_SUITE_P(Rows, LastLine, testing::ValuesIn(lastLineRows),
                         [](const auto &info) { return std::string(info.param.name); });

struct OverlongRow {
    const char *name;
    QString text;
    int line; // of the field refused, 0 for none
};

class Overlong : public testing::TestWithParam<OverlongRow> { };

TEST_P(Overlong, RefusesOnlyAFieldOverTheLimitAndQuotesLittle)
{
    const FieldReader reader(GetParam().text);
    const auto message = reader.overlongField();
    if (GetParam().line == 0) {
        EXPECT_FALSE(message) << message->toStdString();
        return;
    }
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->startsWith(
        QStringLiteral("the field on line %1 is longer than 65536 characters").arg(GetParam().line)))
        << message->toStdString();
    EXPECT_LT(message->size(), 160);
}

const qsizetype maxField = FieldReader::MaxFieldLength;
const OverlongRow overlongRows[] = {
    {"at_the_limit", QString(maxField, u'x') + QStringLiteral(",y"), 0},
    {"over_the_limit_on_line_2", QStringLiteral("a\n") + QString(maxField + 1, u'x'), 2},
    {"blanks_around_do_not_count", QStringLiteral("  ") + QString(maxField, u'x') + QStringLiteral("  ,y"),
     0},
    {"quoted_over_the_limit_across_lines",
     QStringLiteral("a\n\"") + QString(maxField, u'\n') + QStringLiteral("x\""), 2},
    {"unclosed_quote_over_the_limit", QStringLiteral("\"") + QString(maxField + 1, u'x'), 1},
    {"many_fields_at_the_limit", (QString(maxField, u'x') + QLatin1Char(',')).repeated(3), 0},
};

INSTANTIATE_TEST_SUITE_P(Rows, Overlong, testing::ValuesIn(overlongRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FieldReader, LooksAheadWithoutMoving)
{
    FieldReader reader(QStringLiteral("a,") + QString(maxField + 1, u'x'));
    ASSERT_TRUE(reader.overlongField());
    EXPECT_EQ(reader.next()->text, QStringLiteral("a"));
}

struct ExcerptRow {
    const char *name;
    QString text;
    QString shown;
};

class Excerpt : public testing::TestWithParam<ExcerptRow> { };

TEST_P(Excerpt, ShowsThis)
{
    EXPECT_EQ(excerpt(GetParam().text), GetParam().shown);
}

const ExcerptRow excerptRows[] = {
    {"short_text_as_is", QStringLiteral("twelve"), QStringLiteral("twelve")},
    {"blanks_and_line_ends_collapse", QStringLiteral("  a \t\r\n b  "), QStringLiteral("a b")},
    {"control_characters_marked", QStringLiteral("a") + QChar(0) + QStringLiteral("b\x1b\u202e"),
     QStringLiteral("a\ufffdb\ufffd\ufffd")},
    {"sixty_characters_kept", QString(60, u'x'), QString(60, u'x')},
    {"longer_cut_to_sixty", QString(10000, u'x'), QString(57, u'x') + QStringLiteral("...")},
    {"surrogate_pair_not_split", QString(56, u'x') + QStringLiteral("\U0001F600\U0001F600\U0001F600"),
     QString(56, u'x') + QStringLiteral("...")},
};

INSTANTIATE_TEST_SUITE_P(Rows, Excerpt, testing::ValuesIn(excerptRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
