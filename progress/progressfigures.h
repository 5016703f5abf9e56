// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What is kept of the student's answers across runs, and the figures the
// progress window shows. The store (progressstore.h) keeps each marked
// statement, each run and each answer in one SQLite file; the keeper
// (progresskeeper.h) decides when, from the settings, and tells the student
// once when the file fails. The figures here are pure functions of counts
// read from the store and of the sets on the menu today.

#include "scoring/answerlog.h"
#include "scoring/tally.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class QLocale;

namespace quorix {

// A statement is known by the SHA-256 of its UTF-8 text, in hexadecimal.
QByteArray statementHash(const QString &text);

struct KeptTotals {
    int answers = 0;
    int runs = 0;
    QDateTime first; // of the first kept answer
};

struct StatementCounts {
    int answers = 0;
    int right = 0;
};

using CountsByStatement = QHash<QByteArray, StatementCounts>;

// One marked statement as it is kept.
struct KeptAnswer {
    LoggedAnswer answer;
    QDateTime time;
};

// What one run kept: its answers ("Don't know" included) as a tally, and
// the marks they earned.
struct RunTally {
    QDateTime started;
    ScoreTally tally; // asked counts every kept answer
    int marks = 0;
};

// Everything the window needs from the store.
struct KeptFigures {
    KeptTotals totals;
    CountsByStatement statements;
    ScoreTally calibration; // every kept answer, as a tally
    std::vector<RunTally> runs; // at least the last TrendRuns
    std::vector<KeptAnswer> latest; // at least the latest answers to revisit, in kept order
};

// A set on the menu as it is today: its title and its statements.
struct SetStatements {
    QString title;
    QStringList statements;
};

// "Kept on this computer: <a> answers in <r> runs since <long date>", or
// "Nothing kept yet".
QString summaryLine(const KeptTotals &totals, const QLocale &locale);

// "<title>: <s> of <n> statements seen, <p>% correct", or "<title>: not
// tried yet". n counts the set's distinct statements today, s those with a
// kept answer, p the kept answers to them that were right ("Don't know" is
// not right) as a whole percent with halves rounded up.
QString setRowText(const SetStatements &set, const CountsByStatement &counts);

inline constexpr int TrendRuns = 20;
inline constexpr int RevisitRows = 50;

// The marks a run lost to miscalibration: at each level, what its answers
// would have earned more at the level that pays most for them, as the
// calibration window counts it.
int marksLostToMiscalibration(const ScoreTally &tally);

// numerator / denominator cut toward zero to two decimals: "1.66", "-0.50".
QString hundredths(qint64 numerator, qint64 denominator);

struct TrendPoint {
    QDateTime started;
    int answers = 0;
    double marksPerAnswer = 0; // as the chart draws them, cut like the text
    double lostPerAnswer = 0;
    QString line; // "<long date> <HH:mm>: <k> answers, <m> marks per answer, <l> lost per answer"
};

// The last TrendRuns runs that kept an answer, oldest first; runs may come in
// any order.
std::vector<TrendPoint> trendPoints(std::vector<RunTally> runs, const QLocale &locale);
QString trendDescription(const std::vector<TrendPoint> &points);

struct RevisitRow {
    QString text; // as the calibration window's review shows the answer
    QString explanation;
    QDateTime time;
};

// The statements whose latest kept answer was wrong at fairly or very sure,
// most recent first, at most RevisitRows. Answers come in the order they
// were kept; a later one for the same statement replaces an earlier one.
std::vector<RevisitRow> revisitRows(const std::vector<KeptAnswer> &answers);

struct ProgressReport {
    QString summary;
    QStringList setRows; // in menu order
    ScoreTally calibration;
    std::vector<TrendPoint> trend;
    std::vector<RevisitRow> revisit;
};

ProgressReport progressReport(const KeptFigures &figures, const std::vector<SetStatements> &sets,
                              const QLocale &locale);

} // namespace quorix
