// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/check/figures.h"
#include "tools/check/bankchecker.h"
#include "tools/check/cues.h"

#include "core/datafile.h"
#include "core/datafolder.h"
#include "questions/bankloader.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace quorix::check {

namespace {

struct Bank {
    QString name;
    CueFigures figures;
};

QString pValue(double p)
{
    return QString::number(p, 'g', 2);
}

// "-" where there is nothing to measure.
QString share(int part, int whole)
{
    if (whole == 0)
        return QStringLiteral("-");
    return QStringLiteral("%1 of %2 (%3 %)").arg(part).arg(whole).arg(qRound(100.0 * part / whole));
}

QString row(const QStringList &cells, const std::vector<int> &widths)
{
    QString out = cells[0].leftJustified(widths[0]);
    for (int i = 1; i < cells.size(); ++i)
        out += QStringLiteral("  ") + cells[i].rightJustified(widths[std::size_t(i)]);
    return out.trimmed();
}

// A table whose columns are as wide as their widest cell.
QStringList table(const QList<QStringList> &rows)
{
    std::vector<int> widths(std::size_t(rows[0].size()), 0);
    for (const QStringList &cells : rows) {
        for (int i = 0; i < cells.size(); ++i)
            widths[std::size_t(i)] = std::max(widths[std::size_t(i)], int(cells[i].size()));
    }
    QStringList out;
    for (const QStringList &cells : rows)
        out << row(cells, widths);
    return out;
}

QStringList lengthTable(const std::vector<Bank> &banks)
{
    QList<QStringList> rows{{QStringLiteral("bank"), QStringLiteral("true"), QStringLiteral("false"),
                             QStringLiteral("mean true"), QStringLiteral("mean false"),
                             QStringLiteral("longer is true"), QStringLiteral("binomial p"),
                             QStringLiteral("AUC")}};
    for (const Bank &b : banks) {
        const CueFigures &f = b.figures;
        rows << QStringList{
            b.name,
            QString::number(f.trueCount),
            QString::number(f.falseCount),
            f.trueCount > 0 ? QString::number(f.meanTrueLength, 'f', 1) : QStringLiteral("-"),
            f.falseCount > 0 ? QString::number(f.meanFalseLength, 'f', 1) : QStringLiteral("-"),
            share(f.longerTrue, int(f.lengthPairs.size())),
            pValue(f.lengthP),
            f.trueCount > 0 && f.falseCount > 0 ? QString::number(f.auc, 'f', 3) : QStringLiteral("-")};
    }
    return table(rows);
}

QStringList wordTable(const std::vector<Bank> &banks, int list)
{
    QList<QStringList> rows{{QStringLiteral("bank"), QStringLiteral("false with"),
                             QStringLiteral("false without"), QStringLiteral("Fisher p")}};
    for (const Bank &b : banks) {
        const WordCueFigures &w = b.figures.words[std::size_t(list)];
        rows << QStringList{b.name, share(w.withFalse, w.with), share(w.withoutFalse, w.without),
                            pValue(w.p)};
    }
    return table(rows);
}

// The banks a path names: a bank file, or those a data folder's menu opens.
QStringList bankPaths(const QString &path)
{
    if (!QFileInfo(path).isDir() || BankChecker::namedLikeDataFile(path))
        return {path};
    const DataFolder folder(path);
    QStringList out;
    for (int k = 1; k <= DataFolder::OptionCount; ++k) {
        const QString name = folder.bank(k);
        if (QFileInfo::exists(name))
            out << QDir::cleanPath(QDir(path).filePath(DataFolder::bankName(k)));
    }
    return out;
}

} // namespace

FiguresReport figuresReport(const QStringList &paths)
{
    FiguresReport report;
    std::vector<Bank> banks;
    std::vector<QuestionRecord> all;
    for (const QString &path : paths) {
        const QStringList found = bankPaths(path);
        if (found.isEmpty())
            report.problems << QStringLiteral("%1: the folder holds no bank that the menu opens").arg(path);
        for (const QString &bankPath : found) {
            const DataFileContents file = readDataFile(bankPath);
            if (!file.ok()) {
                report.problems << QStringLiteral("%1: cannot be read: %2")
                                       .arg(bankPath,
                                            file.problem == DataFileProblem::Missing
                                                ? QStringLiteral("no such file")
                                                : file.reason);
                continue;
            }
            const auto loaded = parseBank(file.bytes, bankPath);
            if (!loaded) {
                report.problems << loaded.error();
                continue;
            }
            banks.push_back({bankPath, measureCues(loaded->records)});
            all.insert(all.end(), loaded->records.begin(), loaded->records.end());
        }
    }
    if (banks.empty())
        return report;
    if (banks.size() > 1)
        banks.push_back({QStringLiteral("all"), measureCues(all)});
    const CueFigures &total = banks.back().figures;

    QStringList &out = report.lines;
    out << QStringLiteral("Length: the characters (Unicode code points) of a statement as read, quotes "
                          "excluded. \"longer is true\": records with opposite keys whose statements differ "
                          "in length. AUC: the chance that a random true statement is longer than a random "
                          "false one, ties counting half.");
    out << lengthTable(banks);
    out << QStringLiteral("Answering TRUE to every statement longer than %1 characters (halfway between the "
                          "means), and FALSE to the rest, is right for %2.")
               .arg(total.cut, 0, 'f', 1)
               .arg(share(total.rightByCut, int(total.statements.size())));
    for (int list = 0; list < CueListCount; ++list) {
        const CueWordList &words = cueWordLists()[std::size_t(list)];
        out << QString();
        out << QStringLiteral("%1%2 words (a word is a maximal run of letters, case ignored): %3. How often "
                              "the statements with one are false, against those without.")
                   .arg(QChar(QLatin1Char(words.name[0])).toUpper())
                   .arg(QLatin1String(words.name + 1), words.words.join(QStringLiteral(", ")));
        out << wordTable(banks, list);
    }
    out << QString();
    out << QStringLiteral("A bank is warned of, in either direction, when a cue has p < %1: length with at "
                          "least %2 records whose statements have opposite keys and differ in length "
                          "(exact two-sided binomial test at 1/2); a word list with at least %3 statements "
                          "holding one of its words (exact two-sided Fisher test).")
               .arg(cueSignificance)
               .arg(minLengthRecords)
               .arg(minWordStatements);
    return report;
}

} // namespace quorix::check
