// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/parbands.h"
#include "tools/picgen/painting.h"
#include "tools/picgen/pictures.h"

#include <QPainterPath>

#include <array>
#include <cmath>

namespace quorix::picgen {

using namespace colours;

namespace {

// The band pictures are shown at about 233 x 209 pixels on the PAR screen.
constexpr int BandWidth = 232;
constexpr int BandHeight = 208;
constexpr double Ground = 172;

const QColor Ink(40, 40, 40);
const QColor Wood(150, 100, 55);
const QColor Leaf(40, 150, 60);
const QColor LogoGreen(0, 128, 96);
const QColor LogoDark(0, 70, 90);

// A stick figure's joints.
struct Pose {
    QPointF head, neck, hip;
    QPointF elbowA, handA, elbowB, handB; // A: the arm nearer the viewer
    QPointF kneeA, footA, kneeB, footB;
};

void limb(QPainter &p, QPointF a, QPointF b, QPointF c, double width)
{
    QPen pen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.drawPolyline(QPolygonF({a, b, c}));
}

void figure(QPainter &p, const Pose &pose)
{
    p.save();
    // The far limbs a little lighter, so that the figure reads in depth.
    QPen far(QColor(95, 95, 95), 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(far);
    p.drawPolyline(QPolygonF({pose.neck, pose.elbowB, pose.handB}));
    p.drawPolyline(QPolygonF({pose.hip, pose.kneeB, pose.footB}));
    limb(p, pose.neck, pose.hip, pose.hip, 7);
    limb(p, pose.hip, pose.kneeA, pose.footA, 6);
    limb(p, pose.neck, pose.elbowA, pose.handA, 5.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(pose.head, 11, 11);
    p.restore();
}

void ground(QPainter &p, double y = Ground)
{
    setPen(p, QColor(120, 120, 120), 2);
    p.drawLine(QPointF(10, y), QPointF(BandWidth - 10, y));
}

void bandCaption(QPainter &p, int band)
{
    p.setBrush(Qt::NoBrush);
    // The caption and colours of the band's option on the PAR screen.
    const ParBand &look = parBand(band);
    const auto colour = [](const Rgb &c) { return QColor(c.red, c.green, c.blue); };
    const QRectF strip(0, BandHeight - 24, BandWidth, 24);
    p.fillRect(strip, colour(look.background));
    setPen(p, QColor(90, 90, 90), 1);
    p.drawLine(QPointF(0, strip.top() + 0.5), QPointF(BandWidth, strip.top() + 0.5));
    text(p, strip, Qt::AlignCenter, look.caption, sans(14, true), colour(look.text));
}

void lyingReading(QPainter &p)
{
    // A sofa seen from the front, the reader lying along it.
    const QColor cover(95, 120, 175);
    p.setPen(QPen(QColor(50, 65, 110), 1.5));
    p.setBrush(cover.lighter(115));
    p.drawRoundedRect(QRectF(34, 84, 164, 48), 8, 8); // back
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(30, 122, 172, 34), 6, 6); // seat
    p.drawRoundedRect(QRectF(18, 100, 26, 58), 8, 8); // arms
    p.drawRoundedRect(QRectF(188, 100, 26, 58), 8, 8);
    setPen(p, QColor(50, 65, 110), 4);
    p.drawLine(QPointF(36, 158), QPointF(36, Ground));
    p.drawLine(QPointF(196, 158), QPointF(196, Ground));
    ground(p);

    figure(p,
           {QPointF(52, 100), QPointF(66, 108), QPointF(128, 116), QPointF(82, 94), QPointF(96, 80),
            QPointF(86, 100), QPointF(100, 84), QPointF(156, 104), QPointF(188, 112), QPointF(154, 110),
            QPointF(186, 118)});

    // An open book held up to read.
    p.setPen(QPen(QColor(130, 30, 30), 1.5));
    p.setBrush(QColor(245, 240, 225));
    p.drawPolygon(QPolygonF({QPointF(92, 62), QPointF(104, 66), QPointF(102, 86), QPointF(90, 82)}));
    p.drawPolygon(QPolygonF({QPointF(104, 66), QPointF(117, 60), QPointF(115, 80), QPointF(102, 86)}));
}

void sittingKnitting(QPainter &p)
{
    ground(p);
    // A chair seen from the side.
    setPen(p, Wood, 5);
    p.drawLine(QPointF(72, 64), QPointF(72, Ground));
    p.drawLine(QPointF(72, 128), QPointF(124, 128));
    p.drawLine(QPointF(120, 128), QPointF(120, Ground));

    figure(p,
           {QPointF(92, 50), QPointF(90, 66), QPointF(90, 120), QPointF(104, 98), QPointF(128, 96),
            QPointF(98, 96), QPointF(124, 88), QPointF(142, 120), QPointF(144, Ground - 3), QPointF(136, 116),
            QPointF(136, Ground - 3)});

    // Needles crossing over the work, the yarn running down to a ball.
    setPen(p, QColor(180, 140, 40), 2);
    p.drawLine(QPointF(116, 82), QPointF(146, 104));
    p.drawLine(QPointF(118, 104), QPointF(148, 82));
    p.setPen(QPen(QColor(200, 40, 90), 2));
    p.setBrush(QColor(230, 90, 140));
    p.drawRoundedRect(QRectF(124, 92, 16, 14), 3, 3);
    QPainterPath yarn;
    yarn.moveTo(134, 104);
    yarn.cubicTo(150, 140, 175, 120, 182, 156);
    p.setBrush(Qt::NoBrush);
    p.drawPath(yarn);
    p.setBrush(QColor(230, 90, 140));
    p.drawEllipse(QPointF(186, Ground - 11), 11, 11);
    setPen(p, QColor(200, 40, 90), 1.2);
    p.drawArc(QRectF(178, Ground - 19, 16, 16), 30 * 16, 120 * 16);
    p.drawArc(QRectF(178, Ground - 19, 16, 16), 210 * 16, 120 * 16);
}

void cooking(QPainter &p)
{
    ground(p);
    // A cooker with a pan on the hob.
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    p.setBrush(QColor(225, 225, 225));
    p.drawRect(QRectF(122, 108, 84, Ground - 108));
    p.setBrush(QColor(185, 185, 185));
    p.drawRect(QRectF(130, 126, 68, 38));
    p.setBrush(QColor(90, 90, 90));
    for (int k = 0; k < 3; ++k)
        p.drawEllipse(QPointF(140 + 24 * k, 117), 3, 3);
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(QRectF(142, 90, 44, 18));
    setPen(p, QColor(70, 70, 80), 4);
    p.drawLine(QPointF(186, 94), QPointF(204, 90));
    // Steam.
    setPen(p, QColor(150, 150, 150), 2);
    for (int k = 0; k < 3; ++k) {
        QPainterPath steam;
        const double x = 152 + 12 * k;
        steam.moveTo(x, 84);
        steam.cubicTo(x - 6, 76, x + 6, 70, x, 60);
        p.drawPath(steam);
    }

    figure(p,
           {QPointF(84, 52), QPointF(84, 68), QPointF(84, 122), QPointF(102, 92), QPointF(124, 84),
            QPointF(96, 96), QPointF(116, 100), QPointF(90, 148), QPointF(94, Ground - 2), QPointF(78, 148),
            QPointF(74, Ground - 2)});
    // The spoon stirring the pan.
    setPen(p, Wood, 3);
    p.drawLine(QPointF(124, 84), QPointF(156, 98));
}

void walking(QPainter &p)
{
    ground(p);
    // Each arm swings with the opposite leg.
    figure(p,
           {QPointF(118, 46), QPointF(116, 62), QPointF(112, 116), QPointF(104, 88), QPointF(94, 108),
            QPointF(128, 86), QPointF(136, 106), QPointF(126, 142), QPointF(140, Ground - 2),
            QPointF(104, 144), QPointF(86, Ground - 4)});
    // Speed lines behind the walker.
    setPen(p, QColor(150, 150, 150), 2);
    for (int k = 0; k < 3; ++k)
        p.drawLine(QPointF(44, 80 + 20 * k), QPointF(70 - 6 * k, 80 + 20 * k));
    // A tree for scale.
    p.setPen(Qt::NoPen);
    p.setBrush(Wood);
    p.drawRect(QRectF(188, 120, 8, Ground - 120));
    p.setBrush(Leaf);
    p.drawEllipse(QPointF(192, 108), 22, 26);
}

// Band 5: mopping a floor (digging and heavy gardening are band 6).
void moppingFloor(QPainter &p)
{
    ground(p);
    // Wet patches behind the mop.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 225, 245));
    p.drawEllipse(QRectF(22, Ground - 5, 40, 8));
    p.drawEllipse(QRectF(48, Ground - 4, 30, 7));

    // A bucket of water.
    p.setPen(QPen(QColor(40, 70, 120), 1.5));
    p.setBrush(QColor(80, 130, 200));
    p.drawPolygon(
        QPolygonF({QPointF(168, 136), QPointF(206, 136), QPointF(201, Ground), QPointF(173, Ground)}));
    p.setBrush(QColor(170, 215, 245));
    p.drawEllipse(QRectF(168, 131, 38, 10));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(170, 112, 34, 40), 20 * 16, 140 * 16);

    figure(p,
           {QPointF(140, 48), QPointF(137, 64), QPointF(134, 118), QPointF(124, 92), QPointF(108, 113),
            QPointF(128, 82), QPointF(120, 89), QPointF(126, 146), QPointF(116, Ground - 2),
            QPointF(146, 146), QPointF(152, Ground - 2)});

    // The mop: a long handle held in both hands, its strands on the floor.
    setPen(p, Wood, 4);
    p.drawLine(QPointF(132, 66), QPointF(84, 160));
    setPen(p, QColor(70, 70, 80), 4);
    p.drawLine(QPointF(74, 160), QPointF(94, 160));
    setPen(p, QColor(225, 215, 185), 3);
    for (int k = 0; k < 7; ++k)
        p.drawLine(QPointF(76 + 3 * k, 161), QPointF(66 + 6 * k, Ground - 1));
}

void choppingWood(QPainter &p)
{
    ground(p);
    // A chopping block with a log on it.
    p.setPen(QPen(QColor(90, 60, 30), 1.5));
    p.setBrush(Wood);
    p.drawRect(QRectF(144, 146, 46, Ground - 146));
    p.setBrush(QColor(205, 160, 105));
    p.drawEllipse(QRectF(144, 140, 46, 12));
    p.setBrush(QColor(190, 140, 80));
    p.drawRect(QRectF(158, 114, 18, 32));
    p.setBrush(QColor(225, 185, 130));
    p.drawEllipse(QRectF(158, 110, 18, 8));

    // The axe raised high above the head.
    figure(p,
           {QPointF(92, 56), QPointF(92, 72), QPointF(90, 122), QPointF(108, 56), QPointF(118, 34),
            QPointF(104, 60), QPointF(112, 38), QPointF(100, 148), QPointF(108, Ground - 2), QPointF(80, 148),
            QPointF(72, Ground - 2)});
    setPen(p, Wood, 4);
    p.drawLine(QPointF(116, 38), QPointF(150, 16));
    p.setPen(QPen(QColor(70, 70, 80), 1.5));
    p.setBrush(QColor(160, 160, 170));
    p.drawPolygon(QPolygonF({QPointF(142, 14), QPointF(154, 8), QPointF(166, 26), QPointF(152, 28)}));
    // Motion arcs of the swing.
    setPen(p, QColor(150, 150, 150), 2, Qt::DashLine);
    p.drawArc(QRectF(110, 20, 90, 110), 20 * 16, 60 * 16);
}

void joggingUphill(QPainter &p)
{
    // The slope rises to the right.
    auto slope = [](double x) { return 182 - x * 0.26; };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 230, 185));
    p.drawPolygon(QPolygonF({QPointF(0, slope(0)), QPointF(BandWidth, slope(BandWidth)),
                             QPointF(BandWidth, 184), QPointF(0, 184)}));
    setPen(p, QColor(110, 140, 90), 2);
    p.drawLine(QPointF(0, slope(0)), QPointF(BandWidth, slope(BandWidth)));

