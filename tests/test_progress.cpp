// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What is kept across runs: the settings that turn it on, the store on
// temporary files (migration, modes, a run without answers), the window's
// figures as pure functions, the faults of the file as one table, and an
// answer surviving the program being killed right after its OK. Rows that
// need a file or folder the user cannot use run as the user nobody when the
// test runs as root.

#include "core/settings.h"
#include "progress/progressfigures.h"
#include "progress/progresskeeper.h"
#include "progress/progressstore.h"
#include "scoring/calibration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include <functional>

#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quorix;

namespace {

// The SQL driver is a plugin, found through the application.
int argc = 1;
char arg0[] = "test_progress";
char *argv[] = {arg0, nullptr};
QCoreApplication app(argc, argv);

LoggedAnswer answer(const QString &statement, Outcome outcome, int confidence = 2)
{
    LoggedAnswer a;
    a.statement = statement;
    a.explanation = QStringLiteral("Because.");
    a.outcome = outcome;
    a.confidence = outcome == Outcome::DontKnow ? 0 : confidence;
    a.answer = outcome == Outcome::DontKnow ? QStringLiteral("Don't know") : QStringLiteral("TRUE");
    a.key = outcome == Outcome::Wrong ? QStringLiteral("false") : QStringLiteral("true");
    a.marks = outcome == Outcome::DontKnow ? 0 : answerMarks(confidence, outcome == Outcome::Right);
    a.record = 1;
    a.version = 1;
    return a;
}

KeptAnswer kept(const QString &statement, Outcome outcome, int confidence = 2)
{
    return {answer(statement, outcome, confidence), QDateTime::currentDateTimeUtc()};
}

// Reads one number from the file through a connection of its own.
QVariant peek(const QString &file, const QString &sql)
{
    const QString name = QStringLiteral("peek");
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                value = q.value(0);
        }
    }
    QSqlDatabase::removeDatabase(name);
    return value;
}

int mode(const QString &path)
{
    struct stat st { };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// ---- The figures

struct SummaryRow {
    const char *name;
    KeptTotals totals;
    const char *expected; // %1: the long date of 2026-03-05
};

TEST(ProgressFigures, SummaryLine)
{
    const QDateTime first(QDate(2026, 3, 5), QTime(12, 0), Qt::UTC);
    const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    const SummaryRow rows[] = {
        {"nothing kept", {0, 0, {}}, "Nothing kept yet"},
        {"one answer in one run", {1, 1, first}, "Kept on this computer: 1 answer in 1 run since %1"},
        {"many", {245, 12, first}, "Kept on this computer: 245 answers in 12 runs since %1"},
    };
    for (const SummaryRow &row : rows)
        EXPECT_EQ(summaryLine(row.totals, locale),
                  QString::fromUtf8(row.expected)
                      .arg(locale.toString(first.toLocalTime().date(), QLocale::LongFormat)))
            << row.name;
}

struct SetRow {
    const char *name;
    QStringList statements;
    std::vector<std::pair<const char *, StatementCounts>> kept;
    const char *expected;
};

TEST(ProgressFigures, SetRows)
{
    const SetRow rows[] = {
        {"never tried", {"A", "B"}, {{"Z", {3, 3}}}, "Set: not tried yet"},
        {"no set statements", {}, {}, "Set: not tried yet"},
        {"halves round up: 1 of 8",
         {"A", "B", "C"},
         {{"A", {8, 1}}},
         "Set: 1 of 3 statements seen, 13% correct"},
        {"don't know is not right",
         {"A", "B"},
         {{"A", {2, 1}}, {"B", {1, 0}}},
         "Set: 2 of 2 statements seen, 33% correct"},
        {"a statement twice in the bank is one",
         {"A", "A", "B"},
         {{"A", {1, 1}}},
         "Set: 1 of 2 statements seen, 100% correct"},
        {"other sets' statements do not count",
         {"A", "B"},
         {{"A", {2, 0}}, {"Q", {5, 5}}},
         "Set: 1 of 2 statements seen, 0% correct"},
        {"2 of 3 gives 67", {"A"}, {{"A", {3, 2}}}, "Set: 1 of 1 statements seen, 67% correct"},
    };
    for (const SetRow &row : rows) {
        CountsByStatement counts;
        for (const auto &[text, c] : row.kept)
            counts.insert(statementHash(QString::fromUtf8(text)), c);
        EXPECT_EQ(setRowText({QStringLiteral("Set"), row.statements}, counts),
                  QString::fromUtf8(row.expected))
            << row.name;
    }
}

TEST(ProgressFigures, StatementHashIsSha256)
{
    EXPECT_EQ(statementHash(QStringLiteral("abc")),
              QByteArray("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
}

// ---- Settings

TEST(Settings, NothingIsWrittenUntilTheBoxIsTicked)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("conf/quorix.conf"));
    {
        Settings settings(file);
        EXPECT_FALSE(settings.keepProgress());
        EXPECT_TRUE(settings.setKeepProgress(false));
        ProgressKeeper keeper(settings, dir.filePath(QStringLiteral("data")));
        keeper.beginRun(QStringLiteral("Set"), QStringLiteral("qbank1.txt"));
        keeper.keep(answer(QStringLiteral("S"), Outcome::Right));
        EXPECT_FALSE(keeper.hasKeptFile());
    }
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("data"))));
    {
        Settings settings(file);
        EXPECT_TRUE(settings.setKeepProgress(true));
    }
    EXPECT_TRUE(Settings(file).keepProgress());
    Settings(file).setKeepProgress(false);
    EXPECT_FALSE(Settings(file).keepProgress());
}

