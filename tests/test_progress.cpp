// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What is kept across runs: the settings that turn it on, the store on
// temporary files (migration, modes, a run without answers), the window's
// figures as pure functions, the faults of the file as one table, and an
// answer surviving the program being killed right after its OK. Rows that
// need a file or folder the user cannot use run as the user nobody when the
// test runs as root.

#include "tests/support/childprocess.h"

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

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <tuple>

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

// Trend and revisit, from answers kept in runs. Each answer is in run
// `run`, kept `minute` minutes after the first run began; a run begins at
// its first answer.
struct Kept {
    int run;
    std::string statement;
    Outcome outcome;
    int confidence;
    int minute;
};

struct TrendRevisitRow {
    const char *name;
    std::vector<Kept> kept;
    std::vector<const char *> trend; // "<k> answers, …" after "<date> <time>: "
    std::vector<const char *> revisit; // statements, most recent first
    std::size_t revisitCount = 0; // when the list is too long to spell out
};

std::vector<Kept> manyRuns(int runs)
{
    std::vector<Kept> kept;
    for (int run = 0; run < runs; ++run)
        kept.push_back({run, "S", run % 2 ? Outcome::Right : Outcome::Wrong, 3, run * 60});
    return kept;
}

std::vector<Kept> manyWrong(int statements)
{
    std::vector<Kept> kept;
    for (int i = 0; i < statements; ++i)
        kept.push_back({0, "S" + std::to_string(i), Outcome::Wrong, 2, i});
    return kept;
}

