// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/picgen/painting.h"
#include "tools/picgen/pictures.h"

#include <array>
#include <cmath>

namespace quorix::picgen {

using namespace colours;

QImage glycolysis()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Glycolysis"), 6, 17);

    const std::array<const char *, 9> steps = {
        "glucose",
        "glucose 6-phosphate",
        "fructose 6-phosphate",
        "fructose 1,6-bisphosphate",
        "2 \u00d7 glyceraldehyde 3-phosphate",
        "2 \u00d7 1,3-bisphosphoglycerate",
        "2 \u00d7 3-phosphoglycerate",
        "2 \u00d7 phosphoenolpyruvate",
        "2 \u00d7 pyruvate",
    };
    struct Label {
        const char *enzyme;
        QString change;
        QColor colour;
        bool bold;
    };
    const std::array<Label, 8> labels = {{
        {"hexokinase", QStringLiteral("ATP") + Becomes + QStringLiteral("ADP"), Red, false},
        {"phosphoglucose isomerase", QString(), Qt::black, false},
        {"phosphofructokinase-1", QStringLiteral("ATP") + Becomes + QStringLiteral("ADP"), Red, true},
        {"aldolase (+ triose phosphate isomerase)", QString(), Qt::black, false},
        {"glyceraldehyde 3-phosphate dehydrogenase",
         QStringLiteral("2 NAD+") + Becomes + QStringLiteral("2 NADH"), Blue, false},
        {"phosphoglycerate kinase", QStringLiteral("2 ADP") + Becomes + QStringLiteral("2 ATP"), Green,
         false},
        {"(two steps)", QString(), Qt::black, false},
        {"pyruvate kinase", QStringLiteral("2 ADP") + Becomes + QStringLiteral("2 ATP"), Green, false},
    }};

    const double left = 18;
    const double width = 196;
    const double top = 32;
    const double height = 26;
    const double pitch = 38;
    const QFont boxFont = fitted(QString::fromUtf8(steps[4]), width - 10, 13);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const double y = top + pitch * double(i);
        box(p, QRectF(left, y, width, height), QString::fromUtf8(steps[i]), boxFont, QColor(245, 245, 245),
            4);
    }
    const double labelLeft = left + width + 10;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const double from = top + pitch * double(i) + height;
        const double to = top + pitch * double(i + 1);
        const double middle = (from + to) / 2;
        arrow(p, QPointF(left + width / 2, from + 1), QPointF(left + width / 2, to - 1), Qt::black, 1.3, 7);
        const Label &label = labels[i];
        const QString enzyme = QString::fromUtf8(label.enzyme);
        const QFont font = fitted(enzyme, DiagramWidth - labelLeft - 4, 13, label.bold);
        if (i == 3) {
            // Above the dashed line that marks where the chain doubles.
            textAt(p, QPointF(labelLeft, middle - 2), Qt::AlignLeft | Qt::AlignBottom, enzyme, font);
        } else if (label.change.isEmpty()) {
            textAt(p, QPointF(labelLeft, middle), Qt::AlignLeft | Qt::AlignVCenter, enzyme, font);
        } else {
            textAt(p, QPointF(labelLeft, middle + 1), Qt::AlignLeft | Qt::AlignBottom, enzyme, font);
            textAt(p, QPointF(labelLeft, middle + 1), Qt::AlignLeft | Qt::AlignTop, label.change,
                   sans(13, true), label.colour);
        }
    }
    const double split = top + pitch * 3 + height + (pitch - height) / 2;
    setPen(p, Grey, 1, Qt::DashLine);
    p.drawLine(QPointF(4, split), QPointF(left + width / 2 - 8, split));
    p.drawLine(QPointF(left + width / 2 + 8, split), QPointF(DiagramWidth - 4, split));
    textAt(p, QPointF(DiagramWidth - 6, split + 2), Qt::AlignRight | Qt::AlignTop,
           QStringLiteral("from here on, 2 of each per glucose"), sans(11), Grey);
    return drawing.finish();
}

