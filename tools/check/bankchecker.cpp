// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/check/bankchecker.h"
#include "tools/check/cues.h"
#include "tools/check/keybalance.h"

#include "app/catalogue.h"
#include "app/menustate.h"
#include "app/setfiles.h"
#include "core/datafile.h"
#include "core/datafolder.h"
#include "core/fieldreader.h"
#include "core/value.h"
#include "exercises/parbands.h"
#include "questions/bankloader.h"
#include "questions/questiondraw.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace quorix::check {

namespace {

constexpr int fieldsAfterNumber = 7;

enum Slot {
    PictureSlot,
    Statement1Slot,
    Key1Slot,
    Explanation1Slot,
    Statement2Slot,
    Key2Slot,
    Explanation2Slot
};

const std::array<const char *, fieldsAfterNumber> slotNames = {
    "picture name", "statement 1",        "key of statement 1",         "explanation of statement 1",
    "statement 2",  "key of statement 2", "explanation of statement 2",
};

// A field's text as it is to appear in a message.
QString quoted(const QString &text)
{
    return QLatin1Char('"') + excerpt(text) + QLatin1Char('"');
}

int wordCount(const QString &text)
{
    return int(text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
}

bool isSentence(const QString &text)
{
    return wordCount(text) >= 3;
}

bool isPictureName(const QString &text)
{
    static const QRegularExpression name(QStringLiteral("^\\S+\\.(bmp|png|jpe?g|gif)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    return name.match(text.trimmed()).hasMatch();
}

bool isKeyLike(const QString &text)
{
    const QString t = text.trimmed();
    return t == QLatin1String("T") || t == QLatin1String("F");
}

bool isNumber(const QString &text)
{
    return !text.trimmed().isEmpty() && parseNumber(text).has_value();
}

// The text that would have to be in a field for the record to be read as
// written, when another kind of field stands in its place.
bool looksMisplaced(int slot, const QString &text)
{
    switch (slot) {
    case PictureSlot:
        return isSentence(text) || isKeyLike(text);
    case Key1Slot:
    case Key2Slot:
        return isSentence(text) || isPictureName(text);
    default:
        return isKeyLike(text) || isPictureName(text) || isNumber(text);
    }
}

// Anything under the name, even a folder or a link to nothing, is what the
// program would try to open, and is checked as such.
bool isPresent(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString plural(int n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// Where a later shift of fields most likely began.
struct Cause {
    int line;
    QString text;
};

// Per-field warnings that do not depend on the field's place in a record,
// and the places where fields may have started to shift.
class FieldNotes {
public:
    explicit FieldNotes(FileReport &out) : m_out(out) { }

    void see(const Field &field)
    {
        // An unquoted text of several words followed by a field on the same
        // line was ended by a comma, most likely one meant to be inside it.
        if (m_previous && !m_previous->quoted && wordCount(m_previous->text) >= 2
            && field.line == m_previous->line) {
            m_causes.push_back({m_previous->line,
                                QStringLiteral("the unquoted text %1 on line %2, cut at a comma (put double "
                                               "quotes around it)")
                                    .arg(quoted(m_previous->text))
                                    .arg(m_previous->line)});
        }
        if (field.blankLine) {
            m_out.warning(field.line,
                          QStringLiteral("blank line: the reader takes it as an empty field, so "
                                         "every later field of the file moves one place on"));
            m_causes.push_back({field.line, QStringLiteral("the blank line %1").arg(field.line)});
        }
        if (field.trailingDiscarded) {
            m_out.warning(field.line,
                          QStringLiteral("a double quote inside this quoted field ends it early: the field "
                                         "is %1, and what follows the inner quote up to the next comma or "
                                         "line end is discarded (use single quotes inside)")
                              .arg(quoted(field.text)));
            m_causes.push_back(
                {field.line, QStringLiteral("the double quote inside the field on line %1").arg(field.line)});
        }
        if (field.unclosedQuote) {
            m_out.warning(field.line,
                          QStringLiteral("the double quote that opens this field is never "
                                         "closed, so the field runs to the end of the file"));
            m_causes.push_back(
                {field.line, QStringLiteral("the unclosed double quote on line %1").arg(field.line)});
        }
        m_previous = field;
    }

    // "; the likely cause is ..." for the last cause on or before line, if any.
    QString hintBefore(int line) const
    {
        for (auto it = m_causes.rbegin(); it != m_causes.rend(); ++it) {
            if (it->line <= line)
                return QStringLiteral("; the likely cause is ") + it->text;
        }
        return {};
    }

private:
    FileReport &m_out;
    std::optional<Field> m_previous;
    std::vector<Cause> m_causes;
};

} // namespace

BankChecker::BankChecker(CheckReport &report) : m_report(report) { }

void BankChecker::reportUnopened(DataFileProblem problem, const QString &reason, FileReport &out)
{
    if (problem == DataFileProblem::Missing)
        out.error(1, QStringLiteral("no such file"));
    else
        out.error(1, QStringLiteral("cannot be read: %1").arg(reason));
}

bool BankChecker::readFile(const QString &path, FileReport &out, QByteArray &bytes)
{
    // The program's own opening, so the checker refuses exactly what it does.
    DataFileContents file = readDataFile(path);
    if (!file.ok()) {
        reportUnopened(file.problem, file.reason, out);
        return false;
    }
    bytes = std::move(file.bytes);
    return true;
}

QString BankChecker::pictureProblem(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const QString key = dir.filePath(name);
    const auto cached = m_pictures.constFind(key);
    if (cached != m_pictures.constEnd())
        return *cached;

    QString problem;
    const auto path = DataFolder(folder).picture(name);
    // The program's own opening first, so that what it meets is named as it is.
    const DataFileContents file = path ? readDataFile(*path) : DataFileContents();
    if (!path) {
        problem = QStringLiteral("is not inside the data folder, so the program shows \"Picture not "
                                 "available\" instead: copy or link the picture into the data folder");
    } else if (file.problem == DataFileProblem::Missing) {
        problem = QStringLiteral("does not exist in %1").arg(QDir::toNativeSeparators(folder));
        const QStringList entries = dir.entryList(QDir::Files);
        const auto sameButCase = std::find_if(entries.begin(), entries.end(), [&](const QString &entry) {
            return entry.compare(QFileInfo(name).fileName(), Qt::CaseInsensitive) == 0;
        });
        if (sameButCase != entries.end() && !name.contains(QLatin1Char('/')))
            problem
                += QStringLiteral(" (there is %1: file names are case-sensitive)").arg(quoted(*sameButCase));
    } else if (file.problem == DataFileProblem::NotAFile) {
        problem = QStringLiteral("is not a regular file");
    } else if (file.problem == DataFileProblem::Unreadable || file.problem == DataFileProblem::LinkLoop) {
        problem = QStringLiteral("cannot be read: %1").arg(file.reason);
    } else {
        // A picture may be larger than a data file may; the program reads it all the same.
        QBuffer buffer;
        buffer.setData(file.bytes);
        QImageReader reader;
        if (file.ok())
            reader.setDevice(&buffer);
        else
            reader.setFileName(*path);
        const QImage image = reader.read();
        if (image.isNull())
            problem = QStringLiteral("cannot be read as a picture: %1").arg(reader.errorString());
    }
    m_pictures.insert(key, problem);
    return problem;
}

FileReport &BankChecker::checkBank(const QString &path, const QString &shownName,
                                   const QString &pictureFolder)
{
    FileReport &out = m_report.add(shownName);
    QByteArray bytes;
    if (!readFile(path, out, bytes))
        return out;

    BankReading reading;
    const auto loaded = parseBank(bytes, QFileInfo(path).fileName(), &reading);
    const std::vector<RecordFields> &records = reading.records;
    FieldNotes notes(out);
    for (const RecordFields &record : records) {
        notes.see(record.number);
        for (const Field &field : record.fields)
            notes.see(field);
    }
    using Stop = BankReading::Stop;
    const Field &stopper = reading.stopper;
    const bool terminated = reading.stop == Stop::Terminator;
    const int terminatorLine = terminated ? stopper.line : 0;
    bool refused = true;
    if (reading.stop != Stop::EndOfFile)
        notes.see(stopper);
    for (const Field &field : reading.partial)
        notes.see(field);

    // The reader says where and why it stopped; the report says it to a teacher.
    switch (reading.stop) {
    case Stop::NotANumber:
        out.error(stopper.line,
                  QStringLiteral("a record starts with %1, which is not a number, so the "
                                 "program refuses the bank: each record must start with "
                                 "its number, and -999 ends the bank%2")
                      .arg(quoted(stopper.text), notes.hintBefore(stopper.line)));
        break;
    case Stop::TooManyRecords:
        out.error(stopper.line,
                  QStringLiteral("record %1 starts here, but a bank holds at most %2 "
                                 "questions, so the program refuses it")
                      .arg(records.size() + 1)
                      .arg(LoadedBank::MaxRecords));
        break;
    case Stop::EndsInsideRecord:
        out.error(reading.lastLine,
                  QStringLiteral("the file ends inside the record that starts on line %1: it has %2 of "
                                 "its 8 fields, so the program refuses the bank%3")
                      .arg(stopper.line)
                      .arg(reading.partial.size() + 1)
                      .arg(notes.hintBefore(reading.lastLine)));
        break;
    default:
        refused = false;
    }

    // An overlong field is refused before the record walk means anything.
    if (!loaded && !refused) {
        out.error(1, QStringLiteral("the program refuses the bank: %1").arg(loaded.error()));
        refused = true;
    }

    int trueKeys = 0;
    int falseKeys = 0;
    int otherKeys = 0;
    std::array<int, 2> trueByVersion{};
    std::array<int, 2> falseByVersion{};
    QHash<QString, int> statementLines;
    bool inShiftedRun = false;
    for (const RecordFields &record : records) {
        for (const Slot slot : {Key1Slot, Key2Slot}) {
            const QString &key = record.fields[slot].text;
            key == QLatin1String("T") ? ++trueKeys : key == QLatin1String("F") ? ++falseKeys : ++otherKeys;
        }
        for (const std::size_t v : {0, 1}) {
            const QString &key = record.fields[v == 0 ? Key1Slot : Key2Slot].text;
            trueByVersion[v] += key == QLatin1String("T");
            falseByVersion[v] += key == QLatin1String("F");
        }

        int misplaced = -1;
        for (int slot = 0; slot < fieldsAfterNumber && misplaced < 0; ++slot) {
            if (looksMisplaced(slot, record.fields[std::size_t(slot)].text))
                misplaced = slot;
        }
        if (misplaced >= 0) {
            // Once shifted, every later record is shifted too: one warning
            // where the run begins is enough.
            if (!inShiftedRun) {
                const Field &field = record.fields[std::size_t(misplaced)];
                out.warning(record.number.line,
                            QStringLiteral("the fields of this record look shifted: its %1, on line %2, "
                                           "holds %3%4")
                                .arg(QLatin1String(slotNames[std::size_t(misplaced)]))
                                .arg(field.line)
                                .arg(quoted(field.text))
                                .arg(notes.hintBefore(field.line)));
            }
            inShiftedRun = true;
            continue;
        }
        inShiftedRun = false;

        const Field &picture = record.fields[PictureSlot];
        QString pictureName = picture.text;
        if (!picture.quoted && isNumber(picture.text))
            pictureName = toText(*parseNumber(picture.text));
        if (!pictureName.isEmpty()) {
            const QString problem = pictureProblem(pictureFolder, pictureName);
            if (!problem.isEmpty())
                out.warning(picture.line, QStringLiteral("picture %1 %2").arg(quoted(pictureName), problem));
        }

        for (int version = 1; version <= 2; ++version) {
            const Field &statement = record.fields[version == 1 ? Statement1Slot : Statement2Slot];
            const Field &key = record.fields[version == 1 ? Key1Slot : Key2Slot];
            const Field &explanation = record.fields[version == 1 ? Explanation1Slot : Explanation2Slot];

            if (key.text != QLatin1String("T") && key.text != QLatin1String("F")) {
                // Shown as written: a blank inside the quotes is the fault.
                out.warning(key.line,
                            QStringLiteral("the key of statement %1 is \"%2\", not exactly \"T\" or "
                                           "\"F\": no answer can match it, and the feedback calls "
                                           "the statement false")
                                .arg(version)
                                .arg(key.text.size() > 50 ? quoted(key.text).mid(1).chopped(1) : key.text));
            }

            const struct {
                const Field &field;
                QString name;
                QSize box;
            } texts[] = {
                {statement, QStringLiteral("statement %1").arg(version), TextFit::statementBox},
                {explanation, QStringLiteral("the explanation of statement %1").arg(version),
                 TextFit::explanationBox},
            };
            for (const auto &text : texts) {
                if (text.field.text.trimmed().isEmpty()) {
                    if (!text.field.blankLine)
                        out.warning(text.field.line, text.name + QStringLiteral(" is empty"));
                    continue;
                }
                const QSize needed = m_fit.needed(text.field.text, text.box.width());
                if (needed.width() > text.box.width()) {
                    out.warning(
                        text.field.line,
                        QStringLiteral("%1 has a word too wide for its box of %2 pixels at 12 pt bold")
                            .arg(text.name)
                            .arg(text.box.width()));
                } else if (needed.height() > text.box.height()) {
                    out.warning(text.field.line,
                                QStringLiteral("%1 is too long to show whole in its box of %2 x %3 pixels at "
                                               "12 pt bold: wrapped, it needs %4 pixels of height")
                                    .arg(text.name)
                                    .arg(text.box.width())
                                    .arg(text.box.height())
                                    .arg(needed.height()));
                }
            }

            if (!statement.text.trimmed().isEmpty()) {
                const QString same = statement.text.simplified().toCaseFolded();
                const auto first = statementLines.constFind(same);
                if (first != statementLines.constEnd()) {
                    out.warning(statement.line,
                                QStringLiteral("statement %1 repeats the statement on line %2")
                                    .arg(version)
                                    .arg(*first));
                } else {
                    statementLines.insert(same, statement.line);
                }
            }
        }
    }

    const int count = int(records.size());
    if (refused) {
        out.summary = QStringLiteral("refused by the program's loader (%1 before the error)")
                          .arg(plural(count, "complete record", "complete records"));
        return out;
    }

    if (count < 2) {
        out.warning(terminated ? terminatorLine : 1,
                    QStringLiteral("the bank holds %1: a test asks half the questions, rounded down, so "
                                   "this one ends before asking any")
                        .arg(plural(count, "question", "questions")));
    }
    for (const std::size_t v : {0, 1}) {
        const QString lopsided = lopsidedKeysWarning(int(v) + 1, trueByVersion[v], falseByVersion[v]);
        if (!lopsided.isEmpty())
            out.warning(1, lopsided);
    }
    addCueWarnings(measureCues(loaded->records), out, m_listCueRecords);
    if (!terminated) {
        out.warning(std::max(1, reading.lastLine),
                    QStringLiteral("the bank has no -999 terminator: the program loads it as it is, but end "
                                   "the bank with -999 after its last record"));
    } else if (reading.firstUnread) {
        out.warning(reading.firstUnread->line,
                    QStringLiteral("the -999 on line %1 ends the bank, so nothing from here on "
                                   "is read")
                        .arg(terminatorLine));
    }

    QString keys = QStringLiteral("%1 true and %2 false keys").arg(trueKeys).arg(falseKeys);
    if (otherKeys > 0)
        keys += QStringLiteral(", %1 neither").arg(otherKeys);
    out.summary
        = QStringLiteral("%1, %2 (%3), quota %4")
              .arg(plural(count, "question", "questions"), plural(2 * count, "statement", "statements"), keys)
              .arg(questionQuota(count));
    return out;
}

std::vector<int> BankChecker::checkCatalogue(const QString &path, const QString &shownName,
                                             const QString &bankFolder)
{
    FileReport &out = m_report.add(shownName);
    const QDir banks(bankFolder);
    auto bankExists = [&](int option) { return isPresent(banks.filePath(DataFolder::bankName(option))); };
    // A refused catalogue stops the program, but its banks are still worth
    // checking.
    auto existingBanks = [&] {
        std::vector<int> options;
        for (int k = 1; k <= DataFolder::OptionCount; ++k) {
            if (bankExists(k))
                options.push_back(k);
        }
        return options;
    };

    CatalogueReading reading;
    const auto catalogue = readCatalogue(path, &reading);
    using Stop = CatalogueReading::Stop;
    if (reading.stop == Stop::Unopened) {
        reportUnopened(reading.problem, reading.reason, out);
        return existingBanks();
    }

    FieldNotes notes(out);
    auto refuse = [&](int line, const QString &message) {
        out.error(line,
                  message + QStringLiteral(", so the program refuses the catalogue and does not start"));
        out.summary = QStringLiteral("refused by the program");
        return existingBanks();
    };

    if (reading.stop == Stop::Empty)
        return refuse(1,
                      QStringLiteral("the catalogue is empty: its first field must be the number of titles"));
    const Field &countField = reading.fields.front();
    notes.see(countField);
    const int countLine = countField.line;
    const QString countText = countField.text.trimmed();
    switch (reading.stop) {
    case Stop::CountEmpty:
        return refuse(countLine, QStringLiteral("the count of titles is empty"));
    case Stop::CountNotNumber:
        return refuse(
            countLine,
            QStringLiteral("the count of titles is %1, which is not a number").arg(quoted(countText)));
    case Stop::CountNotWhole:
        return refuse(
            countLine,
            QStringLiteral("the count of titles is %1, which is not a whole number").arg(excerpt(countText)));
    case Stop::CountTooLarge:
        return refuse(countLine,
                      QStringLiteral("the count of titles is %1, but a catalogue holds at most %2")
                          .arg(excerpt(countText))
                          .arg(Catalogue::MaxTitles));
    default:
        break;
    }

    const double number = *parseNumber(countText);
    const int count = number < 0 ? 0 : int(number);
    if (count == 0) {
        out.warning(countLine,
                    QStringLiteral("the count of titles is %1, so the menu shows only its placeholder "
                                   "options \"%2\" to \"%3\"")
                        .arg(excerpt(countText), MenuState::placeholderCaption(1),
                             MenuState::placeholderCaption(MenuState::AlwaysShownOptions)));
    }

    std::vector<int> titleLines(std::size_t(count + 1), countLine);
    QStringList titles(count + 1);
    const int titlesRead = int(reading.fields.size()) - 1;
    for (int k = 1; k <= titlesRead; ++k) {
        const Field &title = reading.fields[std::size_t(k)];
        notes.see(title);
        titleLines[std::size_t(k)] = title.line;
        titles[k] = title.text;
        if (title.text.trimmed().isEmpty() && !title.blankLine)
            out.warning(title.line, QStringLiteral("title %1 is empty, so option %1 has no caption").arg(k));
    }
    if (reading.stop == Stop::EndsEarly) {
        return refuse(countLine,
                      QStringLiteral("the count of titles is %1, but the file ends after %2, at "
                                     "line %3")
                          .arg(count)
                          .arg(plural(titlesRead, "title", "titles"))
                          .arg(reading.lastLine));
    }

    if (!reading.unread.empty()) {
        const auto more = std::count_if(reading.unread.begin() + 1, reading.unread.end(),
                                        [](const Field &f) { return !f.text.trimmed().isEmpty(); });
        out.warning(reading.unread.front().line,
                    QStringLiteral("the count of titles is %1, so this title%2 never read")
                        .arg(count)
                        .arg(more == 0 ? QStringLiteral(" is")
                                       : QStringLiteral(" and the %1 after it are").arg(more)));
    }
    if (count > DataFolder::OptionCount) {
        out.warning(titleLines[DataFolder::OptionCount + 1],
                    QStringLiteral("titles %1 to %2 are read, but the menu shows only %3 sets")
                        .arg(DataFolder::OptionCount + 1)
                        .arg(count)
                        .arg(DataFolder::OptionCount));
    }

    // The reader's walk says where; its verdict says whether the program starts.
    if (!catalogue)
        return refuse(1, QStringLiteral("the program cannot read the catalogue: %1").arg(catalogue.error()));

    const QString folderShown = QDir::toNativeSeparators(bankFolder);
    std::vector<int> options;
    for (int k = 1; k <= std::min(count, DataFolder::OptionCount); ++k) {
        if (bankExists(k)) {
            options.push_back(k);
        } else {
            out.error(titleLines[std::size_t(k)],
                      QStringLiteral("option %1 (%2) opens %3, which is not in %4")
                          .arg(k)
                          .arg(quoted(titles[k]), DataFolder::bankName(k), folderShown));
        }
    }
    QStringList missingPlaceholders;
    for (int k = count + 1; k <= MenuState::AlwaysShownOptions; ++k) {
        if (bankExists(k))
            options.push_back(k);
        else
            missingPlaceholders << QString::number(k);
    }
    if (!missingPlaceholders.isEmpty()) {
        out.warning(countLine,
                    QStringLiteral("option%1 %2 stay%3 on the menu with placeholder captions, and "
                                   "the program cannot open %4 when one is chosen")
                        .arg(missingPlaceholders.size() == 1 ? QString() : QStringLiteral("s"),
                             missingPlaceholders.join(QStringLiteral(", ")),
                             missingPlaceholders.size() == 1 ? QStringLiteral("s") : QString(),
                             missingPlaceholders.size() == 1 ? QStringLiteral("its bank")
                                                             : QStringLiteral("their banks")));
    }
    out.summary = QStringLiteral("catalogue of %1").arg(plural(count, "title", "titles"));
    return options;
}

bool BankChecker::namedLikeDataFile(const QString &path)
{
    static const QRegularExpression name(QStringLiteral("^qbank.*\\.txt$"));
    return name.match(QFileInfo(path).fileName()).hasMatch();
}

void BankChecker::checkFile(const QString &path)
{
    const QString folder = QFileInfo(path).path();
    if (QFileInfo(path).fileName() == DataFolder::catalogueName())
        checkCatalogue(path, path, folder);
    else
        checkBank(path, path, folder);
}

void BankChecker::checkFolder(const QString &folder)
{
    const QDir dir(folder);
    // Named as the teacher would type them: "data/qbank1.txt", or "qbank1.txt" for ".".
    const auto shown = [&](const QString &name) { return QDir::cleanPath(dir.filePath(name)); };
    const QString catalogueName = shown(DataFolder::catalogueName());
    std::vector<int> options;
    // A folder that cannot be searched hides its catalogue: the opener says so.
    if (isPresent(catalogueName) || readDataFile(catalogueName).problem != DataFileProblem::Missing) {
        options = checkCatalogue(catalogueName, catalogueName, folder);
    } else {
        m_report.add(catalogueName)
            .error(1,
                   QStringLiteral("the folder has no catalogue %1, so the program does not start")
                       .arg(DataFolder::catalogueName()));
        for (int k = 1; k <= MenuState::AlwaysShownOptions; ++k) {
            if (isPresent(dir.filePath(DataFolder::bankName(k))))
                options.push_back(k);
        }
    }

    QSet<QString> opened;
    for (const int option : options) {
        const QString name = DataFolder::bankName(option);
        opened.insert(name);
        FileReport &out = checkBank(dir.filePath(name), shown(name), folder);
        if (firstScreenFor(option) != FirstScreen::Par)
            continue;
        // Without its pictures the exercise shows grey boxes where the bands should be.
        for (const QString &picture : parExercisePictures()) {
            const QString problem = pictureProblem(folder, picture);
            if (!problem.isEmpty()) {
                out.error(1,
                          QStringLiteral("option %1 opens the PAR exercise, whose picture %2 %3")
                              .arg(option)
                              .arg(quoted(picture), problem));
            }
        }
    }

    // A bank no option opens is easily taken for one that is checked.
    const QStringList banks = dir.entryList({QStringLiteral("qbank*.txt")}, QDir::Files, QDir::Name);
    for (const QString &name : banks) {
        if (opened.contains(name) || name == DataFolder::catalogueName())
            continue;
        QString message = QStringLiteral("no option of the menu opens this file");
        if (name == QLatin1String("qbank14.txt"))
            message += QStringLiteral(": option 14 opens qbank143.txt");
        m_report.add(shown(name)).warning(1, message);
    }
}

} // namespace quorix::check
