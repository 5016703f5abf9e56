// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/bmiexercise.h"

#include "core/randomsource.h"
#include "exercises/bmiclasses.h"
#include "exercises/exercisemath.h"

namespace quorix {

namespace {

PrintItem text(const char *t)
{
    return PrintItem::textItem(QString::fromLatin1(t));
}

} // namespace

BmiPerson bmiPerson(int sex, float height, float weight)
{
    BmiPerson person{sex, height, weight, bmiOf(height, weight), 0};
    person.bmiClass = bmiClassOf(person.bmi);
    return person;
}

BmiPerson drawBmiPerson(RandomSource &random)
{
    for (;;) {
        const int sex = sexFromDraw(random.next());
        const float height = heightFromDraw(random.next());
        const float weight = weightFromDraw(random.next());
        const BmiPerson person = bmiPerson(sex, height, weight);
        if (bmiIsShown(person.bmi))
            return person;
    }
}

PrintScript BmiExercise::draw(RandomSource &random)
{
    return present(drawBmiPerson(random));
}

PrintScript BmiExercise::present(const BmiPerson &person)
{
    m_person = person;
    m_choice = 0;
    m_awaitingMark = true;
    const bool man = person.sex == 1;
    return {text("You are considering a young adult "),
            text(man ? "man" : "woman"),
            text(" who is"),
            PrintItem::numberItem(person.height),
            text("cm tall and weighs"),
            PrintItem::numberItem(person.weight),
            text("kg"),
            PrintItem::lineEnd(),
            text("Calculate "),
            text(man ? "his" : "her"),
            text(" Body Mass Index, then decide how you would classify "),
            text(man ? "him" : "her"),
            PrintItem::lineEnd()};
}

void BmiExercise::choose(int option)
{
    if (m_awaitingMark && option >= 1 && option <= int(bmiClasses().size()))
        m_choice = option;
}

bool BmiExercise::canMark() const
{
    return m_awaitingMark && m_choice != 0;
}

BmiMarking BmiExercise::mark()
{
    BmiMarking marking;
    if (!canMark())
        return marking;
    m_awaitingMark = false;
    marking.right = m_choice == m_person.bmiClass;
    marking.workedAnswer = {text("For a person"),
                            PrintItem::numberItem(m_person.height),
                            text("cm tall and weighing"),
                            PrintItem::numberItem(m_person.weight),
                            text("kg, "),
                            PrintItem::lineEnd(),
                            text("BMI = "),
                            PrintItem::numberItem(m_person.bmi),
                            PrintItem::lineEnd(),
                            PrintItem::lineEnd(),
                            PrintItem::textItem(bmiClass(m_person.bmiClass).sentence),
                            PrintItem::lineEnd()};
    const BmiClass &said = bmiClass(m_choice);
    marking.youSaid = {PrintItem::textItem(said.saidFirst), PrintItem::lineEnd(),
                       PrintItem::textItem(said.saidSecond), PrintItem::lineEnd()};
    marking.colour = feedbackColour(marking.right);
    marking.face = feedbackFace(marking.right);
    return marking;
}

void BmiExercise::leave()
{
    m_awaitingMark = false;
    m_choice = 0;
}

} // namespace quorix
