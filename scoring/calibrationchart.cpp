// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/calibrationchart.h"

#include "scoring/calibration.h"
#include "scoring/scorechart.h"
#include "scoring/tally.h"
#include "ui/labels.h"
#include "ui/twips.h"

#include <QLabel>

namespace quorix {

namespace {

// The chart in its own pixels: a row per level, the percentage axis from
// AxisX (0 %) to AxisX + AxisLength (100 %).
constexpr int AxisX = 112;
constexpr int AxisLength = 360;
constexpr int RowTops[3] = {8, 56, 104};
constexpr int RowHeight = 40;
constexpr int AxisBottom = 148;

const QColor RangeShade(200, 240, 200);
const QColor BarColor(90, 130, 235);

double xAt(double p)
{
    return AxisX + AxisLength * p;
}

double xAt(Fraction f)
{
    return xAt(double(f.numerator) / double(f.denominator));
}

} // namespace

QString calibrationChartKey()
{
    return QStringLiteral("Shaded: the range of percentage correct for which a level scores best. "
                          "Bar: your percentage correct. Black line: where it probably lies (95 %).");
}

void drawCalibrationChart(ScoreChart *chart, const ScoreTally &tally)
{
    chart->setAccessibleDescription(calibrationDescription(tally));
    chart->drawLine(QPointF(AxisX, 4), QPointF(AxisX, AxisBottom), Qt::black);
    chart->drawLine(QPointF(AxisX, AxisBottom), QPointF(xAt(1.0), AxisBottom), Qt::black);
    for (int tenth : {0, 5, 10}) {
        const double x = xAt(tenth / 10.0);
        chart->drawLine(QPointF(x, AxisBottom), QPointF(x, AxisBottom + 4), Qt::black);
        QLabel *tick = addLabel(chart, QStringLiteral("tick%1").arg(tenth * 10), int(x - 24) * TwipsPerPixel,
                                (AxisBottom + 4) * TwipsPerPixel, 48 * TwipsPerPixel, 240, 8.25, false,
                                Qt::black, QColor());
        tick->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        tick->setText(QStringLiteral("%1%").arg(tenth * 10));
    }

    const auto levels = levelAnswers(tally);
    for (int level = 1; level <= 3; ++level) {
        const LevelAnswers a = levels[std::size_t(level - 1)];
        const int top = RowTops[level - 1];
        addLabel(chart, QStringLiteral("level%1").arg(level), 60, (top + 10) * TwipsPerPixel,
                 (AxisX - 8) * TwipsPerPixel, 300, 9.75, true, Qt::black, QColor())
            ->setText(levelName(level));
        const BestRange range = bestRange(level);
        chart->fillRect(QPointF(xAt(range.low), top), QPointF(xAt(range.high), top + RowHeight), RangeShade);
        if (a.answers == 0)
            continue;
        const double p = double(a.right) / double(a.answers);
        chart->fillRect(QPointF(AxisX, top + 12), QPointF(xAt(p), top + 28), BarColor);
        chart->outlineRect(QPointF(AxisX, top + 12), QPointF(xAt(p), top + 28), Qt::black);
        const Interval interval = wilsonInterval(a);
        const double mid = top + 20;
        chart->drawLine(QPointF(xAt(interval.low), mid), QPointF(xAt(interval.high), mid), Qt::black);
        for (double x : {xAt(interval.low), xAt(interval.high)})
            chart->drawLine(QPointF(x, mid - 6), QPointF(x, mid + 6), Qt::black);
    }
}

} // namespace quorix
