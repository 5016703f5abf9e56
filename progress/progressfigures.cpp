// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/progressfigures.h"

#include "scoring/calibration.h"

#include <QCryptographicHash>
#include <QLocale>
#include <QSet>

#include <algorithm>

namespace quorix {

namespace {

QString counted(int n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

} // namespace

QByteArray statementHash(const QString &text)
{
    return QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex();
}

QString summaryLine(const KeptTotals &totals, const QLocale &locale)
{
    if (totals.answers == 0)
        return QStringLiteral("Nothing kept yet");
    return QStringLiteral("Kept on this computer: %1 in %2 since %3")
        .arg(counted(totals.answers, "answer", "answers"), counted(totals.runs, "run", "runs"),
             locale.toString(totals.first.toLocalTime().date(), QLocale::LongFormat));
}

QString setRowText(const SetStatements &set, const CountsByStatement &counts)
{
    QSet<QByteArray> hashes;
    for (const QString &statement : set.statements)
        hashes.insert(statementHash(statement));
    int seen = 0;
    LevelAnswers kept;
    for (const QByteArray &hash : std::as_const(hashes)) {
        const auto found = counts.constFind(hash);
        if (found == counts.cend() || found->answers == 0)
            continue;
        seen += 1;
        kept.answers += found->answers;
        kept.right += found->right;
    }
    if (seen == 0)
        return set.title + QStringLiteral(": not tried yet");
    return QStringLiteral("%1: %2 of %3 statements seen, %4% correct")
        .arg(set.title)
        .arg(seen)
        .arg(hashes.size())
        .arg(wholePercent(kept));
}

ProgressReport progressReport(const KeptFigures &figures, const std::vector<SetStatements> &sets,
                              const QLocale &locale)
{
    ProgressReport report;
    report.summary = summaryLine(figures.totals, locale);
    for (const SetStatements &set : sets)
        report.setRows << setRowText(set, figures.statements);
    report.calibration = figures.calibration;
    report.trend = trendPoints(figures.runs, locale);
    report.revisit = revisitRows(figures.latest);
    return report;
}

int marksLostToMiscalibration(const ScoreTally &tally)
{
    const auto levels = levelAnswers(tally);
    int lost = 0;
    for (int level = 1; level <= 3; ++level)
        lost += marksLost(level, levels[std::size_t(level - 1)]);
    return lost;
}

QString hundredths(qint64 numerator, qint64 denominator)
{
    if (denominator == 0)
        return QStringLiteral("0.00");
    // Integer division cuts toward zero, which is what is wanted.
    const qint64 cut = numerator * 100 / denominator;
    const qint64 whole = cut < 0 ? -cut : cut;
    return QStringLiteral("%1%2.%3")
        .arg(QLatin1String(cut < 0 ? "-" : ""))
        .arg(whole / 100)
        .arg(whole % 100, 2, 10, QLatin1Char('0'));
}

std::vector<TrendPoint> trendPoints(std::vector<RunTally> runs, const QLocale &locale)
{
    std::erase_if(runs, [](const RunTally &run) { return run.tally.asked == 0; });
    std::stable_sort(runs.begin(), runs.end(),
                     [](const RunTally &a, const RunTally &b) { return a.started < b.started; });
    if (runs.size() > std::size_t(TrendRuns))
        runs.erase(runs.begin(), runs.end() - TrendRuns);
    std::vector<TrendPoint> points;
    for (const RunTally &run : runs) {
        TrendPoint point;
        point.started = run.started;
        point.answers = run.tally.asked;
        const QString marks = hundredths(run.marks, point.answers);
        const QString lost = hundredths(marksLostToMiscalibration(run.tally), point.answers);
        point.marksPerAnswer = marks.toDouble();
        point.lostPerAnswer = lost.toDouble();
        const QDateTime local = run.started.toLocalTime();
        point.line = QStringLiteral("%1 %2: %3, %4 marks per answer, %5 lost per answer")
                         .arg(locale.toString(local.date(), QLocale::LongFormat),
                              local.time().toString(QStringLiteral("HH:mm")),
                              counted(point.answers, "answer", "answers"), marks, lost);
        points.push_back(point);
    }
    return points;
}

QString trendDescription(const std::vector<TrendPoint> &points)
{
    QStringList lines;
    for (const TrendPoint &point : points)
        lines << point.line;
    return lines.join(QLatin1Char('\n'));
}

std::vector<RevisitRow> revisitRows(const std::vector<KeptAnswer> &answers)
{
    QHash<QString, std::size_t> latest; // statement -> index of its latest answer
    for (std::size_t i = 0; i < answers.size(); ++i)
        latest.insert(answers[i].answer.statement, i);
    std::vector<std::size_t> wrong;
    for (const std::size_t i : std::as_const(latest)) {
        const LoggedAnswer &a = answers[i].answer;
        if (a.outcome == Outcome::Wrong && a.confidence >= 2)
            wrong.push_back(i);
    }
    // Most recent first; of two kept at the same moment, the later kept.
    std::sort(wrong.begin(), wrong.end(), [&answers](std::size_t a, std::size_t b) {
        if (answers[a].time != answers[b].time)
            return answers[a].time > answers[b].time;
        return a > b;
    });
    if (wrong.size() > std::size_t(RevisitRows))
        wrong.resize(RevisitRows);
    std::vector<RevisitRow> rows;
    for (const std::size_t i : wrong)
        rows.push_back({reviewRowText(answers[i].answer), answers[i].answer.explanation, answers[i].time});
    return rows;
}

} // namespace quorix