QImage coriCycle()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("The Cori cycle"), 8, 17);

    const QRectF liver(16, 56, 174, 272);
    const QRectF muscle(262, 56, 174, 272);
    box(p, liver, QString(), sans(13), PaleYellow, 14, QColor(150, 130, 60), 1.5);
    box(p, muscle, QString(), sans(13), PalePink, 14, QColor(170, 90, 100), 1.5);
    textAt(p, QPointF(liver.center().x(), liver.top() + 8), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("LIVER"), sans(15, true));
    textAt(p, QPointF(muscle.center().x(), muscle.top() + 8), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("MUSCLE, RED CELLS"), sans(14, true));
    textAt(p, QPointF(DiagramWidth / 2.0, liver.top() + 10), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("BLOOD"), sans(12, true), Grey);

    const QFont boxFont = sans(15, true);
    const double glucoseY = 104;
    const double lactateY = 268;
    auto node = [&](const QRectF &area, double y, const QString &label) {
        const QRectF r(area.center().x() - 56, y - 15, 112, 30);
        box(p, r, label, boxFont, Qt::white, 6);
        return r;
    };
    const QRectF liverGlucose = node(liver, glucoseY, QStringLiteral("glucose"));
    const QRectF liverLactate = node(liver, lactateY, QStringLiteral("2 lactate"));
    const QRectF muscleGlucose = node(muscle, glucoseY, QStringLiteral("glucose"));
    const QRectF muscleLactate = node(muscle, lactateY, QStringLiteral("2 lactate"));

    arrow(p, QPointF(liverLactate.center().x(), liverLactate.top() - 2),
          QPointF(liverGlucose.center().x(), liverGlucose.bottom() + 2), Qt::black, 2, 10);
    textUp(p, QPointF(liverGlucose.center().x() + 16, (glucoseY + lactateY) / 2),
           QStringLiteral("gluconeogenesis"), sans(14, false, true));
    arrow(p, QPointF(muscleGlucose.center().x(), muscleGlucose.bottom() + 2),
          QPointF(muscleLactate.center().x(), muscleLactate.top() - 2), Qt::black, 2, 10);
    textUp(p, QPointF(muscleGlucose.center().x() + 16, (glucoseY + lactateY) / 2),
           QStringLiteral("glycolysis"), sans(14, false, true));

    arrow(p, QPointF(liverGlucose.right() + 2, glucoseY), QPointF(muscleGlucose.left() - 2, glucoseY), Red, 2,
          10);
    textAt(p, QPointF(DiagramWidth / 2.0, glucoseY - 4), Qt::AlignHCenter | Qt::AlignBottom,
           QStringLiteral("glucose"), sans(13), Red);
    arrow(p, QPointF(muscleLactate.left() - 2, lactateY), QPointF(liverLactate.right() + 2, lactateY), Blue,
          2, 10);
    textAt(p, QPointF(DiagramWidth / 2.0, lactateY + 4), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("lactate"), sans(13), Blue);
    return drawing.finish();
}

