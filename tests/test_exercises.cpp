// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/randomsource.h"
#include "exercises/bmiexercise.h"
#include "exercises/exercisemath.h"
#include "exercises/parbands.h"
#include "exercises/parexercise.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>

using namespace quorix;

namespace {

// The largest r the random source can give.
const double rMax = std::nextafter(1.0, 0.0);

// The previous release's BMI: the height in metres held as a 32-bit float
// before it is squared.
double floatStepBmi(int h, int w)
{
    const double metres = static_cast<float>(h / 100.0);
    return std::floor(w / (metres * metres) * 10) / 10;
}

// PAR values are whole hundredths k; the drawn ones and the band of each.
bool drawn(int k)
{
    static const std::pair<int, int> ranges[]
        = {{110, 140}, {150, 180}, {190, 240}, {250, 330}, {340, 440}, {450, 590}, {600, 780}};
    for (auto [from, to] : ranges) {
        if (k >= from && k <= to)
            return true;
    }
    return false;
}

int bandOfHundredths(int k)
{
    static const int starts[] = {145, 185, 245, 335, 445, 595};
    int band = 1;
    for (int start : starts)
        band += k >= start ? 1 : 0;
    return band;
}

// The r that lands in the middle of the draw giving n of count values.
double rFor(int n, int count)
{
    return (n + 0.5) / count;
}

} // namespace

TEST(BmiArithmetic, EveryPairIsTheExactTenthAndOnlyTwoDifferFromTheFloatStep)
{
    // The pairs where the float step cut one tenth too low, and so the only
    // ones whose shown BMI changed.
    const std::map<std::pair<int, int>, std::pair<double, double>> changed = {
        {{160, 64}, {24.9, 25.0}},
        {{160, 96}, {37.4, 37.5}},
    };
    int shown = 0;
    double largest = 0;
    for (int h = 150; h <= 189; ++h) {
        for (int w = 40; w <= 99; ++w) {
            const double bmi = bmiOf(float(h), float(w));
            const long tenths = std::lround(bmi * 10);
            ASSERT_EQ(bmi, tenths / 10.0) << h << "/" << w;
            // The largest tenth t with t * h^2 <= 100000 * w, checked by
            // multiplication so that no division is shared with the program.
            ASSERT_LE(tenths * h * h, 100000L * w) << h << "/" << w;
            ASSERT_GT((tenths + 1) * h * h, 100000L * w) << h << "/" << w;
            const auto change = changed.find({h, w});
            if (change == changed.end()) {
                ASSERT_EQ(bmi, floatStepBmi(h, w)) << h << "/" << w;
            } else {
                EXPECT_EQ(floatStepBmi(h, w), change->second.first) << h << "/" << w;
                EXPECT_EQ(bmi, change->second.second) << h << "/" << w;
            }
            if (tenths >= 155 && tenths <= 450) {
                ++shown;
                largest = std::max(largest, bmi);
            }
            EXPECT_EQ(bmiIsShown(bmi), tenths >= 155 && tenths <= 450) << h << "/" << w;
        }
    }
    EXPECT_EQ(shown, 2165);
    EXPECT_EQ(largest, 44.0);
}

TEST(BmiArithmetic, WorkedValues)
{
    struct Case {
        int height, weight;
        double bmi;
        int bmiClass;
    };
    const Case cases[] = {
        {160, 64, 25, 6},   {158, 40, 16, 1}, {160, 41, 16, 1},   {153, 40, 17, 3},
        {151, 42, 18.4, 4}, {150, 45, 20, 5}, {156, 61, 25, 6},   {157, 74, 30, 7},
        {150, 90, 40, 8},   {154, 95, 40, 8}, {160, 96, 37.5, 7}, {170, 65, 22.4, 5},
    };
    for (const Case &c : cases) {
        const BmiPerson p = bmiPerson(1, float(c.height), float(c.weight));
        EXPECT_EQ(p.bmi, c.bmi) << c.height << "/" << c.weight;
        EXPECT_EQ(p.bmiClass, c.bmiClass) << c.height << "/" << c.weight;
    }
    EXPECT_EQ(bmiOf(161, 40), 15.4);
    EXPECT_FALSE(bmiIsShown(15.4));
}

