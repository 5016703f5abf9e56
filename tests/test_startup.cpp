// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup.h"

#include "tests/support/catalogues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace quorix;
using quorixtest::catalogueOf;
using quorixtest::catalogueTitles;

namespace {

// Runs start-up on a fresh data folder holding the given catalogue (none when
// catalogue is null), with "temp" naming that folder.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile f(m_dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    StartupOptions options(std::uint64_t seed = 7) const
    {
        StartupOptions o;
        o.seed = seed;
        o.environment = {QStringLiteral("TEMP=") + m_dir.path()};
        o.homeFolder = m_dir.filePath(QStringLiteral("no-home"));
        return o;
    }

    QTemporaryDir m_dir;
    DataFolder m_folder{m_dir.path()};
    RandomSource m_random;
};

// What the catalogue says is the reader's (test_catalogue); start-up must
// read it from the data folder and keep what it read.
TEST_F(StartupTest, ReadsTheCatalogueOfTheDataFolder)
{
    writeFile(QStringLiteral("qbanks.txt"), catalogueOf(7, 7));
    auto started = startUp(m_random, m_folder, options());
    ASSERT_TRUE(started.ok()) << started.error().toStdString();
    const Catalogue &catalogue = started->catalogue;
    EXPECT_EQ(catalogue.count, 7);
    QStringList titles;
    for (int k = 1; k <= 7; ++k)
        titles << toText(catalogue.titles[std::size_t(k)]);
    EXPECT_EQ(titles, catalogueTitles(7));
    EXPECT_TRUE(isEmpty(catalogue.titles[8]));
}

TEST_F(StartupTest, CatalogueFailuresNameTheFileTheFolderAndTheFault)
{
    struct Case {
        const char *name;
        bool present;
        QByteArray catalogue;
        QStringList expected;
    };
    const Case cases[] = {
        {"missing catalogue", false, {}, {"qbanks.txt", "cannot be read"}},
        {"12 with only 11 titles",
         true,
         catalogueOf(12, 11),
         {"qbanks.txt: the count on line 1 is 12, but the file ends after 11 titles, at line 12"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(m_dir.filePath(QStringLiteral("qbanks.txt")));
        if (c.present)
            writeFile(QStringLiteral("qbanks.txt"), c.catalogue);
        auto started = startUp(m_random, m_folder, options());
        ASSERT_FALSE(started.ok());
        const QString error = started.error();
        for (const QString &part : c.expected)
            EXPECT_TRUE(error.contains(part)) << error.toStdString() << " lacks " << part.toStdString();
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(QFileInfo(m_dir.path()).absoluteFilePath())))
            << error.toStdString();
        // The results file comes first and is made even when the catalogue fails.
        EXPECT_TRUE(QFileInfo::exists(m_dir.filePath(QStringLiteral("quorixout.txt"))));
    }
}

TEST_F(StartupTest, EmptiesAnEarlierResultsFileAndKeepsItOpen)
{
    writeFile(QStringLiteral("qbanks.txt"), catalogueOf(1, 1));
    writeFile(QStringLiteral("quorixout.txt"), "left over from an earlier run");
    auto started = startUp(m_random, m_folder, options());
    ASSERT_TRUE(started.ok()) << started.error().toStdString();
    const QString expected = QDir(m_dir.path()).filePath(QStringLiteral("quorixout.txt"));
    EXPECT_EQ(QFileInfo(started->resultsFile.path()).absoluteFilePath(),
              QFileInfo(expected).absoluteFilePath());
    EXPECT_TRUE(started->resultsFile.isOpen());
    EXPECT_EQ(QFileInfo(expected).size(), 0);
}

TEST_F(StartupTest, ResultsFileFallsBackToTheHomeFolder)
{
    writeFile(QStringLiteral("qbanks.txt"), catalogueOf(1, 1));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("home")));
    StartupOptions o = options();
    o.environment = {QStringLiteral("temp=") + m_dir.filePath(QStringLiteral("missing"))};
    o.homeFolder = m_dir.filePath(QStringLiteral("home"));
    auto started = startUp(m_random, m_folder, o);
    ASSERT_TRUE(started.ok()) << started.error().toStdString();
    EXPECT_EQ(QFileInfo(started->resultsFile.path()).absoluteFilePath(),
              QFileInfo(m_dir.filePath(QStringLiteral("home/quorixout.txt"))).absoluteFilePath());
}