QImage bmiBands()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Adult BMI bands"), 14, 17);
    textAt(p, QPointF(DiagramWidth / 2.0, 42), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("BMI = weight (kg) \u00f7 height (m)\u00b2"), sans(15));

    auto x = [](double bmi) { return 30 + (bmi - 15) * (392.0 / 30.0); };
    struct Band {
        double from, to;
        QColor colour;
        const char *label;
    };
    const std::array<Band, 6> bands = {{
        {15, 18.5, QColor(200, 225, 250), "Under-\nweight"},
        {18.5, 25, QColor(200, 240, 200), "Healthy\nweight"},
        {25, 30, QColor(255, 245, 180), "Over-\nweight"},
        {30, 35, QColor(255, 215, 160), "Obesity\nclass I"},
        {35, 40, QColor(250, 175, 110), "Obesity\nclass II"},
        {40, 45, QColor(245, 150, 150), "Obesity\nclass III"},
    }};
    const double top = 96;
    const double bottom = 206;
    for (const Band &b : bands) {
        const QRectF r(x(b.from), top, x(b.to) - x(b.from), bottom - top);
        box(p, r, QString(), sans(12), b.colour, 0);
        const QString label = QString::fromLatin1(b.label);
        text(p, r, Qt::AlignCenter, label, fitted(label, r.width() - 7, 14, true));
    }
    const double axisY = bottom + 10;
    setPen(p, Qt::black, 1.2);
    p.drawLine(QPointF(x(15), axisY), QPointF(x(45), axisY));
    for (const double bmi : {15.0, 18.5, 25.0, 30.0, 35.0, 40.0, 45.0}) {
        const bool end = bmi == 15 || bmi == 45;
        setPen(p, end ? Grey : Qt::black, 1.2);
        p.drawLine(QPointF(x(bmi), axisY), QPointF(x(bmi), axisY + 6));
        textAt(p, QPointF(x(bmi), axisY + 8), Qt::AlignHCenter | Qt::AlignTop, QString::number(bmi),
               end ? sans(12) : sans(14, true), end ? Grey : QColor(Qt::black));
    }
    textAt(p, QPointF(DiagramWidth / 2.0, axisY + 30), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("BMI (kg/m\u00b2)"), sans(14));
    textAt(p, QPointF(30, 300), Qt::AlignLeft | Qt::AlignTop,
           QStringLiteral("Healthy weight: 18.5 to 24.9. Overweight: 25 to 29.9.\n"
                          "Obesity: class I 30 to 34.9, class II 35 to 39.9, class III 40 or more."),
           sans(12.5));
    return drawing.finish();
}

QImage weightLoss()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Body weight after cutting intake by 2 MJ a day"), 8, 16);
    const Plot plot{QRectF(64, 42, 366, 278), 0, 24, 70, 100};
    axes(p, plot, {0, 6, 12, 18, 24}, {70, 75, 80, 85, 90, 95, 100}, QStringLiteral("Months on the diet"),
         QStringLiteral("Body weight (kg)"));

    setPen(p, Grey, 1.8, Qt::DashLine);
    p.drawLine(plot.map(0, 100), plot.map(15, 70));
    textAt(p, plot.map(15.4, 72.5), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("if the loss stayed\nat 2 kg a month"), sans(13), Grey);

    std::vector<QPointF> points;
    for (const QPointF &d :
         {QPointF(0, 100), QPointF(3, 96), QPointF(6, 93), QPointF(12, 89), QPointF(18, 86), QPointF(24, 84)})
        points.push_back(plot.map(d.x(), d.y()));
    setPen(p, QColor(20, 50, 150), 2.5);
    p.drawPath(smoothCurve(points));
    textAt(p, plot.map(24, 84) + QPointF(-2, 8), Qt::AlignRight | Qt::AlignTop,
           QStringLiteral("typical actual weight"), sans(14, true), QColor(20, 50, 150));
    return drawing.finish();
}

