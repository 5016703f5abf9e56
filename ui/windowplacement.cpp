// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windowplacement.h"

#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace quorix {

namespace {
constexpr double Steps = 256; // 1024 and 768 are 4 and 3 times 256
} // namespace

double WindowPlacement::fittingScale(const QRect &available, QSize frame)
{
    const double fit = std::min(double(available.width() - frame.width()) / DesignWidth,
                                double(available.height() - frame.height()) / DesignHeight);
    return std::max(MinimumScale, std::floor(fit * Steps + 1e-9) / Steps);
}

double WindowPlacement::largestScale(const QList<QRect> &screens)
{
    double largest = screens.isEmpty() ? 1.0 : MinimumScale;
    for (const QRect &screen : screens)
        largest = std::max(largest, fittingScale(screen, QSize(0, 0)));
    return largest;
}

QSize WindowPlacement::largestSize(const QList<QRect> &screens)
{
    QSize largest = screens.isEmpty() ? QSize(DesignWidth, DesignHeight) : QSize(0, 0);
    for (const QRect &screen : screens)
        largest = largest.expandedTo(screen.size());
    return largest;
}

QList<QRect> WindowPlacement::connectedScreens()
{
    QList<QRect> geometries;
    for (const QScreen *screen : QGuiApplication::screens())
        geometries.append(screen->geometry());
    return geometries;
}

double WindowPlacement::startScale(const QRect &available, QSize frame)
{
    return std::min(1.0, fittingScale(available, frame));
}

double WindowPlacement::zoomedScale(double current, int steps, double largest)
{
    const double wanted = std::round((current + steps * ZoomStep) * Steps) / Steps;
    return std::clamp(wanted, MinimumScale, std::max(MinimumScale, largest));
}

QSize WindowPlacement::clientSize(double scale)
{
    return QSize(int(std::lround(DesignWidth * scale)), int(std::lround(DesignHeight * scale)));
}

void WindowPlacement::adopt(QWidget *w)
{
    if (!m_chosen) {
        const QRect available = w->screen()->availableGeometry();
        m_startScale = startScale(available, AssumedFrame);
        m_size = clientSize(m_startScale);
        // Centred with its frame, so that it lies wholly inside even when no
        // window manager moves it.
        const QSize outer = m_size + AssumedFrame;
        m_position = available.topLeft()
            + QPoint(std::max(0, (available.width() - outer.width()) / 2),
                     std::max(0, (available.height() - outer.height()) / 2));
        m_chosen = true;
    }
    w->resize(m_size);
    w->move(m_position);
}

void WindowPlacement::remember(const QWidget *w)
{
    if (!m_chosen)
        return;
    m_position = w->pos();
    m_size = w->size();
}

} // namespace quorix
