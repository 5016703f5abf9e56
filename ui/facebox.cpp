// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/facebox.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace quorix {

FaceBox::FaceBox(QWidget *parent, const QString &objectName, double pointSize) : QWidget(parent)
{
    setObjectName(objectName);
    QFont size = font();
    size.setPointSizeF(pointSize);
    setFont(size);
    setAccessibleName(QStringLiteral("Feedback face"));
}

void FaceBox::printFace(QChar character)
{
    switch (character.unicode()) {
    case 'J':
        m_face = Face::Smiling;
        break;
    case 'K':
        m_face = Face::Neutral;
        break;
    case 'L':
        m_face = Face::Frowning;
        break;
    default:
        clear();
        return;
    }
    m_faceColor = m_text;
    static const char *const descriptions[] = {"", "smiling face", "neutral face", "frowning face"};
    setAccessibleDescription(QString::fromLatin1(descriptions[static_cast<int>(m_face)]));
    update();
}

void FaceBox::clear()
{
    m_face = Face::None;
    setAccessibleDescription(QString());
    update();
}

void FaceBox::setTextColor(const QColor &c)
{
    m_text = c;
}

void FaceBox::setBackgroundColor(const QColor &c)
{
    m_background = c;
    update();
}

void FaceBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (m_face == Face::None)
        return;

    // The face glyph of a symbol font fills most of its em square.
    const double em = font().pointSizeF() * logicalDpiY() / 72.0;
    const double d = std::min({em * 0.9, width() - 2.0, height() - 2.0});
    if (d <= 0)
        return;
    const QPointF c(width() / 2.0, height() / 2.0);
    const double r = d / 2;

    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(m_faceColor, std::max(1.0, d / 16));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, r, r);

    painter.setBrush(m_faceColor);
    const double eye = std::max(1.0, d * 0.06);
    painter.drawEllipse(QPointF(c.x() - d * 0.17, c.y() - d * 0.13), eye, eye);
    painter.drawEllipse(QPointF(c.x() + d * 0.17, c.y() - d * 0.13), eye, eye);

    painter.setBrush(Qt::NoBrush);
    const double mouthLeft = c.x() - d * 0.24, mouthRight = c.x() + d * 0.24;
    QPainterPath mouth;
    switch (m_face) {
    case Face::Smiling:
        mouth.moveTo(mouthLeft, c.y() + d * 0.12);
        mouth.quadTo(c.x(), c.y() + d * 0.40, mouthRight, c.y() + d * 0.12);
        break;
    case Face::Neutral:
        mouth.moveTo(mouthLeft, c.y() + d * 0.22);
        mouth.lineTo(mouthRight, c.y() + d * 0.22);
        break;
    case Face::Frowning:
        mouth.moveTo(mouthLeft, c.y() + d * 0.30);
        mouth.quadTo(c.x(), c.y() + d * 0.04, mouthRight, c.y() + d * 0.30);
        break;
    case Face::None:
        break;
    }
    painter.drawPath(mouth);
}

} // namespace quorix
