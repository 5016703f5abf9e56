// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace quorix {

class WindowPlacement;

// What a screen asks of the application: moving between screens and ending.
// The application implements it; screen tests pass a fake.
class Navigation {
public:
    virtual ~Navigation() = default;

    // Question or score-to-date screen: show the menu as it was left, then
    // unload the calling screen. Exercise screen: show the menu, hide from.
    virtual void backToMainMenu(QWidget *from) = 0;
    // Question screen: show the score-to-date screen (load it if needed).
    virtual void showScoreToDate() = 0;
    // Score-to-date screen: unload it and show the question screen.
    virtual void moreQuestions() = 0;
    // Exercise screen: show the question screen (load it if needed), hide from.
    virtual void goToQuestions(QWidget *from) = 0;
    // Any screen: name prompt, report, end (or stay if the report could not
    // be printed or saved and the student chose to go back).
    virtual void printScoreAndEnd(QWidget *from) = 0;
    // Any screen: end at once, no report.
    virtual void endWithoutPrinting() = 0;
    // The window manager asks to close a screen. Return true to let it close.
    virtual bool closeRequested(QWidget *from) = 0;
    // The size and position every screen window of the run shares; none by
    // default, so that each window keeps its own.
    virtual WindowPlacement *placement() { return nullptr; }
};

} // namespace quorix
