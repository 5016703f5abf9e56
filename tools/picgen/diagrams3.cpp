// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/picgen/painting.h"
#include "tools/picgen/pictures.h"

#include <array>
#include <cmath>

namespace quorix::picgen {

using namespace colours;

namespace {

void dot(QPainter &p, QPointF at, const QColor &colour, double radius = 3.5)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, radius, radius);
    p.restore();
}

// A smooth line through data points, drawn in the plot's pixels.
void curve(QPainter &p, const Plot &plot, const std::vector<QPointF> &data, const QColor &colour,
           double width, Qt::PenStyle style = Qt::SolidLine)
{
    std::vector<QPointF> pixels;
    for (const QPointF &d : data)
        pixels.push_back(plot.map(d.x(), d.y()));
    p.save();
    setPen(p, colour, width, style);
    p.drawPath(smoothCurve(pixels));
    p.restore();
}

} // namespace

QImage betaCell()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("The pancreatic \u03b2-cell"), 6, 17);

    const QRectF cell(48, 36, 350, 330);
    box(p, cell, QString(), sans(12), QColor(255, 252, 225), 18, QColor(150, 130, 60), 1.5);
    textAt(p, QPointF(cell.left() + 12, cell.top() + 8), Qt::AlignLeft | Qt::AlignTop,
           QStringLiteral("\u03b2-cell"), sans(15, true));

    const double w = 154;
    const double h = 42;
    const double leftX = 62;
    const double rightX = 234;
    auto rowTop = [](int row) { return 66.0 + 58.0 * row; };
    auto node = [&](double x, int row, const QString &label, double border = 1) {
        const QRectF r(x, rowTop(row), w, h);
        box(p, r, label, fitted(label, w - 8, 13), Qt::white, 5, Qt::black, border);
        return r;
    };
    const QRectF glut = node(leftX, 0, QStringLiteral("GLUT: glucose enters"));
    const QRectF kinase = node(leftX, 1, QStringLiteral("glucokinase: glucose\n\u2192 glucose 6-phosphate"));
    const QRectF glycolysis
        = node(leftX, 2, QStringLiteral("glycolysis and\nmitochondria:\nATP/ADP ratio rises"));
    const QRectF channel = node(leftX, 3, QStringLiteral("ATP-sensitive K+ channel"), 2.5);
    const QRectF potential = node(rightX, 3, QStringLiteral("membrane potential"));
    const QRectF calcium = node(rightX, 2, QStringLiteral("voltage-gated\nCa2+ channel"));
    const QRectF entry = node(rightX, 1, QStringLiteral("Ca2+ enters the cell"));

    auto down = [&](const QRectF &a, const QRectF &b) {
        arrow(p, QPointF(a.center().x(), a.bottom() + 2), QPointF(b.center().x(), b.top() - 2), Qt::black,
              1.5, 8);
    };
    auto up = [&](const QRectF &a, const QRectF &b) {
        arrow(p, QPointF(a.center().x(), a.top() - 2), QPointF(b.center().x(), b.bottom() + 2), Qt::black,
              1.5, 8);
    };
    down(glut, kinase);
    down(kinase, glycolysis);
    down(glycolysis, channel);
    arrow(p, QPointF(channel.right() + 2, channel.center().y()),
          QPointF(potential.left() - 2, potential.center().y()), Qt::black, 1.5, 8);
    up(potential, calcium);
    up(calcium, entry);

    textAt(p, QPointF(2, glut.center().y() - 20), Qt::AlignLeft | Qt::AlignBottom,
           QStringLiteral("blood\nglucose"), sans(12));
    arrow(p, QPointF(6, glut.center().y() - 8), QPointF(glut.left() - 2, glut.center().y()), Qt::black, 1.5,
          8);

    // Insulin granules, released from the cell.
    const double granulesY = 78;
    for (int k = 0; k < 4; ++k) {
        p.setPen(QPen(DarkBlue, 1.2));
        p.setBrush(QColor(170, 205, 250));
        p.drawEllipse(QPointF(rightX + 40 + 22 * k, granulesY), 8, 8);
    }
    arrow(p, QPointF(entry.center().x(), entry.top() - 2), QPointF(entry.center().x(), granulesY + 11),
          Qt::black, 1.5, 8);
    arrow(p, QPointF(rightX + 40 + 22 * 3 + 11, granulesY), QPointF(cell.right() + 12, granulesY), Qt::black,
          1.5, 8);
    textAt(p, QPointF(cell.right() + 14, granulesY), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("insulin"), sans(12, true));

    const QRectF drug(leftX + 10, 318, w - 20, 30);
    box(p, drug, QStringLiteral("sulphonylurea drug"), sans(13), PaleBlue, 5);
    arrow(p, QPointF(drug.center().x(), drug.top() - 2), QPointF(drug.center().x(), channel.bottom() + 3),
          Qt::black, 1.5, 8, Qt::DashLine);
    return drawing.finish();
}

