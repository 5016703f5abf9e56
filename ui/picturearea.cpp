// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picturearea.h"

#include "ui/fonts.h"
#include "ui/twips.h"
#include "ui/windowplacement.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace quorix {

namespace {
const QColor MissingGrey(192, 192, 192);
} // namespace

PictureArea::PictureArea(QWidget *parent, const QString &objectName) : QWidget(parent)
{
    setObjectName(objectName);
    setFont(screenFont());
}

bool PictureArea::loadPicture(const DataFolder &folder, const QString &fileName)
{
    m_fileName = fileName;
    m_image = QImage();
    m_scaled = QImage();
    m_missing = false;
    if (fileName.isEmpty()) {
        setAccessibleDescription(QString());
        update();
        return true;
    }
    // Only a regular file inside the data folder is read: a FIFO or device
    // named in a bank would block the program or feed it endless data.
    const auto path = folder.picture(fileName);
    if (path && QFileInfo(*path).isFile()) {
        QImageReader reader(*path);
        // No picture is shown larger than a screen; a larger one is decoded
        // at that size rather than held whole.
        const QSize largest = WindowPlacement::largestSize(WindowPlacement::connectedScreens());
        const QSize stored = reader.size();
        if (stored.width() > largest.width() || stored.height() > largest.height())
            reader.setScaledSize(stored.scaled(largest, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
        m_image = reader.read();
    }
    m_missing = m_image.isNull();
    setAccessibleDescription(m_missing ? QStringLiteral("Picture not available: ") + fileName : fileName);
    update();
    return !m_missing;
}

void PictureArea::setFixedPicture(const QImage &image)
{
    m_fileName.clear();
    m_image = image;
    m_scaled = QImage();
    m_missing = false;
    setAccessibleDescription(QString());
    update();
}

void PictureArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_missing) {
        painter.fillRect(rect(), MissingGrey);
        painter.setPen(QColor(64, 64, 64));
        painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("Picture not available: ") + m_fileName);
        return;
    }
    painter.fillRect(rect(), Qt::white);
    if (m_image.isNull())
        return;

    // Shown whole, keeping its proportions: at the screen's scale, and down
    // to fit.
    const double scale = designScale(this);
    QSize size = m_image.size();
    if (scale != 1.0)
        size = QSize(int(size.width() * scale + 0.5), int(size.height() * scale + 0.5));
    if (size.width() > width() || size.height() > height())
        size.scale(this->size(), Qt::KeepAspectRatio);
    size = size.expandedTo(QSize(1, 1));
    if (size == m_image.size()) {
        m_scaled = QImage();
    } else if (m_scaled.size() != size) {
        m_scaled = m_image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    const QImage &shown = m_scaled.isNull() ? m_image : m_scaled;
    const QPoint topLeft((width() - shown.width()) / 2, (height() - shown.height()) / 2);
    painter.drawImage(topLeft, shown);
}

} // namespace quorix
