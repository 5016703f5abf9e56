// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questions/questionsession.h"

#include "questions/questiondraw.h"
#include "scoring/answerlog.h"
#include "scoring/tally.h"

#include <algorithm>

namespace quorix {

namespace {

LoggedAnswer loggedAnswer(const CurrentQuestion &question, Answer answer, const Marking &marking)
{
    LoggedAnswer entry;
    entry.statement = question.statement;
    entry.key = marking.truthWord;
    entry.explanation = question.explanation;
    entry.confidence = marking.confidence;
    entry.record = question.row;
    entry.version = question.version;
    switch (marking.verdict) {
    case Verdict::DontKnow:
        entry.answer = QStringLiteral("Don't know");
        entry.outcome = Outcome::DontKnow;
        return entry;
    case Verdict::Correct:
        entry.outcome = Outcome::Right;
        break;
    case Verdict::Wrong:
        entry.outcome = Outcome::Wrong;
        break;
    }
    entry.answer = answer == Answer::True ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    entry.marks = answerMarks(marking.confidence, entry.outcome == Outcome::Right);
    return entry;
}

} // namespace

void QuestionSession::startTest(const QString &title, const LoadedBank &bank)
{
    m_title = title;
    const std::size_t count = std::min(bank.records.size(), std::size_t(MaxQuestions));
    m_records.assign(bank.records.begin(), bank.records.begin() + std::ptrdiff_t(count));
    // Every flag, so that no question of the new test is undrawable.
    m_shown.assign(count, false);
    m_markedInTest = 0;
    m_current = {};
    m_answer = Answer::None;
    m_confidence = Confidence::None;
}

int QuestionSession::quota() const
{
    return questionQuota(questionCount());
}

bool QuestionSession::quotaOpen() const
{
    // This test's marks, not the run's tally, so a second test starts open.
    return m_markedInTest < quota();
}

std::optional<Selection> QuestionSession::selectQuestion(RandomSource &random)
{
    if (!quotaOpen())
        return std::nullopt;
    const std::optional<int> row = drawQuestion(m_shown, random);
    if (!row)
        return std::nullopt;
    const int version = drawVersion(random);

    const QuestionRecord &record = m_records[std::size_t(*row - 1)];
    const bool second = version == 2;
    m_current.row = *row;
    m_current.version = version;
    m_current.picture = toText(record.picture);
    m_current.statement = second ? record.statement2 : record.statement1;
    m_current.key = second ? record.key2 : record.key1;
    m_current.explanation = second ? record.explanation2 : record.explanation1;
    m_shown[std::size_t(*row - 1)] = true;
    // Nothing chosen for an earlier statement may be marked against this one.
    m_answer = Answer::None;
    m_confidence = Confidence::None;
    return Selection{*row, version};
}

void QuestionSession::skip()
{
    m_current.picture = QStringLiteral("blank.bmp");
}

void QuestionSession::chooseAnswer(Answer answer)
{
    m_answer = answer;
    // A new TRUE or FALSE needs its own confidence before it can be marked.
    if (answer == Answer::True || answer == Answer::False)
        m_confidence = Confidence::None;
}

void QuestionSession::chooseConfidence(Confidence confidence)
{
    m_confidence = confidence;
}

bool QuestionSession::answerComplete() const
{
    switch (m_answer) {
    case Answer::None:
        return false;
    case Answer::DontKnow:
        return true;
    case Answer::True:
    case Answer::False:
        return m_confidence != Confidence::None;
    }
    return false;
}

Marking QuestionSession::mark()
{
    const Marking marking = markAnswer(m_current.key, m_answer, m_confidence);
    addToTally(m_tally, marking);
    m_log.add(loggedAnswer(m_current, m_answer, marking));
    m_markedInTest += 1;
    return marking;
}

} // namespace quorix
