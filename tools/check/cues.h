// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Wording that gives a statement's answer away: the one home of the cues'
// word lists, measures and thresholds. Everything here works from the
// records the program's loader read, so it measures what students see.

#include "tools/check/checkreport.h"

#include "questions/bankloader.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace quorix::check {

// A cue is worth a warning when chance would show it less than once in a
// hundred banks, and when there is enough of it to tell.
constexpr double cueSignificance = 0.01;
constexpr int minLengthRecords = 10; // opposite-key records that differ in length
constexpr int minWordStatements = 8; // statements holding a word of a list

struct CueWordList {
    const char *name; // "absolute", "hedging"
    QStringList words; // case-folded
};

enum CueList { AbsoluteWords, HedgingWords, CueListCount };
const std::array<CueWordList, CueListCount> &cueWordLists();

// One statement whose key is exactly "T" or "F".
struct KeyedStatement {
    int line = 0; // of its record
    int version = 1; // 1 or 2
    int length = 0; // Unicode code points, as read
    bool isTrue = false;
    std::array<QString, CueListCount> cueWord; // the first word of each list it holds, or empty
};

// The statements' words: maximal runs of letters, case-folded.
QStringList statementWords(const QString &text);
KeyedStatement keyedStatement(const QString &text, bool isTrue, int line, int version);

// How often the statements holding a word of one list are false, against the rest.
struct WordCueFigures {
    int with = 0;
    int withFalse = 0;
    int without = 0;
    int withoutFalse = 0;
    double p = 1; // Fisher's exact test, two-sided
};

struct CueFigures {
    std::vector<KeyedStatement> statements;
    int trueCount = 0;
    int falseCount = 0;
    double meanTrueLength = 0;
    double meanFalseLength = 0;
    // Records with opposite keys whose statements differ in length.
    struct LengthPair {
        int line = 0;
        int trueVersion = 1;
        int trueLength = 0;
        int falseLength = 0;
    };
    std::vector<LengthPair> lengthPairs;
    int longerTrue = 0;
    double lengthP = 1; // binomial, two-sided, at 1/2
    // The chance that a random true statement is longer than a random false
    // one, ties counting half; 0.5 when there are not both.
    double auc = 0.5;
    // Answering TRUE to the statements longer than the midpoint of the two
    // means, FALSE to the rest, gets rightByCut statements right.
    double cut = 0;
    int rightByCut = 0;
    std::array<WordCueFigures, CueListCount> words;
};

CueFigures measureCues(const std::vector<QuestionRecord> &records);

// Warnings (on line 1) for the cues that reach significance; with
// listRecords, a note for each record or statement that follows one.
void addCueWarnings(const CueFigures &figures, FileReport &out, bool listRecords);
// Whether a diagnostic is one of those warnings.
bool isCueWarning(const Diagnostic &diagnostic);

} // namespace quorix::check
