// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/picgen/painting.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImageWriter>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quorix::picgen {

QImage canvas(int width, int height, const QColor &background)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

QFont sans(double pixels, bool bold, bool italic)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(int(std::lround(pixels)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void begin(QPainter &painter, QImage &image)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    setPen(painter, Qt::black);
    painter.setBrush(Qt::NoBrush);
}

Drawing::Drawing(int width, int height) : m_image(canvas(width, height))
{
    begin(m_painter, m_image);
}

QImage Drawing::finish()
{
    m_painter.end();
    return m_image;
}

void setPen(QPainter &painter, const QColor &color, double width, Qt::PenStyle style)
{
    QPen pen(color, width, style, Qt::FlatCap, Qt::MiterJoin);
    if (style != Qt::SolidLine)
        pen.setDashPattern(style == Qt::DotLine ? QList<qreal>{1.5, 2.5} : QList<qreal>{5, 3.5});
    painter.setPen(pen);
}

void text(QPainter &painter, const QRectF &rect, int flags, const QString &text, const QFont &font,
          const QColor &color)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(rect, flags, text);
    painter.restore();
}

void textAt(QPainter &painter, QPointF point, int align, const QString &label, const QFont &font,
            const QColor &color)
{
    const QFontMetricsF metrics(font);
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, 1000, 1000), Qt::AlignLeft | Qt::AlignTop, label);
    const double w = bounds.width() + 1;
    const double h = bounds.height();
    double left = point.x();
    if (align & Qt::AlignHCenter)
        left -= w / 2;
    else if (align & Qt::AlignRight)
        left -= w;
    double top = point.y();
    if (align & Qt::AlignVCenter)
        top -= h / 2;
    else if (align & Qt::AlignBottom)
        top -= h;
    const int horizontal
        = align & Qt::AlignHorizontal_Mask ? align & Qt::AlignHorizontal_Mask : Qt::AlignLeft;
    text(painter, QRectF(left, top, w, h), horizontal | Qt::AlignTop, label, font, color);
}

void textUp(QPainter &painter, QPointF centre, const QString &label, const QFont &font, const QColor &color)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(-90);
    textAt(painter, QPointF(0, 0), Qt::AlignCenter, label, font, color);
    painter.restore();
}

double textWidth(const QString &label, const QFont &font)
{
    return QFontMetricsF(font).horizontalAdvance(label);
}

QFont fitted(const QString &label, double width, double pixels, bool bold)
{
    QFont font = sans(pixels, bold);
    while (font.pixelSize() > 8) {
        double widest = 0;
        for (const QString &line : label.split(QLatin1Char('\n')))
            widest = std::max(widest, textWidth(line, font));
        if (widest <= width)
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

void box(QPainter &painter, const QRectF &rect, const QString &label, const QFont &font, const QColor &fill,
         double radius, const QColor &border, double borderWidth, const QColor &textColor)
{
    painter.save();
    if (fill.isValid() && fill.alpha() > 0)
        painter.setBrush(fill);
    else
        painter.setBrush(Qt::NoBrush);
    if (borderWidth > 0)
        setPen(painter, border, borderWidth);
    else
        painter.setPen(Qt::NoPen);
    // Half-pixel placement keeps a 1 px outline sharp.
    const QRectF r
        = borderWidth > 0 && std::fmod(borderWidth, 2.0) == 1.0 ? rect.adjusted(0.5, 0.5, -0.5, -0.5) : rect;
    if (radius > 0)
        painter.drawRoundedRect(r, radius, radius);
    else
        painter.drawRect(r);
    painter.restore();
    if (!label.isEmpty())
        text(painter, rect, Qt::AlignCenter, label, font, textColor);
}

void arrowHead(QPainter &painter, QPointF from, QPointF to, const QColor &color, double head)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0)
        return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    const QPointF base = to - u * head;
    const QPolygonF triangle({to, base + n * head * 0.42, base - n * head * 0.42});
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(triangle);
    painter.restore();
}

