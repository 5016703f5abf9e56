// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/catalogue.h"

#include "core/datafile.h"
#include "core/fieldreader.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace quorix {

namespace {

using Stop = CatalogueReading::Stop;

// The walk of the catalogue's fields; the message is the end of the error
// after the file's name.
Result<Catalogue> readFields(FieldReader &reader, CatalogueReading &reading)
{
    auto fail = [&](Stop stop, const QString &what) {
        if (reading.stop == Stop::Read)
            reading.stop = stop;
        reading.lastLine = reader.lastLine();
        return Result<Catalogue>::failure(what);
    };

    const auto countField = reader.next();
    if (!countField)
        return fail(Stop::Empty, QStringLiteral(" is empty: its first line must hold the number of titles."));
    reading.fields.push_back(*countField);
    const QString countWhere = QStringLiteral(": the count on line %1").arg(countField->line);
    if (countField->text.trimmed().isEmpty())
        return fail(Stop::CountEmpty,
                    countWhere + QStringLiteral(" is empty, but it must be the number of titles."));
    const auto number = parseNumber(countField->text);
    if (!number)
        return fail(
            Stop::CountNotNumber,
            countWhere + QStringLiteral(" is \"%1\", which is not a number.").arg(excerpt(countField->text)));
    // Even a valid number may be thousands of digits long.
    const QString countShown = excerpt(countField->text);
    if (*number != std::floor(*number))
        return fail(Stop::CountNotWhole,
                    countWhere + QStringLiteral(" is %1, which is not a whole number.").arg(countShown));

    const double count = *number;
    if (count > Catalogue::MaxTitles)
        reading.stop = Stop::CountTooLarge;
    Catalogue catalogue;
    // Counts of 0 or below mean no titles; one far below is kept as a plain -1.
    catalogue.count
        = count > Catalogue::MaxTitles ? Catalogue::MaxTitles + 1 : (count < -1e9 ? -1 : int(count));

    const int toRead = std::min(catalogue.count, Catalogue::MaxTitles);
    for (int k = 1; k <= toRead; ++k) {
        const auto title = reader.next();
        if (!title) {
            return fail(Stop::EndsEarly,
                        countWhere
                            + QStringLiteral(" is %1, but the file ends after %2 %3, at line %4.")
                                  .arg(countShown)
                                  .arg(k - 1)
                                  .arg(k - 1 == 1 ? QStringLiteral("title") : QStringLiteral("titles"))
                                  .arg(reader.lastLine()));
        }
        reading.fields.push_back(*title);
        catalogue.titles[std::size_t(k)] = title->text;
    }

    if (count > Catalogue::MaxTitles) {
        const auto extra = reader.next();
        const QString at = extra ? QStringLiteral(", on line %1").arg(extra->line) : QString();
        return fail(Stop::CountTooLarge,
                    countWhere
                        + QStringLiteral(" is %1, but a catalogue holds at most %2 titles: "
                                         "reading stops at the %3 title%4.")
                              .arg(countShown)
                              .arg(Catalogue::MaxTitles)
                              .arg(ordinal(Catalogue::MaxTitles + 1))
                              .arg(at));
    }
    reading.lastLine = reader.lastLine();
    return catalogue;
}

} // namespace

Result<Catalogue> readCatalogue(const QString &path, CatalogueReading *reading)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QString where
        = QStringLiteral(" It was looked for in %1.").arg(QDir::toNativeSeparators(info.absolutePath()));
    auto fail = [&](const QString &what) { return Result<Catalogue>::failure(name + what + where); };

    CatalogueReading scratch;
    CatalogueReading &read = reading ? *reading : scratch;
    read = {};
    const DataFileContents file = readDataFile(path);
    if (!file.ok()) {
        read.stop = Stop::Unopened;
        read.problem = file.problem;
        read.reason = file.reason;
        return fail(QStringLiteral(" cannot be read: %1.").arg(file.reason));
    }

    FieldReader reader = FieldReader::fromBytes(file.bytes);
    const auto tooLong = reader.overlongField();
    // An overlong field refuses the file before anything is taken from it;
    // only a reading goes on, to say what else the file holds.
    if (tooLong && !reading)
        return fail(QStringLiteral(": %1.").arg(*tooLong));
    auto catalogue = readFields(reader, read);
    if (reading && read.stop == Stop::Read) {
        while (!reader.onlyBlanksRemain())
            read.unread.push_back(*reader.next());
    }
    if (tooLong)
        return fail(QStringLiteral(": %1.").arg(*tooLong));
    if (!catalogue)
        return fail(catalogue.error());
    return catalogue;
}

} // namespace quorix
