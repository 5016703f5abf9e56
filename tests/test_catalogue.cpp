// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/catalogue.h"

#include "tests/support/catalogues.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorix;
using quorixtest::catalogueOf;
using quorixtest::catalogueTitles;

namespace {

class CatalogueFile : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("qbanks.txt")); }
    QString folder() const { return QDir::toNativeSeparators(dir.path()); }

    Result<Catalogue> read(const QByteArray &bytes)
    {
        QFile f(path());
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        return readCatalogue(path());
    }
};

struct AcceptRow {
    const char *name;
    QByteArray bytes;
    int count;
    QStringList titles; // slots 1.. as read
};

class CatalogueAccepted : public CatalogueFile, public testing::WithParamInterface<AcceptRow> { };

TEST_P(CatalogueAccepted, ReadsTheseTitles)
{
    const auto catalogue = read(GetParam().bytes);
    ASSERT_TRUE(catalogue.ok()) << catalogue.error().toStdString();
    EXPECT_EQ(catalogue->count, GetParam().count);
    const auto &expected = GetParam().titles;
    for (std::size_t k = 1; k <= 20; ++k) {
        const QString want = k <= std::size_t(expected.size()) ? expected[int(k) - 1] : QString();
        EXPECT_EQ(toText(catalogue->titles[k]), want) << "slot " << k;
    }
    EXPECT_TRUE(isEmpty(catalogue->titles[0]));
}