void polyArrow(QPainter &painter, const std::vector<QPointF> &points, const QColor &color, double width,
               double head, Qt::PenStyle style)
{
    if (points.size() < 2)
        return;
    // The line stops inside the head so a thick line does not poke through its tip.
    std::vector<QPointF> line = points;
    const QPointF d = line.back() - line[line.size() - 2];
    const double length = std::hypot(d.x(), d.y());
    if (length > head)
        line.back() -= d / length * (head * 0.8);
    painter.save();
    setPen(painter, color, width, style);
    painter.drawPolyline(QPolygonF(QList<QPointF>(line.begin(), line.end())));
    painter.restore();
    arrowHead(painter, points[points.size() - 2], points.back(), color, head);
}

void arrow(QPainter &painter, QPointF from, QPointF to, const QColor &color, double width, double head,
           Qt::PenStyle style)
{
    polyArrow(painter, {from, to}, color, width, head, style);
}

void doubleArrow(QPainter &painter, QPointF from, QPointF to, const QColor &color, double width, double head)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF inset = d / length * (head * 0.8);
    painter.save();
    setPen(painter, color, width);
    painter.drawLine(from + inset, to - inset);
    painter.restore();
    arrowHead(painter, from, to, color, head);
    arrowHead(painter, to, from, color, head);
}

void curvedArrow(QPainter &painter, QPointF from, QPointF control, QPointF to, const QColor &color,
                 double width, double head, Qt::PenStyle style)
{
    // Stop the line a little inside the head, along the end tangent.
    const QPointF d = to - control;
    const double length = std::hypot(d.x(), d.y());
    const QPointF end = length > 0 ? to - d / length * (head * 0.8) : to;
    QPainterPath path(from);
    path.quadTo(control + (end - to) * 0.5, end);
    painter.save();
    setPen(painter, color, width, style);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
    arrowHead(painter, control, to, color, head);
}

QPainterPath smoothCurve(const std::vector<QPointF> &points, int stepsPerSegment)
{
    QPainterPath path;
    const std::size_t n = points.size();
    if (n == 0)
        return path;
    path.moveTo(points[0]);
    if (n == 1)
        return path;

    // Fritsch-Carlson slopes: the curve never swings beyond its points.
    std::vector<double> secant(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i)
        secant[i] = (points[i + 1].y() - points[i].y()) / (points[i + 1].x() - points[i].x());
    std::vector<double> slope(n);
    slope[0] = secant[0];
    slope[n - 1] = secant[n - 2];
    for (std::size_t i = 1; i + 1 < n; ++i)
        slope[i] = secant[i - 1] * secant[i] <= 0 ? 0 : (secant[i - 1] + secant[i]) / 2;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (secant[i] == 0) {
            slope[i] = slope[i + 1] = 0;
            continue;
        }
        const double a = slope[i] / secant[i];
        const double b = slope[i + 1] / secant[i];
        const double s = a * a + b * b;
        if (s > 9) {
            const double t = 3 / std::sqrt(s);
            slope[i] = t * a * secant[i];
            slope[i + 1] = t * b * secant[i];
        }
    }

    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double x0 = points[i].x();
        const double x1 = points[i + 1].x();
        const double h = x1 - x0;
        for (int step = 1; step <= stepsPerSegment; ++step) {
            const double t = double(step) / stepsPerSegment;
            const double h00 = 2 * t * t * t - 3 * t * t + 1;
            const double h10 = t * t * t - 2 * t * t + t;
            const double h01 = -2 * t * t * t + 3 * t * t;
            const double h11 = t * t * t - t * t;
            const double y
                = h00 * points[i].y() + h10 * h * slope[i] + h01 * points[i + 1].y() + h11 * h * slope[i + 1];
            path.lineTo(x0 + t * h, y);
        }
    }
    return path;
}

double Plot::px(double x) const
{
    return area.left() + (x - xMin) / (xMax - xMin) * area.width();
}

double Plot::py(double y) const
{
    return area.bottom() - (y - yMin) / (yMax - yMin) * area.height();
}

QPointF Plot::map(double x, double y) const
{
    return {px(x), py(y)};
}

