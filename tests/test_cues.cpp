// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/check/checkreport.h"
#include "tools/check/cues.h"
#include "tools/check/exacttests.h"
#include "tools/check/figures.h"

#include "questions/bankloader.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace quorix;
using namespace quorix::check;

namespace {

// One statement of a record: its text and key.
struct Side {
    QString text;
    QString key;
};

// count records, record n on line n; "%1" in a text becomes n as two digits,
// so the texts differ but keep their lengths.
std::vector<QuestionRecord> records(int count, const Side &first, const Side &second)
{
    std::vector<QuestionRecord> out;
    for (int n = 1; n <= count; ++n) {
        QuestionRecord r;
        r.number = double(n);
        r.statement1 = first.text.arg(n, 2, 10, QLatin1Char('0'));
        r.key1 = first.key;
        r.statement2 = second.text.arg(n, 2, 10, QLatin1Char('0'));
        r.key2 = second.key;
        r.line = n;
        out.push_back(r);
    }
    return out;
}

std::vector<QuestionRecord> operator+(std::vector<QuestionRecord> a, const std::vector<QuestionRecord> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Side longTrue{QStringLiteral("Glucose %1 is stored as glycogen."), QStringLiteral("T")};
const Side shortFalse{QStringLiteral("Glucose %1 is fat."), QStringLiteral("F")};
const Side longFalse{QStringLiteral("Glucose %1 is stored as glycogen."), QStringLiteral("F")};
const Side shortTrue{QStringLiteral("Glucose %1 is fat."), QStringLiteral("T")};

// Same length with and without a listed word, so length tells nothing.
Side side(const char *word, const char *key)
{
    return {QStringLiteral("Glucose %1 is ") + QLatin1String(word) + QStringLiteral(" used."),
            QLatin1String(key)};
}

// A bank file of the records, one record a line.
QByteArray bankFile(const std::vector<QuestionRecord> &bank)
{
    QByteArray out;
    int n = 0;
    for (const QuestionRecord &r : bank) {
        out += QByteArray::number(++n) + ",blank.bmp,\"" + r.statement1.toUtf8() + "\"," + r.key1.toUtf8()
            + ",Why.,\"" + r.statement2.toUtf8() + "\"," + r.key2.toUtf8() + ",Why not.\n";
    }
    return out + "-999\n";
}

// Lengths 33 and 18 in opposite-key pairs, 6 with the longer true and 2
// with it false, then 2 pairs of 25 with an absolute word (false) and a
// hedging one (true).
std::vector<QuestionRecord> mixedBank()
{
    return records(6, longTrue, shortFalse) + records(2, shortTrue, longFalse)
        + records(2, side("never", "F"), side("often", "T"));
}

} // namespace

class TestCues : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exactTests_data();
    void exactTests();
    void words_data();
    void words();
    void warnings_data();
    void warnings();
    void commandLine_data();
    void commandLine();
};

void TestCues::exactTests_data()
{
    QTest::addColumn<QList<int>>("table");
    QTest::addColumn<double>("p");
    // Exact values, summed in rational arithmetic.
    QTest::newRow("tea tasting: as probable tables count too")
        << QList<int>{3, 1, 1, 3} << 0.4857142857142857;
    QTest::newRow("10 against 0") << QList<int>{10, 0, 0, 10} << 1.082508822446903e-05;
    QTest::newRow("lopsided margins") << QList<int>{1, 9, 11, 3} << 0.002759456185220088;
    QTest::newRow("800 statements without overflow")
        << QList<int>{300, 100, 100, 300} << 6.006299830956992e-47;
    QTest::newRow("an empty margin") << QList<int>{0, 0, 4, 5} << 1.0;
    QTest::newRow("even") << QList<int>{4, 4, 4, 4} << 1.0;
}

void TestCues::exactTests()
{
    QFETCH(QList<int>, table);
    QFETCH(double, p);
    const double got = fisherTwoSidedP(table[0], table[1], table[2], table[3]);
    QVERIFY2(std::abs(got - p) <= 1e-4 * p, qPrintable(QString::number(got, 'g', 17)));
}

void TestCues::words_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("absoluteAndHedging");
    QTest::newRow("a hyphen ends a word") << "All-trans retinol" << QStringList{"all", ""};
    QTest::newRow("cannot is not can") << "Cannot be made" << QStringList{"", ""};
    QTest::newRow("digits end a word") << "B12only and 3can" << QStringList{"only", "can"};
    QTest::newRow("case is ignored") << "NEVER, USUALLY" << QStringList{"never", "usually"};
    QTest::newRow("an apostrophe ends a word") << "The body's any store" << QStringList{"any", ""};
    QTest::newRow("a word inside a word is not one") << "Allosteric sometimes" << QStringList{"", ""};
}

void TestCues::words()
{
    QFETCH(QString, text);
    QFETCH(QStringList, absoluteAndHedging);
    const KeyedStatement s = keyedStatement(text, true, 1, 1);
    QCOMPARE(QStringList({s.cueWord[AbsoluteWords], s.cueWord[HedgingWords]}), absoluteAndHedging);
}

