#pragma once

#include "app/printscript.h"
#include "scoring/tally.h"

#include <QString>

namespace quorix {

// The results report as print items: 56 lines when answered != 0, else 41.
// time is "HH:MM" (24-hour); date is the long date of the user's locale.
PrintScript reportScript(const ScoreTally &tally, const QString &name, const QString &time,
                         const QString &date);

} // namespace quorix