TEST(BmiArithmetic, ClassRulesAtEveryBoundary)
{
    const std::pair<int, int> cases[] = {
        {155, 1}, {160, 1}, {161, 2}, {169, 2}, {170, 3}, {183, 3}, {184, 4}, {199, 4},
        {200, 5}, {249, 5}, {250, 6}, {299, 6}, {300, 7}, {399, 7}, {400, 8}, {440, 8},
    };
    for (auto [tenths, expected] : cases)
        EXPECT_EQ(bmiClassOf(tenths / 10.0), expected) << tenths;
}

TEST(BmiArithmetic, DrawsCoverTheirRanges)
{
    EXPECT_EQ(sexFromDraw(0), 1);
    EXPECT_EQ(sexFromDraw(0.5), 2);
    EXPECT_EQ(sexFromDraw(rMax), 2);
    EXPECT_EQ(heightFromDraw(0), 150);
    EXPECT_EQ(heightFromDraw(rMax), 189);
    EXPECT_EQ(weightFromDraw(0), 40);
    EXPECT_EQ(weightFromDraw(rMax), 99);
}

TEST(ParArithmetic, DrawRedrawAndBandsOverEveryHundredth)
{
    EXPECT_EQ(parFromDraw(0), 1.0);
    // The largest r gives 7.90, which is drawn again.
    EXPECT_TRUE(parIsRedrawn(parFromDraw(rMax)));
    std::map<int, int> perBand;
    for (int k = 100; k <= 789; ++k) {
        const double par = parFromDraw((k - 100 + 0.5) / 690);
        ASSERT_EQ(par, k / 100.0) << k;
        ASSERT_EQ(parIsRedrawn(par), !drawn(k)) << k;
        ASSERT_EQ(parBandOf(par), bandOfHundredths(k)) << k;
        if (drawn(k))
            ++perBand[bandOfHundredths(k)];
    }
    const std::map<int, int> expected = {{1, 31}, {2, 31}, {3, 51}, {4, 81}, {5, 101}, {6, 141}, {7, 181}};
    EXPECT_EQ(perBand, expected);
    // 2.45 is never drawn, but the rule would put it in band 4.
    EXPECT_EQ(parBandOf(2.45), 4);
}

TEST(ParArithmetic, EnergyOxygenAndHalfHourBmrOverEveryActivity)
{
    int activities = 0, cutLower = 0, oxygenLower = 0;
    for (int b = 50; b <= 94; ++b) {
        const double bmr = bmrFromDraw(rFor(b - 50, 45));
        ASSERT_EQ(bmr, b / 10.0) << b;
        // Exact: B = floor(b / 10 * 1000 / 48), in integers.
        ASSERT_EQ(bmrHalfHourKj(bmr), double(b * 100 / 48)) << b;
        for (int k = 110; k <= 780; ++k) {
            if (!drawn(k))
                continue;
            ++activities;
            const double par = k / 100.0;
            // Exact tenths of a kJ: b / 10 * 1000 / 48 * k / 100 * 10 = 5bk / 24.
            // The double steps may cut a whole tenth one lower (5.1 and 2.32
            // give 246.4, not 246.5), and the oxygen follows the energy shown.
            const long energyTenths = 5L * b * k / 24;
            const double energy = energyKjOf(bmr, par);
            const long below = energyTenths - std::lround(energy * 10);
            ASSERT_EQ(energy, (energyTenths - below) / 10.0) << b << " " << k;
            ASSERT_TRUE(below == 0 || (below == 1 && 5L * b * k % 24 == 0)) << b << " " << k;
            cutLower += int(below);
            const long oxygenTenths = (energyTenths - below) / 20;
            ASSERT_EQ(oxygenLitresOf(energy), oxygenTenths / 10.0) << b << " " << k;
            oxygenLower += oxygenTenths != energyTenths / 20 ? 1 : 0;
        }
    }
    EXPECT_EQ(activities, 617 * 45);
    EXPECT_EQ(cutLower, 414);
    EXPECT_EQ(oxygenLower, 136);
    EXPECT_EQ(bmrFromDraw(0), 5.0);
    EXPECT_EQ(bmrFromDraw(rMax), 9.4);
}

