// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

namespace quorix {

// One print statement item of a text output box or the printer: a text, a
// number (printed by formatNumber), a column step, or a line end.
// The report and the screens produce these; the text layout places them.
struct PrintItem {
    enum class Kind { Text, Number, Column, LineEnd };
    Kind kind = Kind::Text;
    QString text;
    double number = 0;
    int column = 0;

    static PrintItem textItem(const QString &t) { return {Kind::Text, t, 0, 0}; }
    static PrintItem numberItem(double n) { return {Kind::Number, {}, n, 0}; }
    static PrintItem columnStep(int c) { return {Kind::Column, {}, 0, c}; }
    static PrintItem lineEnd() { return {Kind::LineEnd, {}, 0, 0}; }
};

using PrintScript = std::vector<PrintItem>;

} // namespace quorix
