// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

#include <vector>

namespace quorix {

// A white drawing area in design pixel coordinates (drawn at the screen's
// scale) that keeps what was drawn on it
// as a list of commands and repaints from that list, so what was drawn can be
// checked without looking at pixels.
class ScoreChart : public QWidget {
    Q_OBJECT
public:
    struct Command {
        enum class Kind { Line, FilledRect, Outline };
        Kind kind = Kind::Line;
        QPointF from;
        QPointF to;
        QColor color;
        bool operator==(const Command &other) const = default;
    };

    ScoreChart(QWidget *parent, const QString &objectName);

    void clear();
    void drawLine(QPointF from, QPointF to, const QColor &color);
    // Border and inside in color.
    void fillRect(QPointF from, QPointF to, const QColor &color);
    // The border only; a rectangle of zero width shows as a line.
    void outlineRect(QPointF from, QPointF to, const QColor &color);

    const std::vector<Command> &commands() const { return m_commands; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void add(Command command);
    std::vector<Command> m_commands;
};

} // namespace quorix
