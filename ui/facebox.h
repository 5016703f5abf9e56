// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

namespace quorix {

// The feedback face: "J" smiling, "K" neutral, "L" frowning, drawn (not from
// a symbol font) as a circle with eyes and a mouth in the text colour on the
// background colour, scaled to the point size of its font.
class FaceBox : public QWidget {
    Q_OBJECT
public:
    enum class Face { None, Smiling, Neutral, Frowning };

    FaceBox(QWidget *parent, const QString &objectName, double pointSize = 36);

    void printFace(QChar character); // 'J', 'K' or 'L'; others clear
    void clear();
    void setTextColor(const QColor &c);
    void setBackgroundColor(const QColor &c);
    Face face() const { return m_face; }
    QColor backgroundColor() const { return m_background; }
    QColor textColor() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Face m_face = Face::None;
    QColor m_background = Qt::white;
    QColor m_text = Qt::black;
    QColor m_faceColor = Qt::black; // the text colour when the face was printed
};

} // namespace quorix
