// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/chartbars.h"

#include "scoring/scores.h"

#include <QStringList>

#include <cmath>

namespace quorix {

namespace {
constexpr int rowTops[3] = {50, 100, 150};
constexpr int rowHeight = 50;
} // namespace

std::vector<ChartBar> chartBars(const ScoreTally &t)
{
    if (shareDenominator(t) == 0)
        return {};
    const auto shares = confidenceShares(t);
    std::vector<ChartBar> bars;
    for (int i = 0; i < 6; ++i) {
        const bool correct = i < 3;
        const double share = shares[std::size_t(i)];
        ChartBar bar;
        bar.axis = ChartAxisX;
        bar.end = float(correct ? ChartAxisX + share : ChartAxisX - share);
        bar.top = rowTops[i % 3];
        bar.bottom = bar.top + rowHeight;
        bar.correct = correct;
        bars.push_back(bar);
    }
    return bars;
}

QString chartDescription(const ScoreTally &t)
{
    if (shareDenominator(t) == 0)
        return QStringLiteral("no answers with a confidence yet");
    const auto shares = confidenceShares(t);
    QStringList parts;
    for (int i = 0; i < 3; ++i)
        parts << QStringLiteral("%1: %2% correct, %3% wrong")
                     .arg(QLatin1String(confidenceLevels[i].name))
                     .arg(std::lround(shares[std::size_t(i)]))
                     .arg(std::lround(shares[std::size_t(i + 3)]));
    return parts.join(QStringLiteral("; "));
}

} // namespace quorix
