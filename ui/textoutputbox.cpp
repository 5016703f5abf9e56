// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/textoutputbox.h"

#include "core/value.h"
#include "ui/fonts.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace quorix {

namespace {
// Positions are sums of font advances; a column lying within this of the
// position counts as reached, not passed.
constexpr double Tolerance = 1e-6;
} // namespace

TextLayout::TextLayout(std::function<double(const QString &)> measure, double columnWidth)
    : m_measure(std::move(measure)), m_columnWidth(columnWidth)
{
}

void TextLayout::print(const PrintScript &items)
{
    for (const PrintItem &item : items) {
        switch (item.kind) {
        case PrintItem::Kind::Text:
            printText(item.text);
            break;
        case PrintItem::Kind::Number:
            printNumber(item.number);
            break;
        case PrintItem::Kind::Column:
            columnStep(item.column);
            break;
        case PrintItem::Kind::LineEnd:
            endLine();
            break;
        }
    }
}

void TextLayout::openLine()
{
    if (!m_lineOpen) {
        m_lines.emplace_back();
        m_lineOpen = true;
    }
}

void TextLayout::printText(const QString &text)
{
    if (text.isEmpty())
        return;
    openLine();
    Line &line = m_lines.back();
    line.segments.push_back({m_x, text, m_color});
    line.plain += text;
    m_x += m_measure(text);
}

void TextLayout::printNumber(double n)
{
    printText(formatNumber(n));
}

void TextLayout::columnStep(int column)
{
    const int n = std::max(column, 1);
    const double target = (n - 1) * m_columnWidth;
    if (m_lineOpen && m_x > target + Tolerance)
        endLine();
    openLine();
    m_x = std::max(m_x, target);
    QString &plain = m_lines.back().plain;
    if (plain.size() < n - 1)
        plain += QString(n - 1 - plain.size(), QLatin1Char(' '));
}

void TextLayout::endLine()
{
    openLine();
    m_lineOpen = false;
    m_x = 0;
}

void TextLayout::clear()
{
    m_lines.clear();
    m_lineOpen = false;
    m_x = 0;
}

QString TextLayout::plainText() const
{
    QString text;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += m_lines[i].plain;
    }
    return text;
}

TextOutputBox::TextOutputBox(QWidget *parent, const QString &objectName, const QString &accessibleName,
                             double pointSize)
    : QWidget(parent), m_layout(makeLayout())
{
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFont(screenFont(pointSize));
    m_layout = makeLayout();
    updateAccessibleText();
}

TextLayout TextOutputBox::makeLayout() const
{
    const QFontMetricsF metrics(font());
    TextLayout layout([metrics](const QString &text) { return metrics.horizontalAdvance(text); },
                      metrics.averageCharWidth());
    return layout;
}

void TextOutputBox::print(const PrintScript &items)
{
    m_layout.print(items);
    record(items);
    updateAccessibleText();
    update();
}

void TextOutputBox::printLine(const QString &text)
{
    print({PrintItem::textItem(text), PrintItem::lineEnd()});
}

void TextOutputBox::clear()
{
    m_layout.clear();
    m_history.clear();
    updateAccessibleText();
    update();
}

void TextOutputBox::setTextColor(const QColor &c)
{
    m_layout.setTextColor(c);
    m_history.push_back({true, {}, c});
}

void TextOutputBox::setBackgroundColor(const QColor &c)
{
    m_background = c;
    update();
}

void TextOutputBox::record(const PrintScript &items)
{
    for (const PrintItem &item : items)
        m_history.push_back({false, item, {}});
}

void TextOutputBox::updateAccessibleText()
{
    setAccessibleDescription(m_layout.plainText());
}

void TextOutputBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        const QColor color = m_layout.textColor();
        m_layout = makeLayout();
        for (const Step &step : m_history) {
            if (step.isColor)
                m_layout.setTextColor(step.color);
            else
                m_layout.print({step.item});
        }
        m_layout.setTextColor(color);
        updateAccessibleText();
        update();
    }
    QWidget::changeEvent(event);
}

void TextOutputBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.setFont(font());
    const QFontMetricsF metrics(font());
    const double lineHeight = metrics.lineSpacing();
    double baseline = metrics.ascent();
    for (const TextLayout::Line &line : m_layout.lines()) {
        if (baseline - metrics.ascent() > height())
            break;
        for (const TextLayout::Segment &segment : line.segments) {
            painter.setPen(segment.color);
            painter.drawText(QPointF(segment.x, baseline), segment.text);
        }
        baseline += lineHeight;
    }
}

} // namespace quorix