QImage fastingFuels()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Blood fuels during a long fast"), 8, 17);
    const Plot plot{QRectF(64, 44, 366, 276), 0, 40, 0, 8};
    axes(p, plot, {0, 10, 20, 30, 40}, {0, 2, 4, 6, 8}, QStringLiteral("Days without food"),
         QStringLiteral("Concentration in blood (mmol/L)"));
    curve(p, plot, {{0, 4.8}, {1, 4.3}, {3, 3.9}, {7, 3.7}, {20, 3.6}, {40, 3.6}}, DarkBlue, 2.5);
    curve(p, plot, {{0, 0.1}, {1, 0.5}, {3, 2.5}, {7, 4.5}, {14, 6.0}, {21, 6.5}, {40, 7.0}}, Red, 2.5);
    textAt(p, plot.map(30, 3.6) + QPointF(0, -6), Qt::AlignHCenter | Qt::AlignBottom,
           QStringLiteral("glucose"), sans(14, true), DarkBlue);
    textAt(p, plot.map(30, 6.8) + QPointF(0, -6), Qt::AlignHCenter | Qt::AlignBottom,
           QStringLiteral("ketone bodies"), sans(14, true), Red);
    return drawing.finish();
}

QImage vitaminD()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Activation of vitamin D"), 6, 17);

    const double x = 152;
    const double w = 200;
    const double h = 40;
    const double arrowLength = 30;
    const QFont boxFont = sans(14, true);
    const QFont label = sans(13);
    std::array<QRectF, 4> boxes;
    const std::array<QString, 4> names = {
        QStringLiteral("7-dehydrocholesterol"),
        // Both dietary forms join the skin's D3 here and follow the same path.
        QStringLiteral("vitamin D3 or D2\n(chole- or ergocalciferol)"),
        QStringLiteral("25-hydroxyvitamin D\n(calcidiol)"),
        QStringLiteral("1,25-dihydroxyvitamin D\n(calcitriol)"),
    };
    double y = 48;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = QRectF(x, y, w, h);
        const bool last = i + 1 == boxes.size();
        box(p, boxes[i], names[i], fitted(names[i], w - 10, 14, true), last ? PaleYellow : Qt::white, 5,
            Qt::black, last ? 3 : 1);
        y += h + arrowLength;
    }
    textAt(p, QPointF(x, boxes[0].top() - 2), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("SKIN"),
           sans(12, true), Grey);

    const std::array<QString, 3> steps = {
        QStringLiteral("UVB light"),
        QStringLiteral("LIVER: 25-hydroxylase"),
        QStringLiteral("KIDNEY: 1\u03b1-hydroxylase"),
    };
    const double centre = x + w / 2;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const double from = boxes[i].bottom() + 2;
        const double to = boxes[i + 1].top() - 2;
        arrow(p, QPointF(centre, from), QPointF(centre, to), Qt::black, 1.6, 9);
        textAt(p, QPointF(centre - 8, (from + to) / 2), Qt::AlignRight | Qt::AlignVCenter, steps[i], label);
    }
    const double end = boxes[3].bottom() + 2 + arrowLength;
    arrow(p, QPointF(centre, boxes[3].bottom() + 2), QPointF(centre, end), Qt::black, 1.6, 9);
    textAt(p, QPointF(centre, end + 3), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("more calcium absorbed from the intestine"), sans(13, true));

    const QRectF diet(4, boxes[1].top(), 118, h);
    box(p, diet, QStringLiteral("DIET: vitamin\nD2 and D3"), sans(13), LightGrey, 5);
    arrow(p, QPointF(diet.right() + 2, diet.center().y()), QPointF(x - 2, diet.center().y()), Qt::black, 1.6,
          9);

    const double kidneyY = (boxes[2].bottom() + boxes[3].top()) / 2;
    const QRectF hormone(364, kidneyY - 20, 84, h);
    box(p, hormone, QStringLiteral("parathyroid\nhormone"), sans(12), PaleBlue, 5);
    arrow(p, QPointF(hormone.left() - 2, kidneyY), QPointF(centre + 4, kidneyY), Qt::black, 1.6, 9,
          Qt::DashLine);
    // The sign of the control, so that the picture answers which way it acts.
    const QPointF sign((centre + hormone.left()) / 2 + 8, kidneyY);
    p.setBrush(Qt::white);
    setPen(p, Green, 1.6);
    p.drawEllipse(sign, 9, 9);
    p.setBrush(Qt::NoBrush);
    textAt(p, sign + QPointF(0, -1), Qt::AlignCenter, QStringLiteral("+"), sans(17, true), Green);
    textAt(p, QPointF(hormone.center().x(), hormone.bottom() + 3), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("stimulates"), sans(12, true), Green);
    return drawing.finish();
}

