// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Print items as text, for comparing what a box or the printer receives.

#include "core/printscript.h"
#include "core/value.h"

#include <QString>

#include <string>
#include <vector>

namespace quorixtest {

// One line of notation: "|n|" for a column step to n, "/" for a line end,
// numbers by the print rule.
inline std::string describe(const quorix::PrintScript &script)
{
    using quorix::PrintItem;
    QString out;
    for (const PrintItem &item : script) {
        switch (item.kind) {
        case PrintItem::Kind::Text:
            out += item.text;
            break;
        case PrintItem::Kind::Number:
            out += quorix::formatNumber(item.number);
            break;
        case PrintItem::Kind::Column:
            out += QStringLiteral("|%1|").arg(item.column);
            break;
        case PrintItem::Kind::LineEnd:
            out += QLatin1Char('/');
            break;
        }
    }
    return out.toStdString();
}

// The lines as a character printer would put them on paper: one character
// per column, so a step to column n pads to n - 1 characters or, once past
// that, starts the next line there. An unfinished last line is returned too.
inline std::vector<std::string> renderAsCharacters(const quorix::PrintScript &script)
{
    using quorix::PrintItem;
    std::vector<std::string> lines;
    QString current;
    for (const PrintItem &item : script) {
        switch (item.kind) {
        case PrintItem::Kind::Text:
            current += item.text;
            break;
        case PrintItem::Kind::Number:
            current += quorix::formatNumber(item.number);
            break;
        case PrintItem::Kind::Column:
            if (current.size() > item.column - 1) {
                lines.push_back(current.toStdString());
                current.clear();
            }
            current = current.leftJustified(item.column - 1, QLatin1Char(' '));
            break;
        case PrintItem::Kind::LineEnd:
            lines.push_back(current.toStdString());
            current.clear();
            break;
        }
    }
    if (!current.isEmpty())
        lines.push_back(current.toStdString());
    return lines;
}

} // namespace quorixtest
