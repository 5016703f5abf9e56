// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The picture generator draws every picture the program ships: the band
// pictures and logo of the PAR screen, the diagrams the banks name, and the
// screens' fixed pictures. Each picture is a function returning a QImage;
// pictures.cpp lists them with their file names, main.cpp saves them. This
// header holds the drawing helpers they share.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

namespace quorix::picgen {

// The size of the question screen's picture area, which diagrams fill.
constexpr int DiagramWidth = 452;
constexpr int DiagramHeight = 380;

QImage canvas(int width, int height, const QColor &background = Qt::white);

// The diagrams' shared colours: text and lines in the strong ones, boxes in
// the pale ones.
namespace colours {
inline const QColor Red(200, 30, 30);
inline const QColor Blue(30, 70, 200);
inline const QColor DarkBlue(20, 50, 170);
inline const QColor Green(0, 130, 50);
inline const QColor Orange(235, 130, 20);
inline const QColor Grey(110, 110, 110);
inline const QColor PaleYellow(255, 248, 200);
inline const QColor PalePink(255, 225, 230);
inline const QColor PaleBlue(215, 232, 255);
inline const QColor PaleGreen(210, 240, 210);
inline const QColor PaleOrange(255, 225, 190);
inline const QColor LightGrey(228, 228, 228);
} // namespace colours

// " → " between the two sides of a change, "ATP → ADP".
inline const QString Becomes = QStringLiteral(" \u2192 ");

// Liberation Sans at a size in pixels, so that every picture comes out the
// same whatever the screen the generator runs on.
QFont sans(double pixels, bool bold = false, bool italic = false);

// A painter with antialiasing on, black 1 px pen, no brush.
void begin(QPainter &painter, QImage &image);

// A white picture with a painter begun on it; finish() ends the painting and
// gives the picture.
class Drawing {
public:
    explicit Drawing(int width = DiagramWidth, int height = DiagramHeight);
    QPainter &painter() { return m_painter; }
    QImage finish();

private:
    QImage m_image;
    QPainter m_painter;
};

void setPen(QPainter &painter, const QColor &color, double width = 1.0, Qt::PenStyle style = Qt::SolidLine);

// Text inside a rectangle with Qt alignment flags (Qt::TextWordWrap allowed).
void text(QPainter &painter, const QRectF &rect, int flags, const QString &text, const QFont &font,
          const QColor &color = Qt::black);
// Text placed by one point: align says which point of the text's box it is
// (Qt::AlignLeft | Qt::AlignVCenter: the middle of the left edge, ...).
void textAt(QPainter &painter, QPointF point, int align, const QString &text, const QFont &font,
            const QColor &color = Qt::black);
// Text turned a quarter turn anticlockwise, centred on a point (axis titles).
void textUp(QPainter &painter, QPointF centre, const QString &text, const QFont &font,
            const QColor &color = Qt::black);
// Width of a text in a font.
double textWidth(const QString &text, const QFont &font);
// Liberation Sans at the largest size up to `pixels` at which the text's
// widest line fits in `width`.
QFont fitted(const QString &text, double width, double pixels, bool bold = false);

// A box with an optional fill and corner radius, its text centred (lines
// split at '\n').
void box(QPainter &painter, const QRectF &rect, const QString &label, const QFont &font,
         const QColor &fill = Qt::white, double radius = 4, const QColor &border = Qt::black,
         double borderWidth = 1.0, const QColor &textColor = Qt::black);

// A line ending in a filled arrow head at `to`.
void arrow(QPainter &painter, QPointF from, QPointF to, const QColor &color = Qt::black, double width = 1.2,
           double head = 8, Qt::PenStyle style = Qt::SolidLine);
// A line through points with the head on the last segment.
void polyArrow(QPainter &painter, const std::vector<QPointF> &points, const QColor &color = Qt::black,
               double width = 1.2, double head = 8, Qt::PenStyle style = Qt::SolidLine);
// A double-headed arrow (a reversible reaction).
void doubleArrow(QPainter &painter, QPointF from, QPointF to, const QColor &color = Qt::black,
                 double width = 1.2, double head = 8);
// A quadratic curve from -> to bent towards control, its head along the
// curve's direction where it ends.
void curvedArrow(QPainter &painter, QPointF from, QPointF control, QPointF to,
                 const QColor &color = Qt::black, double width = 1.2, double head = 8,
                 Qt::PenStyle style = Qt::SolidLine);
// Only the filled head, pointing along from -> to, its tip at `to`.
void arrowHead(QPainter &painter, QPointF from, QPointF to, const QColor &color, double head = 8);

// A smooth curve through points, without overshoot between them (monotone
// cubic interpolation), as a path in the points' own coordinates.
QPainterPath smoothCurve(const std::vector<QPointF> &points, int stepsPerSegment = 24);

// A graph's plot area and the data ranges it shows.
struct Plot {
    QRectF area; // pixels
    double xMin, xMax, yMin, yMax;

    QPointF map(double x, double y) const;
    double px(double x) const;
    double py(double y) const;
};

// Axes along the left and bottom edges of a plot, ticks and numbers at the
// given values, light grey grid lines when asked; titles under the x axis and
// turned up beside the y axis.
struct AxisStyle {
    bool grid = true;
    int decimalsX = 0;
    int decimalsY = 0;
    QFont numbers = sans(13);
    QFont titles = sans(13);
};
void axes(QPainter &painter, const Plot &plot, const std::vector<double> &xTicks,
          const std::vector<double> &yTicks, const QString &xTitle, const QString &yTitle,
          const AxisStyle &style = AxisStyle());

// A title centred at the top of a diagram.
void title(QPainter &painter, const QString &text, double top = 8, double pixels = 16);

// The image as a BMP with a 256-colour palette: the 256 commonest colours,
// every other pixel taking the nearest of them (only edge blends are rare).
bool saveBmp8(const QImage &image, const QString &path);
bool savePng(const QImage &image, const QString &path);

} // namespace quorix::picgen
