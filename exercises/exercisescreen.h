// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the BMI and PAR screens share: their column on the right, the logo
// above the buttons.

#include <QString>

#include <span>

class QKeyEvent;
class QPushButton;
class QRadioButton;
class QWidget;

namespace quorix {

class PictureArea;
class ScreenWindow;

struct ExerciseColumn {
    PictureArea *picture2 = nullptr; // the logo
    QPushButton *selectperson = nullptr; // draws a person or an activity
    QPushButton *command1 = nullptr; // "Go to questions"
    QPushButton *command5 = nullptr; // "Back to main menu"
};

// The logo, then the draw button with its caption, "Go to questions", "Back
// to main menu" and the two END buttons, at their places in the column. Return belongs to
// the screen (OK, else the draw button), so no button takes it for itself,
// and Tab runs from the first option through OK and down the column.
ExerciseColumn addExerciseColumn(ScreenWindow *screen, const QString &drawCaption, QWidget *firstOption,
                                 QPushButton *classify);

// An exercise screen's keys: 1 to n choose option n, Return presses OK while
// it shows, else the draw button. False for keys the screen leaves to Qt.
bool pressExerciseKey(ScreenWindow *screen, QKeyEvent *event, std::span<QRadioButton *const> options,
                      QPushButton *classify, QPushButton *selectperson);

} // namespace quorix