QImage betaOxidation()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("One turn of \u03b2-oxidation"), 6, 17);

    const QFont boxFont = sans(13, true);
    const QFont label = sans(13);
    const QRectF acyl(24, 58, 160, 32);
    const QRectF enoyl(268, 58, 160, 32);
    const QRectF hydroxy(268, 256, 160, 32);
    const QRectF oxo(24, 256, 160, 32);
    box(p, acyl, QStringLiteral("fatty acyl-CoA (n carbons)"),
        fitted(QStringLiteral("fatty acyl-CoA (n carbons)"), 152, 13, true), PaleYellow, 5);
    box(p, enoyl, QStringLiteral("trans-\u03942-enoyl-CoA"), boxFont, PaleYellow, 5);
    box(p, hydroxy, QStringLiteral("3-hydroxyacyl-CoA"), boxFont, PaleYellow, 5);
    box(p, oxo, QStringLiteral("3-oxoacyl-CoA"), boxFont, PaleYellow, 5);

    // 1: dehydrogenation by FAD.
    arrow(p, QPointF(acyl.right() + 3, acyl.center().y()), QPointF(enoyl.left() - 3, acyl.center().y()),
          Qt::black, 1.6, 9);
    textAt(p, QPointF(226, acyl.top() - 4), Qt::AlignHCenter | Qt::AlignBottom,
           QStringLiteral("acyl-CoA dehydrogenase"), label);
    textAt(p, QPointF(226, acyl.bottom() + 4), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("FAD") + Becomes + QStringLiteral("FADH2"), sans(13, true), Blue);
    // 2: hydration.
    arrow(p, QPointF(enoyl.center().x(), enoyl.bottom() + 3), QPointF(enoyl.center().x(), hydroxy.top() - 3),
          Qt::black, 1.6, 9);
    textAt(p, QPointF(enoyl.center().x() + 8, 166), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("hydratase\n+ H2O"), label);
    // 3: dehydrogenation by NAD+.
    arrow(p, QPointF(hydroxy.left() - 3, hydroxy.center().y()),
          QPointF(oxo.right() + 3, hydroxy.center().y()), Qt::black, 1.6, 9);
    textAt(p, QPointF(226, hydroxy.top() - 4), Qt::AlignHCenter | Qt::AlignBottom,
           QStringLiteral("NAD+") + Becomes + QStringLiteral("NADH"), sans(13, true), Blue);
    textAt(p, QPointF(226, hydroxy.bottom() + 4), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("3-hydroxyacyl-CoA dehydrogenase"), label);
    // 4: thiolysis, which splits off acetyl-CoA and leaves a shorter chain.
    const double stem = acyl.center().x() - 30;
    const QPointF fork(stem, 214);
    setPen(p, Qt::black, 1.6);
    p.drawLine(QPointF(stem, oxo.top() - 2), fork);
    textAt(p, QPointF(stem - 6, 232), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("thiolase,\n+ CoA"),
           label);
    arrow(p, fork, QPointF(stem, acyl.bottom() + 3), Qt::black, 1.6, 9);
    textAt(p, QPointF(stem + 8, 132), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("fatty acyl-CoA\n(n \u2212 2 carbons):\nnext turn"), label);
    const QRectF acetyl(152, 190, 150, 30);
    arrow(p, fork, QPointF(acetyl.left() - 3, acetyl.center().y() + 4), Qt::black, 1.6, 9);
    box(p, acetyl, QStringLiteral("acetyl-CoA (2 carbons)"),
        fitted(QStringLiteral("acetyl-CoA (2 carbons)"), 142, 13, true), PaleGreen, 5);

    textAt(p, QPointF(DiagramWidth / 2.0, 340), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("Each turn removes 2 carbons from the carboxyl end."), sans(13, false, true));
    return drawing.finish();
}

