// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questions/marking.h"

#include "scoring/tally.h"

namespace quorix {

namespace {

QString confidenceSentence(Verdict verdict, int confidence)
{
    if (confidence < 1 || confidence > 3)
        return {};
    const int marks = answerMarks(confidence, verdict == Verdict::Correct);
    return QStringLiteral("You were %1; you score %2")
        .arg(QLatin1String(confidenceLevels[confidence - 1].feedbackName),
             marks > 0 ? QStringLiteral("+%1").arg(marks) : QString::number(marks));
}

} // namespace

Verdict verdictFor(const QString &key, Answer answer)
{
    switch (answer) {
    case Answer::DontKnow:
        return Verdict::DontKnow;
    case Answer::True:
        return key == QLatin1String("T") ? Verdict::Correct : Verdict::Wrong;
    case Answer::False:
        return key == QLatin1String("F") ? Verdict::Correct : Verdict::Wrong;
    case Answer::None:
        break;
    }
    return Verdict::Wrong;
}

QString truthWordFor(const QString &key)
{
    return key == QLatin1String("T") ? QStringLiteral("true") : QStringLiteral("false");
}

Marking markAnswer(const QString &key, Answer answer, Confidence confidence)
{
    Marking m;
    m.verdict = verdictFor(key, answer);
    m.truthWord = truthWordFor(key);
    m.faceColor = {0, 0, 0};

    if (m.verdict == Verdict::DontKnow) {
        m.feedbackColor = {0, 0, 0};
        m.faceBackground = {200, 200, 200};
        m.face = QLatin1Char('K');
        m.feedback = {
            PrintItem::columnStep(2),
            PrintItem::textItem(QStringLiteral("You did not know the answer")),
            PrintItem::lineEnd(),
            PrintItem::columnStep(2),
            PrintItem::textItem(QStringLiteral("This statement is ") + m.truthWord),
        };
        return m;
    }

    const bool correct = m.verdict == Verdict::Correct;
    m.confidence = int(confidence);
    m.feedbackColor = correct ? Rgb{0, 100, 0} : Rgb{255, 0, 0};
    m.faceBackground = correct ? Rgb{0, 255, 0} : Rgb{255, 50, 0};
    m.face = correct ? QLatin1Char('J') : QLatin1Char('L');
    m.feedback = {
        PrintItem::columnStep(2),
        PrintItem::textItem(correct ? QStringLiteral("You are correct, this statement is ")
                                    : QStringLiteral("You are wrong, this statement is ")),
        PrintItem::textItem(m.truthWord),
        PrintItem::lineEnd(),
        PrintItem::lineEnd(),
    };
    if (m.confidence != 0) {
        m.feedback.push_back(PrintItem::columnStep(2));
        m.feedback.push_back(PrintItem::textItem(confidenceSentence(m.verdict, m.confidence)));
    }
    return m;
}

ScoreTally tallyIncrements(const Marking &marking)
{
    ScoreTally d;
    addToTally(d, marking);
    return d;
}

void addToTally(ScoreTally &tally, const Marking &m)
{
    tally.asked += 1;
    if (m.verdict == Verdict::DontKnow)
        return;
    tally.answered += 1;
    if (m.verdict == Verdict::Correct) {
        tally.correct += 1;
        if (m.confidence == 1)
            tally.correctUnsure += 1;
        else if (m.confidence == 2)
            tally.correctFairlySure += 1;
        else if (m.confidence == 3)
            tally.correctVerySure += 1;
    } else {
        tally.wrong += 1;
        if (m.confidence == 1)
            tally.wrongUnsure += 1;
        else if (m.confidence == 2)
            tally.wrongFairlySure += 1;
        else if (m.confidence == 3)
            tally.wrongVerySure += 1;
    }
}

} // namespace quorix
