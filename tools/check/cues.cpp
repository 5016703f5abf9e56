// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/check/cues.h"
#include "tools/check/exacttests.h"

#include <QChar>

namespace quorix::check {

namespace {

bool isKey(const QString &key)
{
    return key == QLatin1String("T") || key == QLatin1String("F");
}

int codePoints(const QString &text)
{
    return int(text.toUcs4().size());
}

double mean(double sum, int count)
{
    return count > 0 ? sum / count : 0.0;
}

WordCueFigures wordFigures(const std::vector<KeyedStatement> &statements, int list)
{
    WordCueFigures w;
    for (const KeyedStatement &s : statements) {
        const bool holds = !s.cueWord[std::size_t(list)].isEmpty();
        (holds ? w.with : w.without) += 1;
        if (!s.isTrue)
            (holds ? w.withFalse : w.withoutFalse) += 1;
    }
    w.p = fisherTwoSidedP(w.withFalse, w.with - w.withFalse, w.withoutFalse, w.without - w.withoutFalse);
    return w;
}

void measureLength(CueFigures &f)
{
    double trueSum = 0;
    double falseSum = 0;
    std::vector<int> trueLengths;
    std::vector<int> falseLengths;
    for (const KeyedStatement &s : f.statements) {
        (s.isTrue ? trueLengths : falseLengths).push_back(s.length);
        (s.isTrue ? trueSum : falseSum) += s.length;
    }
    f.trueCount = int(trueLengths.size());
    f.falseCount = int(falseLengths.size());
    f.meanTrueLength = mean(trueSum, f.trueCount);
    f.meanFalseLength = mean(falseSum, f.falseCount);

    // Even sixteen banks of 400 questions make only 6400 x 6400 pairs to count.
    if (f.trueCount > 0 && f.falseCount > 0) {
        double wins = 0;
        for (const int t : trueLengths) {
            for (const int l : falseLengths)
                wins += t > l ? 1.0 : t == l ? 0.5 : 0.0;
        }
        f.auc = wins / (double(f.trueCount) * f.falseCount);
    }

    // Halfway between the means is where a student who has noticed the cue
    // would draw the line.
    f.cut = (f.meanTrueLength + f.meanFalseLength) / 2;
    for (const KeyedStatement &s : f.statements)
        f.rightByCut += (s.length > f.cut) == s.isTrue;
}

const QString fromLength = QStringLiteral("; students can answer from length");
const QString fromWording = QStringLiteral("; students can answer from the wording");

QString share(int part, int whole)
{
    return QStringLiteral("%1 of %2").arg(part).arg(whole);
}

} // namespace

const std::array<CueWordList, CueListCount> &cueWordLists()
{
    static const std::array<CueWordList, CueListCount> lists = {{
        {"absolute",
         {QStringLiteral("always"), QStringLiteral("never"), QStringLiteral("all"), QStringLiteral("every"),
          QStringLiteral("none"), QStringLiteral("only"), QStringLiteral("any"), QStringLiteral("whatever"),
          QStringLiteral("completely"), QStringLiteral("entirely"), QStringLiteral("impossible")}},
        {"hedging",
         {QStringLiteral("about"), QStringLiteral("can"), QStringLiteral("may"), QStringLiteral("most"),
          QStringLiteral("often"), QStringLiteral("usually"), QStringLiteral("some"),
          QStringLiteral("mainly"), QStringLiteral("partly"), QStringLiteral("largely"),
          QStringLiteral("generally")}},
    }};
    return lists;
}

QStringList statementWords(const QString &text)
{
    QStringList words;
    QString word;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isLetter(c)) {
            word += QString::fromUcs4(&c, 1);
        } else if (!word.isEmpty()) {
            words << word.toCaseFolded();
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word.toCaseFolded();
    return words;
}

KeyedStatement keyedStatement(const QString &text, bool isTrue, int line, int version)
{
    KeyedStatement s;
    s.line = line;
    s.version = version;
    s.length = codePoints(text);
    s.isTrue = isTrue;
    const QStringList words = statementWords(text);
    for (std::size_t list = 0; list < CueListCount; ++list) {
        for (const QString &word : words) {
            if (cueWordLists()[list].words.contains(word)) {
                s.cueWord[list] = word;
                break;
            }
        }
    }
    return s;
}

CueFigures measureCues(const std::vector<QuestionRecord> &records)
{
    CueFigures f;
    for (const QuestionRecord &r : records) {
        if (isKey(r.key1))
            f.statements.push_back(keyedStatement(r.statement1, r.key1 == QLatin1String("T"), r.line, 1));
        if (isKey(r.key2))
            f.statements.push_back(keyedStatement(r.statement2, r.key2 == QLatin1String("T"), r.line, 2));
        if (isKey(r.key1) && isKey(r.key2) && r.key1 != r.key2) {
            const bool firstTrue = r.key1 == QLatin1String("T");
            const int trueLength = codePoints(firstTrue ? r.statement1 : r.statement2);
            const int falseLength = codePoints(firstTrue ? r.statement2 : r.statement1);
            if (trueLength != falseLength) {
                f.lengthPairs.push_back({r.line, firstTrue ? 1 : 2, trueLength, falseLength});
                f.longerTrue += trueLength > falseLength;
            }
        }
    }
    f.lengthP = binomialTwoSidedP(f.longerTrue, int(f.lengthPairs.size()));
    measureLength(f);
    for (int list = 0; list < CueListCount; ++list)
        f.words[std::size_t(list)] = wordFigures(f.statements, list);
    return f;
}

void addCueWarnings(const CueFigures &f, FileReport &out, bool listRecords)
{
    const int pairs = int(f.lengthPairs.size());
    if (pairs >= minLengthRecords && f.lengthP < cueSignificance) {
        const bool trueLonger = 2 * f.longerTrue > pairs;
        out.warning(1,
                    QStringLiteral("the longer statement is the %1 one in %2 records")
                            .arg(QLatin1String(trueLonger ? "true" : "false"),
                                 share(trueLonger ? f.longerTrue : pairs - f.longerTrue, pairs))
                        + fromLength);
        for (const CueFigures::LengthPair &pair : f.lengthPairs) {
            if (!listRecords || (pair.trueLength > pair.falseLength) != trueLonger)
                continue;
            const int longer = trueLonger ? pair.trueVersion : 3 - pair.trueVersion;
            out.note(pair.line,
                     QStringLiteral("statement %1, the %2 one, is the longer: %3 characters "
                                    "against %4")
                         .arg(longer)
                         .arg(QLatin1String(trueLonger ? "true" : "false"))
                         .arg(std::max(pair.trueLength, pair.falseLength))
                         .arg(std::min(pair.trueLength, pair.falseLength)));
        }
    }

    for (std::size_t list = 0; list < CueListCount; ++list) {
        const WordCueFigures &w = f.words[list];
        if (w.with < minWordStatements || w.p >= cueSignificance)
            continue;
        // Compared as withFalse / with against withoutFalse / without.
        const bool mostlyFalse = qint64(w.withFalse) * w.without > qint64(w.withoutFalse) * w.with;
        const char *key = mostlyFalse ? "false" : "true";
        const int withKey = mostlyFalse ? w.withFalse : w.with - w.withFalse;
        const int withoutKey = mostlyFalse ? w.withoutFalse : w.without - w.withoutFalse;
        const char *name = cueWordLists()[list].name;
        out.warning(1,
                    QStringLiteral("%1 statements with %2 %3 word are %4, against %5 without")
                            .arg(share(withKey, w.with), QLatin1String(name[0] == 'a' ? "an" : "a"),
                                 QLatin1String(name), QLatin1String(key), share(withoutKey, w.without))
                        + fromWording);
        for (const KeyedStatement &s : f.statements) {
            if (!listRecords || s.cueWord[list].isEmpty() || s.isTrue == mostlyFalse)
                continue;
            out.note(s.line,
                     QStringLiteral("statement %1 holds \"%2\" and is %3")
                         .arg(s.version)
                         .arg(s.cueWord[list], QLatin1String(key)));
        }
    }
}

bool isCueWarning(const Diagnostic &diagnostic)
{
    return diagnostic.severity == Severity::Warning && diagnostic.line == 1
        && (diagnostic.message.endsWith(fromLength) || diagnostic.message.endsWith(fromWording));
}

} // namespace quorix::check
