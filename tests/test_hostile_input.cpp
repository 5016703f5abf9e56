// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a careless teacher or a hostile user may leave where the catalogue or
// a bank belongs, through the real catalogue reader and bank loader. Each row
// runs in a child process, so a reader that blocks or eats memory is killed
// at the time bound instead of hanging the test; the unreadable file is tried
// as the user nobody when the test runs as root.

#include "tests/support/childprocess.h"

#include "app/catalogue.h"
#include "core/datafile.h"
#include "core/datafolder.h"
#include "core/fieldreader.h"
#include "questions/bankloader.h"
#include "questions/questionsession.h"
#include "scoring/answerlog.h"
#include "scoring/tally.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quorix;

namespace {

constexpr int boundMs = 5000;
const QByteArray goodBank = "1,blank.bmp,Kept statement,T,E1,S2,F,E2\n-999\n";

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray everyByte()
{
    QByteArray out;
    for (int i = 0; i < 4096; ++i)
        out += char(i % 256);
    return out;
}

struct Outcome {
    bool returned = false; // within the bound
    bool becameNobody = true;
    QString catalogueError;
    QString bankError;
    bool setKept = false;
};

// In the child: the menu's names in folder, a set already loaded.
QByteArray tryReaders(const DataFolder &folder)
{
    ScoreTally tally;
    AnswerLog log;
    QuestionSession session(tally, log);
    session.startTest(QStringLiteral("Set 1"), parseBank(goodBank, QStringLiteral("qbank1.txt")).value());

    const auto catalogue = readCatalogue(folder.catalogue());
    QString bankError;
    auto file = BankFile::open(folder.bank(2));
    if (!file) {
        bankError = file.error();
    } else if (const auto bank = file->readAndClose(); !bank) {
        bankError = bank.error();
    } else {
        session.startTest(QStringLiteral("Set 2"), bank.value());
    }
    const bool kept
        = session.questionCount() == 1 && session.record(1).statement1 == QLatin1String("Kept statement");
    return (catalogue ? QString() : catalogue.error()).toUtf8() + '\0' + bankError.toUtf8() + '\0'
        + (kept ? "kept" : "lost");
}

Outcome runInChild(const QString &folder, bool asNobody)
{
    const quorixtest::ChildResult child = quorixtest::runInChild(
        asNobody, [&]() -> QByteArray { return tryReaders(DataFolder(folder)); }, boundMs);
    const QByteArray &got = child.output;
    Outcome outcome;
    outcome.returned = child.finished;
    outcome.becameNobody = child.becameNobody;
    const QList<QByteArray> parts = got.split('\0');
    if (parts.size() == 3) {
        outcome.catalogueError = QString::fromUtf8(parts[0]);
        outcome.bankError = QString::fromUtf8(parts[1]);
        outcome.setKept = parts[2] == "kept";
    }
    return outcome;
}

struct HostileRow {
    const char *name;
    std::function<bool(const QString &path)> make; // puts the hostile thing at path
    const char *what; // in both messages, after the file's name
    bool unreadable = false;
};

void PrintTo(const HostileRow &row, std::ostream *out)
{
    *out << row.name;
}

class HostileInput : public testing::TestWithParam<HostileRow> { };

TEST_P(HostileInput, IsRefusedByNameInTimeAndTheLoadedSetIsKept)
{
    const HostileRow &row = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // nobody must be able to reach the folder to be refused the file in it.
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    for (const char *name : {"qbanks.txt", "qbank2.txt"})
        ASSERT_TRUE(row.make(dir.filePath(QLatin1String(name)))) << name;

    const bool root = ::geteuid() == 0;
    const Outcome outcome = runInChild(dir.path(), row.unreadable && root);
    if (!outcome.becameNobody)
        GTEST_SKIP()
            << "running as root, and the user nobody could not be taken on to try an unreadable file";
    ASSERT_TRUE(outcome.returned) << "the readers did not return within " << boundMs << " ms";

    const QString what = QString::fromUtf8(row.what);
    const QString folder
        = QStringLiteral(" It was looked for in %1.").arg(QDir::toNativeSeparators(dir.path()));
    for (const auto &[name, message] :
         {std::pair{"qbanks.txt", outcome.catalogueError}, std::pair{"qbank2.txt", outcome.bankError}}) {
        EXPECT_TRUE(message.startsWith(QLatin1String(name))) << message.toStdString();
        EXPECT_TRUE(message.contains(what)) << message.toStdString();
        // The menu's name only: never where a link leads.
        EXPECT_FALSE(message.contains(QLatin1String("/dev/")) || message.contains(QLatin1String("nowhere")))
            << message.toStdString();
        EXPECT_LT(message.size() - (message.endsWith(folder) ? folder.size() : 0), 200)
            << message.toStdString();
    }
    EXPECT_TRUE(outcome.setKept);
}

bool makeLink(const char *target, const QString &path)
{
    return ::symlink(target, QFile::encodeName(path).constData()) == 0;
}

const HostileRow hostileRows[] = {
    {"link_to_dev_zero", [](const QString &p) { return makeLink("/dev/zero", p); },
     " cannot be read: it is a symbolic link to a device, not to a file."},
    {"fifo", [](const QString &p) { return ::mkfifo(QFile::encodeName(p).constData(), 0644) == 0; },
     " cannot be read: it is a named pipe (FIFO), not a file."},
    {"oversized_file",
     [](const QString &p) { return writeFile(p, "3\n") && QFile::resize(p, MaxDataFileSize + 1); },
     " cannot be read: it is larger than 16 MB, the most a data file may hold."},
    {"one_10_MB_line", [](const QString &p) { return writeFile(p, QByteArray(10 * 1024 * 1024, 'x')); },
     ": the field on line 1 is longer than 65536 characters, far longer than any title or statement: \"xxx"},
    {"binary", [](const QString &p) { return writeFile(p, everyByte()); },
     "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF"
     "\xBF\xBD\", "
     "which is not a number."},
    {"invalid_utf8_from_utf16",
     [](const QString &p) {
         return writeFile(p,
                          QByteArray("\xFF\xFE"
                                     "3\0\n\0A\0\n\0",
                                     10));
     },
     // Read as Windows-1252: the byte-order mark is text, the NUL a control character.
     "\"\xC3\xBF\xC3\xBE"
     "3\xEF\xBF\xBD\", which is not a number."},
    {"directory", [](const QString &p) { return QDir().mkdir(p); },
     " cannot be read: it is a folder, not a file."},
    {"dangling_link", [](const QString &p) { return makeLink("nowhere.txt", p); },
     " cannot be read: it is a symbolic link to something that does not exist."},
    {"link_loop", [](const QString &p) { return makeLink(QFile::encodeName(p).constData(), p); },
     " cannot be read: its symbolic links lead round in a loop."},
    {"unreadable_file",
     [](const QString &p) {
         return writeFile(p, goodBank) && QFile::setPermissions(p, QFileDevice::Permissions());
     },
     " cannot be read: Permission denied.", true},
};

INSTANTIATE_TEST_SUITE_P(Rows, HostileInput, testing::ValuesIn(hostileRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
