// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/scorechart.h"

#include "ui/twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>

namespace quorix {

ScoreChart::ScoreChart(QWidget *parent, const QString &objectName) : QWidget(parent)
{
    setObjectName(objectName);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
}

void ScoreChart::clear()
{
    m_commands.clear();
    update();
}

void ScoreChart::drawLine(QPointF from, QPointF to, const QColor &color)
{
    add({Command::Kind::Line, from, to, color});
}

void ScoreChart::fillRect(QPointF from, QPointF to, const QColor &color)
{
    add({Command::Kind::FilledRect, from, to, color});
}

void ScoreChart::outlineRect(QPointF from, QPointF to, const QColor &color)
{
    add({Command::Kind::Outline, from, to, color});
}

void ScoreChart::add(Command command)
{
    m_commands.push_back(command);
    update();
}

void ScoreChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const double scale = designScale(this);
    painter.scale(scale, scale);
    for (const Command &c : m_commands) {
        const QRectF rect = QRectF(c.from, c.to).normalized();
        switch (c.kind) {
        case Command::Kind::Line:
            painter.setPen(QPen(c.color, 0));
            painter.drawLine(c.from, c.to);
            break;
        case Command::Kind::FilledRect:
            painter.fillRect(rect, c.color);
            painter.setPen(QPen(c.color, 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolygon(QPolygonF(rect));
            break;
        case Command::Kind::Outline:
            painter.setPen(QPen(c.color, 0));
            painter.setBrush(Qt::NoBrush);
            // A polygon, not drawRect: a rectangle of zero width must still
            // show its two long sides as a line.
            painter.drawPolygon(QPolygonF(rect));
            break;
        }
    }
}

} // namespace quorix
