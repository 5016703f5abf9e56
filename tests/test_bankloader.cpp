// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questions/bankloader.h"

#include "tests/support/banks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace quorix;

namespace {

using quorixtest::bankFileOf;
using quorixtest::bankRecordLine;

struct AcceptRow {
    const char *name;
    QByteArray bytes;
    std::vector<QString> numbers; // toText of each record number
    std::vector<QString> statement1s;
    bool terminated;
};

class BankAccepted : public testing::TestWithParam<AcceptRow> { };

TEST_P(BankAccepted, ReadsTheseRecords)
{
    const AcceptRow &row = GetParam();
    const auto bank = parseBank(row.bytes, QStringLiteral("qbank1.txt"));
    ASSERT_TRUE(bank.ok()) << bank.error().toStdString();
    std::vector<QString> numbers, statements;
    for (const QuestionRecord &r : bank->records) {
        numbers.push_back(toText(r.number));
        statements.push_back(r.statement1);
    }
    EXPECT_EQ(numbers, row.numbers);
    EXPECT_EQ(statements, row.statement1s);
    EXPECT_EQ(bank->terminated, row.terminated);
}

const AcceptRow acceptRows[] = {
    {"terminator_first_loads_nothing", "-999\n" + bankRecordLine("1", "a"), {}, {}, true},
    {"terminator_unquoted", bankRecordLine("1", "a") + "-999\n", {"1"}, {"S1 a"}, true},
    {"terminator_quoted",
     bankRecordLine("1", "a") + "\"-999\"\n" + bankRecordLine("2", "b"),
     {"1"},
     {"S1 a"},
     true},
    {"terminator_decimal_and_blanks", bankRecordLine("1", "a") + "  -999.0  \n", {"1"}, {"S1 a"}, true},
    {"terminator_quoted_with_blanks", bankRecordLine("1", "a") + "\" -999 \"", {"1"}, {"S1 a"}, true},
    {"terminator_mid_bank_ignores_rest",
     bankRecordLine("1", "a") + "-999\n" + bankRecordLine("2", "b") + "-999\n",
     {"1"},
     {"S1 a"},
     true},
    {"numbers_5_9_12_fill_rows_1_to_3",
     bankRecordLine("5", "a") + bankRecordLine("9", "b") + bankRecordLine("12", "c") + "-999",
     {"5", "9", "12"},
     {"S1 a", "S1 b", "S1 c"},
     true},
    {"eight_lines_per_record", "1\nblank.bmp\nS1 a\nT\nE1 a\nS2 a\nF\nE2 a\n-999\n", {"1"}, {"S1 a"}, true},
    {"quoted_statement_holds_commas",
     "1,blank.bmp,\"one, two\",T,E1,S2,F,E2\n-999",
     {"1"},
     {"one, two"},
     true},
    // Without quotes the comma splits the statement and every later field
    // moves by one: the last field of record 1 becomes the number of record 2.
    {"unquoted_comma_shifts_fields",
     "1,blank.bmp,one, two,T,E1,S2,F,2\nblank.bmp,S1,T,E1,S2,F,E2\n-999",
     {"1", "2"},
     {"one", "S1"},
     true},
    {"missing_terminator_keeps_complete_records",
     bankRecordLine("1", "a") + bankRecordLine("2", "b"),
     {"1", "2"},
     {"S1 a", "S1 b"},
     false},
    {"trailing_blank_lines_are_the_end", bankRecordLine("1", "a") + "\n\n  \n\t\n", {"1"}, {"S1 a"}, false},
    {"empty_record_number_counts_as_zero", bankRecordLine("", "a") + "-999", {""}, {"S1 a"}, true},
    {"quoted_empty_record_number_counts_as_zero", bankRecordLine("\"\"", "a") + "-999", {""}, {"S1 a"}, true},
    {"quoted_numeric_record_number", bankRecordLine("\"7\"", "a") + "-999", {"7"}, {"S1 a"}, true},
    {"empty_file", "", {}, {}, false},
    {"blank_file", "\n\n", {}, {}, false},
    {"windows_1252_bank",
     "1,blank.bmp,\x93"
     "caf\xE9\x94,T,E1,S2,F,E2\r\n-999\r\n",
     {"1"},
     {QString::fromUtf8("\xE2\x80\x9C"
                        "caf\xC3\xA9\xE2\x80\x9D")},
     true},
};

INSTANTIATE_TEST_SUITE_P(Rows, BankAccepted, testing::ValuesIn(acceptRows),
                         [](const auto &info) { return std::string(info.param.name); });

struct RefuseRow {
    const char *name;
    QByteArray bytes;
    const char *message;
};

class BankRefused : public testing::TestWithParam<RefuseRow> { };

TEST_P(BankRefused, WithThisMessage)
{
    const auto bank = parseBank(GetParam().bytes, QStringLiteral("qbank12.txt"));
    ASSERT_FALSE(bank.ok());
    EXPECT_EQ(bank.error(), QString::fromUtf8(GetParam().message));
}

const RefuseRow refuseRows[] = {
    {"ends_inside_a_record", bankFileOf(11, "12,blank.bmp,S1,T,E1\n"),
     "qbank12.txt ends inside record 12, the 12th in the file, at line 12: the record has 5 of its 8 "
     "fields."},
    {"ends_inside_first_record_numbered_5", "5,blank.bmp,\n",
     "qbank12.txt ends inside record 5, the 1st in the file, at line 1: the record has 3 of its 8 fields."},
    {"ends_inside_record_without_number", bankRecordLine("1", "a") + ",blank.bmp\n\n",
     "qbank12.txt ends inside the record without a number, the 2nd in the file, at line 3: "
     "the record has 3 of its 8 fields."},
    {"ends_inside_unclosed_quote", "1,blank.bmp,\"S1,T,E1,S2,F,E2\n-999\n",
     "qbank12.txt ends inside record 1, the 1st in the file, at line 2: the record has 3 of its 8 fields."},
    {"text_record_number", bankRecordLine("1", "a") + bankRecordLine("two", "b") + "-999",
     "qbank12.txt: the 2nd record starts on line 2 with \"two\", which is not a number. "
     "A record must start with its number, and -999 ends the bank."},
    {"quoted_text_record_number", "\"no. 1\"," + bankRecordLine("1", "a").mid(2) + "-999",
     "qbank12.txt: the 1st record starts on line 1 with \"no. 1\", which is not a number. "
     "A record must start with its number, and -999 ends the bank."},
    {"percent_signs_in_the_text_are_kept", "%3 %1\n",
     "qbank12.txt: the 1st record starts on line 1 with \"%3 %1\", which is not a number. "
     "A record must start with its number, and -999 ends the bank."},
    {"shifted_fields_put_text_where_a_number_belongs", "1,blank.bmp,one, two,T,E1,S2,F,E2\n-999",
     "qbank12.txt: the 2nd record starts on line 1 with \"E2\", which is not a number. "
     "A record must start with its number, and -999 ends the bank."},
    {"more_than_400_records", bankFileOf(401),
     "qbank12.txt holds more than 400 questions: the 401st starts on line 401. A set can hold at most 400."},
    {"more_than_400_records_without_terminator", bankFileOf(401, ""),
     "qbank12.txt holds more than 400 questions: the 401st starts on line 401. A set can hold at most 400."},
};

INSTANTIATE_TEST_SUITE_P(Rows, BankRefused, testing::ValuesIn(refuseRows),
                         [](const auto &info) { return std::string(info.param.name); });

// What the checker is told: how far the loader read, why it stopped, and where.
struct ReadingRow {
    const char *name;
    QByteArray bytes;
    BankReading::Stop stop;
    int stopperLine; // of the field it stopped at; 0 for none
    std::size_t records, partial;
    int lastLine, firstUnreadLine; // 0: nothing unread after the terminator
};

class BankReadingRows : public testing::TestWithParam<ReadingRow> { };

TEST_P(BankReadingRows, SaysWhereAndWhyItStopped)
{
    const ReadingRow &row = GetParam();
    BankReading reading;
    parseBank(row.bytes, QStringLiteral("qbank1.txt"), &reading);
    EXPECT_EQ(reading.stop, row.stop);
    EXPECT_EQ(reading.stopper.line, row.stopperLine);
    EXPECT_EQ(reading.records.size(), row.records);
    EXPECT_EQ(reading.partial.size(), row.partial);
    EXPECT_EQ(reading.lastLine, row.lastLine);
    EXPECT_EQ(reading.firstUnread ? reading.firstUnread->line : 0, row.firstUnreadLine);
}

using Stop = BankReading::Stop;
const ReadingRow readingRows[] = {
    {"terminator_then_text_after_a_blank_line", bankRecordLine("1", "a") + "-999\n\n ,late\n",
     Stop::Terminator, 2, 1, 0, 4, 4},
    {"no_terminator", bankRecordLine("1", "a") + "\n\n", Stop::EndOfFile, 0, 1, 0, 3, 0},
    {"text_record_number", bankRecordLine("1", "a") + "two,x\n", Stop::NotANumber, 2, 1, 0, 2, 0},
    {"ends_inside_a_record", bankRecordLine("1", "a") + "2,blank.bmp,\"S1\n", Stop::EndsInsideRecord, 2, 1, 2,
     2, 0},
    {"more_than_400_records", bankFileOf(401), Stop::TooManyRecords, 401, 400, 0, 402, 0},
};

INSTANTIATE_TEST_SUITE_P(Rows, BankReadingRows, testing::ValuesIn(readingRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(BankReadingFields, KeepLinesAndGoOnPastAnOverlongField)
{
    const QByteArray statement = "\"" + QByteArray(FieldReader::MaxFieldLength + 1, 'x') + "\"";
    BankReading reading;
    const auto bank = parseBank("1,blank.bmp\n" + statement + ",T,E1,S2,F,E2\n-999\n",
                                QStringLiteral("qbank1.txt"), &reading);
    EXPECT_FALSE(bank.ok()); // refused all the same
    ASSERT_EQ(reading.records.size(), 1u);
    EXPECT_EQ(reading.records[0].number.line, 1);
    EXPECT_EQ(reading.records[0].fields[1].line, 2);
    EXPECT_EQ(reading.stop, Stop::Terminator);
}

TEST(BankFields, NumberAndPictureAreValuesTheRestText)
{
    const auto bank
        = parseBank("3,7,1,2,3,4,5,6\n\"4\",\"8\",a,b,c,d,e,f\n,,a,b,c,d,e,f\n-999", QStringLiteral("q"));
    ASSERT_TRUE(bank.ok());
    ASSERT_EQ(bank->records.size(), 3u);
    const QuestionRecord &first = bank->records[0];
    EXPECT_EQ(first.number, Value(3.0));
    EXPECT_EQ(first.picture, Value(7.0));
    EXPECT_EQ(first.statement1, QStringLiteral("1"));
    EXPECT_EQ(first.key1, QStringLiteral("2"));
    EXPECT_EQ(first.explanation2, QStringLiteral("6"));
    EXPECT_EQ(bank->records[1].number, Value(QStringLiteral("4")));
    EXPECT_EQ(bank->records[1].picture, Value(QStringLiteral("8")));
    EXPECT_TRUE(isEmpty(bank->records[2].number));
    EXPECT_TRUE(isEmpty(bank->records[2].picture));
    EXPECT_EQ(bank->records[2].line, 3);
    EXPECT_EQ(bank->terminatorLine, 4);
}

TEST(BankFields, FourHundredRecordsFit)
{
    const auto bank = parseBank(bankFileOf(400), QStringLiteral("q"));
    ASSERT_TRUE(bank.ok());
    EXPECT_EQ(bank->records.size(), 400u);
}

TEST(BankFileOpen, ReadsWholeFileAtOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("qbank2.txt"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bankFileOf(2));
    }
    auto file = BankFile::open(path);
    ASSERT_TRUE(file.ok()) << file.error().toStdString();
    // The bytes are already in memory: removing the file changes nothing.
    QFile::remove(path);
    const auto bank = file->readAndClose();
    ASSERT_TRUE(bank.ok());
    EXPECT_EQ(bank->records.size(), 2u);
}

TEST(BankFileOpen, MissingFileNamesFileFolderAndReason)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("qbank9.txt"));
    const auto file = BankFile::open(path);
    ASSERT_FALSE(file.ok());
    EXPECT_EQ(file.error(),
              QStringLiteral("qbank9.txt cannot be read: No such file or directory. It was looked for in ")
                  + QDir::toNativeSeparators(dir.path()) + QStringLiteral("."));
}

} // namespace
