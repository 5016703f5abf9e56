// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/printscript.h"
#include "scoring/tally.h"

#include <QString>

namespace quorix {

// The results report as print items: 56 lines when answered != 0, else 41.
// time is "HH:MM" (24-hour); date is the long date of the user's locale.
// Texts the report shares with the score-to-date screen. The six confidence
// texts are in the tally's order; three begin with a space and three do not.
QString askedText(double asked); // " question asked" / " questions asked"
QString dontKnowText(double dontKnow); // " question 'don't know'" / " questions ..."
QString confidenceText(int index); // index 0..5

PrintScript reportScript(const ScoreTally &tally, const QString &name, const QString &time,
                         const QString &date);

// The score-to-date screen's text boxes: the summary (Picture1), the six
// confidence counts (Picture2) and their scores with the total (Picture3),
// and the confidence-weighted score (Picture4), empty until an answer has
// been given.
struct ScoreToDateScripts {
    PrintScript summary;
    PrintScript counts;
    PrintScript scores;
    PrintScript weighted;
};
ScoreToDateScripts scoreToDateScripts(const ScoreTally &tally);

} // namespace quorix
