// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/datafolder.h"

#include <QImage>
#include <QString>
#include <QWidget>

namespace quorix {

// A picture loaded by its name in the data folder (BMP, PNG), shown whole and
// centred at its size times the screen's scale, scaled down further to fit
// the area. A missing or unreadable file, or a name that leads out of the
// data folder, shows a grey area with "Picture not available: " and the name.
// An empty name clears it. Accessible description: the file name.
class PictureArea : public QWidget {
    Q_OBJECT
public:
    PictureArea(QWidget *parent, const QString &objectName);

    bool loadPicture(const DataFolder &folder, const QString &fileName); // false when not available
    void setFixedPicture(const QImage &image); // a picture compiled in
    const QString &fileName() const { return m_fileName; }
    bool isAvailable() const { return !m_image.isNull(); }
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_fileName;
    QImage m_image;
    bool m_missing = false;
    QImage m_scaled; // m_image as shown, made smoothly once per size
};

} // namespace quorix