TEST_F(StartupTest, NoResultsFileAnywhereStopsBeforeTheCatalogue)
{
    writeFile(QStringLiteral("qbanks.txt"), catalogueOf(1, 1));
    StartupOptions o = options();
    o.environment = {QStringLiteral("temp=") + m_dir.filePath(QStringLiteral("missing"))};
    o.homeFolder = m_dir.filePath(QStringLiteral("missing-home"));
    auto started = startUp(m_random, m_folder, o);
    ASSERT_FALSE(started.ok());
    EXPECT_TRUE(started.error().contains(QStringLiteral("quorixout.txt"))) << started.error().toStdString();
    EXPECT_FALSE(started.error().contains(QStringLiteral("qbanks.txt"))) << "the catalogue is not read";
}

TEST_F(StartupTest, AFixedSeedRepeatsTheDraws)
{
    writeFile(QStringLiteral("qbanks.txt"), catalogueOf(1, 1));
    RandomSource first, second, third;
    ASSERT_TRUE(startUp(first, m_folder, options(12345)).ok());
    ASSERT_TRUE(startUp(second, m_folder, options(12345)).ok());
    ASSERT_TRUE(startUp(third, m_folder, options(54321)).ok());
    bool differs = false;
    for (int i = 0; i < 20; ++i) {
        const double a = first.next();
        EXPECT_EQ(a, second.next());
        differs = differs || a != third.next();
    }
    EXPECT_TRUE(differs);
}

// The folder is the one place that turns names into paths: a bank's picture
// never leads out of it.
TEST_F(StartupTest, TheDataFolderNamesItsFiles)
{
    const QString root = QFileInfo(m_dir.path()).absoluteFilePath();
    EXPECT_EQ(m_folder.catalogue(), root + "/qbanks.txt");
    EXPECT_EQ(m_folder.bank(1), root + "/qbank1.txt");
    EXPECT_EQ(m_folder.bank(14), root + "/qbank143.txt") << "option 14 has always opened qbank143.txt";
    EXPECT_EQ(m_folder.bank(16), root + "/qbank16.txt");

    struct Case {
        const char *name;
        const char *picture;
        bool inside;
    };
    const Case cases[] = {
        {"a bare name", "heart.png", true},
        {"a subfolder", "pictures/heart.png", true},
        {"two dots inside a name", "two..dots.png", true},
        {"an absolute name", "/etc/passwd", false},
        {"out by ..", "../heart.png", false},
        {"out and back in by ..", "pictures/../../x/heart.png", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = m_folder.picture(QString::fromUtf8(c.picture));
        ASSERT_EQ(path.has_value(), c.inside);
        if (path) {
            EXPECT_EQ(*path, root + "/" + c.picture);
        }
    }
}

TEST_F(StartupTest, ADataFolderThatCannotBeUsedIsNamed)
{
    writeFile(QStringLiteral("a-file"), "x");
    const auto missing = DataFolder::open(m_dir.filePath(QStringLiteral("nowhere")));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error(),
              QStringLiteral("The data folder \"%1\" does not exist.")
                  .arg(m_dir.filePath(QStringLiteral("nowhere"))));
    const auto file = DataFolder::open(m_dir.filePath(QStringLiteral("a-file")));
    ASSERT_FALSE(file.ok());
    EXPECT_TRUE(file.error().endsWith(QStringLiteral("a-file\" is not a folder.")))
        << file.error().toStdString();
    const auto relative = DataFolder(QStringLiteral("."));
    EXPECT_EQ(relative.path(), QDir::currentPath()) << "made absolute once, when it is chosen";
}

// Without --data-dir: the current folder when it has a catalogue, else the
// one installed beside the program, else a message that names both.
TEST_F(StartupTest, TheDataFolderFallsBackOnTheInstalledOne)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("here")));
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("installed")));
    const QString here = m_dir.filePath(QStringLiteral("here"));
    const QString installed = m_dir.filePath(QStringLiteral("installed"));
    bool usedInstalled = true;

    auto neither = findDataFolder(here, installed, usedInstalled);
    ASSERT_FALSE(neither.ok());
    EXPECT_EQ(
        neither.error(),
        QStringLiteral("No qbanks.txt in %1 or in %2; start with --data-dir FOLDER").arg(here, installed));

    writeFile(QStringLiteral("installed/qbanks.txt"), catalogueOf(1, 1));
    auto beside = findDataFolder(here, installed, usedInstalled);
    ASSERT_TRUE(beside.ok());
    EXPECT_EQ(beside->path(), installed);
    EXPECT_TRUE(usedInstalled);

    writeFile(QStringLiteral("here/qbanks.txt"), catalogueOf(1, 1));
    auto current = findDataFolder(here, installed, usedInstalled);
    ASSERT_TRUE(current.ok());
    EXPECT_EQ(current->path(), here);
    EXPECT_FALSE(usedInstalled);
}

} // namespace
