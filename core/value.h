// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's shared data: dynamically typed values, the number grammar
// that every data file uses, and the shared print rule for numbers.
// Everything here is plain data; readers and screens build on it.

#include <QString>
#include <QStringView>

#include <optional>
#include <variant>

namespace quorix {

// Empty, a number or a text. Empty reads as 0 or "".
using Value = std::variant<std::monostate, double, QString>;

bool isEmpty(const Value &v);

// The one numeric grammar: optional blanks, optional sign, digits with an
// optional "." decimal part, optional exponent, optional blanks. Never the
// locale's separator; anything else is not a number.
std::optional<double> parseNumber(QStringView text);

// Empty -> 0; a number as is; a text that reads as a number -> that number;
// any other text -> std::nullopt.
std::optional<double> numericValue(const Value &v);

// Arithmetic reading: like numericValue but other text reads as 0.
double toNumber(const Value &v);

// Text reading: empty -> "", text as is, a number in plain decimal form
// (no sign position, no trailing space).
QString toText(const Value &v);

// Numeric comparison with a number: true when v reads as a number equal to n.
bool equalsNumber(const Value &v, double n);

// Exact text comparison (case and blanks count); numbers are compared as text.
bool equalsText(const Value &v, const QString &text);

// The print rule for numbers: one sign position (blank or "-"), plain decimal
// digits with up to 15 significant digits and no exponent, one trailing blank.
// Zero, including negative zero, prints as " 0 ".
QString formatNumber(double n);

// "1st", "2nd", "12th", "21st": for messages that name a record or title.
QString ordinal(int n);

} // namespace quorix
