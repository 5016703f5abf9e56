// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/check/textfit.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRect>

namespace quorix::check {

TextFit::TextFit() : m_font(QStringLiteral("Liberation Sans"))
{
    // Pixels rather than points, so that the answer does not depend on the
    // dpi of whatever screen the checker runs on.
    m_font.setPixelSize(16);
    m_font.setBold(true);
}

QSize TextFit::needed(const QString &text, int boxWidth) const
{
    const QFontMetrics metrics(m_font);
    const QRect bounds = metrics.boundingRect(QRect(0, 0, boxWidth, 100000),
                                              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return bounds.size();
}

bool TextFit::fits(const QString &text, QSize box) const
{
    const QSize size = needed(text, box.width());
    return size.width() <= box.width() && size.height() <= box.height();
}

QString TextFit::family() const
{
    return QFontInfo(m_font).family();
}

} // namespace quorix::check
