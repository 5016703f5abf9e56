// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frames.h"

#include "ui/fonts.h"
#include "ui/optionbutton.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QPalette>
#include <QRadioButton>
#include <QSignalBlocker>

#include <memory>
#include <vector>

namespace quorix {

namespace {

void fillWith(QWidget *w, const QColor &background)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, background);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

} // namespace

QGroupBox *addFrame(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                    int width, int height, const QColor &background)
{
    auto *frame = new QGroupBox(parent);
    frame->setObjectName(name);
    frame->setTitle(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    frame->setFont(screenFont());
    fillWith(frame, background);
    placeAt(frame, left, top, width, height);
    return frame;
}

QFrame *addPlainFrame(QWidget *parent, const QString &name, int left, int top, int width, int height,
                      const QColor &background)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setFont(screenFont());
    fillWith(frame, background);
    placeAt(frame, left, top, width, height);
    return frame;
}

QRadioButton *addOptionButton(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                              int width, int height, const QColor &background, const QColor &textColor,
                              double pointSize)
{
    auto *option = new OptionButton(parent);
    option->setObjectName(name);
    setCaption(option, caption);
    option->setFont(screenFont(pointSize));
    QPalette palette = option->palette();
    palette.setColor(QPalette::WindowText, textColor);
    palette.setColor(QPalette::ButtonText, textColor);
    option->setPalette(palette);
    if (background.isValid()) {
        fillWith(option, background);
        // A button fills with its Button colour unless told to use Window.
        option->setBackgroundRole(QPalette::Window);
    }
    placeAt(option, left, top, width, height);
    return option;
}

QCheckBox *addCheckBox(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                       int width, int height)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(name);
    setCaption(box, caption);
    box->setFont(screenFont());
    placeAt(box, left, top, width, height);
    return box;
}

void setCaption(QAbstractButton *button, const QString &caption)
{
    button->setText(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    fitCaption(button);
}

QString captionOf(const QAbstractButton *button)
{
    return button->text().replace(QLatin1String("&&"), QLatin1String("&"));
}

void setOptionSilently(QRadioButton *option, bool checked)
{
    if (option->isChecked() == checked)
        return;
    // Choosing one option un-chooses its exclusive siblings, which must stay
    // silent as well.
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    blockers.push_back(std::make_unique<QSignalBlocker>(option));
    if (checked && option->autoExclusive() && option->parentWidget()) {
        const auto siblings
            = option->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
        for (QRadioButton *sibling : siblings) {
            if (sibling != option && sibling->isChecked())
                blockers.push_back(std::make_unique<QSignalBlocker>(sibling));
        }
    }
    // An auto-exclusive button refuses to be unchecked while it is the chosen one.
    const bool exclusive = option->autoExclusive();
    if (!checked)
        option->setAutoExclusive(false);
    option->setChecked(checked);
    option->setAutoExclusive(exclusive);
}

void clearOptions(std::initializer_list<QRadioButton *> options)
{
    for (QRadioButton *option : options)
        setOptionSilently(option, false);
}

} // namespace quorix
