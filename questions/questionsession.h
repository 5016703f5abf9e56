// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The question subsystem's state: the bank of the current test, which of its
// questions have been shown, the statement on show and the answer being
// given. The menu starts a test with an accepted bank; the question screen
// drives select, skip, choose and mark, and shows what they return. Marking
// adds to the run's score tally and to its log of marked statements.

#include "core/randomsource.h"
#include "questions/bankloader.h"
#include "questions/marking.h"

#include <QString>

#include <optional>
#include <vector>

namespace quorix {

class AnswerLog;
struct ScoreTally;

struct Selection {
    int row = 0;
    int version = 0;
};

// The statement on show, as "Select a question" took it from the bank.
struct CurrentQuestion {
    int row = 0;
    int version = 0;
    QString picture;
    QString statement;
    QString key;
    QString explanation;
};

class QuestionSession {
public:
    static constexpr int MaxQuestions = LoadedBank::MaxRecords;

    QuestionSession(ScoreTally &tally, AnswerLog &log) : m_tally(tally), m_log(log) { }

    // A new test: the bank's first 400 records, every question unshown,
    // nothing marked, nothing chosen.
    void startTest(const QString &title, const LoadedBank &bank);

    const QString &title() const { return m_title; }
    int questionCount() const { return int(m_records.size()); }
    int quota() const;
    int markedInTest() const { return m_markedInTest; }
    bool quotaOpen() const;
    bool isShown(int row) const { return m_shown.at(std::size_t(row - 1)); }
    const QuestionRecord &record(int row) const { return m_records.at(std::size_t(row - 1)); }

    // Draws an unshown question and one of its statements, flags it and
    // clears the answer. std::nullopt when the test is complete (quota
    // reached or every question shown); nothing changes then.
    std::optional<Selection> selectQuestion(RandomSource &random);
    // The statement is put aside unmarked; its picture goes back to blank.
    void skip();
    const CurrentQuestion &current() const { return m_current; }

    // TRUE or FALSE needs a confidence of its own; "Don't know" needs none.
    void chooseAnswer(Answer answer);
    void chooseConfidence(Confidence confidence);
    Answer answer() const { return m_answer; }
    Confidence confidence() const { return m_confidence; }
    bool answerComplete() const;

    // Marks the answer against the key, adds it to the tally, to the log and
    // to this test's count.
    Marking mark();

    const ScoreTally &tally() const { return m_tally; }

private:
    ScoreTally &m_tally;
    AnswerLog &m_log;
    QString m_title;
    std::vector<QuestionRecord> m_records;
    std::vector<bool> m_shown;
    int m_markedInTest = 0;
    CurrentQuestion m_current;
    Answer m_answer = Answer::None;
    Confidence m_confidence = Confidence::None;
};

} // namespace quorix