QImage lipoproteins()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Lipoproteins in the blood"), 6, 17);

    const QFont boxFont = sans(13, true);
    const QFont label = sans(12);
    const QColor lightGrey(225, 225, 225);
    const QRectF intestine(8, 44, 92, 38);
    const QRectF chylomicron(150, 44, 96, 38);
    const QRectF remnant(330, 44, 114, 38);
    const QRectF liver(8, 164, 92, 38);
    const QRectF vldl(128, 164, 70, 38);
    const QRectF idl(262, 164, 52, 38);
    const QRectF ldl(354, 164, 90, 38);
    const QRectF hdl(132, 286, 90, 38);
    const QRectF cells(330, 286, 114, 38);

    box(p, intestine, QStringLiteral("small\nintestine"), sans(12, true), lightGrey, 5);
    box(p, chylomicron, QStringLiteral("chylomicron"), fitted(QStringLiteral("chylomicron"), 90, 13, true),
        PaleYellow, 5);
    box(p, remnant, QStringLiteral("chylomicron\nremnant"), sans(12, true), PaleYellow, 5);
    box(p, liver, QStringLiteral("LIVER"), sans(14, true), QColor(150, 60, 45), 5, QColor(90, 30, 20), 1,
        Qt::white);
    box(p, vldl, QStringLiteral("VLDL"), boxFont, PaleOrange, 5);
    box(p, idl, QStringLiteral("IDL"), boxFont, PaleOrange, 5);
    box(p, ldl, QStringLiteral("LDL"), boxFont, QColor(250, 170, 80), 5);
    box(p, hdl, QStringLiteral("HDL"), boxFont, PaleBlue, 5);
    box(p, cells, QStringLiteral("body cells"), sans(13, true), lightGrey, 5);

    auto across = [&](const QRectF &a, const QRectF &b, const QString &over) {
        const double y = a.center().y();
        arrow(p, QPointF(a.right() + 2, y), QPointF(b.left() - 2, y), Qt::black, 1.4, 8);
        if (!over.isEmpty())
            textAt(p, QPointF((a.right() + b.left()) / 2, y - 4), Qt::AlignHCenter | Qt::AlignBottom, over,
                   sans(11));
    };
    across(intestine, chylomicron, QStringLiteral("lymph"));
    across(chylomicron, remnant, QStringLiteral("lipoprotein\nlipase"));
    across(liver, vldl, QString());
    across(vldl, idl, QStringLiteral("lipoprotein\nlipase"));
    across(idl, ldl, QString());

    // Remnants go back to the liver.
    polyArrow(p,
              {QPointF(remnant.center().x(), remnant.bottom() + 2), QPointF(remnant.center().x(), 122),
               QPointF(liver.center().x(), 122), QPointF(liver.center().x(), liver.top() - 2)},
              Qt::black, 1.4, 8);
    textAt(p, QPointF(230, 119), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("taken up by the liver"),
           label);

    // LDL is cleared through its receptor, by body cells and by the liver.
    arrow(p, QPointF(ldl.center().x() + 4, ldl.bottom() + 2), QPointF(ldl.center().x() + 4, cells.top() - 2),
          Qt::black, 1.4, 8);
    textAt(p, QPointF(ldl.center().x() + 9, 244), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("LDL\nreceptor"), sans(11));
    QPainterPath back;
    back.moveTo(ldl.center().x() - 16, ldl.bottom() + 2);
    back.cubicTo(QPointF(ldl.center().x() - 16, 250), QPointF(120, 250), QPointF(70, 240));
    p.save();
    setPen(p, Qt::black, 1.4);
    p.drawPath(back);
    p.restore();
    arrow(p, QPointF(70, 240), QPointF(liver.center().x() + 16, liver.bottom() + 2), Qt::black, 1.4, 8);
    textAt(p, QPointF(262, 240), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("LDL receptor"), label);

    // Reverse cholesterol transport.
    arrow(p, QPointF(cells.left() - 2, cells.center().y()), QPointF(hdl.right() + 2, hdl.center().y()),
          Qt::black, 1.4, 8);
    textAt(p, QPointF((hdl.right() + cells.left()) / 2, hdl.center().y() - 4),
           Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("cholesterol"), label);
    arrow(p, QPointF(hdl.left() + 10, hdl.top() - 2), QPointF(liver.right() - 6, liver.bottom() + 2),
          Qt::black, 1.4, 8);
    textAt(p, QPointF(liver.center().x() - 10, 262), Qt::AlignHCenter | Qt::AlignVCenter,
           QStringLiteral("to the\nliver"), label);

    textAt(p, QPointF(DiagramWidth / 2.0, 336), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral(
               "Lipoprotein lipase on capillary walls releases fatty acids\nto adipose tissue and muscle."),
           sans(12, false, true));
    return drawing.finish();
}