void axes(QPainter &painter, const Plot &plot, const std::vector<double> &xTicks,
          const std::vector<double> &yTicks, const QString &xTitle, const QString &yTitle,
          const AxisStyle &style)
{
    const QRectF a = plot.area;
    painter.save();
    if (style.grid) {
        setPen(painter, QColor(215, 215, 215), 1);
        for (const double x : xTicks) {
            const double px = std::round(plot.px(x)) + 0.5;
            painter.drawLine(QPointF(px, a.top()), QPointF(px, a.bottom()));
        }
        for (const double y : yTicks) {
            const double py = std::round(plot.py(y)) + 0.5;
            painter.drawLine(QPointF(a.left(), py), QPointF(a.right(), py));
        }
    }
    setPen(painter, Qt::black, 1.2);
    painter.drawLine(a.bottomLeft(), a.bottomRight());
    painter.drawLine(a.bottomLeft(), a.topLeft());
    double lowest = a.bottom();
    for (const double x : xTicks) {
        const double px = std::round(plot.px(x)) + 0.5;
        painter.drawLine(QPointF(px, a.bottom()), QPointF(px, a.bottom() + 5));
        textAt(painter, QPointF(px, a.bottom() + 7), Qt::AlignHCenter | Qt::AlignTop,
               QString::number(x, 'f', style.decimalsX), style.numbers);
    }
    lowest += 7 + QFontMetricsF(style.numbers).height();
    double widest = 0;
    for (const double y : yTicks) {
        const double py = std::round(plot.py(y)) + 0.5;
        painter.drawLine(QPointF(a.left() - 5, py), QPointF(a.left(), py));
        const QString number = QString::number(y, 'f', style.decimalsY);
        widest = std::max(widest, textWidth(number, style.numbers));
        textAt(painter, QPointF(a.left() - 7, py), Qt::AlignRight | Qt::AlignVCenter, number, style.numbers);
    }
    if (!xTitle.isEmpty())
        textAt(painter, QPointF(a.center().x(), lowest + 2), Qt::AlignHCenter | Qt::AlignTop, xTitle,
               style.titles);
    if (!yTitle.isEmpty()) {
        const double x = a.left() - 7 - widest - 4 - QFontMetricsF(style.titles).height() / 2;
        textUp(painter, QPointF(x, a.center().y()), yTitle, style.titles);
    }
    painter.restore();
}

void title(QPainter &painter, const QString &label, double top, double pixels)
{
    const QRect window = painter.window();
    textAt(painter, QPointF(window.width() / 2.0, top), Qt::AlignHCenter | Qt::AlignTop, label,
           sans(pixels, true));
}

bool saveBmp8(const QImage &image, const QString &path)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] | 0xff000000u];
    }
    std::vector<std::pair<int, QRgb>> byCount;
    byCount.reserve(std::size_t(counts.size()));
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
        byCount.emplace_back(it.value(), it.key());
    // Ties broken by colour, so the same drawing always gives the same file.
    std::sort(byCount.begin(), byCount.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QRgb> palette;
    for (std::size_t i = 0; i < byCount.size() && palette.size() < 256; ++i)
        palette << byCount[i].second;

    QHash<QRgb, uchar> index;
    auto nearest = [&](QRgb c) {
        const auto found = index.constFind(c);
        if (found != index.constEnd())
            return *found;
        int best = 0;
        long bestDistance = -1;
        for (int i = 0; i < palette.size(); ++i) {
            const long dr = qRed(c) - qRed(palette[i]);
            const long dg = qGreen(c) - qGreen(palette[i]);
            const long db = qBlue(c) - qBlue(palette[i]);
            const long distance = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        index.insert(c, uchar(best));
        return uchar(best);
    };

    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = nearest(line[x] | 0xff000000u);
    }
    QImageWriter writer(path, "BMP");
    return writer.write(indexed);
}

bool savePng(const QImage &image, const QString &path)
{
    QImageWriter writer(path, "PNG");
    return writer.write(image);
}

} // namespace quorix::picgen
