// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/printscript.h"
#include "core/rgb.h"

#include <QString>
#include <QStringList>

#include <array>

namespace quorix {

// One of the seven PAR bands: its option on the PAR screen, the PAR values
// the generator draws for it, its rule, its picture and example activities.
// The caption of band 7 reaches 7.9 although no value above 7.80 is drawn.
struct ParBand {
    int number = 0; // the option's number
    QString caption;
    Rgb background;
    Rgb text;
    double drawnFrom = 0; // drawn values, both ends included
    double drawnTo = 0;
    double ruleFrom = 0; // the band rule: this PAR or more, below the next band's
    QString picture; // a file name in the data folder
    QStringList examples; // one per line, blanks included
    QString youSaid; // the choice repeated after marking
};

const std::array<ParBand, 7> &parBands();
// Band 1 to 7.
const ParBand &parBand(int number);
// The band's example lines, each ended.
PrintScript bandExamples(int number);

// The logo the PAR screen shows beside its buttons.
QString parLogoPicture();
// Every picture the PAR screen loads from the data folder: the bands' and the
// logo. A folder whose menu opens the PAR exercise needs them all.
QStringList parExercisePictures();

} // namespace quorix