QImage transamination()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("Moving amino groups"), 6, 17);

    const QFont heading = sans(14, true);
    const QFont small = sans(12);
    textAt(p, QPointF(10, 34), Qt::AlignLeft | Qt::AlignTop,
           QStringLiteral("Transamination (an aminotransferase)"), heading);

    const double y = 132;
    const double w = 88;
    const std::array<double, 4> lefts = {4, 114, 250, 360};
    const std::array<const char *, 4> names = {"amino acid", "2-oxoglutarate", "2-oxo acid", "glutamate"};
    const std::array<QColor, 4> fills = {PaleBlue, PaleYellow, PaleYellow, PaleBlue};
    const QFont boxFont = fitted(QStringLiteral("2-oxoglutarate"), w - 6, 14, true);
    for (std::size_t i = 0; i < names.size(); ++i)
        box(p, QRectF(lefts[i], y - 17, w, 34), QString::fromLatin1(names[i]), boxFont, fills[i], 5);
    textAt(p, QPointF((lefts[0] + w + lefts[1]) / 2, y), Qt::AlignCenter, QStringLiteral("+"),
           sans(18, true));
    textAt(p, QPointF((lefts[2] + w + lefts[3]) / 2, y), Qt::AlignCenter, QStringLiteral("+"),
           sans(18, true));
    const double arrowFrom = lefts[1] + w + 6;
    const double arrowTo = lefts[2] - 6;
    doubleArrow(p, QPointF(arrowFrom, y), QPointF(arrowTo, y), Qt::black, 1.6, 8);
    textAt(p, QPointF((arrowFrom + arrowTo) / 2, y - 20), Qt::AlignHCenter | Qt::AlignBottom,
           QStringLiteral("aminotransferase"), small);
    textAt(p, QPointF((arrowFrom + arrowTo) / 2, y + 21), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("coenzyme: pyridoxal phosphate"), small);

    // The amino group passes from the amino acid to 2-oxoglutarate, which becomes glutamate.
    const QPointF start(lefts[0] + w / 2, y - 19);
    const QPointF end(lefts[3] + w / 2, y - 19);
    curvedArrow(p, start, QPointF(DiagramWidth / 2.0, 50), end, Blue, 1.8, 10);
    textAt(p, QPointF(DiagramWidth / 2.0, 77), Qt::AlignHCenter | Qt::AlignBottom,
           QStringLiteral("\u2013NH2"), sans(15, true), Blue);

    setPen(p, QColor(200, 200, 200), 1);
    p.drawLine(QPointF(10, 202), QPointF(DiagramWidth - 10, 202));
    textAt(p, QPointF(10, 214), Qt::AlignLeft | Qt::AlignTop,
           QStringLiteral("Oxidative deamination (glutamate dehydrogenase)"), heading);
    const double y2 = 274;
    const QRectF glutamate(30, y2 - 17, 104, 34);
    const QRectF oxoglutarate(238, y2 - 17, 116, 34);
    box(p, glutamate, QStringLiteral("glutamate"), boxFont, PaleBlue, 5);
    box(p, oxoglutarate, QStringLiteral("2-oxoglutarate"), boxFont, PaleYellow, 5);
    arrow(p, QPointF(glutamate.right() + 6, y2), QPointF(oxoglutarate.left() - 6, y2), Qt::black, 1.6, 9);
    textAt(p, QPointF((glutamate.right() + oxoglutarate.left()) / 2, y2 + 6), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("NAD+") + Becomes + QStringLiteral("NADH"), small);
    textAt(p, QPointF(oxoglutarate.right() + 14, y2), Qt::AlignCenter, QStringLiteral("+"), sans(18, true));
    const QPointF ammonia(oxoglutarate.right() + 48, y2);
    textAt(p, ammonia, Qt::AlignCenter, QStringLiteral("NH3"), sans(17, true));
    arrow(p, ammonia + QPointF(0, 14), ammonia + QPointF(0, 50), Qt::black, 1.6, 9);
    textAt(p, ammonia + QPointF(0, 54), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("to the urea cycle"),
           small);
    return drawing.finish();
}