// ---- The store

TEST(ProgressStore, KeepsRunsStatementsAndAnswers)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("quorix"));
    {
        ProgressStore store(folder);
        ASSERT_TRUE(store.open().ok());
        store.beginRun(
            {QStringLiteral("Empty"), QStringLiteral("qbank1.txt"), QDateTime::currentDateTimeUtc()});
        store.beginRun(
            {QStringLiteral("One"), QStringLiteral("qbank2.txt"), QDateTime::currentDateTimeUtc()});
        ASSERT_TRUE(store.keep(kept(QStringLiteral("A"), Outcome::Right, 3)).ok());
        ASSERT_TRUE(store.keep(kept(QStringLiteral("B"), Outcome::Wrong, 3)).ok());
        store.beginRun(
            {QStringLiteral("Two"), QStringLiteral("qbank3.txt"), QDateTime::currentDateTimeUtc()});
        ASSERT_TRUE(store.keep(kept(QStringLiteral("A"), Outcome::DontKnow)).ok());
    }
    EXPECT_EQ(mode(folder), 0700);
    const QString file = folder + QStringLiteral("/progress.sqlite");
    EXPECT_EQ(mode(file), 0600);
    EXPECT_EQ(peek(file, QStringLiteral("PRAGMA user_version")).toInt(), ProgressStore::SchemaVersion);
    EXPECT_EQ(peek(file, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    EXPECT_EQ(peek(file, QStringLiteral("SELECT COUNT(*) FROM statement")).toInt(), 2);
    EXPECT_EQ(peek(file, QStringLiteral("SELECT group_concat(title) FROM run")).toString(),
              QStringLiteral("One,Two"));

    // Opened again, as by the next run of the program.
    ProgressStore store(folder);
    ASSERT_TRUE(store.open().ok());
    KeptFigures figures;
    ASSERT_TRUE(store.readFigures(figures).ok());
    EXPECT_EQ(figures.totals.answers, 3);
    EXPECT_EQ(figures.totals.runs, 2);
    EXPECT_LE(std::abs(figures.totals.first.secsTo(QDateTime::currentDateTimeUtc())), 60);
    const StatementCounts a = figures.statements.value(statementHash(QStringLiteral("A")));
    EXPECT_EQ(a.answers, 2);
    EXPECT_EQ(a.right, 1);
    EXPECT_EQ(figures.calibration.asked, 3);
    EXPECT_EQ(figures.calibration.correctVerySure, 1);
    EXPECT_EQ(figures.calibration.wrongVerySure, 1);
    EXPECT_EQ(figures.calibration.answered, 2);
}

TEST(ProgressStore, MigratesAnOlderFileAndLeavesANewerOneUntouched)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("progress.sqlite"));
    // Version 0: a database with nothing of ours in it.
    ASSERT_EQ(peek(file, QStringLiteral("PRAGMA user_version")).toInt(), 0);
    {
        ProgressStore store(dir.path());
        ASSERT_TRUE(store.open().ok());
        store.beginRun(
            {QStringLiteral("Set"), QStringLiteral("qbank1.txt"), QDateTime::currentDateTimeUtc()});
        EXPECT_TRUE(store.keep(kept(QStringLiteral("A"), Outcome::Right)).ok());
    }
    EXPECT_EQ(peek(file, QStringLiteral("SELECT COUNT(*) FROM answer")).toInt(), 1);

    peek(file, QStringLiteral("PRAGMA user_version = %1").arg(ProgressStore::SchemaVersion + 1));
    peek(file, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    ProgressStore store(dir.path());
    const StoreStatus status = store.open();
    EXPECT_EQ(status.fault, StoreFault::Newer);
    EXPECT_FALSE(store.isOpen());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

// ---- Faults

bool becomeNobody()
{
    const passwd *nobody = ::getpwnam("nobody");
    return nobody && ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0
        && ::setuid(nobody->pw_uid) == 0;
}

struct Told {
    bool ran = false;
    QString first; // the message after the first answer
    QString second; // after the second: none, the store being closed
    bool closed = false;
    int keptInFile = -1; // answers in progress.sqlite afterwards
};

// Two answers through a keeper, in a child process (as nobody when asked):
// what the student is told and what is left in the file.
Told keepTwo(const QString &folder, int maxPageCount, bool asNobody)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        if (asNobody && !becomeNobody())
            ::_exit(4);
        Settings settings({});
        settings.setKeepProgress(true);
        ProgressKeeper keeper(settings, folder, maxPageCount);
        keeper.beginRun(QStringLiteral("Set"), QStringLiteral("qbank1.txt"));
        const QString longText(10000, QLatin1Char('x'));
        keeper.keep(answer(QStringLiteral("First ") + longText, Outcome::Right));
        const QString first = keeper.takeMessage();
        keeper.keep(answer(QStringLiteral("Second ") + longText, Outcome::Wrong));
        const QString second = keeper.takeMessage();
        const QByteArray out
            = first.toUtf8() + '\0' + second.toUtf8() + '\0' + (keeper.closedForRun() ? "1" : "0");
        const bool written = ::write(fds[1], out.constData(), std::size_t(out.size())) == out.size();
        ::_exit(written ? 0 : 5);
    }
    ::close(fds[1]);
    QByteArray got;
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
        got.append(buf, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    Told told;
    const QList<QByteArray> parts = got.split('\0');
    if (parts.size() != 3)
        return told;
    told.ran = true;
    told.first = QString::fromUtf8(parts[0]);
    told.second = QString::fromUtf8(parts[1]);
    told.closed = parts[2] == "1";
    const QString file = folder + QStringLiteral("/progress.sqlite");
    if (QFileInfo::exists(file))
        told.keptInFile = peek(file, QStringLiteral("SELECT COUNT(*) FROM answer")).toInt();
    return told;
}