QImage folateB12()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Folate and vitamin B12"), 6, 17);

    const QFont boxFont = sans(14, true);
    const QFont label = sans(13);
    const QRectF thf(30, 92, 110, 36);
    const QRectF methylene(272, 92, 150, 36);
    const QRectF methyl(272, 262, 150, 36);
    const QRectF synthase(30, 256, 150, 48);
    box(p, thf, QStringLiteral("THF"), boxFont, PaleYellow, 5);
    box(p, methylene, QStringLiteral("5,10-methylene-THF"),
        fitted(QStringLiteral("5,10-methylene-THF"), 142, 14, true), PaleYellow, 5);
    box(p, methyl, QStringLiteral("5-methyl-THF"), boxFont, PaleYellow, 5);
    box(p, synthase, QString(), boxFont, PaleBlue, 5, Qt::black, 3);
    textAt(p, QPointF(synthase.center().x(), synthase.center().y() - 1), Qt::AlignHCenter | Qt::AlignBottom,
           QStringLiteral("methionine synthase"),
           fitted(QStringLiteral("methionine synthase"), 140, 14, true));
    textAt(p, QPointF(synthase.center().x(), synthase.center().y() + 1), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("(needs vitamin B12)"), sans(13));

    arrow(p, QPointF(thf.right() + 3, thf.center().y()), QPointF(methylene.left() - 3, thf.center().y()),
          Qt::black, 1.6, 9);
    textAt(p, QPointF((thf.right() + methylene.left()) / 2, thf.center().y() - 5),
           Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("serine") + Becomes + QStringLiteral("glycine"),
           label);
    arrow(p, QPointF(methylene.center().x(), methylene.bottom() + 3),
          QPointF(methylene.center().x(), methyl.top() - 3), Qt::black, 1.6, 9);
    textAt(p, QPointF(methylene.center().x() + 8, (methylene.bottom() + methyl.top()) / 2),
           Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("MTHFR"), sans(13, true));
    arrow(p, QPointF(methyl.left() - 3, methyl.center().y()),
          QPointF(synthase.right() + 3, methyl.center().y()), Qt::black, 1.6, 9);
    arrow(p, QPointF(thf.center().x(), synthase.top() - 3), QPointF(thf.center().x(), thf.bottom() + 3),
          Qt::black, 1.6, 9);

    // The methyl group goes to homocysteine, which becomes methionine.
    const QPointF from(synthase.left() + 14, synthase.bottom() + 22);
    const QPointF to(synthase.right() - 14, synthase.bottom() + 22);
    curvedArrow(p, from, QPointF(synthase.center().x(), synthase.bottom() + 48), to, Qt::black, 1.4, 8);
    textAt(p, from + QPointF(0, -2), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("homocysteine"),
           sans(12));
    textAt(p, to + QPointF(10, -2), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("methionine"),
           sans(12));

    // The branch to DNA synthesis.
    arrow(p, QPointF(methylene.center().x(), methylene.top() - 3), QPointF(methylene.center().x(), 62),
          Qt::black, 1.6, 9);
    textAt(p, QPointF(methylene.center().x(), 58), Qt::AlignHCenter | Qt::AlignBottom,
           QStringLiteral("dUMP") + Becomes + QStringLiteral("dTMP (DNA synthesis)"), label);
    return drawing.finish();
}

