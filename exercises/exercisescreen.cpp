// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/exercisescreen.h"

#include "ui/fixedpictures.h"
#include "ui/keyboard.h"
#include "ui/picturearea.h"
#include "ui/screenwindow.h"
#include "ui/twips.h"

#include <QImage>

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace quorix {

ExerciseColumn addExerciseColumn(ScreenWindow *screen, const QString &drawCaption, QWidget *firstOption,
                                 QPushButton *classify)
{
    ExerciseColumn b;
    b.picture2 = new PictureArea(screen, QStringLiteral("Picture2"));
    placeAt(b.picture2, 11640, 0, 3600, 3600);
    b.picture2->setFixedPicture(fixedpictures::exerciseLogo());
    b.selectperson
        = screen->addButton(screen, QStringLiteral("selectperson"), drawCaption, 11640, 4440, 3615, 495);
    b.command1 = screen->addButton(screen, QStringLiteral("Command1"), QStringLiteral("Go to questions"),
                                   11640, 5040, 3615, 495);
    b.command5 = screen->addButton(screen, QStringLiteral("Command5"), QStringLiteral("Back to main menu"),
                                   11640, 8880, 3615, 495);
    screen->addEndButtons(9600, 10320);

    keepReturnForTheScreen(screen);
    chainTabOrder({firstOption, classify, b.selectperson, b.command1, b.command5,
                   screen->endPrintScoreButton(), screen->endNoPrintButton()});
    return b;
}

bool pressExerciseKey(ScreenWindow *screen, QKeyEvent *event, std::span<QRadioButton *const> options,
                      QPushButton *classify, QPushButton *selectperson)
{
    const auto controlFor = [&](int key) -> QAbstractButton * {
        const int option = key - Qt::Key_1;
        if (option >= 0 && option < int(options.size()))
            return options[std::size_t(option)];
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return classify->isVisibleTo(screen) ? classify : selectperson;
        return nullptr;
    };
    return pressControlForKey(screen, event, controlFor);
}

} // namespace quorix
