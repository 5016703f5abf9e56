// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>

#include <initializer_list>

class QAbstractButton;
class QCheckBox;
class QFrame;
class QGroupBox;
class QRadioButton;
class QWidget;

namespace quorix {

// A frame with a caption (a QGroupBox) at its twips place, filled with its
// background colour. Children are placed inside it in twips relative to the
// frame; hiding the frame hides them.
QGroupBox *addFrame(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                    int width, int height, const QColor &background);

// A frame without a caption: a plain filled rectangle that holds controls.
QFrame *addPlainFrame(QWidget *parent, const QString &name, int left, int top, int width, int height,
                      const QColor &background);

// An option button at its twips place inside parent. Option buttons with the
// same parent are exclusive: choosing one un-chooses the others. The caption
// is shown exactly as given (an "&" is shown, not taken as a shortcut mark).
// An invalid background colour takes the parent's.
QRadioButton *addOptionButton(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                              int width, int height, const QColor &background = QColor(),
                              const QColor &textColor = Qt::black, double pointSize = 9.75);

// A check box at its twips place inside parent, its caption in bold 9.75
// point, on the parent's background.
QCheckBox *addCheckBox(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                       int width, int height);

// Sets a button's caption so that it shows exactly as given, and reads it back.
void setCaption(QAbstractButton *button, const QString &caption);
QString captionOf(const QAbstractButton *button);

// Sets an option button chosen or not from the program without firing
// anything: no toggled or clicked signal reaches its handlers. Unchoosing an
// exclusive option needs its exclusivity lifted for a moment, done here.
void setOptionSilently(QRadioButton *option, bool checked);
// Unchooses every given option silently.
void clearOptions(std::initializer_list<QRadioButton *> options);

} // namespace quorix
