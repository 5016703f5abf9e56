// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/printscript.h"
#include "core/rgb.h"

#include <QChar>
#include <QString>

namespace quorix {

struct ScoreTally;

enum class Verdict { DontKnow, Correct, Wrong };
enum class Answer { None, True, False, DontKnow };
// The level is the confidence's number: 1 unsure, 2 fairly sure, 3 very sure.
enum class Confidence { None = 0, Unsure = 1, FairlySure = 2, VerySure = 3 };

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

// Keys are compared exactly: only "T" and "F" can match, and a key that is
// not exactly "T" is announced as false.
Verdict verdictFor(const QString &key, Answer answer);
QString truthWordFor(const QString &key);

Marking markAnswer(const QString &key, Answer answer, Confidence confidence);

// The tally's increments for a marking: asked always; answered and one side
// with its confidence counter for a TRUE or FALSE answer.
ScoreTally tallyIncrements(const Marking &marking);
void addToTally(ScoreTally &tally, const Marking &marking);

} // namespace quorix
