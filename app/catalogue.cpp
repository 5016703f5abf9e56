#include "app/catalogue.h"

#include "core/datafile.h"
#include "core/fieldreader.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace quorix {

Result<Catalogue> readCatalogue(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QString where
        = QStringLiteral(" It was looked for in %1.").arg(QDir::toNativeSeparators(info.absolutePath()));
    auto fail = [&](const QString &what) { return Result<Catalogue>::failure(name + what + where); };

    const DataFileContents file = readDataFile(path);
    if (!file.ok())
        return fail(QStringLiteral(" cannot be read: %1.").arg(file.reason));

    FieldReader reader = FieldReader::fromBytes(file.bytes);
    if (const auto tooLong = reader.overlongField())
        return fail(QStringLiteral(": %1.").arg(*tooLong));
    const auto countField = reader.next();
    if (!countField)
        return fail(QStringLiteral(" is empty: its first line must hold the number of titles."));
    const QString countWhere = QStringLiteral(": the count on line %1").arg(countField->line);
    if (countField->text.trimmed().isEmpty())
        return fail(countWhere + QStringLiteral(" is empty, but it must be the number of titles."));
    const auto number = parseNumber(countField->text);
    if (!number)
        return fail(countWhere
                    + QStringLiteral(" is \"%1\", which is not a number.").arg(excerpt(countField->text)));
    // Even a valid number may be thousands of digits long.
    const QString countShown = excerpt(countField->text);
    if (*number != std::floor(*number))
        return fail(countWhere + QStringLiteral(" is %1, which is not a whole number.").arg(countShown));

    const double count = *number;
    Catalogue catalogue;
    // Counts of 0 or below mean no titles; one far below is kept as a plain -1.
    catalogue.count
        = count > Catalogue::MaxTitles ? Catalogue::MaxTitles + 1 : (count < -1e9 ? -1 : int(count));

    const int toRead = std::min(catalogue.count, Catalogue::MaxTitles);
    for (int k = 1; k <= toRead; ++k) {
        const auto title = reader.next();
        if (!title) {
            return fail(countWhere
                        + QStringLiteral(" is %1, but the file ends after %2 %3, at line %4.")
                              .arg(countShown)
                              .arg(k - 1)
                              .arg(k - 1 == 1 ? QStringLiteral("title") : QStringLiteral("titles"))
                              .arg(reader.lastLine()));
        }
        catalogue.titles[std::size_t(k)] = title->text;
    }

    if (count > Catalogue::MaxTitles) {
        const auto extra = reader.next();
        const QString at = extra ? QStringLiteral(", on line %1").arg(extra->line) : QString();
        return fail(countWhere
                    + QStringLiteral(" is %1, but a catalogue holds at most %2 titles: "
                                     "reading stops at the %3 title%4.")
                          .arg(countShown)
                          .arg(Catalogue::MaxTitles)
                          .arg(ordinal(Catalogue::MaxTitles + 1))
                          .arg(at));
    }
    return catalogue;
}

} // namespace quorix
