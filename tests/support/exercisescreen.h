// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// An exercise screen (Form4 or Form5) on its own exercise, a seeded random
// source and a fake screen manager, driven by event names: draw, o1..o8,
// ok, go, back. Anything after the seed (the PAR screen's data folder) is
// passed on to the screen.

#include "core/randomsource.h"
#include "tests/support/fakenavigation.h"
#include "tests/support/screenprobe.h"

#include <QString>
#include <QTest>

#include <cstdint>

namespace quorixtest {

template<typename Exercise, typename Form> struct ExerciseScreen {
    template<typename... Extra>
    explicit ExerciseScreen(std::uint64_t seed, const Extra &...extra)
        : random(seed), form(exercise, random, extra..., nav), probe(&form)
    {
        form.show();
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form))
            qWarning("the exercise screen did not become active");
    }

    // False, with a warning, at the first event whose control is hidden.
    bool events(const QString &names)
    {
        for (const QString &name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QByteArray control = name == QLatin1String("draw") ? QByteArray("selectperson")
                : name == QLatin1String("ok")                        ? QByteArray("classify")
                : name == QLatin1String("go")                        ? QByteArray("Command1")
                : name == QLatin1String("back")                      ? QByteArray("Command5")
                                                                     : "Option" + name.mid(1).toLatin1();
            if (!probe.click(control.constData())) {
                qWarning("%s: its control is hidden", qPrintable(name));
                return false;
            }
        }
        return true;
    }

    Exercise exercise;
    quorix::RandomSource random;
    FakeNavigation nav;
    Form form;
    ScreenProbe probe;
};

} // namespace quorixtest
