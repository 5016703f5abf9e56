// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Drives a real question screen on a small bank written by the test.

#include "core/datafolder.h"
#include "core/randomsource.h"
#include "questions/form2.h"
#include "questions/questionsession.h"
#include "scoring/answerlog.h"
#include "scoring/tally.h"
#include "tests/support/banks.h"
#include "tests/support/fakenavigation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

namespace quorixtest {

using quorixtest::makeBank;

class Harness {
public:
    explicit Harness(std::uint64_t seed = 42) : random(seed) { }

    // What the main menu does when it accepts a bank: a new test.
    void acceptBank(const quorix::LoadedBank &bank, const QString &title = QStringLiteral("Test set"))
    {
        session.startTest(title, bank);
    }

    // Loads the screen afresh, as the menu's OK does after accepting a bank.
    quorix::Form2 *open()
    {
        form.reset();
        form = std::make_unique<quorix::Form2>(session, random, folder, nav);
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("question screen did not become active");
        return form.get();
    }

    template<typename T = QWidget> T *child(const char *name) const
    {
        T *w = form->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control named %s", name);
        return w;
    }

    // Clicks a control the student can see; false when it cannot be seen.
    bool click(const char *name)
    {
        QWidget *w = child(name);
        if (!w->isVisible())
            return false;
        QTest::mouseClick(w, Qt::LeftButton);
        return true;
    }

    // Event names: select, skip, true, false, dk, c1, c2, c3, ok, explain.
    bool event(const QString &name)
    {
        static const std::pair<const char *, const char *> controls[] = {
            {"select", "Command2"}, {"skip", "Command4"},    {"true", "Option1"}, {"false", "Option2"},
            {"dk", "Option3"},      {"c1", "Option7"},       {"c2", "Option8"},   {"c3", "Option9"},
            {"ok", "OKanswer"},     {"explain", "Command5"},
        };
        for (auto [event, control] : controls) {
            if (name == QLatin1String(event))
                return click(control);
        }
        qFatal("unknown event %s", qPrintable(name));
        return false;
    }

    bool events(const QStringList &names)
    {
        for (const QString &name : names) {
            if (!event(name)) {
                qWarning("%s: its control is hidden", qPrintable(name));
                return false;
            }
        }
        return true;
    }

    // Presses a key where the keyboard's focus is, as a student would.
    void key(Qt::Key k)
    {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target ? target : form.get(), k);
    }

    // V or h for each control of the visibility table, in its column order;
    // a control's own flag, whatever its frame shows.
    QString visibility() const
    {
        static const char *names[] = {"showme", "Command2", "Command4", "Frame1", "OKanswer", "Frame3",
                                      "Frame2", "Command5", "Label1",   "Label2", "Label3"};
        QString out;
        for (const char *name : names)
            out += child(name)->isHidden() ? QLatin1Char('h') : QLatin1Char('V');
        return out;
    }

    QString text(const char *box) const { return child(box)->accessibleDescription(); }

    quorix::ScoreTally tally;
    quorix::AnswerLog log;
    quorix::QuestionSession session{tally, log};
    quorix::RandomSource random;
    FakeNavigation nav;
    // Pictures come from an empty folder unless a test points this elsewhere.
    QTemporaryDir emptyFolder;
    quorix::DataFolder folder{emptyFolder.path()};
    std::unique_ptr<quorix::Form2> form;
};

} // namespace quorixtest
