// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/labels.h"

#include "ui/fonts.h"
#include "ui/twips.h"

#include <QLabel>
#include <QListWidget>
#include <QPalette>

namespace quorix {

QLabel *addLabel(QWidget *parent, const QString &name, int left, int top, int width, int height,
                 double pointSize, bool bold, const QColor &textColor, const QColor &background)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(screenFont(pointSize, bold));
    setLabelColors(label, textColor, background);
    placeAt(label, left, top, width, height);
    return label;
}

QLabel *addTextLabel(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                     int height, double pointSize, bool bold)
{
    QLabel *label = addLabel(parent, name, left, top, width, height, pointSize, bold);
    label->setText(text);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

QListWidget *addListBox(QWidget *parent, const QString &name, const QString &accessibleName,
                        Qt::TextElideMode elide, int left, int top, int width, int height)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setFont(screenFont(9.75, false));
    list->setTextElideMode(elide);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    placeAt(list, left, top, width, height);
    return list;
}

void setLabelColors(QLabel *label, const QColor &textColor, const QColor &background)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, textColor);
    if (background.isValid())
        palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    label->setAutoFillBackground(background.isValid());
}

} // namespace quorix
