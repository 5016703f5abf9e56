// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculation exercises shown before the questions of some sets: one
// owner per exercise (BmiExercise, ParExercise) holding the drawn person or
// activity, the correct class or band and the student's choice. Each draws
// from the random source it is given, takes the student's choice and marks
// it, returning what its screen shows; the arithmetic is in exercisemath.h
// and the class and band tables in bmiclasses.h and parbands.h.

#include "core/printscript.h"
#include "core/rgb.h"

#include <QChar>

namespace quorix {

class RandomSource;

struct BmiPerson {
    int sex = 1; // 1 man, 2 woman
    float height = 0; // cm
    float weight = 0; // kg
    double bmi = 0;
    int bmiClass = 0;
};

// A person of that sex, height and weight, with the BMI and class.
BmiPerson bmiPerson(int sex, float height, float weight);
// Draws sex, height and weight, all again until the BMI is shown.
BmiPerson drawBmiPerson(RandomSource &random);

struct BmiMarking {
    bool right = false;
    PrintScript workedAnswer; // Picture3
    PrintScript youSaid; // Picture5, in colour
    Rgb colour;
    QChar face;
};

class BmiExercise {
public:
    // Draws a new person and returns the lines that describe them. The
    // earlier person's choice is forgotten: this one needs its own.
    PrintScript draw(RandomSource &random);
    // As draw, with the person given.
    PrintScript present(const BmiPerson &person);
    // Option 1 to 8 for the person drawn; ignored when there is none to mark.
    void choose(int option);
    // A person drawn, not yet marked, with a choice made for them.
    bool canMark() const;
    BmiMarking mark();
    // The student leaves the screen: an unmarked person is dropped.
    void leave();

    const BmiPerson &person() const { return m_person; }
    int choice() const { return m_choice; }

private:
    BmiPerson m_person;
    int m_choice = 0;
    bool m_awaitingMark = false;
};

} // namespace quorix
