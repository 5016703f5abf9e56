// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questions/bankloader.h"

#include "core/datafile.h"
#include "core/fieldreader.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace quorix {

namespace {

constexpr int fieldsPerRecord = 8;

// Record number and picture name: a number when the field is unquoted numeric
// text, otherwise the text; an unquoted empty field stays empty.
Value fieldValue(const Field &field)
{
    if (!field.quoted) {
        if (field.text.isEmpty())
            return Value();
        if (const auto n = parseNumber(field.text))
            return *n;
    }
    return field.text;
}

// "record 12, the 3rd in the file"
QString describeRecord(const Value &number, int position)
{
    const QString text = toText(number);
    const QString name = text.isEmpty() ? QStringLiteral("the record without a number")
                                        : QStringLiteral("record %1").arg(excerpt(text));
    return QStringLiteral("%1, the %2 in the file").arg(name, ordinal(position));
}

} // namespace

namespace {

using Stop = BankReading::Stop;

// The walk of the records; the reading gets every field it takes.
Result<LoadedBank> readRecords(FieldReader &reader, const QString &fileName, BankReading &reading)
{
    LoadedBank bank;
    auto stop = [&](Stop why, const Field &at) {
        reading.stop = why;
        reading.stopper = at;
        reading.lastLine = reader.lastLine();
    };

    // Blank lines and blanks at the very end are the end of the data, not a
    // record whose number is an empty field.
    while (!reader.onlyBlanksRemain()) {
        const Field numberField = *reader.next();
        const Value number = fieldValue(numberField);
        const auto numeric = numberField.text.isEmpty() ? std::optional<double>(0.0) : numericValue(number);
        if (!numeric) {
            stop(Stop::NotANumber, numberField);
            return Result<LoadedBank>::failure(
                QStringLiteral("%1: the %2 record starts on line %3 with \"%4\", which is not a number. "
                               "A record must start with its number, and -999 ends the bank.")
                    .arg(fileName, ordinal(int(bank.records.size()) + 1), QString::number(numberField.line),
                         excerpt(numberField.text)));
        }
        if (*numeric == LoadedBank::Terminator) {
            stop(Stop::Terminator, numberField);
            bank.terminated = true;
            bank.terminatorLine = numberField.line;
            return bank;
        }

        const int position = int(bank.records.size()) + 1;
        if (position > LoadedBank::MaxRecords) {
            stop(Stop::TooManyRecords, numberField);
            return Result<LoadedBank>::failure(
                QStringLiteral("%1 holds more than %2 questions: the %3 starts on line %4. "
                               "A set can hold at most %2.")
                    .arg(fileName, QString::number(LoadedBank::MaxRecords), ordinal(position),
                         QString::number(numberField.line)));
        }

        RecordFields read{numberField, {}};
        for (int i = 0; i < fieldsPerRecord - 1; ++i) {
            const auto field = reader.next();
            if (!field) {
                stop(Stop::EndsInsideRecord, numberField);
                reading.partial.assign(read.fields.begin(), read.fields.begin() + i);
                return Result<LoadedBank>::failure(
                    QStringLiteral("%1 ends inside %2, at line %3: the record has %4 of its %5 fields.")
                        .arg(fileName, describeRecord(number, position), QString::number(reader.lastLine()),
                             QString::number(i + 1), QString::number(fieldsPerRecord)));
            }
            read.fields[std::size_t(i)] = *field;
        }

        QuestionRecord record;
        record.number = number;
        record.picture = fieldValue(read.fields[0]);
        record.statement1 = read.fields[1].text;
        record.key1 = read.fields[2].text;
        record.explanation1 = read.fields[3].text;
        record.statement2 = read.fields[4].text;
        record.key2 = read.fields[5].text;
        record.explanation2 = read.fields[6].text;
        record.line = numberField.line;
        bank.records.push_back(std::move(record));
        reading.records.push_back(std::move(read));
    }
    reading.stop = Stop::EndOfFile;
    reading.lastLine = reader.lastLine();
    return bank;
}

} // namespace

Result<LoadedBank> parseBank(const QByteArray &bytes, const QString &fileName, BankReading *reading)
{
    FieldReader reader = FieldReader::fromBytes(bytes);
    const auto tooLong = reader.overlongField();
    // An overlong field refuses the bank before anything is taken from it;
    // only a reading goes on, to say what else the file holds.
    if (tooLong && !reading)
        return Result<LoadedBank>::failure(QStringLiteral("%1: %2.").arg(fileName, *tooLong));
    BankReading scratch;
    BankReading &read = reading ? *reading : scratch;
    read = {};
    auto bank = readRecords(reader, fileName, read);
    if (reading && read.stop == Stop::Terminator) {
        while (!reader.onlyBlanksRemain()) {
            const Field after = *reader.next();
            if (!after.text.trimmed().isEmpty()) {
                read.firstUnread = after;
                break;
            }
        }
    }
    if (tooLong)
        return Result<LoadedBank>::failure(QStringLiteral("%1: %2.").arg(fileName, *tooLong));
    return bank;
}

Result<BankFile> BankFile::open(const QString &path)
{
    const QFileInfo info(path);
    DataFileContents file = readDataFile(path);
    if (!file.ok()) {
        const QString folder = QDir::toNativeSeparators(info.absolutePath());
        return Result<BankFile>::failure(QStringLiteral("%1 cannot be read: %2. It was looked for in %3.")
                                             .arg(info.fileName(), file.reason, folder));
    }
    BankFile bank;
    bank.m_fileName = info.fileName();
    bank.m_bytes = std::move(file.bytes);
    return bank;
}

Result<LoadedBank> BankFile::readAndClose()
{
    const QByteArray bytes = std::exchange(m_bytes, QByteArray());
    return parseBank(bytes, m_fileName);
}

} // namespace quorix
