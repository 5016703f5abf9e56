// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>
#include <QWidget>

class QCloseEvent;
class QMoveEvent;
class QPushButton;
class QResizeEvent;

namespace quorix {

class Navigation;
class WindowPlacement;

// A screen of the program: a top-level window titled with the program's
// title, white, showing the 1024 x 768 design area with its outline shape.
// The design area is scaled by one factor s, the largest that fits the
// window (at least 0.5, at most what fills the largest screen), and centred
// in it; Ctrl++, Ctrl+- and Ctrl+0 zoom. The window is no larger than the
// largest screen.
// Every window of a run shares the Navigation's placement, if it has one.
// Closing it through the window manager asks the Navigation first.
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow(const QString &formName, Navigation &navigation, QWidget *parent = nullptr);

    Navigation &navigation() const { return m_navigation; }

    // Creates a push button child with objectName = name, at its twips place,
    // in bold "MS Sans Serif" of the given size. Enter presses it when focused.
    QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                           int width, int height, double pointSize = 9.75);
    // "Print my score and END" and "END - don't print my results", wired to
    // the Navigation, at the given tops (left 11640, 3615 x 495).
    void addEndButtons(int printTop, int endTop);
    QPushButton *endPrintScoreButton() const { return m_endPrintScore; }
    QPushButton *endNoPrintButton() const { return m_endNoPrint; }
    // The rectangle around the design area, named "Shape1"; a screen that
    // names it otherwise renames it.
    QWidget *outline() const { return m_outline; }

    double scale() const { return m_scale; }
    // The top left of the scaled design area in the window.
    QPoint designOrigin() const { return m_origin; }
    // Sizes the window's client area to the design area at this scale.
    void setScale(double scale);
    // One zoom step in (+1) or out (-1), limited to what fits the screen.
    void zoomBy(int steps);
    // Back to the scale start-up chose.
    void zoomReset();

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void boundToScreens();
    void followSize();
    void keepOnScreen();
    void rememberPlacement();

    Navigation &m_navigation;
    WindowPlacement *m_placement = nullptr;
    bool m_adopting = false;
    double m_scale = 1.0;
    double m_largestScale = 1.0;
    QPoint m_origin;
    QWidget *m_outline = nullptr;
    QPushButton *m_endPrintScore = nullptr;
    QPushButton *m_endNoPrint = nullptr;
};

QString programTitle(); // "Quorix self-assessment questions"

// Each step of a window's close, from the window manager's request to the
// end of the event loop: QT_LOGGING_RULES="quorix.close.debug=true", with
// QT_MESSAGE_PATTERN="%{time boot} %{message}" for their times.
Q_DECLARE_LOGGING_CATEGORY(lcClose)

} // namespace quorix
