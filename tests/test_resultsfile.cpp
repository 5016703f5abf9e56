// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/resultsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace quorix;

namespace {

class ResultsFileTest : public testing::Test {
protected:
    QTemporaryDir temp;
    QTemporaryDir home;

    QString tempFile() const { return temp.filePath(QStringLiteral("quorixout.txt")); }
    QString homeFile() const { return home.filePath(QStringLiteral("quorixout.txt")); }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray contents(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
};

struct LookupRow {
    const char *name;
    const char *entry; // %T stands for the temporary folder of the test
};

class TempLookup : public ResultsFileTest, public testing::WithParamInterface<LookupRow> { };

TEST_P(TempLookup, FindsTheFolderIgnoringCase)
{
    const QString entry = QString::fromLatin1(GetParam().entry).replace(QStringLiteral("%T"), temp.path());
    const auto file = ResultsFile::create({QStringLiteral("PATH=/usr/bin"), entry}, home.path());
    ASSERT_TRUE(file.ok()) << file.error().toStdString();
    EXPECT_EQ(file->path(), tempFile());
    EXPECT_TRUE(file->isOpen());
    EXPECT_TRUE(QFile::exists(tempFile()));
    EXPECT_FALSE(QFile::exists(homeFile()));
}

const LookupRow lookupRows[] = {
    {"lower_case", "temp=%T"},      {"upper_case", "TEMP=%T"},          {"mixed_case", "Temp=%T"},
    {"trailing_slash", "temp=%T/"}, {"unset_uses_tmpdir", "TMPDIR=%T"},
};

INSTANTIATE_TEST_SUITE_P(Rows, TempLookup, testing::ValuesIn(lookupRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ResultsFileTest, EmptyTempFallsBackToTmpdir)
{
    const auto file = ResultsFile::create({QStringLiteral("TEMP="), QStringLiteral("TMPDIR=") + temp.path()},
                                          home.path());
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file->path(), tempFile());
}

TEST_F(ResultsFileTest, ExactNameWinsOverOtherCase)
{
    QTemporaryDir other;
    const auto file = ResultsFile::create(
        {QStringLiteral("TEMP=") + other.path(), QStringLiteral("temp=") + temp.path()}, home.path());
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file->path(), tempFile());
}

TEST_F(ResultsFileTest, NothingSetUsesSlashTmp)
{
    const auto file = ResultsFile::create({}, home.path());
    // Another program on this machine may own /tmp/quorixout.txt; then the
    // home folder is used, but /tmp was tried first.
    if (file.ok())
        EXPECT_TRUE(file->path() == QStringLiteral("/tmp/quorixout.txt") || file->path() == homeFile());
    else
        EXPECT_TRUE(file.error().contains(QStringLiteral("/tmp/quorixout.txt")));
}

TEST_F(ResultsFileTest, ExistingFileIsEmptied)
{
    write(tempFile(), "left over from an earlier run");
    const auto file = ResultsFile::openAt(tempFile());
    ASSERT_TRUE(file.ok()) << file.error().toStdString();
    EXPECT_EQ(contents(tempFile()), QByteArray());
}

TEST_F(ResultsFileTest, NewFileIsPrivate)
{
    const auto file = ResultsFile::openAt(tempFile());
    ASSERT_TRUE(file.ok());
    struct stat st { };
    ASSERT_EQ(::stat(QFile::encodeName(tempFile()).constData(), &st), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(st.st_mode & 0777, 0600 & ~mask);
}

TEST_F(ResultsFileTest, MissingFolderFallsBackToHome)
{
    const auto file
        = ResultsFile::create({QStringLiteral("temp=") + temp.filePath(QStringLiteral("gone"))}, home.path());
    ASSERT_TRUE(file.ok()) << file.error().toStdString();
    EXPECT_EQ(file->path(), homeFile());
    EXPECT_TRUE(QFile::exists(homeFile()));
}

TEST_F(ResultsFileTest, SymbolicLinkIsNotFollowed)
{
    const QString target = temp.filePath(QStringLiteral("precious.txt"));
    write(target, "keep me");
    ASSERT_TRUE(QFile::link(target, tempFile()));
    const auto file = ResultsFile::create({QStringLiteral("temp=") + temp.path()}, home.path());
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file->path(), homeFile());
    EXPECT_EQ(contents(target), QByteArray("keep me"));
}

TEST_F(ResultsFileTest, FifoDoesNotHang)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(tempFile()).constData(), 0600), 0);
    const auto fifo = ResultsFile::openAt(tempFile());
    EXPECT_FALSE(fifo.ok());
    const auto file = ResultsFile::create({QStringLiteral("temp=") + temp.path()}, home.path());
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file->path(), homeFile());
}

TEST_F(ResultsFileTest, FolderInPlaceOfFileIsRefused)
{
    ASSERT_TRUE(QDir(temp.path()).mkdir(QStringLiteral("quorixout.txt")));
    const auto file = ResultsFile::openAt(tempFile());
    ASSERT_FALSE(file.ok());
    EXPECT_TRUE(file.error().startsWith(tempFile() + QStringLiteral(": "))) << file.error().toStdString();
}

TEST_F(ResultsFileTest, BothPlacesFailingNamesBoth)
{
    const QString gone = temp.filePath(QStringLiteral("gone"));
    const QString noHome = home.filePath(QStringLiteral("gone too"));
    const auto file = ResultsFile::create({QStringLiteral("temp=") + gone}, noHome);
    ASSERT_FALSE(file.ok());
    EXPECT_EQ(file.error(),
              QStringLiteral("The results file could not be created in either place: "
                             "%1/quorixout.txt: No such file or directory; "
                             "%2/quorixout.txt: No such file or directory.")
                  .arg(gone, noHome));
}

TEST_F(ResultsFileTest, MovingKeepsTheFileOpenOnce)
{
    auto file = ResultsFile::openAt(tempFile());
    ASSERT_TRUE(file.ok());
    ResultsFile moved = std::move(file.value());
    EXPECT_TRUE(moved.isOpen());
    EXPECT_FALSE(file->isOpen());
    moved.close();
    EXPECT_FALSE(moved.isOpen());
}

} // namespace
