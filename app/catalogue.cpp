#include "app/catalogue.h"

#include "core/fieldreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace quorix {

namespace {

constexpr int maxTitles = 20;

} // namespace

Result<Catalogue> readCatalogue(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QString where
        = QStringLiteral(" It was looked for in %1.").arg(QDir::toNativeSeparators(info.absolutePath()));
    auto fail = [&](const QString &what) { return Result<Catalogue>::failure(name + what + where); };

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral(" cannot be read: %1.").arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral(" cannot be read: %1.").arg(file.errorString()));
    file.close();

    FieldReader reader = FieldReader::fromBytes(bytes);
    const auto countField = reader.next();
    if (!countField)
        return fail(QStringLiteral(" is empty: its first line must hold the number of titles."));
    const QString countWhere = QStringLiteral(": the count on line %1").arg(countField->line);
    if (countField->text.trimmed().isEmpty())
        return fail(countWhere + QStringLiteral(" is empty, but it must be the number of titles."));
    const auto number = parseNumber(countField->text);
    if (!number)
        return fail(countWhere + QStringLiteral(" is \"%1\", which is not a number.").arg(countField->text));
    if (*number != std::floor(*number))
        return fail(countWhere
                    + QStringLiteral(" is %1, which is not a whole number.").arg(countField->text.trimmed()));

    const double count = *number;
    Catalogue catalogue;
    // Counts of 0 or below mean no titles; one far below is kept as a plain -1.
    catalogue.count = count > maxTitles ? maxTitles + 1 : (count < -1e9 ? -1 : int(count));

    const int toRead = std::min(catalogue.count, maxTitles);
    for (int k = 1; k <= toRead; ++k) {
        const auto title = reader.next();
        if (!title) {
            return fail(countWhere
                        + QStringLiteral(" is %1, but the file ends after %2 %3, at line %4.")
                              .arg(countField->text.trimmed())
                              .arg(k - 1)
                              .arg(k - 1 == 1 ? QStringLiteral("title") : QStringLiteral("titles"))
                              .arg(reader.lastLine()));
        }
        catalogue.titles[std::size_t(k)] = title->text;
    }

    if (count > maxTitles) {
        const auto extra = reader.next();
        const QString at = extra ? QStringLiteral(", on line %1").arg(extra->line) : QString();
        return fail(countWhere
                    + QStringLiteral(" is %1, but a catalogue holds at most %2 titles: "
                                     "reading stops at the %3 title%4.")
                          .arg(countField->text.trimmed())
                          .arg(maxTitles)
                          .arg(ordinal(maxTitles + 1))
                          .arg(at));
    }
    return catalogue;
}

} // namespace quorix
