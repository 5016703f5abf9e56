// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/value.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

using namespace quorix;

namespace {

struct ParseRow {
    const char *name;
    const char *text;
    std::optional<double> expected;
};

class ParseNumber : public testing::TestWithParam<ParseRow> { };

TEST_P(ParseNumber, FollowsTheOneGrammar)
{
    const ParseRow &row = GetParam();
    EXPECT_EQ(parseNumber(QString::fromUtf8(row.text)), row.expected) << row.text;
}

const ParseRow parseRows[] = {
    {"whole", "12", 12.0},
    {"negative", "-999", -999.0},
    {"explicit_plus", "+7", 7.0},
    {"decimal", "22.4", 22.4},
    {"blanks_and_tabs_around", " \t-999 \t", -999.0},
    {"trailing_point", "5.", 5.0},
    {"leading_point", ".5", 0.5},
    {"exponent", "-9.99e2", -999.0},
    {"exponent_upper_signed", "1E+2", 100.0},
    {"negative_exponent", "25e-1", 2.5},
    {"minus_zero", "-0", -0.0},
    {"empty", "", std::nullopt},
    {"only_blanks", "   ", std::nullopt},
    {"lone_point", ".", std::nullopt},
    {"lone_sign", "-", std::nullopt},
    {"comma_decimal", "22,4", std::nullopt},
    {"thousands_separator", "1,000", std::nullopt},
    {"blank_inside", "1 2", std::nullopt},
    {"sign_then_blank", "- 5", std::nullopt},
    {"two_signs", "+-5", std::nullopt},
    {"infinity_word", "inf", std::nullopt},
    {"nan_word", "nan", std::nullopt},
    {"hex", "0x1", std::nullopt},
    {"exponent_without_digits", "1e", std::nullopt},
    {"exponent_sign_only", "1e+", std::nullopt},
    {"exponent_without_mantissa", "e5", std::nullopt},
    {"overflow", "1e999", std::nullopt},
    {"trailing_letter", "12a", std::nullopt},
    {"fullwidth_digit", "\xEF\xBC\x91", std::nullopt},
    {"arabic_indic_digit", "\xD9\xA1", std::nullopt},
    {"two_points", "1.2.3", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Rows, ParseNumber, testing::ValuesIn(parseRows),
                         [](const auto &info) { return std::string(info.param.name); });

struct FormatRow {
    const char *name;
    double value;
    const char *expected;
};

class FormatNumber : public testing::TestWithParam<FormatRow> { };

TEST_P(FormatNumber, PrintsSignPositionDigitsAndOneBlank)
{
    EXPECT_EQ(formatNumber(GetParam().value), QString::fromLatin1(GetParam().expected));
}

const FormatRow formatRows[] = {
    {"positive_decimal", 22.4, " 22.4 "},
    {"negative_decimal", -33.34, "-33.34 "},
    {"computed_two_decimals", std::floor(1839.9999999999998) / 100, " 18.39 "},
    {"floor_of_quotient", std::floor((23 * 100.0 / 125) * 100) / 100, " 18.39 "},
    {"zero", 0.0, " 0 "},
    {"negative_zero", 0.0 * -2.0, " 0 "},
    {"whole", 115.0, " 115 "},
    {"negative_whole", -300.0, "-300 "},
    {"fraction_below_one", 0.5, " 0.5 "},
    {"small_fraction", 0.0001, " 0.0001 "},
    {"third_fifteen_digits", 1.0 / 3.0, " 0.333333333333333 "},
    {"two_thirds_rounded", 2.0 / 3.0 * 100, " 66.6666666666667 "},
    {"point_one_plus_point_two", 0.1 + 0.2, " 0.3 "},
    {"large_no_exponent", 1e20, " 100000000000000000000 "},
    {"no_thousands_separator", 1234567.0, " 1234567 "},
    {"rounds_up_at_fifteen_digits", 9.999999999999998, " 10 "},
    {"tiny_no_exponent", 1.5e-7, " 0.00000015 "},
};

INSTANTIATE_TEST_SUITE_P(Rows, FormatNumber, testing::ValuesIn(formatRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FormatNumber, IgnoresTheLocale)
{
    const char *old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale installed";
    EXPECT_EQ(formatNumber(22.4), QStringLiteral(" 22.4 "));
    EXPECT_EQ(parseNumber(u"22.4"), 22.4);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Value, EmptyReadsAsZeroAndEmptyText)
{
    const Value empty;
    EXPECT_TRUE(isEmpty(empty));
    EXPECT_EQ(toNumber(empty), 0.0);
    EXPECT_EQ(toText(empty), QString());
    EXPECT_TRUE(toNumber(empty) < 1);
    EXPECT_TRUE(equalsNumber(empty, 0));
    EXPECT_TRUE(equalsText(empty, QString()));
}

TEST(Value, TextThatReadsAsANumberComparesAsThatNumber)
{
    EXPECT_TRUE(equalsNumber(Value(QStringLiteral(" -999 ")), -999));
    EXPECT_TRUE(equalsNumber(Value(QStringLiteral("-999.0")), -999));
    EXPECT_FALSE(equalsNumber(Value(QStringLiteral("minus 999")), -999));
    EXPECT_EQ(numericValue(Value(QStringLiteral("abc"))), std::nullopt);
    EXPECT_EQ(toNumber(Value(QStringLiteral("abc"))), 0.0);
    EXPECT_EQ(toNumber(Value(QStringLiteral("2.5"))), 2.5);
}

TEST(Value, TextComparisonIsExact)
{
    EXPECT_TRUE(equalsText(Value(QStringLiteral("T")), QStringLiteral("T")));
    EXPECT_FALSE(equalsText(Value(QStringLiteral("t")), QStringLiteral("T")));
    EXPECT_FALSE(equalsText(Value(QStringLiteral("T ")), QStringLiteral("T")));
    EXPECT_TRUE(equalsText(Value(5.0), QStringLiteral("5")));
}

TEST(Value, NumbersReadAsPlainText)
{
    EXPECT_EQ(toText(Value(-33.34)), QStringLiteral("-33.34"));
    EXPECT_EQ(toText(Value(12.0)), QStringLiteral("12"));
    EXPECT_EQ(toText(Value(-0.0)), QStringLiteral("0"));
}

} // namespace
