#pragma once

#include <QRect>

class QWidget;

namespace quorix {

// Screens are laid out in twips on a 15360 x 11520 design area; 15 twips
// make one pixel, so the design area is 1024 x 768 pixels.
constexpr int TwipsPerPixel = 15;
constexpr int pixels(int twips)
{
    return twips / TwipsPerPixel;
}
constexpr int DesignWidth = 1024;
constexpr int DesignHeight = 768;

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

// Places w at its twips position inside its parent.
void placeAt(QWidget *w, int left, int top, int width, int height);

} // namespace quorix
