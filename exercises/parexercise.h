// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/printscript.h"
#include "core/rgb.h"

#include <QChar>
#include <QString>

namespace quorix {

class RandomSource;

struct ParActivity {
    int sex = 1; // 1 man, 2 woman
    double bmr = 0; // MJ per day
    double par = 0;
    double energyKj = 0; // in the 30 minutes
    double oxygenLitres = 0;
    int band = 0;
};

// An activity of a person of that sex and BMR at that PAR, with the energy,
// oxygen and band worked out.
ParActivity parActivity(int sex, double bmr, double par);
// Draws sex, BMR and PAR, the PAR again until it lies in a band.
ParActivity drawParActivity(RandomSource &random);

struct ParDrawn {
    PrintScript description; // Picture1
    PrintScript correctExamples; // Picture11, shown at marking
};

struct ParPreview {
    QString picture; // Picture7
    PrintScript examples; // Picture8
};

struct ParMarking {
    bool right = false;
    QString youSaid; // Label2
    QString correctPicture; // Picture9
    PrintScript workedAnswer; // Picture10, in colour
    Rgb colour;
    QChar face;
};

class ParExercise {
public:
    // Draws a new activity; the earlier choice is forgotten.
    ParDrawn draw(RandomSource &random);
    // As draw, with the activity given.
    ParDrawn present(const ParActivity &activity);
    // Band 1 to 7 for the activity drawn: the preview of that band. Ignored
    // (an empty preview) when there is no activity to mark.
    ParPreview choose(int band);
    // An activity drawn, not yet marked, with a band chosen for it.
    bool canMark() const;
    ParMarking mark();
    // The student leaves the screen: an unmarked activity is dropped.
    void leave();

    const ParActivity &activity() const { return m_activity; }
    int choice() const { return m_choice; }

private:
    ParActivity m_activity;
    int m_choice = 0;
    bool m_awaitingMark = false;
};

} // namespace quorix