QImage ironAbsorption()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Iron absorption in the intestinal cell"), 4, 16);

    const QRectF cell(100, 56, 230, 286);
    box(p, cell, QString(), sans(12), LightGrey, 10, QColor(120, 120, 120), 1.5);
    textAt(p, QPointF(cell.center().x(), cell.top() + 6), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("intestinal cell"), sans(13, true), QColor(70, 70, 70));
    textAt(p, QPointF(48, 32), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("GUT LUMEN"), sans(13, true),
           QColor(70, 70, 70));
    textAt(p, QPointF(392, 32), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("BLOOD"), sans(13, true),
           QColor(150, 30, 30));

    const QFont ion = sans(14, true);
    auto protein = [&](QRectF r, const QString &label, const QColor &fill) {
        box(p, r, label, fitted(label, r.width() - 4, 12, true), fill, 5);
        return r;
    };

    // Non-haem iron: reduced at the surface, then carried in by DMT1.
    textAt(p, QPointF(30, 100), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Fe3+"), ion);
    const QRectF dcytb = protein(QRectF(78, 88, 46, 24), QStringLiteral("Dcytb"), PaleYellow);
    arrow(p, QPointF(50, 100), QPointF(dcytb.left() - 2, 100), Qt::black, 1.4, 8);
    textAt(p, QPointF(30, 140), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Fe2+"), ion);
    curvedArrow(p, QPointF(dcytb.left() + 6, dcytb.bottom() + 2), QPointF(60, 118), QPointF(42, 130),
                Qt::black, 1.4, 7);
    const QRectF dmt1 = protein(QRectF(78, 128, 46, 24), QStringLiteral("DMT1"), PaleBlue);
    arrow(p, QPointF(50, 140), QPointF(dmt1.left() - 2, 140), Qt::black, 1.4, 8);
    const QPointF iron(206, 150);
    textAt(p, iron, Qt::AlignCenter, QStringLiteral("Fe2+"), sans(16, true));
    arrow(p, QPointF(dmt1.right() + 2, 140), iron + QPointF(-22, -4), Qt::black, 1.4, 8);

    // Haem iron: carried in whole, then freed by haem oxygenase.
    textAt(p, QPointF(30, 234), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("haem"), ion);
    const QRectF carrier = protein(QRectF(70, 220, 62, 28), QStringLiteral("haem\ncarrier"), PaleBlue);
    arrow(p, QPointF(50, 234), QPointF(carrier.left() - 2, 234), Qt::black, 1.4, 8);
    const QRectF oxygenase = protein(QRectF(146, 220, 82, 28), QStringLiteral("haem\noxygenase"), PaleYellow);
    arrow(p, QPointF(carrier.right() + 2, 234), QPointF(oxygenase.left() - 2, 234), Qt::black, 1.4, 8);
    arrow(p, QPointF(oxygenase.center().x() + 10, oxygenase.top() - 2), iron + QPointF(-4, 12), Qt::black,
          1.4, 8);

    // Stored as ferritin, which is lost with the cell.
    const QRectF ferritin
        = protein(QRectF(234, 266, 88, 26), QStringLiteral("ferritin (store)"), QColor(245, 215, 180));
    arrow(p, iron + QPointF(14, 12), QPointF(ferritin.center().x() - 6, ferritin.top() - 2), Qt::black, 1.4,
          8);
    textAt(p, QPointF(ferritin.center().x() - 12, ferritin.bottom() + 4), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("lost when the cell is shed"), sans(11, false, true));

    // Out to the blood.
    const QRectF ferroportin = protein(QRectF(300, 138, 64, 24), QStringLiteral("ferroportin"), PaleBlue);
    arrow(p, iron + QPointF(24, 0), QPointF(ferroportin.left() - 2, 150), Qt::black, 1.4, 8);
    const QRectF hephaestin = protein(QRectF(376, 138, 68, 24), QStringLiteral("hephaestin"), PaleYellow);
    arrow(p, QPointF(ferroportin.right() + 2, 150), QPointF(hephaestin.left() - 2, 150), Qt::black, 1.4, 6);
    arrow(p, QPointF(hephaestin.center().x(), hephaestin.bottom() + 2), QPointF(hephaestin.center().x(), 196),
          Qt::black, 1.4, 8);
    textAt(p, QPointF(hephaestin.center().x() - 14, 200), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("Fe3+-transferrin"), sans(13, true));

    const QRectF hepcidin(346, 58, 102, 38);
    box(p, hepcidin, QStringLiteral("hepcidin\n(from the liver)"), sans(12), PaleGreen, 5);
    arrow(p, QPointF(hepcidin.left() + 12, hepcidin.bottom() + 2),
          QPointF(ferroportin.center().x() + 8, ferroportin.top() - 2), Qt::black, 1.4, 8, Qt::DashLine);
    return drawing.finish();
}

QImage glucoseTolerance()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Oral glucose tolerance test (75 g glucose)"), 8, 16);
    const Plot plot{QRectF(64, 44, 352, 278), 0, 120, 0, 16};
    axes(p, plot, {0, 30, 60, 90, 120}, {0, 2, 4, 6, 8, 10, 12, 14, 16},
         QStringLiteral("time after the glucose drink (min)"), QStringLiteral("plasma glucose (mmol/L)"));
    for (const double level : {7.8, 11.1}) {
        setPen(p, QColor(70, 70, 70), 1.4, Qt::DashLine);
        p.drawLine(plot.map(0, level), plot.map(120, level));
        textAt(p, plot.map(120, level) + QPointF(-2, -3), Qt::AlignRight | Qt::AlignBottom,
               QString::number(level), sans(13, true), QColor(70, 70, 70));
    }
    const std::vector<QPointF> a = {{0, 5.0}, {30, 7.6}, {60, 6.8}, {90, 6.0}, {120, 5.4}};
    const std::vector<QPointF> b = {{0, 7.6}, {30, 11.5}, {60, 14.2}, {90, 13.6}, {120, 12.4}};
    const QColor blue(30, 80, 200);
    curve(p, plot, a, blue, 2);
    curve(p, plot, b, Red, 3.5);
    for (const QPointF &d : a)
        dot(p, plot.map(d.x(), d.y()), blue, 4);
    for (const QPointF &d : b)
        dot(p, plot.map(d.x(), d.y()), Red, 5);
    textAt(p, plot.map(120, 5.4) + QPointF(10, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("A"),
           sans(17, true), blue);
    textAt(p, plot.map(120, 12.4) + QPointF(10, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("B"),
           sans(17, true), Red);
    return drawing.finish();
}

QImage requirements()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Distribution of requirements for a nutrient"), 8, 16);

    const double axisY = 310;
    const double mean = 240;
    const double sd = 40;
    const double peak = 230;
    auto height = [&](double x) { return axisY - peak * std::exp(-(x - mean) * (x - mean) / (2 * sd * sd)); };

    QPainterPath bell;
    bell.moveTo(60, height(60));
    for (double x = 60; x <= 420; x += 1)
        bell.lineTo(x, height(x));
    auto tail = [&](double from, double to) {
        QPainterPath area;
        area.moveTo(from, axisY);
        for (double x = from; x <= to; x += 1)
            area.lineTo(x, height(x));
        area.lineTo(to, axisY);
        area.closeSubpath();
        p.fillPath(area, QColor(200, 200, 200));
    };
    tail(60, mean - 2 * sd);
    tail(mean + 2 * sd, 420);
    setPen(p, QColor(20, 60, 160), 2.5);
    p.drawPath(bell);

    setPen(p, Qt::black, 1.3);
    p.drawLine(QPointF(50, axisY), QPointF(430, axisY));
    p.drawLine(QPointF(50, axisY), QPointF(50, 60));
    textAt(p, QPointF(240, axisY + 30), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("requirement (amount per day)"), sans(14));
    textUp(p, QPointF(30, 190), QStringLiteral("number of people"), sans(14));

    struct Mark {
        double sds;
        const char *above;
        QString below;
    };
    const std::array<Mark, 3> marks = {{
        {-2, "LRNI", QStringLiteral("\u22122 SD")},
        {0, "EAR", QStringLiteral("mean")},
        {2, "RNI", QStringLiteral("+2 SD")},
    }};
    for (const Mark &m : marks) {
        const double x = mean + m.sds * sd;
        setPen(p, Qt::black, 1.4, Qt::DashLine);
        p.drawLine(QPointF(x, axisY), QPointF(x, height(x)));
        textAt(p, QPointF(x, height(x) - 6), Qt::AlignHCenter | Qt::AlignBottom, QString::fromLatin1(m.above),
               sans(15, true));
        textAt(p, QPointF(x, axisY + 5), Qt::AlignHCenter | Qt::AlignTop, m.below, sans(13));
    }
    return drawing.finish();
}

QImage boneMass()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Bone mass through life"), 8, 17);
    const Plot plot{QRectF(64, 44, 366, 278), 0, 90, 0, 100};
    axes(p, plot, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}, {0, 20, 40, 60, 80, 100},
         QStringLiteral("age (years)"), QStringLiteral("bone mass (relative units)"));

    setPen(p, QColor(70, 70, 70), 1.4, Qt::DashLine);
    p.drawLine(plot.map(0, 55), plot.map(90, 55));
    // Left of the curves' fall, where nothing else crosses the line.
    textAt(p, plot.map(20, 55) + QPointF(2, -3), Qt::AlignLeft | Qt::AlignBottom,
           QStringLiteral("osteoporosis threshold"), sans(13), QColor(70, 70, 70));

    const QColor blue(30, 80, 200);
    curve(p, plot,
          {{0, 10},
           {10, 30},
           {15, 55},
           {20, 85},
           {30, 100},
           {40, 98},
           {50, 93},
           {60, 87},
           {70, 80},
           {80, 73},
           {90, 67}},
          blue, 2.5);
    curve(p, plot,
          {{0, 10},
           {10, 28},
           {15, 52},
           {20, 72},
           {30, 80},
           {40, 78},
           {50, 75},
           {55, 66},
           {60, 60},
           {70, 53},
           {80, 47},
           {90, 42}},
          Red, 3, Qt::DashLine);
    textAt(p, plot.map(80, 73) + QPointF(0, -8), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("men"),
           sans(14, true), blue);
    textAt(p, plot.map(80, 47) + QPointF(0, 8), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("women"),
           sans(14, true), Red);

    const QPointF menopause = plot.map(50, 75);
    arrow(p, plot.map(50, 42), menopause + QPointF(0, 6), Qt::black, 1.4, 8);
    textAt(p, plot.map(50, 42) + QPointF(0, 2), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("menopause"),
           sans(13, true));
    return drawing.finish();
}

