#pragma once

// A screen manager for screen tests: counts what the screen asks of it.

#include "ui/navigation.h"

namespace quorixtest {

class FakeNavigation : public quorix::Navigation {
public:
    void backToMainMenu(QWidget *from) override { ++backCalls, backFrom = from; }
    void showScoreToDate() override { ++scoreCalls; }
    void moreQuestions() override { }
    void goToQuestions(QWidget *from) override { ++questionsCalls, questionsFrom = from; }
    void printScoreAndEnd(QWidget *) override { ++printCalls; }
    void endWithoutPrinting() override { ++endCalls; }
    bool closeRequested(QWidget *) override
    {
        ++closeCalls;
        return true;
    }

    int backCalls = 0;
    QWidget *backFrom = nullptr;
    int questionsCalls = 0;
    QWidget *questionsFrom = nullptr;
    int scoreCalls = 0;
    int printCalls = 0;
    int endCalls = 0;
    int closeCalls = 0;
};

} // namespace quorixtest
