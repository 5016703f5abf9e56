// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The field reader with its decoding, on arbitrary bytes: every field is
// read, lines never go back, and valid UTF-8 is kept as it came.

#include "core/datafile.h"
#include "core/fieldreader.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const quorix::DecodedText decoded = quorix::decodeDataFile(bytes);
    if (!decoded.windows1252) {
        const QByteArray withoutBom = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
        if (decoded.text.toUtf8() != withoutBom)
            __builtin_trap();
    }

    quorix::FieldReader reader = quorix::FieldReader::fromBytes(bytes);
    if (const auto message = reader.overlongField(); message && message->size() > 200)
        __builtin_trap();
    const int lastLine = reader.lastLine();
    int line = 1;
    while (!reader.onlyBlanksRemain()) {
        const auto field = reader.next();
        if (!field || field->line < line || field->line > lastLine)
            __builtin_trap();
        line = field->line;
        if (quorix::excerpt(field->text).size() > 60)
            __builtin_trap();
    }
    // Trailing blank lines are fields too; after them the reader stays at its end.
    while (reader.next()) { }
    if (!reader.atEnd() || reader.next())
        __builtin_trap();
    return 0;
}
