// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/trendchart.h"

#include "scoring/scorechart.h"
#include "ui/labels.h"
#include "ui/twips.h"

#include <QLabel>

namespace quorix {

namespace {

// The chart in its own pixels: marks per answer from -6 (the most a wrong
// answer can cost) to +6 (the most miscalibration can cost), the runs spread
// from AxisLeft to AxisRight.
constexpr int AxisLeft = 40;
constexpr int AxisRight = 484;
constexpr int AxisTop = 8;
constexpr int AxisBottom = 212; // the chart is 224 pixels high
constexpr int Lowest = -6;
constexpr int Highest = 6;

const QColor MarksColor(90, 130, 235);
const QColor LostColor(215, 60, 50);
const QColor GridColor(215, 215, 215);

double yAt(double marks)
{
    return AxisBottom - (marks - Lowest) * (AxisBottom - AxisTop) / double(Highest - Lowest);
}

double xAt(std::size_t run)
{
    // Room for TrendRuns runs, so that a few runs do not stretch the scale.
    return AxisLeft + 12 + double(run) * (AxisRight - AxisLeft - 24) / double(TrendRuns - 1);
}

void drawSeries(ScoreChart *chart, const std::vector<TrendPoint> &points, double TrendPoint::*figure,
                const QColor &color)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF at(xAt(i), yAt(points[i].*figure));
        if (i > 0)
            chart->drawLine(QPointF(xAt(i - 1), yAt(points[i - 1].*figure)), at, color);
        chart->fillRect(at - QPointF(3, 3), at + QPointF(3, 3), color);
    }
}

} // namespace

QString trendChartKey()
{
    return QStringLiteral("Blue: marks per answer. Red: marks lost to miscalibration per answer. "
                          "One point per run, the last %1 runs, oldest on the left.")
        .arg(TrendRuns);
}

void drawTrendChart(ScoreChart *chart, const std::vector<TrendPoint> &points)
{
    chart->setAccessibleDescription(trendDescription(points));
    for (int marks = Lowest; marks <= Highest; marks += 3) {
        const double y = yAt(marks);
        chart->drawLine(QPointF(AxisLeft, y), QPointF(AxisRight, y), marks == 0 ? Qt::black : GridColor);
        QLabel *tick
            = addLabel(chart, QStringLiteral("tick%1").arg(marks - Lowest), 0, int(y - 8) * TwipsPerPixel,
                       (AxisLeft - 4) * TwipsPerPixel, 240, 8.25, false, Qt::black, QColor());
        tick->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tick->setText(marks > 0 ? QStringLiteral("+%1").arg(marks) : QString::number(marks));
    }
    chart->drawLine(QPointF(AxisLeft, AxisTop), QPointF(AxisLeft, AxisBottom), Qt::black);
    drawSeries(chart, points, &TrendPoint::lostPerAnswer, LostColor);
    drawSeries(chart, points, &TrendPoint::marksPerAnswer, MarksColor);
}

} // namespace quorix
