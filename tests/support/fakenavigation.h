// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A screen manager for screen tests: records what the screen asks of it, in
// order in calls, and counts each request.

#include "ui/navigation.h"

#include <QStringList>

namespace quorixtest {

class FakeNavigation : public quorix::Navigation {
public:
    void backToMainMenu(QWidget *from) override { record("back", from), ++backCalls, backFrom = from; }
    void showScoreToDate() override { record("score"), ++scoreCalls; }
    void moreQuestions() override { record("more"), ++moreCalls; }
    void goToQuestions(QWidget *from) override
    {
        record("questions", from), ++questionsCalls, questionsFrom = from;
    }
    void printScoreAndEnd(QWidget *from) override { record("print", from), ++printCalls, printFrom = from; }
    void endWithoutPrinting() override { record("end"), ++endCalls; }
    bool closeRequested(QWidget *from) override
    {
        record("close", from), ++closeCalls;
        return allowClose;
    }

    QStringList calls;
    QWidget *lastFrom = nullptr; // the screen of the last request that names one
    bool allowClose = true;
    int backCalls = 0;
    QWidget *backFrom = nullptr;
    int questionsCalls = 0;
    QWidget *questionsFrom = nullptr;
    int scoreCalls = 0;
    int moreCalls = 0;
    int printCalls = 0;
    QWidget *printFrom = nullptr;
    int endCalls = 0;
    int closeCalls = 0;

private:
    void record(const char *call, QWidget *from = nullptr)
    {
        calls << QString::fromLatin1(call);
        if (from)
            lastFrom = from;
    }
};

} // namespace quorixtest
