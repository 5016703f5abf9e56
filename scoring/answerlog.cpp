// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/answerlog.h"

#include "scoring/calibration.h"

#include <algorithm>
#include <numeric>

namespace quorix {

namespace {

int reviewGroup(const LoggedAnswer &e)
{
    if (e.outcome == Outcome::Wrong && e.confidence == 3)
        return 0;
    if (e.outcome == Outcome::Wrong && e.confidence == 2)
        return 1;
    if (e.outcome == Outcome::Right && e.confidence == 1)
        return 2;
    return 3;
}

QString signedMarks(int marks)
{
    return marks > 0 ? QStringLiteral("+%1").arg(marks) : QString::number(marks);
}

} // namespace

std::vector<std::size_t> reviewOrder(const std::vector<LoggedAnswer> &entries)
{
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&entries](std::size_t a, std::size_t b) {
        return reviewGroup(entries[a]) < reviewGroup(entries[b]);
    });
    return order;
}

QString reviewRowText(const LoggedAnswer &e)
{
    QString answer = e.answer;
    if (e.outcome != Outcome::DontKnow && e.confidence >= 1 && e.confidence <= 3)
        answer += QStringLiteral(", ") + levelName(e.confidence);
    QString verdict;
    switch (e.outcome) {
    case Outcome::Right:
        verdict = QStringLiteral("right");
        break;
    case Outcome::Wrong:
        verdict = QStringLiteral("wrong");
        break;
    case Outcome::DontKnow:
        verdict = QStringLiteral("Don't know");
        break;
    }
    // A statement spread over lines in its bank still makes one row.
    const QString statement = e.statement.simplified();
    return QStringLiteral("%1 \u2014 your answer: %2 \u2014 key: %3 \u2014 %4, %5")
        .arg(statement, answer, e.key, verdict, signedMarks(e.marks));
}

} // namespace quorix