const AcceptRow acceptRows[] = {
    {"zero_titles", "0\nSet 1\n", 0, {}},
    {"negative_count_means_none", "-3\nSet 1\n", -3, {}},
    {"seven", catalogueOf(7, 7), 7, catalogueTitles(7)},
    {"sixteen", catalogueOf(16, 16), 16, catalogueTitles(16)},
    {"eighteen_keeps_17_and_18", catalogueOf(18, 18), 18, catalogueTitles(18)},
    {"twenty", catalogueOf(20, 20), 20, catalogueTitles(20)},
    {"one_line", catalogueOf(3, 3, ","), 3, catalogueTitles(3)},
    {"quoted_comma_is_one_title", "2\n\"Fats, oils\"\nProteins\n", 2, {"Fats, oils", "Proteins"}},
    // Unquoted, the comma splits the title: later titles move down and the
    // last one is never read.
    {"unquoted_comma_shifts_titles", "3\nFats, oils\nProteins\nVitamins\n", 3, {"Fats", "oils", "Proteins"}},
    {"extra_fields_after_n_ignored", "1\nSet 1\nnever read\n", 1, {"Set 1"}},
    {"count_with_blanks_and_decimal_point", "  2.0 \nA\nB", 2, {"A", "B"}},
    {"quoted_count", "\"2\"\nA\nB", 2, {"A", "B"}},
    {"numeric_title_stays_text", "1\n1.50\n", 1, {"1.50"}},
    {"crlf_and_bom",
     "\xEF\xBB\xBF"
     "2\r\nA\r\nB\r\n",
     2,
     {"A", "B"}},
    {"windows_1252_title", "1\nVitamins \x96 water soluble\n", 1, {"Vitamins \xE2\x80\x93 water soluble"}},
    // The locale's decimal comma is a field separator here like any comma.
    {"decimal_comma_splits_the_count", "2,5\nA\n", 2, {"5", "A"}},
    {"blank_line_is_an_empty_title", "2\n\nB\n", 2, {"", "B"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, CatalogueAccepted, testing::ValuesIn(acceptRows),
                         [](const auto &info) { return std::string(info.param.name); });

struct RefuseRow {
    const char *name;
    QByteArray bytes;
    const char *what; // the message between the file name and the folder sentence
};

class CatalogueRefused : public CatalogueFile, public testing::WithParamInterface<RefuseRow> { };

TEST_P(CatalogueRefused, NamesFileFolderAndWhatIsWrong)
{
    const auto catalogue = read(GetParam().bytes);
    ASSERT_FALSE(catalogue.ok());
    EXPECT_EQ(catalogue.error(),
              QStringLiteral("qbanks.txt") + QString::fromUtf8(GetParam().what)
                  + QStringLiteral(" It was looked for in ") + folder() + QStringLiteral("."));
}

const RefuseRow refuseRows[] = {
    {"twelve_with_eleven", catalogueOf(12, 11),
     ": the count on line 1 is 12, but the file ends after 11 titles, at line 12."},
    {"one_with_none", "1\n", ": the count on line 1 is 1, but the file ends after 0 titles, at line 1."},
    {"two_with_one", "2\nA", ": the count on line 1 is 2, but the file ends after 1 title, at line 2."},
    {"twenty_one", catalogueOf(21, 21),
     ": the count on line 1 is 21, but a catalogue holds at most 20 titles: reading stops at the 21st title, "
     "on line 22."},
    {"twenty_five_with_twenty", catalogueOf(25, 20),
     ": the count on line 1 is 25, but a catalogue holds at most 20 titles: reading stops at the 21st "
     "title."},
    {"huge_count", catalogueOf(1, 0).replace("1", "1e12"),
     ": the count on line 1 is 1e12, but the file ends after 0 titles, at line 1."},
    {"count_not_a_number", "twelve\nA\n", ": the count on line 1 is \"twelve\", which is not a number."},
    {"count_not_whole", "2.5\nA\nB\nC\n", ": the count on line 1 is 2.5, which is not a whole number."},
    {"count_empty", "\n3\nA\n", ": the count on line 1 is empty, but it must be the number of titles."},
    {"empty_file", "", " is empty: its first line must hold the number of titles."},
};

INSTANTIATE_TEST_SUITE_P(Rows, CatalogueRefused, testing::ValuesIn(refuseRows),
                         [](const auto &info) { return std::string(info.param.name); });

// What the checker is told: the fields read, and why the reader stopped.
struct ReadingRow {
    const char *name;
    QByteArray bytes;
    CatalogueReading::Stop stop;
    std::size_t fields, unread;
    int lastLine;
};

class CatalogueReadingRows : public CatalogueFile, public testing::WithParamInterface<ReadingRow> { };

TEST_P(CatalogueReadingRows, SaysWhatItReadAndWhyItStopped)
{
    const ReadingRow &row = GetParam();
    read(row.bytes);
    CatalogueReading reading;
    readCatalogue(path(), &reading);
    EXPECT_EQ(reading.stop, row.stop);
    EXPECT_EQ(reading.fields.size(), row.fields);
    EXPECT_EQ(reading.unread.size(), row.unread);
    EXPECT_EQ(reading.lastLine, row.lastLine);
}

using Stop = CatalogueReading::Stop;
const ReadingRow readingRows[] = {
    {"two_of_three_titles_read", "2\nA\nB\nC,D\n", Stop::Read, 3, 2, 4},
    {"ends_early", "3\nA\n", Stop::EndsEarly, 2, 0, 2},
    {"count_too_large_is_why_even_when_titles_run_out", catalogueOf(25, 3, "\n"), Stop::CountTooLarge, 4, 0,
     4},
    {"count_not_whole", "2.5\nA\nB\n", Stop::CountNotWhole, 1, 0, 3},
    {"count_not_a_number", "x\n", Stop::CountNotNumber, 1, 0, 1},
    {"count_empty", "\"\"\n", Stop::CountEmpty, 1, 0, 1},
    {"empty", "", Stop::Empty, 0, 0, 1},
};

INSTANTIATE_TEST_SUITE_P(Rows, CatalogueReadingRows, testing::ValuesIn(readingRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(CatalogueFile, ReadingOfAMissingFileSaysWhy)
{
    CatalogueReading reading;
    EXPECT_FALSE(readCatalogue(path(), &reading).ok());
    EXPECT_EQ(reading.stop, Stop::Unopened);
    EXPECT_EQ(reading.problem, DataFileProblem::Missing);
}

TEST_F(CatalogueFile, MissingFileIsRefusedWithFolder)
{
    const auto catalogue = readCatalogue(path());
    ASSERT_FALSE(catalogue.ok());
    EXPECT_EQ(catalogue.error(),
              QStringLiteral("qbanks.txt cannot be read: No such file or directory. "
                             "It was looked for in ")
                  + folder() + QStringLiteral("."));
}

TEST_F(CatalogueFile, FolderInsteadOfFileIsRefused)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("qbanks.txt")));
    const auto catalogue = readCatalogue(path());
    ASSERT_FALSE(catalogue.ok());
    EXPECT_TRUE(catalogue.error().startsWith(QStringLiteral("qbanks.txt cannot be read: ")))
        << catalogue.error().toStdString();
}

} // namespace
