// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "questions/textboxes.h"
#include "ui/twips.h"

#include <QFont>
#include <QSize>
#include <QString>

namespace quorix::check {

// Whether a text shows whole in a word-wrapping label of the question screen:
// bold Liberation Sans at 12 pt on the 96 dpi design screen (16 pixels),
// laid out as the label lays it out. Needs a QGuiApplication.
class TextFit {
public:
    // The question screen's statement and explanation boxes, in pixels of
    // the design screen.
    static constexpr QSize statementBox{pixels(::quorix::statementBox.width),
                                        pixels(::quorix::statementBox.height)};
    static constexpr QSize explanationBox{pixels(::quorix::explanationBox.width),
                                          pixels(::quorix::explanationBox.height)};

    TextFit();

    // The size the text takes when wrapped at the box's width; wider than the
    // box when one word alone is wider.
    QSize needed(const QString &text, int boxWidth) const;
    bool fits(const QString &text, QSize box) const;
    // The family the platform gave for the font asked for.
    QString family() const;

private:
    QFont m_font;
};

} // namespace quorix::check