struct FaultRow {
    const char *name;
    // Prepares the folder (which exists, empty, mode 0777 for nobody).
    std::function<void(const QString &folder)> make;
    const char *told; // part of the message; %1: the file
    bool closed; // the store closes for the run
    int keptInFile; // -1: no file to count, or untouched
    bool asNobody = false;
    int maxPageCount = 0;
};

void PrintTo(const FaultRow &row, std::ostream *out)
{
    *out << row.name;
}

void makeKeptFile(const QString &folder, int answers)
{
    ProgressStore store(folder);
    store.open();
    store.beginRun({QStringLiteral("Old"), QStringLiteral("qbank1.txt"), QDateTime::currentDateTimeUtc()});
    for (int i = 0; i < answers; ++i)
        store.keep(kept(QStringLiteral("Old %1 ").arg(i) + QString(2000, QLatin1Char('y')), Outcome::Right));
    store.close();
    peek(folder + QStringLiteral("/progress.sqlite"), QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    // The store keeps its folder to its owner; nobody must reach the file.
    ::chmod(QFile::encodeName(folder).constData(), 0777);
}

class StoreFaults : public testing::TestWithParam<FaultRow> { };

TEST_P(StoreFaults, AreToldOnceByNameAndNeverStopTheRun)
{
    const FaultRow &row = GetParam();
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString folder = dir.filePath(QStringLiteral("quorix"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    row.make(folder);

    const bool root = ::geteuid() == 0;
    const Told told = keepTwo(folder, row.maxPageCount, row.asNobody && root);
    if (!told.ran && row.asNobody)
        GTEST_SKIP() << "the user nobody could not be taken on";
    ASSERT_TRUE(told.ran);
    const QString file = folder + QStringLiteral("/progress.sqlite");
    EXPECT_TRUE(told.first.contains(QString::fromUtf8(row.told).arg(file))) << told.first.toStdString();
    EXPECT_TRUE(told.second.isEmpty()) << told.second.toStdString();
    EXPECT_EQ(told.closed, row.closed);
    if (row.keptInFile >= 0) {
        EXPECT_EQ(told.keptInFile, row.keptInFile);
    }
    // A damaged file is moved aside under its date, never deleted.
    const QStringList aside = QDir(folder).entryList({QStringLiteral("progress.sqlite.damaged-*")});
    const QRegularExpression dated(QStringLiteral("^progress\\.sqlite\\.damaged-\\d{8}-\\d{6}$"));
    EXPECT_EQ(aside.size(), told.first.contains(QStringLiteral("was damaged")) ? 1 : 0);
    for (const QString &name : aside)
        EXPECT_TRUE(dated.match(name).hasMatch()) << name.toStdString();
}

void lockFor(const QString &folder, int ms)
{
    // Another program holds the write lock for a while.
    const pid_t pid = ::fork();
    if (pid == 0) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
        db.setDatabaseName(folder + QStringLiteral("/progress.sqlite"));
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("BEGIN EXCLUSIVE"));
            ::usleep(useconds_t(ms) * 1000);
        }
        ::_exit(0);
    }
    ::usleep(300 * 1000);
}

