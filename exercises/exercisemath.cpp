// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/exercisemath.h"

#include "exercises/bmiclasses.h"
#include "exercises/parbands.h"

#include <cmath>

namespace quorix {

int sexFromDraw(double r)
{
    // Not Int(r * 2 + 1): for the largest r below 1 the sum rounds up to 3.
    return int(r * 2) + 1;
}

float heightFromDraw(double r)
{
    return float(int(r * 40) + 150);
}

float weightFromDraw(double r)
{
    return float(int(r * 60) + 40);
}

double bmiOf(float heightCm, float weightKg)
{
    // In whole tenths, exactly: w / (h / 100)^2 * 10 = 100000 * w / h^2. The
    // inputs are whole numbers, so the cut is an integer division.
    const long long h = std::llround(heightCm);
    const long long w = std::llround(weightKg);
    if (h <= 0 || w < 0)
        return 0;
    return double(100000 * w / (h * h)) / 10;
}

bool bmiIsShown(double bmi)
{
    return bmi >= 15.5 && bmi <= 45;
}

int bmiClassOf(double bmi)
{
    const auto &classes = bmiClasses();
    for (auto c = classes.rbegin(); c != classes.rend(); ++c) {
        if (bmi > c->from || (c->fromIncluded && bmi == c->from))
            return c->number;
    }
    return classes.front().number;
}

double bmrFromDraw(double r)
{
    return std::floor(r * 4.5 * 10) / 10 + 5;
}

double parFromDraw(double r)
{
    return std::floor((r * 6.9 + 1) * 100) / 100;
}

bool parIsRedrawn(double par)
{
    for (const ParBand &band : parBands()) {
        if (par >= band.drawnFrom && par <= band.drawnTo)
            return false;
    }
    return true;
}

int parBandOf(double par)
{
    const auto &bands = parBands();
    for (auto b = bands.rbegin(); b != bands.rend(); ++b) {
        if (par >= b->ruleFrom)
            return b->number;
    }
    return bands.front().number;
}

double energyKjOf(double bmrMjPerDay, double par)
{
    return std::floor(bmrMjPerDay * 1000 / 48 * par * 10) / 10;
}

double oxygenLitresOf(double energyKj)
{
    return std::floor(energyKj / 20 * 10) / 10;
}

double bmrHalfHourKj(double bmrMjPerDay)
{
    return std::floor(bmrMjPerDay * 1000 / 48);
}

Rgb feedbackColour(bool right)
{
    return right ? Rgb{0, 150, 0} : Rgb{255, 0, 0};
}

QChar feedbackFace(bool right)
{
    return right ? QLatin1Char('J') : QLatin1Char('L');
}

} // namespace quorix