TEST(ProgressFigures, TrendAndRevisit)
{
    using enum Outcome;
    const TrendRevisitRow rows[] = {
        {"nothing kept", {}, {}, {}},
        {"one answer, right at very sure: nothing lost",
         {{0, "A", Right, 3, 0}},
         {"1 answer, 3.00 marks per answer, 0.00 lost per answer"},
         {}},
        {"wrong at very sure loses to unsure",
         {{0, "A", Wrong, 3, 0}},
         {"1 answer, -6.00 marks per answer, 6.00 lost per answer"},
         {"A"}},
        {"cut toward zero, not rounded; don't know counts",
         {{0, "A", Right, 2, 0}, {0, "B", Right, 2, 1}, {0, "C", Wrong, 2, 2}},
         {"3 answers, 0.66 marks per answer, 0.00 lost per answer"},
         {"C"}},
        {"negative figures are cut toward zero too",
         {{0, "A", Wrong, 2, 0}, {0, "B", Right, 1, 1}, {0, "C", DontKnow, 0, 2}},
         {"3 answers, -0.33 marks per answer, 1.33 lost per answer"},
         {"A"}},
        {"runs oldest first, each on its own",
         {{1, "A", Right, 1, 90}, {0, "B", Wrong, 1, 0}},
         {"1 answer, 0.00 marks per answer, 0.00 lost per answer",
          "1 answer, 1.00 marks per answer, 2.00 lost per answer"},
         {}},
        {"the latest answer decides; unsure and don't know are not revisited",
         {{0, "A", Wrong, 3, 0},
          {0, "B", Right, 3, 1},
          {0, "C", Wrong, 1, 2},
          {0, "D", DontKnow, 0, 3},
          {1, "A", Right, 1, 60},
          {1, "B", Wrong, 2, 61},
          {1, "E", Wrong, 3, 62}},
         {"4 answers, -0.75 marks per answer, 1.00 lost per answer",
          "3 answers, -2.33 marks per answer, 3.33 lost per answer"},
         {"E", "B"}},
        {"only the last 20 runs", manyRuns(25), {}, {}, 1},
        {"at most 50 to revisit", manyWrong(60), {}, {}, 50},
    };
    const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    const QDateTime start(QDate(2026, 3, 5), QTime(9, 0), Qt::UTC);
    const auto at = [&](int minute) { return start.addSecs(minute * 60); };
    for (const TrendRevisitRow &row : rows) {
        std::map<int, RunTally> runs;
        std::vector<KeptAnswer> answers;
        for (const Kept &k : row.kept) {
            LoggedAnswer a = answer(QString::fromStdString(k.statement), k.outcome, k.confidence);
            a.explanation = a.statement + QStringLiteral(" explained");
            answers.push_back({a, at(k.minute)});
            RunTally &run = runs[k.run];
            if (!run.started.isValid())
                run.started = at(k.minute);
            run.marks += a.marks;
            ScoreTally &t = run.tally;
            t.asked += 1;
            if (k.outcome == DontKnow)
                continue;
            t.answered += 1;
            int *counters[] = {&t.wrongUnsure,   &t.wrongFairlySure,   &t.wrongVerySure,
                               &t.correctUnsure, &t.correctFairlySure, &t.correctVerySure};
            *counters[(k.outcome == Right ? 3 : 0) + k.confidence - 1] += 1;
        }
        std::vector<RunTally> tallies;
        for (auto it = runs.rbegin(); it != runs.rend(); ++it) // newest first: the order must not matter
            tallies.push_back(it->second);

        const std::vector<TrendPoint> points = trendPoints(tallies, locale);
        if (row.kept.size() == 25) {
            ASSERT_EQ(points.size(), 20u) << row.name;
            EXPECT_EQ(points.front().started, at(5 * 60)) << row.name;
            EXPECT_TRUE(std::is_sorted(points.begin(), points.end(), [](const auto &a, const auto &b) {
                return a.started < b.started;
            })) << row.name;
        } else if (row.kept.size() < 60) {
            QStringList expected;
            for (std::size_t i = 0; i < row.trend.size(); ++i) {
                const QDateTime local = tallies[tallies.size() - 1 - i].started.toLocalTime();
                expected << QStringLiteral("%1 %2: %3")
                                .arg(locale.toString(local.date(), QLocale::LongFormat),
                                     local.toString(QStringLiteral("HH:mm")),
                                     QString::fromUtf8(row.trend[i]));
            }
            EXPECT_EQ(trendDescription(points), expected.join(QLatin1Char('\n'))) << row.name;
        }

        const std::vector<RevisitRow> revisit = revisitRows(answers);
        if (row.revisitCount) {
            EXPECT_EQ(revisit.size(), row.revisitCount) << row.name;
            continue;
        }
        ASSERT_EQ(revisit.size(), row.revisit.size()) << row.name;
        for (std::size_t i = 0; i < revisit.size(); ++i) {
            const auto kept = std::find_if(answers.rbegin(), answers.rend(), [&](const KeptAnswer &k) {
                return k.answer.statement == QString::fromUtf8(row.revisit[i]);
            });
            EXPECT_EQ(revisit[i].text, reviewRowText(kept->answer)) << row.name;
            EXPECT_TRUE(revisit[i].text.startsWith(QString::fromUtf8(row.revisit[i]))) << row.name;
            EXPECT_EQ(revisit[i].explanation, kept->answer.explanation) << row.name;
        }
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
    // The trend's runs, and the one statement whose latest answer was a
    // confident mistake.
    ASSERT_EQ(figures.runs.size(), 2u);
    EXPECT_EQ(figures.runs[0].tally.asked + figures.runs[1].tally.asked, 3);
    EXPECT_EQ(figures.runs[0].marks + figures.runs[1].marks, 3 - 6);
    ASSERT_EQ(figures.latest.size(), 1u);
    EXPECT_EQ(figures.latest[0].answer.statement, QStringLiteral("B"));
    EXPECT_EQ(figures.latest[0].answer.confidence, 3);
    EXPECT_EQ(figures.latest[0].answer.explanation, QStringLiteral("Because."));
}

// ---- Export

// A CSV reader after RFC 4180: quoted fields may hold commas, doubled
// quotes and line breaks; records end with CR LF.
std::vector<QStringList> readCsv(const QByteArray &bytes)
{
    std::vector<QStringList> records;
    QStringList record;
    QByteArray field;
    bool quoted = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < bytes.size() && bytes[i + 1] == '"')
                field += bytes[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record << QString::fromUtf8(field);
            field.clear();
        } else if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            record << QString::fromUtf8(field);
            field.clear();
            records.push_back(record);
            record.clear();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(field.isEmpty() && record.isEmpty() && !quoted) << "the last record is not ended by CR LF";
    return records;
}