void TestCues::warnings_data()
{
    QTest::addColumn<std::vector<QuestionRecord>>("bank");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<int>("notes");

    const QString fromLength = QStringLiteral("; students can answer from length");
    const QString fromWording = QStringLiteral("; students can answer from the wording");
    QTest::newRow("the true one longer in 10 of 10")
        << records(10, longTrue, shortFalse)
        << QStringList{"the longer statement is the true one in 10 of 10 records" + fromLength} << 10;
    QTest::newRow("the false one longer in 10 of 10")
        << records(10, shortTrue, longFalse)
        << QStringList{"the longer statement is the false one in 10 of 10 records" + fromLength} << 10;
    QTest::newRow("9 records are too few to tell") << records(9, longTrue, shortFalse) << QStringList() << 0;
    QTest::newRow("9 of 10 could be chance (p = 0.021)")
        << records(9, longTrue, shortFalse) + records(1, shortTrue, longFalse) << QStringList() << 0;
    QTest::newRow("keys alike are no cue")
        << records(12, longTrue, {shortFalse.text, QStringLiteral("T")}) << QStringList() << 0;

    QTest::newRow("absolute words false")
        << records(8, side("never", "F"), side("fully", "T"))
        << QStringList{"8 of 8 statements with an absolute word are false, against 0 of 8 without"
                       + fromWording}
        << 8;
    QTest::newRow("absolute words true")
        << records(8, side("never", "T"), side("fully", "F"))
        << QStringList{"8 of 8 statements with an absolute word are true, against 0 of 8 without"
                       + fromWording}
        << 8;
    QTest::newRow("hedging words false")
        << records(8, side("often", "F"), side("fully", "T"))
        << QStringList{"8 of 8 statements with a hedging word are false, against 0 of 8 without"
                       + fromWording}
        << 8;
    QTest::newRow("hedging words true")
        << records(8, side("often", "T"), side("fully", "F"))
        << QStringList{"8 of 8 statements with a hedging word are true, against 0 of 8 without" + fromWording}
        << 8;
    QTest::newRow("7 statements with a word are too few")
        << records(7, side("never", "F"), side("fully", "T")) << QStringList() << 0;
}

void TestCues::warnings()
{
    QFETCH(std::vector<QuestionRecord>, bank);
    QFETCH(QStringList, warnings);
    QFETCH(int, notes);
    for (const bool verbose : {false, true}) {
        FileReport out;
        addCueWarnings(measureCues(bank), out, verbose);
        QStringList got;
        int gotNotes = 0;
        for (const Diagnostic &d : out.diagnostics) {
            if (d.severity == Severity::Note) {
                ++gotNotes;
                continue;
            }
            QVERIFY(isCueWarning(d));
            got << d.message;
        }
        QCOMPARE(got, warnings);
        QCOMPARE(gotNotes, verbose ? notes : 0);
    }
}

void TestCues::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("lines"); // a line of the output starts with each

    QTest::newRow("figures of a folder, and over all")
        << QStringList{"--figures", "DIR"} << 0
        << QStringList{"DIR/qbank2.txt 10 0 33.0 - - 1 -",
                       "DIR/qbank3.txt 10 10 33.0 18.0 10 of 10 (100 %) 0.002 1.000",
                       "all 30 20 31.5 20.2 16 of 18 (89 %) 0.0013 0.907"};
    // True 33 beat 8 of 10 false and tie 2; true 18 tie 6; true 25 beat 6,
    // tie 2: AUC 0.74. Halfway between the means is 25.4: TRUE for the 33s
    // is right for the 6 true and the 6 false 18s and 2 false 25s.
    QTest::newRow("figures of a bank alone, without a total")
        << QStringList{"--figures", "DIR/qbank1.txt"} << 0
        << QStringList{"DIR/qbank1.txt 10 10 28.4 22.4 6 of 8 (75 %) 0.29 0.740",
                       "Answering TRUE to every statement longer than 25.4 characters (halfway between the "
                       "means), and FALSE to the rest, is right for 14 of 20 (70 %).",
                       "DIR/qbank1.txt 2 of 2 (100 %) 8 of 18 (44 %) 0.47",
                       "DIR/qbank1.txt 0 of 2 (0 %) 10 of 18 (56 %) 0.47"};
    QTest::newRow("figures of a missing bank")
        << QStringList{"--figures", "DIR/none.txt"} << 1 << QStringList();
    QTest::newRow("verbose names the records")
        << QStringList{"--verbose", "DIR/qbank3.txt"} << 0
        << QStringList{
               "DIR/qbank3.txt:1: warning: the longer statement is the true one in 10 of 10 records",
               "DIR/qbank3.txt:1: note: statement 1, the true one, is the longer: 33 characters against 18",
               "DIR/qbank3.txt:10: note: statement 1"};
    QTest::newRow("strict fails on a cue")
        << QStringList{"--strict", "DIR/qbank3.txt"} << 1 << QStringList{"DIR/qbank3.txt: 10 questions"};
}

void TestCues::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, lines);

    QTemporaryDir dir;
    const QByteArray banks[]
        = {bankFile(mixedBank()), bankFile(records(5, {longTrue.text, QStringLiteral("T")}, longTrue)),
           bankFile(records(10, longTrue, shortFalse))};
    for (int i = 0; i < 3; ++i) {
        QFile file(dir.filePath(QStringLiteral("qbank%1.txt").arg(i + 1)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(banks[i]) == banks[i].size());
    }
    QVERIFY(QImage(4, 4, QImage::Format_RGB32).save(dir.filePath("blank.bmp")));
    for (QString &a : arguments)
        a.replace("DIR", dir.path());
    QProcess process;
    process.start(QStringLiteral(QUORIX_CHECK_BINARY), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), exitCode);
    // Columns are as wide as the names of the banks: compared with single blanks.
    const QStringList out = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    for (QString line : lines) {
        line.replace("DIR", dir.path());
        const bool shown = std::any_of(out.begin(), out.end(),
                                       [&](const QString &l) { return l.simplified().startsWith(line); });
        QVERIFY2(shown, qPrintable(line + "\n is not in\n" + out.join('\n')));
    }
}

QTEST_MAIN(TestCues)
#include "test_cues.moc"
