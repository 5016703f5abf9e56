// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/picgen/painting.h"
#include "tools/picgen/pictures.h"

#include <array>
#include <cmath>

namespace quorix::picgen {

using namespace colours;

QImage foodLabel()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Nutrition information"), 10, 18);

    struct Row {
        const char *name;
        const char *value;
        bool indented;
    };
    const std::array<Row, 8> rows = {{
        {"Energy", "? kJ", false},
        {"Fat", "10 g", false},
        {"of which saturates", "4 g", true},
        {"Carbohydrate", "20 g", false},
        {"of which sugars", "8 g", true},
        {"Fibre", "3 g", false},
        {"Protein", "5 g", false},
        {"Salt", "1.0 g", false},
    }};
    const double left = 36;
    const double right = 416;
    const double top = 46;
    const double rowHeight = 35;
    const QFont bold = sans(16, true);
    const QFont plain = sans(16);

    p.fillRect(QRectF(left, top, right - left, rowHeight), QColor(225, 225, 225));
    text(p, QRectF(left + 12, top, 200, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Typical values"), bold);
    text(p, QRectF(right - 172, top, 160, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
         QStringLiteral("Per 100 g"), bold);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double y = top + rowHeight * double(i + 1);
        const Row &row = rows[i];
        text(p, QRectF(left + (row.indented ? 36 : 12), y, 240, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromUtf8(row.name), row.indented ? plain : bold);
        text(p, QRectF(right - 172, y, 160, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
             QString::fromUtf8(row.value), i == 0 ? bold : plain);
        setPen(p, Qt::black, i == 1 ? 3 : 1);
        p.drawLine(QPointF(left, y + 0.5), QPointF(right, y + 0.5));
    }
    setPen(p, Qt::black, 2);
    p.drawRect(QRectF(left, top, right - left, rowHeight * double(rows.size() + 1)));
    return drawing.finish();
}

QImage michaelisMenten()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    // [S] runs to 5.5 Km, where the rate is 85% of Vmax.
    const Plot plot{QRectF(62, 40, 368, 290), 0, 5.5, 0, 1.18};
    axes(p, plot, {}, {}, QString(), QString(), AxisStyle{false, 0, 0, sans(13), sans(14)});
    const QFont label = sans(14);
    text(p, QRectF(0, plot.area.bottom() + 26, DiagramWidth, 22), Qt::AlignHCenter | Qt::AlignTop,
         QStringLiteral("Substrate concentration [S]"), sans(15));
    textAt(p, QPointF(plot.area.left() - 4, 12), Qt::AlignLeft | Qt::AlignTop,
           QStringLiteral("Rate of reaction (v)"), sans(15));

    setPen(p, Qt::black, 1.2, Qt::DashLine);
    p.drawLine(plot.map(0, 1), plot.map(5.5, 1));
    textAt(p, QPointF(plot.area.left() - 6, plot.py(1)), Qt::AlignRight | Qt::AlignVCenter,
           QStringLiteral("Vmax"), label);
    p.drawLine(plot.map(0, 0.5), plot.map(1, 0.5));
    p.drawLine(plot.map(1, 0.5), plot.map(1, 0));
    textAt(p, QPointF(plot.area.left() - 6, plot.py(0.5)), Qt::AlignRight | Qt::AlignVCenter,
           QStringLiteral("Vmax / 2"), label);
    textAt(p, QPointF(plot.px(1), plot.area.bottom() + 4), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("Km"), sans(14, true));

    QPainterPath curve;
    for (int i = 0; i <= 400; ++i) {
        const double s = 5.5 * i / 400.0;
        const QPointF point = plot.map(s, s / (1 + s));
        i == 0 ? curve.moveTo(point) : curve.lineTo(point);
    }
    setPen(p, Blue, 2.5);
    p.drawPath(curve);
    return drawing.finish();
}

QImage feedbackInhibition()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("A pathway and its end product"), 14, 17);
    const double y = 210;
    const std::array<double, 4> centres = {48, 162, 276, 390};
    const std::array<const char *, 4> names = {"A", "B", "C", "D"};
    for (std::size_t i = 0; i < centres.size(); ++i)
        box(p, QRectF(centres[i] - 28, y - 21, 56, 42), QString::fromLatin1(names[i]), sans(18, true),
            QColor(235, 242, 255), 8);
    for (std::size_t i = 0; i + 1 < centres.size(); ++i) {
        const double from = centres[i] + 32;
        const double to = centres[i + 1] - 32;
        arrow(p, QPointF(from, y), QPointF(to, y), Qt::black, 1.8, 10);
        textAt(p, QPointF((from + to) / 2 - (i == 0 ? 12 : 0), y - 8), Qt::AlignHCenter | Qt::AlignBottom,
               QStringLiteral("E%1").arg(i + 1), sans(15, true));
    }

    // The end product comes back to the first enzyme and ends on a bar.
    const double down = (centres[0] + centres[1]) / 2 + 8;
    setPen(p, Red, 2.2, Qt::DashLine);
    p.drawPolyline(QPolygonF(
        {QPointF(centres[3], y - 22), QPointF(centres[3], 96), QPointF(down, 96), QPointF(down, y - 8)}));
    setPen(p, Red, 3.2);
    p.drawLine(QPointF(down - 10, y - 6), QPointF(down + 10, y - 6));
    const QPointF sign((down + centres[3]) / 2, 96);
    p.setPen(QPen(Red, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(sign, 13, 13);
    setPen(p, Red, 3);
    p.drawLine(sign - QPointF(6, 0), sign + QPointF(6, 0));
    return drawing.finish();
}

QImage enterocyteSugars()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    const QRectF cell(76, 98, 300, 188);
    const QFont label = sans(13);
    const QFont name = sans(13, true);

    // Blood along the bottom, lumen above.
    p.fillRect(QRectF(0, DiagramHeight - 28, DiagramWidth, 28), QColor(250, 200, 200));
    text(p, QRectF(0, DiagramHeight - 28, DiagramWidth, 28), Qt::AlignCenter,
         QStringLiteral("Blood (capillary of the villus)"), sans(14, true), QColor(150, 20, 20));
    textAt(p, QPointF(DiagramWidth / 2.0, 6), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("Intestinal lumen"), sans(15, true));

    // Microvilli along the luminal edge, then the cell over them.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 245, 190));
    for (double x = cell.left() + 6; x < cell.right() - 8; x += 11)
        p.drawRoundedRect(QRectF(x, cell.top() - 12, 7, 20), 3.5, 3.5);
    box(p, cell, QString(), label, QColor(255, 245, 190), 16, Qt::black, 1.5);
    textAt(p, QPointF(cell.right() + 4, cell.top() - 8), Qt::AlignLeft | Qt::AlignBottom,
           QStringLiteral("brush\nborder"), sans(12), Grey);
    textAt(p, cell.center() + QPointF(0, -4), Qt::AlignCenter, QStringLiteral("low Na+ inside the cell"),
           sans(13), Grey);

    auto transporter = [&](QPointF at, const QColor &colour) {
        p.setPen(QPen(colour.darker(140), 1.5));
        p.setBrush(colour);
        p.drawEllipse(at, 13, 13);
    };
    const double top = cell.top();
    const double bottom = cell.bottom();

    // SGLT1: glucose or galactose with two sodium ions.
    transporter(QPointF(150, top), QColor(60, 180, 80));
    arrow(p, QPointF(145, 58), QPointF(145, top + 40), Qt::black, 1.8, 9);
    arrow(p, QPointF(156, 58), QPointF(156, top + 40), Qt::black, 1.8, 9);
    textAt(p, QPointF(141, 54), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("glucose, galactose"),
           label);
    textAt(p, QPointF(160, 54), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("2 Na+"), label);
    textAt(p, QPointF(140, top + 14), Qt::AlignRight | Qt::AlignTop, QStringLiteral("SGLT1"), name,
           QColor(0, 120, 40));

    // GLUT5: fructose alone.
    transporter(QPointF(302, top), QColor(90, 140, 235));
    arrow(p, QPointF(302, 58), QPointF(302, top + 40), Qt::black, 1.8, 9);
    textAt(p, QPointF(302, 54), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("fructose"), label);
    textAt(p, QPointF(312, top + 14), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("GLUT5"), name, Blue);

    // GLUT2: all three sugars out to the blood.
    transporter(QPointF(150, bottom), QColor(90, 140, 235));
    arrow(p, QPointF(150, bottom - 40), QPointF(150, bottom + 40), Qt::black, 1.8, 9);
    textAt(p, QPointF(150, bottom + 43), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("glucose, galactose, fructose"), label);
    textAt(p, QPointF(140, bottom - 14), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("GLUT2"), name,
           Blue);

    // The sodium pump on the blood side.
    transporter(QPointF(302, bottom), QColor(245, 160, 60));
    arrow(p, QPointF(296, bottom - 40), QPointF(296, bottom + 40), Qt::black, 1.8, 9);
    arrow(p, QPointF(309, bottom + 40), QPointF(309, bottom - 40), Qt::black, 1.8, 9);
    textAt(p, QPointF(291, bottom + 34), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("3 Na+"), label);
    textAt(p, QPointF(314, bottom + 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("2 K+"), label);
    textAt(p, QPointF(320, bottom + 3), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Na+/K+-ATPase"), name,
           QColor(190, 90, 0));
    textAt(p, QPointF(318, bottom - 16), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("ATP"),
           sans(13, true), QColor(190, 90, 0));
    return drawing.finish();
}

QImage energyExpenditure()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Daily energy expenditure of a sedentary adult"), 8, 16);

    const double base = 348;
    const double perMJ = 25;
    const double left = 150;
    const double right = 262;
    const double axisX = 112;
    const QFont small = sans(13);

    setPen(p, Qt::black, 1.2);
    p.drawLine(QPointF(axisX, base), QPointF(axisX, base - 10 * perMJ));
    for (int mj = 0; mj <= 10; mj += 2) {
        const double y = base - mj * perMJ;
        p.drawLine(QPointF(axisX - 5, y), QPointF(axisX, y));
        textAt(p, QPointF(axisX - 8, y), Qt::AlignRight | Qt::AlignVCenter, QString::number(mj), small);
    }
    textAt(p, QPointF(axisX - 14, base - 10 * perMJ - 30), Qt::AlignHCenter | Qt::AlignBottom,
           QStringLiteral("MJ per day"), small);
    p.drawLine(QPointF(axisX - 10, base), QPointF(right + 20, base));

    struct Segment {
        double mj;
        QColor colour;
        const char *name;
        const char *amount;
    };
    const std::array<Segment, 3> segments = {{
        {6.5, QColor(80, 130, 220), "Basal metabolic rate", "6.5 MJ (65%)"},
        {1.0, QColor(245, 150, 50), "Thermic effect of food", "1.0 MJ (10%)"},
        {2.5, QColor(90, 190, 90), "Physical activity", "2.5 MJ (25%)"},
    }};
    double bottom = base;
    const std::array<double, 3> labelY = {base - 3.25 * perMJ, base - 7.0 * perMJ, base - 8.9 * perMJ - 14};
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const Segment &s = segments[i];
        const double top = bottom - s.mj * perMJ;
        box(p, QRectF(left, top, right - left, bottom - top), QString(), small, s.colour, 0, Qt::black, 1);
        const double middle = (top + bottom) / 2;
        setPen(p, Qt::black, 1);
        p.drawPolyline(
            QPolygonF({QPointF(right, middle), QPointF(right + 12, middle), QPointF(right + 20, labelY[i])}));
        textAt(p, QPointF(right + 24, labelY[i]), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromLatin1(s.name) + QLatin1Char('\n') + QString::fromLatin1(s.amount),
               sans(13, false));
        bottom = top;
    }
    textAt(p, QPointF((left + right) / 2, base - 10 * perMJ - 6), Qt::AlignHCenter | Qt::AlignBottom,
           QStringLiteral("Total 10.0 MJ per day"), sans(14, true));
    return drawing.finish();
}

QImage bmiChart()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    const Plot plot{QRectF(66, 22, 366, 300), 1.50, 1.90, 40, 120};