QImage milkComposition()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Composition per 100 mL (approximate)"), 10, 17);

    const std::array<std::array<const char *, 3>, 8> rows = {{
        {"nutrient", "mature\nbreast milk", "whole\ncows' milk"},
        {"energy (kcal)", "69", "66"},
        {"protein (g)", "1.3", "3.3"},
        {"fat (g)", "4.1", "3.9"},
        {"lactose (g)", "7.2", "4.5"},
        {"sodium (mg)", "15", "44"},
        {"calcium (mg)", "34", "118"},
        {"iron (mg)", "0.07", "0.05"},
    }};
    const std::array<double, 4> columns = {26, 176, 302, 426};
    const double top = 44;
    const double headerHeight = 44;
    const double rowHeight = 35;
    p.fillRect(QRectF(columns[0], top, columns[3] - columns[0], headerHeight), QColor(222, 222, 222));
    double y = top;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double h = r == 0 ? headerHeight : rowHeight;
        for (std::size_t c = 0; c < 3; ++c) {
            const QRectF cellRect(columns[c] + 10, y, columns[c + 1] - columns[c] - 20, h);
            const int align = c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
            text(p, cellRect, align, QString::fromUtf8(rows[r][c]), sans(15, r == 0));
        }
        y += h;
        setPen(p, Qt::black, 1);
        p.drawLine(QPointF(columns[0], y + 0.5), QPointF(columns[3], y + 0.5));
    }
    setPen(p, Qt::black, 1);
    for (const double x : columns)
        p.drawLine(QPointF(x + 0.5, top), QPointF(x + 0.5, y));
    p.drawLine(QPointF(columns[0], top + 0.5), QPointF(columns[3], top + 0.5));
    return drawing.finish();
}

} // namespace quorix::picgen
