// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

namespace quorix {

// The report's type and paper: Arial 10 pt on A4 (the paper size numbered 9
// in the common numbering of printer papers) inside 15 mm margins.
QString reportFontFamily();
inline constexpr double reportPointSize = 10;
inline constexpr double reportMarginMillimetres = 15;

// Where one line of the report goes: its page (from 0) and its baseline below
// the top of that page's printable area, in the device's units.
struct LinePlace {
    int page = 0;
    double baseline = 0;
    bool operator==(const LinePlace &) const = default;
};

// Lines one below the other at lineHeight, the first baseline at ascent, and
// a new page only once a page is full (a page holds at least one line). The
// report never starts a page of its own accord.
std::vector<LinePlace> placeReportLines(int lineCount, double lineHeight, double ascent, double pageHeight);

} // namespace quorix
