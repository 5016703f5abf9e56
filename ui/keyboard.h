#pragma once

// Keyboard order and colours shared by the screens.

#include "core/rgb.h"

#include <QColor>

#include <initializer_list>

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

} // namespace quorix
