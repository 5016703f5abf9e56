// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace quorix {

// The one size and position that every screen window of a run shares: a
// window shown next appears where the last one was, at its size. The first
// window to be shown chooses them from its screen. Nothing is stored.
class WindowPlacement {
public:
    // Room left around the client area for a window frame that is not known
    // yet (before the first window is shown).
    static constexpr QSize AssumedFrame{16, 48};
    static constexpr double MinimumScale = 0.5;
    static constexpr double ZoomStep = 0.1;

    // The largest scale at which the design area and frame fit in available,
    // kept to steps of 1/256 so the client area is whole pixels (4k x 3k).
    // Not below MinimumScale.
    static double fittingScale(const QRect &available, QSize frame);
    // The scale at which the design area fills the largest of screens, and
    // that screen's size: no window needs to be larger. Not below
    // MinimumScale; 1 and the design size when there are none.
    static double largestScale(const QList<QRect> &screens);
    static QSize largestSize(const QList<QRect> &screens);
    // The same for the screens connected now.
    static QList<QRect> connectedScreens();
    // The scale start-up chooses: the fitting scale, at most 1.
    static double startScale(const QRect &available, QSize frame);
    // One zoom step (+1 or -1) from current, within MinimumScale and largest.
    static double zoomedScale(double current, int steps, double largest);
    // The client size at a scale.
    static QSize clientSize(double scale);

    // Gives w the shared size and position, choosing them first if no
    // window has been shown yet.
    void adopt(QWidget *w);
    // w was moved or resized while shown: the other windows follow.
    void remember(const QWidget *w);

    bool isChosen() const { return m_chosen; }
    double chosenStartScale() const { return m_startScale; }

private:
    bool m_chosen = false;
    QPoint m_position;
    QSize m_size;
    double m_startScale = 1.0;
};

} // namespace quorix