TEST(ParArithmetic, WorkedValues)
{
    struct Case {
        double bmr, par, energy, oxygen, halfHour;
        int band;
    };
    const Case cases[] = {
        {7.2, 1.5, 225, 11.2, 150, 2},    {5.1, 2.5, 265.6, 13.2, 106, 4}, {5.0, 1.1, 114.5, 5.7, 104, 1},
        {9.4, 7.8, 1527.5, 76.3, 195, 7}, {5.0, 1.4, 145.8, 7.2, 104, 1},  {5.0, 1.5, 156.2, 7.8, 104, 2},
        {5.1, 2.32, 246.4, 12.3, 106, 3},
    };
    for (const Case &c : cases) {
        const ParActivity a = parActivity(2, c.bmr, c.par);
        EXPECT_EQ(a.energyKj, c.energy) << c.bmr << " " << c.par;
        EXPECT_EQ(a.oxygenLitres, c.oxygen) << c.bmr << " " << c.par;
        EXPECT_EQ(a.band, c.band) << c.bmr << " " << c.par;
        EXPECT_EQ(bmrHalfHourKj(c.bmr), c.halfHour) << c.bmr;
    }
}

// The owners: a choice belongs to the person or activity it was made for.
TEST(BmiExerciseOwner, ChoiceBelongsToThePersonDrawn)
{
    RandomSource random(7);
    BmiExercise exercise;
    exercise.choose(3);
    EXPECT_FALSE(exercise.canMark()) << "nothing drawn";

    exercise.present(bmiPerson(1, 170, 65));
    EXPECT_FALSE(exercise.canMark());
    exercise.choose(9);
    EXPECT_FALSE(exercise.canMark()) << "no option 9";
    exercise.choose(3);
    exercise.draw(random);
    EXPECT_FALSE(exercise.canMark()) << "a new person forgets the earlier choice";
    EXPECT_EQ(exercise.choice(), 0);

    exercise.present(bmiPerson(2, 170, 65));
    exercise.choose(4);
    exercise.choose(5);
    const BmiMarking right = exercise.mark();
    EXPECT_TRUE(right.right);
    EXPECT_EQ(right.colour, (Rgb{0, 150, 0}));
    EXPECT_EQ(right.face, QLatin1Char('J'));
    EXPECT_FALSE(exercise.canMark()) << "marked once";
    exercise.choose(5);
    EXPECT_FALSE(exercise.canMark());

    exercise.present(bmiPerson(1, 150, 90));
    exercise.choose(7);
    const BmiMarking wrong = exercise.mark();
    EXPECT_FALSE(wrong.right);
    EXPECT_EQ(wrong.colour, (Rgb{255, 0, 0}));
    EXPECT_EQ(wrong.face, QLatin1Char('L'));

    exercise.present(bmiPerson(1, 150, 90));
    exercise.choose(8);
    exercise.leave();
    EXPECT_FALSE(exercise.canMark()) << "leaving drops the unmarked person";
}

TEST(ParExerciseOwner, ChoiceBelongsToTheActivityDrawn)
{
    RandomSource random(7);
    ParExercise exercise;
    EXPECT_TRUE(exercise.choose(2).picture.isEmpty()) << "nothing drawn";

    exercise.present(parActivity(1, 5.1, 2.5));
    const ParPreview preview = exercise.choose(2);
    EXPECT_EQ(preview.picture, QStringLiteral("PAR2.bmp"));
    ASSERT_EQ(preview.examples.size(), 8u);
    EXPECT_EQ(preview.examples.front().text, QStringLiteral("sitting: sewing, knitting, driving"));
    exercise.choose(3);
    const ParMarking wrong = exercise.mark();
    EXPECT_FALSE(wrong.right);
    EXPECT_EQ(wrong.youSaid, QStringLiteral("You said PAR 1.9 - 2.4"));
    EXPECT_EQ(wrong.correctPicture, QStringLiteral("PAR4.bmp"));
    EXPECT_EQ(wrong.face, QLatin1Char('L'));
    EXPECT_FALSE(exercise.canMark()) << "marked once";

    exercise.present(parActivity(1, 5.1, 2.5));
    exercise.choose(4);
    exercise.draw(random);
    EXPECT_FALSE(exercise.canMark()) << "a new activity forgets the earlier choice";
    exercise.choose(1);
    exercise.leave();
    EXPECT_FALSE(exercise.canMark()) << "leaving drops the unmarked activity";
}

TEST(ExerciseDraws, EveryDrawIsShownAndInItsBand)
{
    RandomSource random(2024);
    for (int n = 0; n < 2000; ++n) {
        const BmiPerson p = drawBmiPerson(random);
        ASSERT_TRUE(bmiIsShown(p.bmi));
        const ParActivity a = drawParActivity(random);
        ASSERT_FALSE(parIsRedrawn(a.par));
        ASSERT_GE(a.band, 1);
        ASSERT_LE(a.band, 7);
    }
}
