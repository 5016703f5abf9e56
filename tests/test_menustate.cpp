// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/menustate.h"

#include "tests/support/banks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorix;

namespace {

// The menu's state in a folder holding a catalogue of three titles, a good
// qbank1.txt and whatever each case writes as qbank2.txt.
class MenuStateTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        write(QStringLiteral("qbank1.txt"), quorixtest::bankFileOf(4));
        Catalogue catalogue;
        catalogue.count = 3;
        for (int k = 1; k <= 3; ++k)
            catalogue.titles[std::size_t(k)] = QStringLiteral("Title %1").arg(k);
        m_menu.setCatalogue(catalogue);
    }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile f(m_dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir m_dir;
    MenuState m_menu{DataFolder(m_dir.path())};
};

TEST_F(MenuStateTest, AnAcceptedSetBecomesTheLoadedOne)
{
    ASSERT_TRUE(m_menu.chooseOption(1).ok());
    EXPECT_EQ(m_menu.openOption(), 1);
    EXPECT_EQ(m_menu.selectedTitle(), QStringLiteral("Title 1"));
    const auto bank = m_menu.acceptChosenSet();
    ASSERT_TRUE(bank.ok()) << bank.error().toStdString();
    EXPECT_EQ(bank->records.size(), 4u);
    EXPECT_EQ(m_menu.loadedOption(), 1);
    EXPECT_EQ(m_menu.openOption(), 0) << "OK closes the bank file";
}

// Whatever goes wrong with set 2 after set 1 was loaded, set 1 stays the
// loaded one and its title comes back.
TEST_F(MenuStateTest, ARefusedSetLeavesTheLoadedOne)
{
    struct Row {
        const char *name;
        bool present;
        QByteArray bytes;
        bool opens;
    };
    const Row rows[] = {
        {"missing file", false, {}, false},
        {"more than 400 records", true, quorixtest::bankFileOf(401), true},
        {"file ends inside a record", true, quorixtest::bankFileOf(2, "3,blank.bmp\n"), true},
        {"record number that is text", true, quorixtest::bankFileOf(1, "x,a,b,c,d,e,f,g\n"), true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(m_menu.chooseOption(1).ok());
        ASSERT_TRUE(m_menu.acceptChosenSet().ok());
        QFile::remove(m_dir.filePath(QStringLiteral("qbank2.txt")));
        if (row.present)
            write(QStringLiteral("qbank2.txt"), row.bytes);

        const auto opened = m_menu.chooseOption(2);
        ASSERT_EQ(opened.ok(), row.opens);
        EXPECT_EQ(m_menu.selectedTitle(), QStringLiteral("Title 2"));
        QString error = opened.ok() ? QString() : opened.error();
        if (opened.ok()) {
            const auto bank = m_menu.acceptChosenSet();
            ASSERT_FALSE(bank.ok());
            error = bank.error();
        }
        EXPECT_TRUE(error.contains(QStringLiteral("qbank2.txt"))) << error.toStdString();
        EXPECT_EQ(m_menu.loadedOption(), 1);
        EXPECT_EQ(m_menu.restoreLoadedSet(), 1);
        EXPECT_EQ(m_menu.selectedTitle(), QStringLiteral("Title 1"));
        EXPECT_EQ(m_menu.openOption(), 0);
    }
}

TEST_F(MenuStateTest, AnOptionBeyondTheCatalogueHasNoTitle)
{
    write(QStringLiteral("qbank9.txt"), quorixtest::bankFileOf(2));
    ASSERT_TRUE(m_menu.chooseOption(9).ok());
    EXPECT_EQ(m_menu.selectedTitle(), QString());
    EXPECT_EQ(m_menu.restoreLoadedSet(), 0) << "nothing was loaded before";
}

} // namespace