QImage ureaCycle()
{
    Drawing drawing;
    QPainter &p = drawing.painter();
    title(p, QStringLiteral("The urea cycle"), 4, 17);

    const QRectF mitochondrion(6, 30, 176, 344);
    box(p, mitochondrion, QString(), sans(12), QColor(232, 232, 232), 14, QColor(150, 150, 150), 1.5);
    textAt(p, QPointF(mitochondrion.center().x(), mitochondrion.top() + 6), Qt::AlignHCenter | Qt::AlignTop,
           QStringLiteral("MITOCHONDRION"), sans(13, true), QColor(80, 80, 80));
    textAt(p, QPointF(316, 30), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("CYTOSOL"), sans(13, true),
           QColor(80, 80, 80));

    const QFont boxFont = sans(13, true);
    const QFont small = sans(12);
    auto node = [&](QPointF centre, const QString &label, double w = 110) {
        const QRectF r(centre.x() - w / 2, centre.y() - 14, w, 28);
        box(p, r, label, fitted(label, w - 6, 13, true), PaleYellow, 5);
        return r;
    };
    const QRectF citrulline = node(QPointF(206, 210), QStringLiteral("citrulline"), 96);
    const QRectF succinate = node(QPointF(306, 100), QStringLiteral("argininosuccinate"), 124);
    const QRectF arginine = node(QPointF(392, 210), QStringLiteral("arginine"), 96);
    const QRectF ornithine = node(QPointF(306, 320), QStringLiteral("ornithine"), 96);

    // Clockwise round the cycle.
    curvedArrow(p, QPointF(citrulline.center().x(), citrulline.top() - 2), QPointF(212, 104),
                QPointF(succinate.left() - 2, succinate.center().y()), Qt::black, 1.6, 9);
    curvedArrow(p, QPointF(succinate.right() + 2, succinate.center().y()), QPointF(392, 104),
                QPointF(arginine.center().x(), arginine.top() - 2), Qt::black, 1.6, 9);
    curvedArrow(p, QPointF(arginine.center().x(), arginine.bottom() + 2), QPointF(392, 316),
                QPointF(ornithine.right() + 2, ornithine.center().y()), Qt::black, 1.6, 9);
    // Ornithine goes back into the mitochondrion, where it takes up carbamoyl phosphate.
    const double join = 120;
    polyArrow(p,
              {QPointF(ornithine.left() - 2, ornithine.center().y()), QPointF(join, ornithine.center().y()),
               QPointF(join, citrulline.center().y()),
               QPointF(citrulline.left() - 2, citrulline.center().y())},
              Qt::black, 1.6, 9);

    textAt(p, QPointF(16, 62), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("NH3 + HCO3\u2212"),
           sans(13, true));
    const QRectF carbamoyl(14, 140, 136, 28);
    box(p, carbamoyl, QStringLiteral("carbamoyl phosphate"),
        fitted(QStringLiteral("carbamoyl phosphate"), 128, 13, true), PaleYellow, 5);
    arrow(p, QPointF(36, 80), QPointF(36, carbamoyl.top() - 2), Qt::black, 1.6, 9);
    textAt(p, QPointF(44, 82), Qt::AlignLeft | Qt::AlignTop,
           QStringLiteral("carbamoyl phosphate\nsynthetase I"), sans(11));
    textAt(p, QPointF(44, 112), Qt::AlignLeft | Qt::AlignTop,
           QStringLiteral("2 ATP") + Becomes + QStringLiteral("2 ADP + 2 Pi"), sans(11, true), Red);
    setPen(p, Qt::black, 1.6);
    p.drawPolyline(QPolygonF({QPointF(70, carbamoyl.bottom() + 2), QPointF(70, citrulline.center().y()),
                              QPointF(join, citrulline.center().y())}));

    // Aspartate comes in on the way to argininosuccinate.
    const QPointF aspartateIn(223, 142);
    textAt(p, QPointF(200, 60), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("aspartate"),
           sans(13, true));
    curvedArrow(p, QPointF(200, 62), QPointF(200, 130), aspartateIn, Qt::black, 1.4, 8);
    textAt(p, QPointF(236, 150), Qt::AlignLeft | Qt::AlignTop,
           QStringLiteral("argininosuccinate\nsynthetase"), small);
    textAt(p, QPointF(236, 180), Qt::AlignLeft | Qt::AlignTop,
           QStringLiteral("ATP") + Becomes + QStringLiteral("AMP + PPi"), sans(12, true), Red);

    // Fumarate leaves on the way to arginine.
    curvedArrow(p, QPointF(370, 124), QPointF(380, 84), QPointF(412, 66), Qt::black, 1.4, 8);
    textAt(p, QPointF(414, 60), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("fumarate"),
           sans(13, true));

    // Arginase: water in, urea out, ornithine back.
    textAt(p, QPointF(374, 284), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("arginase"), small);
    textAt(p, QPointF(404, 262), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("+ H2O"), small);
    arrow(p, QPointF(388, 290), QPointF(412, 306), Qt::black, 1.4, 8);
    textAt(p, QPointF(422, 306), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("UREA"), sans(16, true));
    return drawing.finish();
}

} // namespace quorix::picgen
