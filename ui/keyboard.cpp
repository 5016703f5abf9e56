// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/keyboard.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace quorix {

void chainTabOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *next : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void keepReturnForTheScreen(QWidget *screen)
{
    for (QPushButton *button : screen->findChildren<QPushButton *>())
        button->setAutoDefault(false);
}

bool pressControlForKey(QWidget *screen, QKeyEvent *event,
                        const std::function<QAbstractButton *(int key)> &controlFor)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    QAbstractButton *target = controlFor(event->key());
    if (!target)
        return false;
    if (target->isVisibleTo(screen) && target->isEnabled())
        target->click();
    event->accept();
    return true;
}

} // namespace quorix
