// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace quorix {

// Decodes a data file: UTF-8 when the bytes are valid UTF-8, otherwise
// Windows-1252. A leading UTF-8 byte-order mark is dropped in both cases.
struct DecodedText {
    QString text;
    bool windows1252 = false;
};
DecodedText decodeDataFile(const QByteArray &bytes);

// One field as the reader found it.
struct Field {
    QString text;
    int line = 0; // line on which the field starts
    bool quoted = false; // enclosed in double quotes
    bool trailingDiscarded = false; // something other than blanks followed the closing quote
    bool unclosedQuote = false; // the opening quote has no partner: the field ran to the end
    bool blankLine = false; // the field is a line holding nothing but blanks
};

// Reads a data file as one stream of fields, whatever the lines:
// - a comma or a line end (CR LF, LF or a lone CR) closes a field;
// - blanks and tabs in front of a field are skipped;
// - a field opening with a double quote runs to the next double quote, commas
//   and line ends included; what follows the closing quote up to the next
//   comma or line end is discarded;
// - any other field runs to the next comma or line end, and blanks and tabs
//   at its end are trimmed;
// - a blank line yields one empty field;
// - a separator at the very end of the text opens no further field.
class FieldReader {
public:
    // No title, statement or explanation comes near this; a longer field is
    // a file that is not a data file, and is refused before it is used.
    static constexpr qsizetype MaxFieldLength = 64 * 1024;

    explicit FieldReader(QString text);
    static FieldReader fromBytes(const QByteArray &bytes);

    // The next field, or nothing once the text is used up (a read failure
    // for the caller to report).
    std::optional<Field> next();

    // Looks ahead through the rest of the text without moving: a message
    // naming the line of the first field over MaxFieldLength characters and
    // quoting its start, or nothing when every field fits.
    std::optional<QString> overlongField() const;

    bool atEnd() const { return m_pos >= m_text.size(); }
    // Only blanks, tabs and line ends are left (true at the end as well), so a
    // caller can treat trailing blank lines as the end of the data.
    bool onlyBlanksRemain() const;
    // The line the read position is on.
    int line() const { return m_line; }
    // The last line of the text; a final line end does not open another line.
    int lastLine() const;
    bool decodedAsWindows1252() const { return m_windows1252; }

private:
    // Where a field lies in m_text, and what next() reports about it.
    struct Span {
        qsizetype start = 0;
        qsizetype length = 0;
        Field flags; // everything but the text
    };
    std::optional<Span> nextSpan();

    // Steps over the line end at m_pos and counts it.
    void skipLineEnd();
    // Steps over the comma or line end that closes a field, if any.
    void skipSeparator();

    QString m_text;
    qsizetype m_pos = 0;
    // Past this index only blanks and line ends remain (-1: nothing else at all).
    qsizetype m_lastContent = -1;
    int m_line = 1;
    bool m_atLineStart = true;
    bool m_windows1252 = false;
};

} // namespace quorix
