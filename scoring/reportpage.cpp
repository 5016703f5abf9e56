// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/reportpage.h"

#include <algorithm>
#include <cmath>

namespace quorix {

QString reportFontFamily()
{
    return QStringLiteral("Arial");
}

std::vector<LinePlace> placeReportLines(int lineCount, double lineHeight, double ascent, double pageHeight)
{
    const int linesPerPage = std::max(1, int(std::floor(pageHeight / lineHeight)));
    std::vector<LinePlace> places;
    places.reserve(std::max(0, lineCount));
    for (int i = 0; i < lineCount; ++i)
        places.push_back({i / linesPerPage, (i % linesPerPage) * lineHeight + ascent});
    return places;
}

} // namespace quorix
