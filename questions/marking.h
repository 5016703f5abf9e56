#pragma once

#include "core/printscript.h"
#include "core/rgb.h"
#include "core/value.h"

#include <QChar>
#include <QString>

namespace quorix {

struct ProgramState;
struct ScoreTally;

enum class Verdict { DontKnow, Correct, Wrong };

struct Marking {
    Verdict verdict = Verdict::DontKnow;
    int confidence = 0; // 1, 2 or 3; 0 when none was picked
    QString truthWord; // "true" or "false"
    Rgb feedbackColor; // Picture7's text
    Rgb faceBackground; // Picture6's background
    Rgb faceColor; // Picture6's text
    QChar face; // 'J', 'K' or 'L'
    PrintScript feedback; // Picture7's lines
};

// Keys and answers are compared exactly: only "T" and "F" can match, and a
// key that is not exactly "T" is announced as false.
Verdict verdictFor(const QString &key, const Value &chosenAnswer);
QString truthWordFor(const QString &key);

Marking markAnswer(const QString &key, const Value &chosenAnswer, const Value &chosenConfidence);

// The tally's increments for a marking: asked always; answered and one side
// with its confidence counter for a TRUE or FALSE answer.
ScoreTally tallyIncrements(const Marking &marking);
void addToTally(ScoreTally &tally, const Marking &marking);

// Adds the marking to the tally and to the test's count of marked statements.
void recordMarking(ProgramState &state, const Marking &marking);

} // namespace quorix
