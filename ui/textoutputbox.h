// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/printscript.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace quorix {

// The model of a text output box: printed lines, the print position and the
// text colour. Widths come from a measuring function so that the model is
// tested without painting; the box and the report printer share it.
class TextLayout {
public:
    struct Segment {
        double x = 0; // left edge in pixels (device units)
        QString text;
        QColor color;
    };
    struct Line {
        std::vector<Segment> segments;
        QString plain; // as characters: column steps as blanks
    };

    TextLayout(std::function<double(const QString &)> measure, double columnWidth);

    void print(const PrintScript &items); // ends the line only on LineEnd items
    void printText(const QString &text);
    void printNumber(double n);
    void columnStep(int column);
    void endLine();
    void clear();
    void setTextColor(const QColor &c) { m_color = c; }
    QColor textColor() const { return m_color; }

    // Every line, the unfinished current line included when it holds anything.
    const std::vector<Line> &lines() const { return m_lines; }
    // Lines joined by "\n", no line end after the last.
    QString plainText() const;
    double position() const { return m_x; }

private:
    void openLine();

    std::function<double(const QString &)> m_measure;
    double m_columnWidth;
    std::vector<Line> m_lines;
    bool m_lineOpen = false;
    double m_x = 0;
    QColor m_color = Qt::black;
};

// A picture area into which text is printed (bold MS Sans Serif by default).
// Accessible name: what it shows; accessible description: its printed text.
class TextOutputBox : public QWidget {
    Q_OBJECT
public:
    TextOutputBox(QWidget *parent, const QString &objectName, const QString &accessibleName,
                  double pointSize = 9.75);

    void print(const PrintScript &items);
    void printLine(const QString &text); // text, then a line end
    void clear();
    void setTextColor(const QColor &c);
    void setBackgroundColor(const QColor &c);
    QColor backgroundColor() const { return m_background; }

    const TextLayout &layout() const { return m_layout; }
    QString plainText() const { return m_layout.plainText(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // What was printed since the last clear, so that a change of font can
    // lay the same text out again with the new widths.
    struct Step {
        bool isColor = false;
        PrintItem item;
        QColor color;
    };

    TextLayout makeLayout() const;
    void record(const PrintScript &items);
    void updateAccessibleText();

    TextLayout m_layout;
    std::vector<Step> m_history;
    QColor m_background = Qt::white;
};

} // namespace quorix
