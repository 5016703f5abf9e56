// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/parexercise.h"

#include "core/randomsource.h"
#include "exercises/exercisemath.h"
#include "exercises/parbands.h"

namespace quorix {

namespace {

PrintItem text(const char *t)
{
    return PrintItem::textItem(QString::fromLatin1(t));
}

PrintItem number(double n)
{
    return PrintItem::numberItem(n);
}

} // namespace

ParActivity parActivity(int sex, double bmr, double par)
{
    ParActivity activity{sex, bmr, par, energyKjOf(bmr, par), 0, parBandOf(par)};
    activity.oxygenLitres = oxygenLitresOf(activity.energyKj);
    return activity;
}

ParActivity drawParActivity(RandomSource &random)
{
    const int sex = sexFromDraw(random.next());
    const double bmr = bmrFromDraw(random.next());
    double par = parFromDraw(random.next());
    while (parIsRedrawn(par))
        par = parFromDraw(random.next());
    return parActivity(sex, bmr, par);
}

ParDrawn ParExercise::draw(RandomSource &random)
{
    return present(drawParActivity(random));
}

ParDrawn ParExercise::present(const ParActivity &activity)
{
    m_activity = activity;
    m_choice = 0;
    m_awaitingMark = true;
    const bool man = activity.sex == 1;
    ParDrawn drawn;
    drawn.description = {text("You are considering a young adult "),
                         text(man ? "man" : "woman"),
                         text(" whose BMR ="),
                         number(activity.bmr),
                         text(" MJ / Day"),
                         PrintItem::lineEnd(),
                         text(man ? "He" : "She"),
                         text(" undertakes an exercise for 30 minutes, during which "),
                         text(man ? "he" : "she"),
                         text(" consumes "),
                         number(activity.oxygenLitres),
                         text("L oxygen."),
                         PrintItem::lineEnd(),
                         text("Calculate the Physical Activity Ratio (PAR) of this activity."),
                         PrintItem::lineEnd()};
    drawn.correctExamples = bandExamples(activity.band);
    return drawn;
}

ParPreview ParExercise::choose(int band)
{
    if (!m_awaitingMark || band < 1 || band > int(parBands().size()))
        return {};
    m_choice = band;
    return {parBand(band).picture, bandExamples(band)};
}

bool ParExercise::canMark() const
{
    return m_awaitingMark && m_choice != 0;
}

ParMarking ParExercise::mark()
{
    ParMarking marking;
    if (!canMark())
        return marking;
    m_awaitingMark = false;
    const ParActivity &a = m_activity;
    marking.right = m_choice == a.band;
    marking.youSaid = parBand(m_choice).youSaid;
    marking.correctPicture = parBand(a.band).picture;
    const double halfHour = bmrHalfHourKj(a.bmr);
    marking.workedAnswer = {text("Consumption of"),
                            number(a.oxygenLitres),
                            text("L of oxygen"),
                            PrintItem::lineEnd(),
                            text("represents"),
                            number(a.energyKj),
                            text("kJ energy expenditure in 30 min"),
                            PrintItem::lineEnd(),
                            PrintItem::lineEnd(),
                            text("BMR ="),
                            number(a.bmr),
                            text("MJ /day ="),
                            number(halfHour),
                            text("kJ in 30 min"),
                            PrintItem::lineEnd(),
                            PrintItem::lineEnd(),
                            number(a.energyKj),
                            text(" / "),
                            number(halfHour),
                            text(" = a PAR of"),
                            number(a.par),
                            PrintItem::lineEnd()};
    marking.colour = feedbackColour(marking.right);
    marking.face = feedbackFace(marking.right);
    return marking;
}

void ParExercise::leave()
{
    m_awaitingMark = false;
    m_choice = 0;
}

} // namespace quorix
