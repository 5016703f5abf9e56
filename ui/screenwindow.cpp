// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/screenwindow.h"

#include "ui/fonts.h"
#include "ui/frames.h"
#include "ui/navigation.h"
#include "ui/twips.h"
#include "ui/windowplacement.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

namespace quorix {

Q_LOGGING_CATEGORY(lcClose, "quorix.close", QtWarningMsg)

QString programTitle()
{
    return QStringLiteral("Quorix self-assessment questions");
}

ScreenWindow::ScreenWindow(const QString &formName, Navigation &navigation, QWidget *parent)
    : QWidget(parent, Qt::Window), m_navigation(navigation), m_placement(navigation.placement())
{
    setObjectName(formName);
    setWindowTitle(programTitle());
    setFont(screenFont());

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    setMinimumSize(WindowPlacement::clientSize(WindowPlacement::MinimumScale));
    boundToScreens();
    resize(DesignWidth, DesignHeight);

    const auto addZoomKeys = [this](QList<QKeySequence> keys, auto action) {
        auto *shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    // Ctrl+= is the same key as Ctrl++ without Shift on most keyboards.
    addZoomKeys({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, [this] { zoomBy(1); });
    addZoomKeys({QKeySequence::ZoomOut}, [this] { zoomBy(-1); });
    addZoomKeys({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { zoomReset(); });

    // Created first so that it lies beneath every control.
    auto *outline = new QFrame(this);
    outline->setObjectName(QStringLiteral("Shape1"));
    outline->setFrameStyle(QFrame::Box | QFrame::Plain);
    outline->setLineWidth(1);
    QPalette outlinePalette = outline->palette();
    outlinePalette.setColor(QPalette::WindowText, Qt::black);
    outline->setPalette(outlinePalette);
    outline->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeAt(outline, 0, 0, 15360, 11520);
    m_outline = outline;
}

QPushButton *ScreenWindow::addButton(QWidget *parent, const QString &name, const QString &caption, int left,
                                     int top, int width, int height, double pointSize)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    setCaption(button, caption);
    button->setFont(screenFont(pointSize));
    // Outside dialogs Qt lets only Space press a focused button; students
    // expect Enter to do it too.
    button->setAutoDefault(true);
    placeAt(button, left, top, width, height);
    return button;
}

void ScreenWindow::addEndButtons(int printTop, int endTop)
{
    constexpr int left = 11640, width = 3615, height = 495;
    m_endPrintScore = addButton(this, QStringLiteral("endprintscore"),
                                QStringLiteral("Print my score and END"), left, printTop, width, height);
    m_endNoPrint = addButton(this, QStringLiteral("endnoprint"),
                             QStringLiteral("END - don't print my results"), left, endTop, width, height);
    connect(m_endPrintScore, &QPushButton::clicked, this, [this] { m_navigation.printScoreAndEnd(this); });
    connect(m_endNoPrint, &QPushButton::clicked, this, [this] { m_navigation.endWithoutPrinting(); });
}

void ScreenWindow::setScale(double scale)
{
    resize(WindowPlacement::clientSize(std::max(scale, WindowPlacement::MinimumScale)));
    // A hidden window gets its resize event only when shown.
    followSize();
}

void ScreenWindow::zoomBy(int steps)
{
    const QRect available = screen()->availableGeometry();
    const QSize frame = isVisible() ? frameGeometry().size() - size() : WindowPlacement::AssumedFrame;
    const double largest = std::min(m_largestScale, WindowPlacement::fittingScale(available, frame));
    setScale(WindowPlacement::zoomedScale(m_scale, steps, largest));
    keepOnScreen();
}

void ScreenWindow::zoomReset()
{
    setScale(m_placement && m_placement->isChosen() ? m_placement->chosenStartScale() : 1.0);
    keepOnScreen();
}

void ScreenWindow::keepOnScreen()
{
    const QRect available = screen()->availableGeometry();
    const QSize frame = isVisible() ? frameGeometry().size() - size() : WindowPlacement::AssumedFrame;
    const QSize outer = size() + frame;
    QPoint position = pos();
    position.setX(std::max(available.left(), std::min(position.x(), available.right() + 1 - outer.width())));
    position.setY(std::max(available.top(), std::min(position.y(), available.bottom() + 1 - outer.height())));
    if (position != pos())
        move(position);
    rememberPlacement();
}

void ScreenWindow::boundToScreens()
{
    // Everything the window draws grows with the scale, so a window resized
    // far beyond any screen would take memory and time for nothing.
    const QList<QRect> screens = WindowPlacement::connectedScreens();
    m_largestScale = WindowPlacement::largestScale(screens);
    setMaximumSize(WindowPlacement::largestSize(screens).expandedTo(minimumSize()));
}

void ScreenWindow::followSize()
{
    const double fit = std::min(double(width()) / DesignWidth, double(height()) / DesignHeight);
    const double s = std::clamp(fit, WindowPlacement::MinimumScale, m_largestScale);
    const QSize area = WindowPlacement::clientSize(s);
    const QPoint origin(std::max(0, (width() - area.width()) / 2),
                        std::max(0, (height() - area.height()) / 2));
    // Each control is placed at the current scale and origin when it is
    // added, so only a change needs them all placed again.
    if (s == m_scale && origin == m_origin)
        return;
    m_scale = s;
    m_origin = origin;
    applyDesignScale(this, m_scale, m_origin);
}

void ScreenWindow::rememberPlacement()
{
    if (m_placement && !m_adopting && isVisible())
        m_placement->remember(this);
}

void ScreenWindow::setVisible(bool visible)
{
    if (visible && !isVisible())
        boundToScreens();
    if (visible && !isVisible() && m_placement) {
        m_adopting = true;
        m_placement->adopt(this);
        m_adopting = false;
        followSize();
    }
    QWidget::setVisible(visible);
}

void ScreenWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    followSize();
    rememberPlacement();
}

void ScreenWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    rememberPlacement();
}

void ScreenWindow::closeEvent(QCloseEvent *event)
{
    qCDebug(lcClose) << "close event on" << objectName() << "spontaneous" << event->spontaneous();
    if (m_navigation.closeRequested(this))
        event->accept();
    else
        event->ignore();
    qCDebug(lcClose) << "close event on" << objectName() << (event->isAccepted() ? "accepted" : "ignored");
}

} // namespace quorix
