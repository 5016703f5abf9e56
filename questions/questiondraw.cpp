// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questions/questiondraw.h"

#include <algorithm>

namespace quorix {

int questionQuota(int questionCount)
{
    return std::max(questionCount, 0) / 2;
}

PrintScript headingScript(const QString &title, int questionCount)
{
    return {
        PrintItem::textItem(title),
        PrintItem::lineEnd(),
        PrintItem::textItem(QStringLiteral("There are")),
        PrintItem::numberItem(2.0 * questionCount),
        PrintItem::textItem(QStringLiteral("questions in this test. You will be asked")),
        PrintItem::numberItem(questionQuota(questionCount)),
        PrintItem::textItem(QStringLiteral("selected at random.")),
        PrintItem::lineEnd(),
    };
}

PrintScript questionLineScript(int row, int version)
{
    return {
        PrintItem::textItem(QStringLiteral("Question ")), PrintItem::numberItem(row),
        PrintItem::textItem(QStringLiteral(":")),         PrintItem::numberItem(version),
        PrintItem::textItem(QStringLiteral("  ")),
    };
}

QString completionMessage()
{
    return QStringLiteral("You have completed this test. Go back to the main menu to see your score "
                          "or run another test.");
}

std::optional<int> drawQuestion(const std::vector<bool> &shown, RandomSource &random)
{
    const int count = int(shown.size());
    if (std::find(shown.begin(), shown.end(), false) == shown.end())
        return std::nullopt;

    for (;;) {
        const int row = int(random.next() * count + 1);
        // A row outside the bank (rounding at r close to 1) is drawn again.
        if (row >= 1 && row <= count && !shown[std::size_t(row - 1)])
            return row;
    }
}

int drawVersion(RandomSource &random)
{
    return int(2 * random.next() + 1) == 2 ? 2 : 1;
}

} // namespace quorix