    figure(p,
           {QPointF(132, 38), QPointF(126, 54), QPointF(112, 102), QPointF(140, 72), QPointF(152, 58),
            QPointF(112, 74), QPointF(100, 92), QPointF(138, 108), QPointF(144, slope(144) - 16),
            QPointF(104, 128), QPointF(84, slope(84) - 2)});
    // Beads of sweat and an arrow up the hill.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 150, 230));
    for (const QPointF &drop : {QPointF(150, 28), QPointF(156, 40), QPointF(112, 30)})
        p.drawEllipse(drop, 3, 4);
    arrow(p, QPointF(170, 150), QPointF(214, 124), QColor(110, 140, 90), 3, 11);
}

// The Q of the logo: a ring crossed at its lower right by a leaf, the Q's tail.
void logoMark(QPainter &p, QPointF centre, double radius)
{
    p.save();
    p.setPen(QPen(LogoGreen, radius * 0.22));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);

    p.translate(centre + QPointF(radius * 0.72, radius * 0.72));
    p.rotate(45);
    QPainterPath leaf;
    const double l = radius * 0.62;
    leaf.moveTo(-l, 0);
    leaf.cubicTo(-l * 0.5, -l * 0.55, l * 0.5, -l * 0.5, l, 0);
    leaf.cubicTo(l * 0.5, l * 0.5, -l * 0.5, l * 0.55, -l, 0);
    p.setPen(QPen(Qt::white, radius * 0.06));
    p.setBrush(QColor(60, 170, 70));
    p.drawPath(leaf);
    p.setPen(QPen(QColor(230, 250, 230), radius * 0.04, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-l * 0.85, 0), QPointF(l * 0.8, 0));
    p.restore();
}

