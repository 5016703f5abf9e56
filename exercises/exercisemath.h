// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The exercises' arithmetic as pure functions of their inputs: the random
// draws (as functions of the r values), the BMI and its class, the PAR and
// its band, and the energy, oxygen and BMR of the worked answer. Values are
// cut, never rounded, each step in the order the exercise states.

#include "core/rgb.h"

#include <QChar>

namespace quorix {

// 1 for a man, 2 for a woman.
int sexFromDraw(double r);

// Whole centimetres 150 to 189 and kilograms 40 to 99.
float heightFromDraw(double r);
float weightFromDraw(double r);
// Weight in kg over the square of the height in metres, cut to one decimal
// in exact decimal arithmetic, so a student working it out by hand gets the
// same tenth: 160 cm and 64 kg give 25.0. Heights and weights are whole.
double bmiOf(float heightCm, float weightKg);
// A person whose BMI lies outside 15.5 to 45 is drawn again.
bool bmiIsShown(double bmi);
// 1 to 8, by the rules of the class table.
int bmiClassOf(double bmi);

// 5.0 to 9.4 MJ per day, one decimal.
double bmrFromDraw(double r);
// 1.00 to 7.89, two decimals; redrawn while it lies outside every band's
// drawn values.
double parFromDraw(double r);
bool parIsRedrawn(double par);
// 1 to 7, by the band rules of the band table.
int parBandOf(double par);
// The energy of 30 minutes at this PAR, in kJ cut to one decimal, in double
// precision in the stated order (BMR x 1000 / 48 x PAR x 10): where the exact
// value is a whole tenth the binary step may cut it one tenth lower.
double energyKjOf(double bmrMjPerDay, double par);
// The oxygen of that energy at 20 kJ per litre, cut to one decimal.
double oxygenLitresOf(double energyKj);
// The BMR over 30 minutes in whole kJ, cut.
double bmrHalfHourKj(double bmrMjPerDay);

// The marking's colour and face: green and smiling when right, red and
// frowning when wrong.
Rgb feedbackColour(bool right);
QChar feedbackFace(bool right);

} // namespace quorix
