// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/fieldreader.h"
#include "core/result.h"
#include "core/value.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace quorix {

// One record of a bank file, in file order.
struct QuestionRecord {
    Value number; // record number as read (number when unquoted numeric text)
    Value picture; // picture name as read
    QString statement1, key1, explanation1;
    QString statement2, key2, explanation2;
    int line = 0; // line of the record number in its file
};

struct LoadedBank {
    static constexpr int MaxRecords = 400;
    // A record number of this value ends the bank, quoted or not.
    static constexpr double Terminator = -999;

    std::vector<QuestionRecord> records;
    bool terminated = false; // the -999 terminator was found
    int terminatorLine = 0;
};

// One record's fields as the reader found them, lines included.
struct RecordFields {
    Field number;
    // picture, statement 1, key 1, explanation 1, statement 2, key 2, explanation 2
    std::array<Field, 7> fields;
};

// What parseBank met, for the checker to annotate: the fields it read with
// their lines, and where and why it stopped.
struct BankReading {
    enum class Stop {
        EndOfFile, // the data ran out between records: no terminator
        Terminator, // the -999; stopper holds it
        NotANumber, // a record number that is text not reading as a number; stopper holds it
        TooManyRecords, // stopper is the number of the record past the limit
        EndsInsideRecord, // stopper is its number, partial the fields it has after it
    };
    Stop stop = Stop::EndOfFile;
    std::vector<RecordFields> records; // complete records, in file order
    Field stopper;
    std::vector<Field> partial;
    std::optional<Field> firstUnread; // after the terminator, the first field that is not blank
    int lastLine = 0;
};

// Parses a whole bank. fileName is used in error messages only. Refuses:
// more than 400 records, a file ending inside a record, a record number that
// is text not reading as a number. With reading, also reports what was read,
// even where the bank is refused.
Result<LoadedBank> parseBank(const QByteArray &bytes, const QString &fileName,
                             BankReading *reading = nullptr);

// The open bank file of the main menu: opened when an option is chosen,
// read whole and closed by OK.
class BankFile {
public:
    // Messages name the file without its folder, and say where it was looked for.
    static Result<BankFile> open(const QString &path);
    const QString &fileName() const { return m_fileName; }
    Result<LoadedBank> readAndClose();

private:
    QString m_fileName;
    QByteArray m_bytes;
};

} // namespace quorix