// A small molecule: a six-membered ring with two side groups.
void ringMolecule(QPainter &p, QPointF centre, double radius, const QColor &bond, const QColor &atom)
{
    QPolygonF ring;
    for (int k = 0; k < 6; ++k) {
        const double a = (60.0 * k - 90) * M_PI / 180;
        ring << centre + QPointF(std::cos(a), std::sin(a)) * radius;
    }
    p.save();
    p.setPen(QPen(bond, std::max(1.5, radius * 0.12), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(ring);
    const QPointF side1 = ring[1] + (ring[1] - centre) * 0.7;
    const QPointF side2 = ring[4] + (ring[4] - centre) * 0.7;
    p.drawLine(ring[1], side1);
    p.drawLine(ring[4], side2);
    p.setPen(Qt::NoPen);
    p.setBrush(atom);
    for (const QPointF &a : ring)
        p.drawEllipse(a, radius * 0.16, radius * 0.16);
    p.setBrush(QColor(220, 60, 60));
    p.drawEllipse(side1, radius * 0.22, radius * 0.22);
    p.setBrush(QColor(60, 110, 220));
    p.drawEllipse(side2, radius * 0.22, radius * 0.22);
    p.restore();
}

QImage logo(bool withBars)
{
    Drawing drawing(240, 240);
    QPainter &p = drawing.painter();
    logoMark(p, QPointF(120, 98), 66);
    if (withBars) {
        // Three rising bars inside the Q: a score growing.
        p.setPen(Qt::NoPen);
        const std::array<QColor, 3> colours
            = {QColor(255, 190, 60), QColor(90, 180, 230), QColor(0, 128, 96)};
        for (int k = 0; k < 3; ++k) {
            const double h = 24 + 16 * k;
            p.setBrush(colours[std::size_t(k)]);
            p.drawRect(QRectF(92 + 20 * k, 124 - h, 14, h));
        }
    } else {
        ringMolecule(p, QPointF(118, 98), 22, LogoDark, LogoDark);
    }
    text(p, QRectF(0, 178, 240, 44), Qt::AlignCenter, QStringLiteral("Quorix"), sans(40, true), LogoDark);
    return drawing.finish();
}

// The desktop icon, on a 256-unit square: the logo's ring and leaf round
// the molecule, on a white tile. appIcon() paints it and appIconSvg() writes
// the same shapes, so the scalable icon and the pixel sizes agree.
constexpr double IconUnits = 256;
const QRectF IconTile(8, 8, 240, 240);
constexpr double IconTileRadius = 44;
constexpr double IconTileBorder = 6;
const QPointF IconRingCentre(122, 122);
constexpr double IconRingRadius = 78;
constexpr double IconMoleculeRadius = 26;

QString svgColour(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

QString num(double v)
{
    return QString::number(v, 'f', 2);
}

} // namespace

QImage appIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / IconUnits, size / IconUnits);
    p.setPen(QPen(LogoGreen, IconTileBorder));
    p.setBrush(Qt::white);
    p.drawRoundedRect(IconTile, IconTileRadius, IconTileRadius);
    logoMark(p, IconRingCentre, IconRingRadius);
    ringMolecule(p, IconRingCentre, IconMoleculeRadius, LogoDark, LogoDark);
    p.end();
    return image;
}

