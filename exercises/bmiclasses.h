// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/rgb.h"

#include <QString>

#include <array>

namespace quorix {

// One of the eight BMI classes: its option on the BMI screen, its rule and
// its feedback. The captions and feedback are fixed wording, shown as they
// stand even where they do not match the rule ("BMI 18 - 20 = underweight").
struct BmiClass {
    int number = 0; // the option's number
    QString caption;
    Rgb background;
    Rgb text;
    // The rule: a BMI above `from`, or equal to it when fromIncluded, and
    // below the next class's.
    double from = 0;
    bool fromIncluded = false;
    QString sentence; // the worked answer's last line
    QString saidFirst; // the two "You said" lines, blanks included
    QString saidSecond;
};

const std::array<BmiClass, 8> &bmiClasses();
// Class 1 to 8.
const BmiClass &bmiClass(int number);

} // namespace quorix
