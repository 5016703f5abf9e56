#pragma once

#include "core/printscript.h"
#include "core/randomsource.h"
#include "questions/questiontable.h"

#include <QString>

#include <optional>

namespace quorix {

struct ProgramState;

// Half of the bank, rounded down.
int questionQuota(int questionCount);

// The quota counts statements marked since the bank was loaded
// (state.markedInTest), not the run-wide tally, so a second test starts open.
bool quotaOpen(const ProgramState &state);

// Picture2's heading: the set's title, then the line with the number of
// statements and the quota.
PrintScript headingScript(const QString &title, int questionCount);

// Picture3's line for row and version, left unfinished.
PrintScript questionLineScript(int row, int version);

QString completionMessage();

// A row of 1..questionCount whose shownFlag is not 1, drawn as Int(r * n + 1)
// and redrawn while flagged. std::nullopt once every row is flagged, so a test
// whose questions were all skipped ends instead of drawing for ever.
std::optional<int> drawQuestion(const QuestionTable &table, RandomSource &random);

// 1 or 2: Int(2r + 1).
int drawVersion(RandomSource &random);

struct Selection {
    int row = 0;
    int version = 0;
};

// The state half of "Select a question": checks the quota, draws a row and
// a version, fills the current-question variables and flags the row.
// std::nullopt means the test is complete and nothing was changed.
std::optional<Selection> selectQuestion(ProgramState &state);

} // namespace quorix
