// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/progressfigures.h"

#include "scoring/calibration.h"

#include <QCryptographicHash>
#include <QLocale>
#include <QSet>

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
    return report;
}

} // namespace quorix