// The shapes of logoMark() and ringMolecule() at the icon's sizes, in SVG.
QByteArray appIconSvg()
{
    const QPointF c = IconRingCentre;
    const double r = IconRingRadius;
    const double l = r * 0.62;
    const QPointF leafAt = c + QPointF(r * 0.72, r * 0.72);
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                                 "viewBox=\"0 0 256 256\">\n");
    svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"#ffffff\" "
                          "stroke=\"%6\" stroke-width=\"%7\"/>\n")
               .arg(num(IconTile.x()), num(IconTile.y()), num(IconTile.width()), num(IconTile.height()),
                    num(IconTileRadius), svgColour(LogoGreen), num(IconTileBorder));
    svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"none\" stroke=\"%4\" "
                          "stroke-width=\"%5\"/>\n")
               .arg(num(c.x()), num(c.y()), num(r), svgColour(LogoGreen), num(r * 0.22));
    svg += QStringLiteral("<g transform=\"translate(%1 %2) rotate(45)\">\n")
               .arg(num(leafAt.x()), num(leafAt.y()));
    svg += QStringLiteral("<path d=\"M %1 0 C %2 %3 %4 %5 %6 0 C %7 %8 %9 %10 %1 0 Z\" fill=\"%11\" "
                          "stroke=\"#ffffff\" stroke-width=\"%12\" stroke-linejoin=\"bevel\"/>\n")
               .arg(num(-l), num(-l * 0.5), num(-l * 0.55), num(l * 0.5), num(-l * 0.5), num(l), num(l * 0.5),
                    num(l * 0.5), num(-l * 0.5))
               .arg(num(l * 0.55), svgColour(QColor(60, 170, 70)), num(r * 0.06));
    svg += QStringLiteral("<line x1=\"%1\" y1=\"0\" x2=\"%2\" y2=\"0\" stroke=\"%3\" stroke-width=\"%4\" "
                          "stroke-linecap=\"round\"/>\n</g>\n")
               .arg(num(-l * 0.85), num(l * 0.8), svgColour(QColor(230, 250, 230)), num(r * 0.04));

    const double m = IconMoleculeRadius;
    std::array<QPointF, 6> ring;
    QString points;
    for (int k = 0; k < 6; ++k) {
        const double a = (60.0 * k - 90) * M_PI / 180;
        ring[std::size_t(k)] = c + QPointF(std::cos(a), std::sin(a)) * m;
        points += QStringLiteral("%1,%2 ").arg(num(ring[std::size_t(k)].x()), num(ring[std::size_t(k)].y()));
    }
    const QPointF side1 = ring[1] + (ring[1] - c) * 0.7;
    const QPointF side2 = ring[4] + (ring[4] - c) * 0.7;
    svg += QStringLiteral("<g stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\" "
                          "stroke-linejoin=\"bevel\" fill=\"none\">\n<polygon points=\"%3\"/>\n")
               .arg(svgColour(LogoDark), num(std::max(1.5, m * 0.12)), points.trimmed());
    for (const auto &[from, to] : {std::pair{ring[1], side1}, std::pair{ring[4], side2}})
        svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"/>\n")
                   .arg(num(from.x()), num(from.y()), num(to.x()), num(to.y()));
    svg += QStringLiteral("</g>\n");
    const auto dot = [&svg](QPointF at, double radius, const QColor &colour) {
        svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                   .arg(num(at.x()), num(at.y()), num(radius), svgColour(colour));
    };
    for (const QPointF &a : ring)
        dot(a, m * 0.16, LogoDark);
    dot(side1, m * 0.22, QColor(220, 60, 60));
    dot(side2, m * 0.22, QColor(60, 110, 220));
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

