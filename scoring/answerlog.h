// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

namespace quorix {

enum class Outcome { Right, Wrong, DontKnow };

// One statement as it was marked: what it said, how the student answered
// and what it earned.
struct LoggedAnswer {
    QString statement;
    QString answer; // "TRUE", "FALSE" or "Don't know"
    int confidence = 0; // 1 unsure, 2 fairly sure, 3 very sure; 0 for none
    QString key; // what the statement is, as marking announced it: "true" or "false"
    QString explanation;
    Outcome outcome = Outcome::DontKnow;
    int marks = 0;
    int record = 0; // the statement's record in its bank, in file order from 1
    int version = 0; // 1 or 2: which of the record's two statements
};

// Every statement marked in this run, in marking order. Like the tally it
// lives only in memory and only marking adds to it.
class AnswerLog {
public:
    // Told of each answer once it is in the log: what keeps answers across
    // runs listens here.
    using Listener = std::function<void(const LoggedAnswer &)>;

    void add(LoggedAnswer answer)
    {
        m_entries.push_back(std::move(answer));
        if (m_listener)
            m_listener(m_entries.back());
    }
    const std::vector<LoggedAnswer> &entries() const { return m_entries; }
    void setListener(Listener listener) { m_listener = std::move(listener); }

private:
    std::vector<LoggedAnswer> m_entries;
    Listener m_listener;
};

// Indices into the log for the review: wrong at very sure, wrong at fairly
// sure, right at unsure, then the rest, each group in marking order.
std::vector<std::size_t> reviewOrder(const std::vector<LoggedAnswer> &entries);

// One line of the review, beginning with the statement.
QString reviewRowText(const LoggedAnswer &entry);

} // namespace quorix