    // The bands, shaded between their lines and clipped to the plot.
    auto line = [&](double bmi) {
        std::vector<QPointF> points;
        for (int i = 0; i <= 40; ++i) {
            const double h = 1.50 + 0.01 * i;
            points.push_back(plot.map(h, bmi * h * h));
        }
        return points;
    };
    auto band = [&](double low, double high, const QColor &colour) {
        std::vector<QPointF> lower
            = low > 0 ? line(low) : std::vector<QPointF>{plot.map(1.50, 0), plot.map(1.90, 0)};
        std::vector<QPointF> upper
            = high > 0 ? line(high) : std::vector<QPointF>{plot.map(1.50, 200), plot.map(1.90, 200)};
        QPolygonF shape;
        for (const QPointF &pt : lower)
            shape << pt;
        for (auto it = upper.rbegin(); it != upper.rend(); ++it)
            shape << *it;
        p.save();
        p.setClipRect(plot.area);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(shape);
        p.restore();
    };
    band(0, 18.5, QColor(205, 225, 250));
    band(18.5, 25, QColor(205, 240, 205));
    band(25, 30, QColor(255, 245, 190));
    band(30, 0, QColor(252, 215, 210));

    std::vector<double> heights = {1.50, 1.60, 1.70, 1.80, 1.90};
    std::vector<double> weights;
    for (int w = 40; w <= 120; w += 10)
        weights.push_back(w);
    AxisStyle style;
    style.decimalsX = 2;
    style.titles = sans(14);
    axes(p, plot, heights, weights, QStringLiteral("Height (m)"), QStringLiteral("Weight (kg)"), style);

    for (const double bmi : {18.5, 25.0, 30.0}) {
        const std::vector<QPointF> points = line(bmi);
        setPen(p, QColor(40, 40, 40), 2);
        p.drawPolyline(QPolygonF(QList<QPointF>(points.begin(), points.end())));
        const QString name = QStringLiteral("BMI ") + QString::number(bmi);
        textAt(p, points.back() + QPointF(-4, -4), Qt::AlignRight | Qt::AlignBottom, name, sans(13, true));
    }
    const QFont bandFont = sans(14, true);
    textAt(p, plot.map(1.83, 48), Qt::AlignCenter, QStringLiteral("Underweight"), bandFont,
           QColor(30, 70, 150));
    textAt(p, plot.map(1.66, 60), Qt::AlignCenter, QStringLiteral("Healthy weight"), bandFont,
           QColor(20, 110, 40));
    textAt(p, plot.map(1.585, 69.5), Qt::AlignCenter, QStringLiteral("Overweight"), bandFont,
           QColor(140, 110, 0));
    textAt(p, plot.map(1.59, 102), Qt::AlignCenter, QStringLiteral("Obese"), bandFont, QColor(160, 40, 30));
    return drawing.finish();
}

} // namespace quorix::picgen
