// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Keyboard order and colours shared by the screens.

#include "core/rgb.h"

#include <QColor>

#include <functional>
#include <initializer_list>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace quorix {

inline QColor toColor(const Rgb &c)
{
    return QColor(c.red, c.green, c.blue);
}

// Tab moves through the widgets in this order.
void chainTabOrder(std::initializer_list<QWidget *> widgets);

// On a screen where Return has its own meaning (mark, else draw), no
// focused button may take Return for itself.
void keepReturnForTheScreen(QWidget *screen);

// A screen's own keys: a plain key (no Ctrl, Alt or Meta) for which
// controlFor names a control presses it when the student can see it, and
// does nothing otherwise. False for keys the screen leaves to Qt.
bool pressControlForKey(QWidget *screen, QKeyEvent *event,
                        const std::function<QAbstractButton *(int key)> &controlFor);

} // namespace quorix
