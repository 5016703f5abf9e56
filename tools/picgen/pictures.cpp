// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/picgen/pictures.h"

namespace quorix::picgen {

std::vector<PictureFile> allPictures()
{
    using F = PictureFile;
    std::vector<PictureFile> pictures = {
        {QStringLiteral("data/blank.bmp"), F::PalettedBmp, blankPicture},
        {QStringLiteral("data/zentavo.bmp"), F::PalettedBmp, quorixLogo},
        {QStringLiteral("ui/pictures/exercise-logo.png"), F::Png, quorixLogo},
        {QStringLiteral("ui/pictures/chart-logo.png"), F::Png, chartLogo},
        {QStringLiteral("ui/pictures/menu-illustration.png"), F::Png, menuIllustration},
        {QStringLiteral("ui/pictures/question-decoration.png"), F::Png, questionDecoration},
        {QStringLiteral("data/q1-label.png"), F::Png, foodLabel},
        {QStringLiteral("data/q2-michaelis.png"), F::Png, michaelisMenten},
        {QStringLiteral("data/q2-feedback.png"), F::Png, feedbackInhibition},
        {QStringLiteral("data/q3-enterocyte.png"), F::Png, enterocyteSugars},
        {QStringLiteral("data/q4-tee.png"), F::Png, energyExpenditure},
        {QStringLiteral("data/q5-bmi.png"), F::Png, bmiChart},
        {QStringLiteral("data/q6-glycolysis.png"), F::Png, glycolysis},
        {QStringLiteral("data/q6-cori-cycle.png"), F::Png, coriCycle},
        {QStringLiteral("data/q7-bmi-bands.png"), F::Png, bmiBands},
        {QStringLiteral("data/q7-weight-loss.png"), F::Png, weightLoss},
        {QStringLiteral("data/q8-beta-oxidation.png"), F::Png, betaOxidation},
        {QStringLiteral("data/q8-lipoproteins.png"), F::Png, lipoproteins},
        {QStringLiteral("data/q9-transamination.png"), F::Png, transamination},
        {QStringLiteral("data/q9-urea-cycle.png"), F::Png, ureaCycle},
        {QStringLiteral("data/q10-beta-cell.png"), F::Png, betaCell},
        {QStringLiteral("data/q10-fasting-fuels.png"), F::Png, fastingFuels},
        {QStringLiteral("data/q11-vitamin-d.png"), F::Png, vitaminD},
        {QStringLiteral("data/q12-folate-b12.png"), F::Png, folateB12},
        {QStringLiteral("data/q13-iron-absorption.png"), F::Png, ironAbsorption},
        {QStringLiteral("data/q14-glucose-tolerance.png"), F::Png, glucoseTolerance},
        {QStringLiteral("data/q15-requirements.png"), F::Png, requirements},
        {QStringLiteral("data/q16-bone-mass.png"), F::Png, boneMass},
        {QStringLiteral("data/q16-milk.png"), F::Png, milkComposition},
    };
    for (int band = 1; band <= 7; ++band)
        pictures.push_back({QStringLiteral("data/PAR%1.bmp").arg(band), F::PalettedBmp,
                            [band] { return parPicture(band); }});
    for (int size : {48, 64, 128, 256})
        pictures.push_back({QStringLiteral("dist/icons/%1x%1/org.quorix.Quorix.png").arg(size), F::Png,
                            [size] { return appIcon(size); }});
    return pictures;
}

} // namespace quorix::picgen
