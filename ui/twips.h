// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>

class QLabel;
class QWidget;

namespace quorix {

// Screens are laid out in twips on a 15360 x 11520 design area; 15 twips
// make one pixel, so the design area is 1024 x 768 pixels. A screen window
// shows that area scaled by one factor s, centred in the window: every
// control placed here keeps its design rectangle and font size, and the
// window re-applies them whenever s changes.
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

// A design rectangle at scale s. Edges are rounded rather than sizes, so
// controls that touch in the design still touch; at s = 1 it is the design.
QRect scaledRect(const QRect &design, double scale);

// Places w at its twips position inside its parent, at the current scale of
// its window, and records the design rectangle and w's font size.
void placeAt(QWidget *w, int left, int top, int width, int height);

// The scale of w's screen window, 1 outside one.
double designScale(const QWidget *w);

// Re-applies every recorded rectangle and font size below window at the given
// scale; the window's direct children are shifted by origin (the top left of
// the scaled design area).
void applyDesignScale(QWidget *window, double scale, QPoint origin);

// Shrinks the font of a control's caption below its scaled size while the
// caption is wider than the control (font hinting at small sizes). Buttons,
// option buttons, frame captions and one-line labels have captions.
void fitCaption(QWidget *w);

// The width a control's caption needs in its current font, 0 when it has none.
int captionWidth(const QWidget *w);

// The label grows downwards to show its whole text, now and at every scale.
void growToText(QLabel *label);

} // namespace quorix
