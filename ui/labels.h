// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QListWidget;
class QWidget;

namespace quorix {

// A label at its twips place inside parent, with objectName = name. Its text
// is plain (a statement read from a bank is never taken as markup) and wraps
// at word boundaries within the box, aligned to the top left like a caption.
// An invalid background colour leaves the label transparent.
QLabel *addLabel(QWidget *parent, const QString &name, int left, int top, int width, int height,
                 double pointSize = 9.75, bool bold = true, const QColor &textColor = Qt::black,
                 const QColor &background = Qt::white);

// A label holding text to be read: selectable, and a Tab stop, so that
// keyboard and screen reader users reach every line of a window.
QLabel *addTextLabel(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                     int height, double pointSize = 9.75, bool bold = true);

// A list of one-line rows at its twips place, named for tools and screen
// readers; a row too long for it is elided at elide.
QListWidget *addListBox(QWidget *parent, const QString &name, const QString &accessibleName,
                        Qt::TextElideMode elide, int left, int top, int width, int height);

// Sets the text colour and the background (invalid: transparent) of a label.
void setLabelColors(QLabel *label, const QColor &textColor, const QColor &background);

} // namespace quorix