TEST(ProgressExport, ReadsBackWithQuotesAndLineBreaks)
{
    QTemporaryDir dir;
    Settings settings({});
    settings.setKeepProgress(true);
    ProgressKeeper keeper(settings, dir.filePath(QStringLiteral("data")));
    const QString title = QStringLiteral("Vitamins, \"fat-soluble\"");
    const QString tricky
        = QStringLiteral("Retinol \"is\", in short,\nvitamin A\r\nand \u03b2-carotene its source");
    keeper.beginRun(title, QStringLiteral("qbank1.txt"));
    keeper.keep(answer(tricky, Outcome::Wrong, 3));
    keeper.beginRun(QStringLiteral("Plain"), QStringLiteral("qbank2.txt"));
    keeper.keep(answer(QStringLiteral("Plain"), Outcome::DontKnow));
    keeper.keep(answer(QStringLiteral("Plain 2"), Outcome::Right, 1));

    const QString path = dir.filePath(QStringLiteral("answers.csv"));
    bool exported = false;
    EXPECT_EQ(keeper.exportCsv(path, &exported),
              QStringLiteral("Your answers were exported to %1.").arg(path));
    EXPECT_TRUE(exported);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<QStringList> records = readCsv(file.readAll());
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(
        records[0],
        QStringList({"run", "time", "set", "statement", "answer", "confidence", "key", "verdict", "marks"}));
    const QStringList expected[] = {
        {"1", "", title, tricky, "TRUE", "very sure", "false", "wrong", "-6"},
        {"2", "", "Plain", "Plain", "Don't know", "", "true", "Don't know", "0"},
        {"2", "", "Plain", "Plain 2", "TRUE", "unsure", "true", "right", "1"},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        QStringList got = records[i + 1];
        ASSERT_EQ(got.size(), 9) << i;
        const QDateTime time = QDateTime::fromString(got[1], Qt::ISODate);
        EXPECT_TRUE(time.isValid() && got[1].endsWith(QLatin1Char('Z'))) << qPrintable(got[1]);
        EXPECT_LE(std::abs(time.secsTo(QDateTime::currentDateTimeUtc())), 60);
        got[1].clear();
        EXPECT_EQ(got, expected[i]) << i;
    }

    // A file that cannot be written is said so by name, and nothing is left.
    const QString nowhere = dir.filePath(QStringLiteral("no/such/folder/answers.csv"));
    const QString said = keeper.exportCsv(nowhere, &exported);
    EXPECT_FALSE(exported);
    EXPECT_TRUE(said.startsWith(nowhere + QStringLiteral(" could not be written ("))
                && said.endsWith(QStringLiteral("). Nothing was exported.")))
        << qPrintable(said);
    EXPECT_FALSE(QFileInfo::exists(nowhere));
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

// A file as version 1 left it, before the figures had an index of their
// own, keeps every answer and gives the figures they add up to. A's three
// answers fall in three groups of level and verdict, and its last one was
// kept with the earliest time.
TEST(ProgressStore, AVersion1FileKeepsEveryAnswerAndItsFigures)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("progress.sqlite"));
    const QDateTime t0(QDate(2026, 3, 5), QTime(12, 0), Qt::UTC);
    const std::tuple<const char *, Outcome, int, QDateTime> keptRuns[2][3] = {
        {{"A", Outcome::Right, 3, t0.addSecs(60)},
         {"B", Outcome::Wrong, 2, t0.addSecs(120)},
         {"A", Outcome::Wrong, 1, t0.addSecs(180)}},
        {{"C", Outcome::DontKnow, 0, t0.addSecs(240)},
         {"B", Outcome::Right, 2, t0.addSecs(300)},
         {"A", Outcome::Wrong, 3, t0.addDays(-1)}},
    };
    {
        ProgressStore store(dir.path());
        ASSERT_TRUE(store.open().ok());
        for (const auto &run : keptRuns) {
            store.beginRun({QStringLiteral("Set"), QStringLiteral("qbank1.txt"), t0});
            for (const auto &[text, outcome, level, time] : run)
                ASSERT_TRUE(store.keep({answer(QString::fromUtf8(text), outcome, level), time}).ok());
        }
    }
    peek(file, QStringLiteral("DROP INDEX answer_figures"));
    peek(file, QStringLiteral("CREATE INDEX answer_statement_time ON answer(statement, time)"));
    peek(file, QStringLiteral("PRAGMA user_version = 1"));

    ProgressStore store(dir.path());
    ASSERT_TRUE(store.open().ok());
    EXPECT_EQ(peek(file, QStringLiteral("PRAGMA user_version")).toInt(), ProgressStore::SchemaVersion);
    EXPECT_EQ(peek(file,
                   QStringLiteral("SELECT group_concat(name) FROM (SELECT name FROM sqlite_schema"
                                  " WHERE type = 'index' AND sql IS NOT NULL ORDER BY name)"))
                  .toString(),
              QStringLiteral("answer_figures,answer_run"));
    QStringList statements;
    ASSERT_TRUE(
        store.readAnswers([&](const ProgressStore::AnswerRow &a) { statements << a.kept.answer.statement; })
            .ok());
    EXPECT_EQ(statements, QStringList({"A", "B", "A", "C", "B", "A"}));

    KeptFigures figures;
    ASSERT_TRUE(store.readFigures(figures).ok());
    EXPECT_EQ(figures.totals.answers, 6);
    EXPECT_EQ(figures.totals.runs, 2);
    EXPECT_EQ(figures.totals.first, t0.addDays(-1));
    EXPECT_EQ(figures.statements.size(), 3);
    for (const auto &[text, answers, right] : {std::tuple("A", 3, 1), {"B", 2, 1}, {"C", 1, 0}}) {
        const StatementCounts got = figures.statements.value(statementHash(QString::fromUtf8(text)));
        EXPECT_EQ(std::make_pair(got.answers, got.right), std::make_pair(answers, right)) << text;
    }
    const ScoreTally &c = figures.calibration;
    EXPECT_EQ((std::array{c.asked, c.answered, c.correct, c.wrong}), (std::array{6, 5, 2, 3}));
    EXPECT_EQ(confidenceCounts(c), (std::array{0, 1, 1, 1, 1, 1}));
    ASSERT_EQ(figures.latest.size(), 1u);
    EXPECT_EQ(figures.latest[0].answer.statement, QStringLiteral("A"));
    EXPECT_EQ(figures.latest[0].time, t0.addDays(-1));
}

// ---- Faults

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
    const QByteArray got
        = quorixtest::runInChild(
              asNobody,
              [&]() -> QByteArray {
                  Settings settings({});
                  settings.setKeepProgress(true);
                  ProgressKeeper keeper(settings, folder, maxPageCount);
                  keeper.beginRun(QStringLiteral("Set"), QStringLiteral("qbank1.txt"));
                  const QString longText(10000, QLatin1Char('x'));
                  keeper.keep(answer(QStringLiteral("First ") + longText, Outcome::Right));
                  const QString first = keeper.takeMessage();
                  keeper.keep(answer(QStringLiteral("Second ") + longText, Outcome::Wrong));
                  const QString second = keeper.takeMessage();
                  return first.toUtf8() + '\0' + second.toUtf8() + '\0' + (keeper.closedForRun() ? "1" : "0");
              },
              30000)
              .output;
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