QImage blankPicture()
{
    return canvas(16, 16);
}

QImage parPicture(int band)
{
    Drawing drawing(BandWidth, BandHeight);
    QPainter &p = drawing.painter();
    switch (band) {
    case 1:
        lyingReading(p);
        break;
    case 2:
        sittingKnitting(p);
        break;
    case 3:
        cooking(p);
        break;
    case 4:
        walking(p);
        break;
    case 5:
        moppingFloor(p);
        break;
    case 6:
        choppingWood(p);
        break;
    default:
        joggingUphill(p);
        break;
    }
    bandCaption(p, band);
    p.setBrush(Qt::NoBrush);
    setPen(p, QColor(150, 150, 150), 1);
    p.drawRect(QRectF(0.5, 0.5, BandWidth - 1, BandHeight - 1));
    return drawing.finish();
}

QImage quorixLogo()
{
    return logo(false);
}

QImage chartLogo()
{
    return logo(true);
}

QImage menuIllustration()
{
    Drawing drawing(246, 195);
    QPainter &p = drawing.painter();
    // A plate divided among the food groups, in proportion to a balanced diet.
    const QPointF centre(100, 100);
    p.setPen(QPen(QColor(170, 170, 170), 2));
    p.setBrush(QColor(248, 248, 248));
    p.drawEllipse(centre, 86, 86);
    struct Group {
        double share;
        QColor colour;
        const char *name;
    };
    const std::array<Group, 5> groups = {{
        {0.39, QColor(90, 180, 80), "fruit and\nvegetables"},
        {0.37, QColor(245, 200, 80), "starchy\nfoods"},
        {0.12, QColor(235, 120, 120), "protein"},
        {0.08, QColor(110, 160, 230), "dairy"},
        {0.04, QColor(170, 110, 200), ""},
    }};
    double start = 90;
    const QRectF pie(centre.x() - 74, centre.y() - 74, 148, 148);
    for (const Group &g : groups) {
        const double span = g.share * 360;
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(g.colour);
        p.drawPie(pie, int(start * 16), int(span * 16));
        const double mid = (start + span / 2) * M_PI / 180;
        const double r = g.share > 0.2 ? 40 : 52;
        if (*g.name)
            text(p, QRectF(centre.x() + std::cos(mid) * r - 40, centre.y() - std::sin(mid) * r - 16, 80, 32),
                 Qt::AlignCenter, QString::fromLatin1(g.name), sans(g.share > 0.2 ? 12 : 11, true),
                 QColor(30, 30, 30));
        start += span;
    }
    // A molecule beside the plate: the chemistry behind the food.
    ringMolecule(p, QPointF(206, 52), 20, QColor(60, 60, 60), QColor(60, 60, 60));
    setPen(p, QColor(150, 150, 150), 3);
    p.drawLine(QPointF(204, 112), QPointF(204, 180)); // knife
    p.drawLine(QPointF(224, 112), QPointF(224, 180)); // fork
    for (int k = 0; k < 3; ++k)
        p.drawLine(QPointF(218 + 6 * k, 100), QPointF(218 + 6 * k, 118));
    p.setBrush(QColor(150, 150, 150));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(199, 100, 9, 34), 4, 4);
    return drawing.finish();
}

QImage questionDecoration()
{
    Drawing drawing(246, 195);
    QPainter &p = drawing.painter();
    // A large question mark with a molecule, and the two answers.
    text(p, QRectF(10, 0, 120, 170), Qt::AlignCenter, QStringLiteral("?"), sans(150, true),
         QColor(0, 128, 96));
    ringMolecule(p, QPointF(178, 62), 30, QColor(60, 60, 60), QColor(60, 60, 60));
    const QRectF t(128, 128, 48, 40);
    const QRectF f(186, 128, 48, 40);
    box(p, t, QStringLiteral("T"), sans(26, true), QColor(0, 170, 0), 8, QColor(0, 110, 0), 1.5, Qt::white);
    box(p, f, QStringLiteral("F"), sans(26, true), QColor(220, 50, 40), 8, QColor(150, 30, 20), 1.5,
        Qt::white);
    return drawing.finish();
}

} // namespace quorix::picgen
