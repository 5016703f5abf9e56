// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/calibration.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace quorix {

namespace {

// k/n compared with a/b without division: the sign of k*b - a*n.
long long compareWith(LevelAnswers x, Fraction f)
{
    return (long long)x.right * f.denominator - (long long)f.numerator * x.answers;
}

double value(Fraction f)
{
    return double(f.numerator) / double(f.denominator);
}

QString levelLine(int level, LevelAnswers a)
{
    const QString name = levelName(level);
    if (a.answers == 0)
        return name + QStringLiteral(": 0 answers, not enough answers yet");
    return QStringLiteral("%1: %2 %3, %4% correct, best %5, %6")
        .arg(name)
        .arg(a.answers)
        .arg(a.answers == 1 ? QStringLiteral("answer") : QStringLiteral("answers"))
        .arg(wholePercent(a))
        .arg(QLatin1String(bestRange(level).text))
        .arg(verdictText(calibrationVerdict(level, a)));
}

} // namespace

QString levelName(int level)
{
    if (level < 1 || level > 3)
        return {};
    return QLatin1String(confidenceLevels[level - 1].name);
}

std::array<LevelAnswers, 3> levelAnswers(const ScoreTally &t)
{
    const std::array<int, 6> counts = confidenceCounts(t);
    std::array<LevelAnswers, 3> levels{};
    for (std::size_t i = 0; i < 3; ++i)
        levels[i] = {counts[i], counts[i] + counts[i + 3]};
    return levels;
}

int wholePercent(LevelAnswers a)
{
    if (a.answers <= 0)
        return 0;
    // floor(100k/n + 1/2) in whole numbers, so that 1 of 8 gives 13, not 12.
    return int((200LL * a.right + a.answers) / (2LL * a.answers));
}

BestRange bestRange(int level)
{
    // p, 4p - 2 and 9p - 6 cross at 2/3 and 4/5.
    switch (level) {
    case 1:
        return {{0, 1}, {2, 3}, "below 67%"};
    case 2:
        return {{2, 3}, {4, 5}, "67% to 80%"};
    default:
        return {{4, 5}, {1, 1}, "above 80%"};
    }
}

Interval wilsonInterval(LevelAnswers a, double z)
{
    if (a.answers <= 0)
        return {0, 1};
    const double n = a.answers;
    const double p = a.right / n;
    const double z2 = z * z;
    const double scale = 1 + z2 / n;
    const double centre = (p + z2 / (2 * n)) / scale;
    const double half = z / scale * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

CalibrationVerdict calibrationVerdict(int level, LevelAnswers a)
{
    if (a.answers < CalibrationMinimumAnswers)
        return CalibrationVerdict::NotEnoughAnswers;
    const BestRange range = bestRange(level);
    const Interval interval = wilsonInterval(a);
    // Below the range the student claimed more than they knew.
    if (compareWith(a, range.low) < 0)
        return interval.high < value(range.low) ? CalibrationVerdict::OverConfident
                                                : CalibrationVerdict::LittleOverConfident;
    if (compareWith(a, range.high) > 0)
        return interval.low > value(range.high) ? CalibrationVerdict::UnderConfident
                                                : CalibrationVerdict::LittleUnderConfident;
    return CalibrationVerdict::WellCalibrated;
}

QString verdictText(CalibrationVerdict verdict)
{
    switch (verdict) {
    case CalibrationVerdict::NotEnoughAnswers:
        return QStringLiteral("not enough answers yet");
    case CalibrationVerdict::WellCalibrated:
        return QStringLiteral("well calibrated");
    case CalibrationVerdict::LittleOverConfident:
        return QStringLiteral("a little over-confident");
    case CalibrationVerdict::OverConfident:
        return QStringLiteral("over-confident");
    case CalibrationVerdict::LittleUnderConfident:
        return QStringLiteral("a little under-confident");
    case CalibrationVerdict::UnderConfident:
        return QStringLiteral("under-confident");
    }
    return {};
}

int marksScored(int level, LevelAnswers a)
{
    return a.right * answerMarks(level, true) + (a.answers - a.right) * answerMarks(level, false);
}

int marksLost(int level, LevelAnswers a)
{
    int best = marksScored(1, a);
    for (int other = 2; other <= 3; ++other)
        best = std::max(best, marksScored(other, a));
    return best - marksScored(level, a);
}

QString calibrationDescription(const ScoreTally &t)
{
    const auto levels = levelAnswers(t);
    QStringList lines;
    for (int level = 1; level <= 3; ++level)
        lines << levelLine(level, levels[std::size_t(level - 1)]);
    return lines.join(QLatin1Char('\n'));
}

QString marksLostLine(const ScoreTally &t)
{
    const auto levels = levelAnswers(t);
    int lost[3];
    for (int level = 1; level <= 3; ++level)
        lost[level - 1] = marksLost(level, levels[std::size_t(level - 1)]);
    return QStringLiteral("Marks lost to miscalibration: unsure %1, fairly sure %2, very sure %3; total %4")
        .arg(lost[0])
        .arg(lost[1])
        .arg(lost[2])
        .arg(lost[0] + lost[1] + lost[2]);
}

QString dontKnowSentence()
{
    return QStringLiteral("On a true/false statement a guess at \"unsure\" earns +0.5 on average and never "
                          "loses marks; \"Don't know\" earns 0.");
}

} // namespace quorix
