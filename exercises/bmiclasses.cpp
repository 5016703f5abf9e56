// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/bmiclasses.h"

#include <limits>

namespace quorix {

namespace {

BmiClass makeClass(int number, const char *caption, Rgb background, Rgb text, double from, bool fromIncluded,
                   const char *sentence, const char *saidFirst, const char *saidSecond)
{
    return {number,
            QString::fromLatin1(caption),
            background,
            text,
            from,
            fromIncluded,
            QString::fromLatin1(sentence),
            QString::fromLatin1(saidFirst),
            QString::fromLatin1(saidSecond)};
}

} // namespace

const std::array<BmiClass, 8> &bmiClasses()
{
    constexpr Rgb black{0, 0, 0};
    constexpr double lowest = -std::numeric_limits<double>::infinity();
    static const std::array<BmiClass, 8> classes = {
        makeClass(1, "BMI < 16 = severe protein-energy malnutrition", {0, 0, 128}, {128, 255, 255}, lowest,
                  true, "This is severe protein-energy malnutrition.", "You said this person had a BMI < 16",
                  "and was suffering from severe protein-energy malnutrition."),
        makeClass(2, "BMI 16 - 17 = moderately severe protein-energy malnutrition", {0, 0, 255},
                  {255, 255, 255}, 16, false, "This is moderately severe protein-energy malnutrition.",
                  "You said this person had a BMI 16 - 17",
                  " and was suffering from moderately severe protein-energy malnutrition."),
        makeClass(3, "BMI 17 - 18.4 = moderate protein-energy malnutrition", {0, 192, 192}, black, 17, true,
                  "This is moderate protein-energy malnutrition.", "You said this person had a BMI 17 - 18.4",
                  " and was suffering from moderate protein-energy malnutrition."),
        makeClass(4, "BMI 18 - 20 = underweight", {192, 255, 192}, black, 18.4, true, "This is underweight.",
                  "You said this person had a BMI 18.4 - 20", " and was underweight."),
        makeClass(5, "BMI 20 - 25 = desirable range", {0, 255, 0}, black, 20, true,
                  "This is the desirable range.", "You said this person had a BMI 20 - 25",
                  " and was within the desirable range."),
        makeClass(6, "BMI 25 - 30 = overweight", {255, 255, 0}, black, 25, true, "This is overweight.",
                  "You said this person had a BMI 25 - 30", " and was overweight."),
        makeClass(7, "BMI 30 - 40 = obese", {255, 0, 0}, {255, 255, 0}, 30, true, "This is obesity.",
                  "You said this person had a BMI 30 - 40", " and was obese."),
        makeClass(8, "BMI > 40 = severely obese", {128, 0, 0}, {255, 255, 0}, 40, true,
                  "This is severe obesity.", "You said this person had a BMI > 40 ",
                  "and was severely obese."),
    };
    return classes;
}

const BmiClass &bmiClass(int number)
{
    return bmiClasses().at(std::size_t(number - 1));
}

} // namespace quorix
