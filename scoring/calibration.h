// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How well the student's confidence matches their accuracy, per confidence
// level (1 unsure, 2 fairly sure, 3 very sure), from the tally's six
// confidence counters. For a chance p of being right an answer earns p,
// 4p - 2 or 9p - 6 on average at the three levels, so each level is the
// best one over an exact range of p; verdicts compare k/n with those bounds
// without rounding.

#include "scoring/tally.h"

#include <QString>

#include <array>

namespace quorix {

struct LevelAnswers {
    int right = 0;
    int answers = 0;
};

// A bound kept as a fraction so that k/n is compared with it exactly.
struct Fraction {
    int numerator = 0;
    int denominator = 1;
};

struct BestRange {
    Fraction low;
    Fraction high;
    const char *text; // as printed: "below 67%", "67% to 80%", "above 80%"
};

struct Interval {
    double low = 0;
    double high = 1;
};

enum class CalibrationVerdict {
    NotEnoughAnswers,
    WellCalibrated,
    LittleOverConfident,
    OverConfident,
    LittleUnderConfident,
    UnderConfident,
};

inline constexpr int CalibrationMinimumAnswers = 3;

QString levelName(int level); // "unsure", "fairly sure", "very sure"

// Unsure, fairly sure, very sure; answers marked before any confidence was
// chosen belong to no level.
std::array<LevelAnswers, 3> levelAnswers(const ScoreTally &t);

// right of answers as a whole percent, halves rounded up; 0 for no answers.
int wholePercent(LevelAnswers a);

BestRange bestRange(int level);

// The 95 % Wilson score interval for right of answers; [0, 1] for none.
Interval wilsonInterval(LevelAnswers a, double z = 1.96);

CalibrationVerdict calibrationVerdict(int level, LevelAnswers a);
QString verdictText(CalibrationVerdict verdict);

// What the answers scored at their level, and how much more they would
// have scored at the level that pays most for them.
int marksScored(int level, LevelAnswers a);
int marksLost(int level, LevelAnswers a);

// "<level>: <n> answers, <p>% correct, best <range>, <verdict>", one line
// per level, unsure first, joined by line feeds.
QString calibrationDescription(const ScoreTally &t);
// "Marks lost to miscalibration: unsure <a>, fairly sure <b>, very sure <c>; total <a+b+c>"
QString marksLostLine(const ScoreTally &t);
QString dontKnowSentence();

} // namespace quorix