void damagePage(const QString &folder)
{
    makeKeptFile(folder, 40);
    QFile f(folder + QStringLiteral("/progress.sqlite"));
    f.open(QIODevice::ReadWrite);
    // Past the first page, whose header says it is a database.
    f.seek(f.size() / 2);
    f.write(QByteArray(8192, '\x5a'));
}

const FaultRow faultRows[] = {
    {"not_a_database",
     [](const QString &f) { writeFile(f + QStringLiteral("/progress.sqlite"), QByteArray(9000, 'x')); },
     "%1 was damaged", false, 2},
    {"damaged_page", damagePage, "%1 was damaged", false, 2},
    {"locked_past_the_timeout",
     [](const QString &f) {
         makeKeptFile(f, 1);
         lockFor(f, 1500);
     },
     "%1 is in use by another program", true, -1},
    {"full_disk", [](const QString &) {}, "the disk that holds %1 is full", true, -1, false, 7},
    {"newer_version",
     [](const QString &f) {
         makeKeptFile(f, 1);
         peek(f + QStringLiteral("/progress.sqlite"), QStringLiteral("PRAGMA user_version = 99"));
     },
     "%1 was written by a newer version of Quorix", true, 1},
    {"unreadable",
     [](const QString &f) {
         makeKeptFile(f, 1);
         QFile::setPermissions(f + QStringLiteral("/progress.sqlite"), QFileDevice::Permissions());
     },
     "%1 cannot be read (Permission denied)", true, 1, true},
    {"folder_not_writable", [](const QString &f) { ::chmod(QFile::encodeName(f).constData(), 0555); },
     "%1 cannot be created or changed, because the folder", true, -1, true},
};

INSTANTIATE_TEST_SUITE_P(Rows, StoreFaults, testing::ValuesIn(faultRows),
                         [](const testing::TestParamInfo<FaultRow> &info) { return info.param.name; });

// ---- Killed right after OK

TEST(ProgressStore, EveryAnswerCommittedBeforeSigkillIsThere)
{
    QTemporaryDir dir;
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        ProgressStore store(dir.path());
        if (!store.open().ok())
            ::_exit(3);
        store.beginRun(
            {QStringLiteral("Set"), QStringLiteral("qbank1.txt"), QDateTime::currentDateTimeUtc()});
        for (int i = 0;; ++i) {
            if (!store.keep(kept(QStringLiteral("Statement %1").arg(i), Outcome::Right)).ok())
                ::_exit(4);
            // The OK has returned: the answer counts as marked.
            if (::write(fds[1], "k", 1) != 1)
                ::_exit(5);
        }
    }
    ::close(fds[1]);
    int marked = 0;
    char c;
    while (marked < 25 && ::read(fds[0], &c, 1) == 1)
        ++marked;
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(fds[0]);
    ASSERT_EQ(marked, 25);
    ASSERT_TRUE(WIFSIGNALED(status));
    const QString file = dir.filePath(QStringLiteral("progress.sqlite"));
    EXPECT_GE(peek(file, QStringLiteral("SELECT COUNT(*) FROM answer")).toInt(), marked);
    EXPECT_EQ(peek(file, QStringLiteral("PRAGMA quick_check")).toString(), QStringLiteral("ok"));
}

} // namespace
