#include "ui/keyboard.h"

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

} // namespace quorix
