// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What is kept of the student's answers across runs, and the figures the
// progress window shows. The store (progressstore.h) keeps each marked
// statement, each run and each answer in one SQLite file; the keeper
// (progresskeeper.h) decides when, from the settings, and tells the student
// once when the file fails. The figures here are pure functions of counts
// read from the store and of the sets on the menu today.

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

// Everything the window needs from the store.
struct KeptFigures {
    KeptTotals totals;
    CountsByStatement statements;
    ScoreTally calibration; // every kept answer, as a tally
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

struct ProgressReport {
    QString summary;
    QStringList setRows; // in menu order
    ScoreTally calibration;
};

ProgressReport progressReport(const KeptFigures &figures, const std::vector<SetStatements> &sets,
                              const QLocale &locale);

} // namespace quorix
