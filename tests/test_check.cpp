// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/check/bankchecker.h"
#include "tools/check/checkreport.h"
#include "tools/check/keybalance.h"

#include "exercises/parbands.h"
#include "questions/bankloader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include <pwd.h>
#include <unistd.h>

using namespace quorix;
using namespace quorix::check;

namespace {

QByteArray q(const QByteArray &text)
{
    return '"' + text + '"';
}

// One record, one field per line, every text in double quotes.
QByteArray record(int number, const QByteArray &picture, const QByteArray &s1, const QByteArray &k1,
                  const QByteArray &e1, const QByteArray &s2, const QByteArray &k2, const QByteArray &e2)
{
    return QByteArray::number(number) + '\n' + q(picture) + '\n' + q(s1) + '\n' + q(k1) + '\n' + q(e1) + '\n'
        + q(s2) + '\n' + q(k2) + '\n' + q(e2) + '\n';
}

// A record whose texts are all different, keyed T then F.
QByteArray plain(int n)
{
    const QByteArray tag = QByteArray::number(n);
    return record(n, "blank.bmp", "Statement one of " + tag + ".", "T", "Why one of " + tag + ".",
                  "Statement two of " + tag + ".", "F", "Why two of " + tag + ".");
}

QByteArray words(int count, const QByteArray &word = "glucose")
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += (i ? " " : "") + word;
    return out;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What quorix-check printed and its exit code (-1: it did not finish).
// asAnotherUser runs it as nobody when the test runs as root, who may read
// anything.
struct CheckRun {
    QString out;
    QString err;
    int exitCode = -1;
};

CheckRun runCheck(const QStringList &arguments, bool asAnotherUser = false)
{
    QProcess process;
    const passwd *nobody = asAnotherUser && ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
    if (nobody) {
        process.start(QStringLiteral("setpriv"),
                      QStringList{QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                                  QStringLiteral("--regid=%1").arg(nobody->pw_gid),
                                  QStringLiteral("--clear-groups"), QStringLiteral(QUORIX_CHECK_BINARY)}
                          + arguments);
    } else {
        process.start(QStringLiteral(QUORIX_CHECK_BINARY), arguments);
    }
    CheckRun run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// "line severity" for each diagnostic, in line order, and the messages.
struct Found {
    QStringList where;
    QStringList messages;
};

Found found(const FileReport &file)
{
    std::vector<Diagnostic> sorted = file.diagnostics;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Diagnostic &a, const Diagnostic &b) { return a.line < b.line; });
    Found out;
    for (const Diagnostic &d : sorted) {
        out.where << QStringLiteral("%1 %2").arg(d.line).arg(d.severity == Severity::Error ? "error"
                                                                                           : "warning");
        out.messages << d.message;
    }
    return out;
}

} // namespace

class TestCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void bank_data();
    void bank();
    void binomialTest_data();
    void binomialTest();
    void bankSummary_data();
    void bankSummary();
    void catalogue_data();
    void catalogue();
    void folder();
    void reportLines();
    void commandLine_data();
    void commandLine();
    void whatTheOpenerFound();

private:
    QTemporaryDir m_dir;
};

void TestCheck::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QVERIFY(picture.save(m_dir.filePath("blank.bmp"), "BMP"));
    QVERIFY(picture.save(m_dir.filePath("graph.png"), "PNG"));
    QVERIFY(writeFile(m_dir.filePath("broken.png"), "not a picture at all"));
    QVERIFY(QDir(m_dir.path()).mkdir("folder.png"));
    QVERIFY(QDir(m_dir.path()).mkdir("pictures"));
    QVERIFY(picture.save(m_dir.filePath("pictures/graph.png"), "PNG"));
    QVERIFY(QDir(m_dir.path()).mkdir("qbank99.txt"));
    QVERIFY(QFile::link("qbank98.txt", m_dir.filePath("qbank98.txt")));
}

void TestCheck::bank_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("where"); // "line severity" of each diagnostic
    QTest::addColumn<QStringList>("fragments"); // a part of each message, same order

    const QByteArray two = plain(1) + plain(2);
    const QByteArray end = "-999\n";

    QTest::newRow("clean bank") << two + end << QStringList() << QStringList();
    QTest::newRow("quoted -999 ends the bank") << two + "\"-999\"\n" << QStringList() << QStringList();
    QTest::newRow("one record per line with commas")
        << QByteArray("1,blank.bmp,\"Water, pure, boils.\",T,\"Yes, it does.\",Ice sinks.,F,It floats.\n"
                      "2,blank.bmp,Salt dissolves.,T,It is ionic.,Oil dissolves.,F,It does not mix.\n-999\n")
        << QStringList() << QStringList();

    QTest::newRow("lower-case key")
        << plain(1) + record(2, "blank.bmp", "S a.", "t", "E a.", "S b.", "F", "E b.") + end
        << QStringList{"12 warning"}
        << QStringList{
               "the key of statement 1 is \"t\", not exactly \"T\" or \"F\": no answer can match it, and the "
               "feedback calls the statement false"};
    QTest::newRow("key with a trailing blank inside the quotes")
        << plain(1) + record(2, "blank.bmp", "S a.", "T", "E a.", "S b.", "F ", "E b.") + end
        << QStringList{"15 warning"} << QStringList{"the key of statement 2 is \"F \", not exactly"};
    QTest::newRow("key TRUE") << plain(1)
            + record(2, "blank.bmp", "S a.", "TRUE", "E a.", "S b.", "F", "E b.") + end
                              << QStringList{"12 warning"}
                              << QStringList{"is \"TRUE\", not exactly \"T\" or \"F\""};
    QTest::newRow("empty statement") << plain(1)
            + record(2, "blank.bmp", "S a.", "T", "E a.", "", "F", "E b.") + end
                                     << QStringList{"14 warning"} << QStringList{"statement 2 is empty"};
    QTest::newRow("blank explanation")
        << plain(1) + record(2, "blank.bmp", "S a.", "T", "  ", "S b.", "F", "E b.") + end
        << QStringList{"13 warning"} << QStringList{"the explanation of statement 1 is empty"};

    QTest::newRow("missing picture") << plain(1)
            + record(2, "nothere.png", "S a.", "T", "E a.", "S b.", "F", "E b.") + end
                                     << QStringList{"10 warning"}
                                     << QStringList{"picture \"nothere.png\" does not exist in "};
    QTest::newRow("picture named with the wrong case")
        << plain(1) + record(2, "Graph.PNG", "S a.", "T", "E a.", "S b.", "F", "E b.") + end
        << QStringList{"10 warning"}
        << QStringList{"(there is \"graph.png\": file names are case-sensitive)"};
    QTest::newRow("unreadable picture")
        << plain(1) + record(2, "broken.png", "S a.", "T", "E a.", "S b.", "F", "E b.") + end
        << QStringList{"10 warning"} << QStringList{"picture \"broken.png\" cannot be read as a picture"};
    QTest::newRow("picture that is a folder")
        << plain(1) + record(2, "folder.png", "S a.", "T", "E a.", "S b.", "F", "E b.") + end
        << QStringList{"10 warning"} << QStringList{"picture \"folder.png\" is not a regular file"};
    // Both name a readable picture, by a way out of the data folder.
    const QString outside = "is not inside the data folder, so the program shows \"Picture not available\" "
                            "instead: copy or link the picture into the data folder";
    QTest::newRow("picture named through ..") << plain(1)
            + record(2, "../" + QFileInfo(m_dir.path()).fileName().toUtf8() + "/graph.png", "S a.", "T",
                     "E a.", "S b.", "F", "E b.")
            + end << QStringList{"10 warning"} << QStringList{outside};
    QTest::newRow("picture named by an absolute path") << plain(1)
            + record(2, m_dir.filePath("graph.png").toUtf8(), "S a.", "T", "E a.", "S b.", "F", "E b.")
            + end << QStringList{"10 warning"} << QStringList{outside};
    QTest::newRow("picture in a subfolder")
        << plain(1) + record(2, "pictures/graph.png", "S a.", "T", "E a.", "S b.", "F", "E b.") + end
        << QStringList() << QStringList();
    QTest::newRow("empty picture name clears the picture")
        << plain(1) + record(2, "", "S a.", "T", "E a.", "S b.", "F", "E b.") + end << QStringList()
        << QStringList();

    QTest::newRow("same statement twice")
        << plain(1) + record(2, "blank.bmp", "Statement  one of 1.", "T", "E a.", "S b.", "F", "E b.") + end
        << QStringList{"11 warning"} << QStringList{"statement 1 repeats the statement on line 3"};
    QTest::newRow("both statements of a record the same")
        << plain(1) + record(2, "blank.bmp", "Same.", "T", "E a.", "same.", "F", "E b.") + end
        << QStringList{"14 warning"} << QStringList{"statement 2 repeats the statement on line 11"};

    QTest::newRow("one question") << plain(1) + end << QStringList{"9 warning"}
                                  << QStringList{
                                         "the bank holds 1 question: a test asks half the questions, rounded "
                                         "down, so this one ends before asking any"};
    QTest::newRow("no questions") << end << QStringList{"1 warning"}
                                  << QStringList{"the bank holds 0 questions"};
    QTest::newRow("no terminator") << two << QStringList{"16 warning"}
                                   << QStringList{"the bank has no -999 terminator"};
    QTest::newRow("records after -999")
        << plain(1) + plain(2) + end + "\n" + plain(3) << QStringList{"19 warning"}
        << QStringList{"the -999 on line 17 ends the bank, so nothing from here on is read"};
    QTest::newRow("trailing blank lines after -999 are fine") << two + end + "\n\n  \n"
                                                              << QStringList() << QStringList();

    QTest::newRow("double quote inside a quoted field")
        << plain(1) + record(2, "blank.bmp", "S a.", "T", "E a.", "He said \"hello\" to me.", "F", "E b.")
            + end
        << QStringList{"14 warning"}
        << QStringList{"a double quote inside this quoted field ends it early: the field is \"He said\""};
    QTest::newRow("quote never closed")
        << plain(1) + "2\n\"blank.bmp\"\n\"S a.\"\n\"T\"\n\"E a.\"\n\"S b.\"\n\"F\"\n\"E b.\n-999\n"
        << QStringList{"16 warning", "17 warning"}
        << QStringList{"the double quote that opens this field is never closed", "no -999 terminator"};
    QTest::newRow("blank line between records")
        << plain(1) + "\n" + plain(2) + end << QStringList{"9 warning", "9 warning", "17 error"}
        << QStringList{"blank line: the reader takes it as an empty field, so every later field of the file "
                       "moves one "
                       "place on",
                       "the fields of this record look shifted: its statement 1, on line 11, holds "
                       "\"blank.bmp\"; the "
                       "likely cause is the blank line 9",
                       "a record starts with \"Why two of 2.\", which is not a number"};
    QTest::newRow("unquoted comma in a statement")
        << plain(1)
            + "2\n\"blank.bmp\"\nWater boils at 100 C, at sea level\n\"T\"\n\"E a.\"\n\"S b.\"\n\"F\"\n\"E "
              "b.\"\n"
            + end
        << QStringList{"9 warning", "16 error"}
        << QStringList{
               "the fields of this record look shifted: its key of statement 1, on line 11, holds \"at sea "
               "level\"; the likely cause is the unquoted text \"Water boils at 100 C\" on line 11, cut at a "
               "comma (put double quotes around it)",
               "a record starts with \"E b.\", which is not a number, so the program refuses the bank"};
    QTest::newRow("a key missing shifts the record")
        << plain(1) + "2\n\"blank.bmp\"\n\"S a.\"\n\"E a. is the reason.\"\n\"S b.\"\n\"F\"\n\"E b.\"\n"
            + plain(3) + end
        << QStringList{"9 warning", "17 error"}
        << QStringList{"its key of statement 1, on line 12, holds \"E a. is the reason.\"",
                       "a record starts with \"blank.bmp\", which is not a number"};

    QTest::newRow("record number that is text")
        << "one\n" + plain(2).mid(2) + end << QStringList{"1 error"}
        << QStringList{
               "a record starts with \"one\", which is not a number, so the program refuses the bank: each "
               "record must start with its number, and -999 ends the bank"};
    QTest::newRow("file ends inside a record")
        << plain(1) + "2\n\"blank.bmp\"\n\"S a.\"\n\"T\"\n"
        << QStringList{"12 error"}
        << QStringList{
               "the file ends inside the record that starts on line 9: it has 4 of its 8 fields, so the "
               "program refuses the bank"};
    QByteArray tooMany;
    for (int i = 1; i <= 401; ++i)
        tooMany += QByteArray::number(i) + ",blank.bmp,S" + QByteArray::number(i) + ",T,E,Z"
            + QByteArray::number(i) + ",F,E\n";
    QTest::newRow("401 records")
        << tooMany + end << QStringList{"401 error"}
        << QStringList{"record 401 starts here, but a bank holds at most 400 questions, so the "
                       "program refuses it"};

    QTest::newRow("statement too long for its box")
        << plain(1) + record(2, "blank.bmp", words(70), "T", "E a.", "S b.", "F", "E b.") + end
        << QStringList{"11 warning"}
        << QStringList{
               "statement 1 is too long to show whole in its box of 761 x 113 pixels at 12 pt bold: wrapped, "
               "it needs "};
    QTest::newRow("explanation too long for its box")
        << plain(1) + record(2, "blank.bmp", "S a.", "T", "E a.", "S b.", "F", words(130)) + end
        << QStringList{"16 warning"}
        << QStringList{
               "the explanation of statement 2 is too long to show whole in its box of 521 x 241 pixels"};
    QTest::newRow("explanation with a word wider than its box")
        << plain(1) + record(2, "blank.bmp", "S a.", "T", QByteArray(80, 'x'), "S b.", "F", "E b.") + end
        << QStringList{"13 warning"}
        << QStringList{"the explanation of statement 1 has a word too wide for its box of 521 pixels"};
    // plain() keys every first statement true and every second one false.
    QByteArray lopsided;
    QByteArray balanced;
    QByteArray nineLopsided;
    for (int n = 1; n <= 10; ++n) {
        nineLopsided = lopsided;
        lopsided += plain(n);
        const QByteArray tag = QByteArray::number(n);
        balanced += n % 2
            ? plain(n)
            : record(n, "blank.bmp", "Statement two of " + tag + ".", "F", "Why two of " + tag + ".",
                     "Statement one of " + tag + ".", "T", "Why one of " + tag + ".");
    }
    QTest::newRow("keys the heading's version predicts")
        << lopsided + end << QStringList{"1 warning", "1 warning"}
        << QStringList{
               "10 of 10 first statements are true; the heading's version number predicts the answer",
               "10 of 10 second statements are false; the heading's version number predicts the answer"};
    QTest::newRow("keys balanced between the versions") << balanced + end << QStringList() << QStringList();
    QTest::newRow("9 records are too few to judge the keys")
        << nineLopsided + end << QStringList() << QStringList();

    QTest::newRow("a statement that just fits") << plain(1)
            + record(2, "blank.bmp", words(40, "fat"), "T", words(60, "fat"), "S b.", "F", "E b.")
            + end << QStringList() << QStringList();
}

void TestCheck::bank()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, where);
    QFETCH(QStringList, fragments);

    const QString path = m_dir.filePath("qbank1.txt");
    QVERIFY(writeFile(path, bytes));
    CheckReport report;
    BankChecker(report).checkBank(path, "qbank1.txt", m_dir.path());
    QCOMPARE(report.files().size(), std::size_t(1));
    const Found got = found(report.files()[0]);
    QCOMPARE(got.where, where);
    for (int i = 0; i < fragments.size(); ++i) {
        if (!got.messages[i].contains(fragments[i]))
            QFAIL(qPrintable(QStringLiteral("message %1 is \"%2\"").arg(i).arg(got.messages[i])));
    }
    // An error exactly when the program's loader refuses the bank.
    QCOMPARE(report.errorCount() > 0, !parseBank(bytes, "qbank1.txt").ok());
}

void TestCheck::binomialTest_data()
{
    QTest::addColumn<int>("successes");
    QTest::addColumn<int>("trials");
    QTest::addColumn<double>("p");
    QTest::newRow("0 of 10") << 0 << 10 << 0.001953125;
    QTest::newRow("1 of 10") << 1 << 10 << 0.021484375;
    QTest::newRow("9 of 10 as 1 of 10") << 9 << 10 << 0.021484375;
    QTest::newRow("5 of 10 is even") << 5 << 10 << 1.0;
    QTest::newRow("7 of 15 is as even as odd allows") << 7 << 15 << 1.0;
    QTest::newRow("19 of 24, just below 0.01") << 19 << 24 << 0.006610751152038574;
    QTest::newRow("18 of 24, above 0.01") << 18 << 24 << 0.022655844688415527;
    QTest::newRow("169 of 400") << 169 << 400 << 0.0022482081044708055;
    QTest::newRow("0 of 400 without underflow") << 0 << 400 << 7.745183829698637e-121;
    QTest::newRow("no trials") << 0 << 0 << 1.0;
}

void TestCheck::binomialTest()
{
    QFETCH(int, successes);
    QFETCH(int, trials);
    QFETCH(double, p);
    const double got = binomialTwoSidedP(successes, trials);
    QVERIFY2(std::abs(got - p) <= 1e-9 * p, qPrintable(QString::number(got, 'g', 17)));
}

void TestCheck::bankSummary_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("summary");
    QTest::newRow("keys counted") << plain(1) + plain(2) + plain(3) + "-999\n"
                                  << "3 questions, 6 statements (3 true and 3 false keys), quota 1";
    QTest::newRow("a key neither T nor F")
        << plain(1) + record(2, "blank.bmp", "A.", "T", "B.", "C.", "x", "D.") + "-999\n"
        << "2 questions, 4 statements (2 true and 1 false keys, 1 neither), quota 1";
    QTest::newRow("refused") << plain(1) + "2\nblank.bmp\n"
                             << "refused by the program's loader (1 complete record "
                                "before the error)";
}

void TestCheck::bankSummary()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, summary);
    const QString path = m_dir.filePath("qbank2.txt");
    QVERIFY(writeFile(path, bytes));
    CheckReport report;
    BankChecker(report).checkBank(path, "qbank2.txt", m_dir.path());
    QCOMPARE(report.files()[0].summary, summary);
}

void TestCheck::catalogue_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("banks"); // bank files present, by option
    QTest::addColumn<QStringList>("where");
    QTest::addColumn<QStringList>("fragments");

    QList<int> ten;
    for (int k = 1; k <= 10; ++k)
        ten << k;
    QList<int> sixteen = ten;
    sixteen << 11 << 12 << 13 << 143 << 15 << 16;
    QByteArray titles16 = "16\n";
    for (int k = 1; k <= 16; ++k)
        titles16 += "Title " + QByteArray::number(k) + "\n";

    QTest::newRow("good") << QByteArray("3\nOne\n\"Two, with a comma\"\nThree\n") << ten << QStringList()
                          << QStringList();
    QTest::newRow("sixteen sets") << titles16 << sixteen << QStringList() << QStringList();
    QTest::newRow("count above 20") << QByteArray("21\nA\n") << ten << QStringList{"1 error"}
                                    << QStringList{
                                           "the count of titles is 21, but a catalogue holds at most 20, so "
                                           "the program refuses the catalogue and does not start"};
    QTest::newRow("fewer titles than counted")
        << QByteArray("5\nA\nB\n") << ten << QStringList{"1 error"}
        << QStringList{"the count of titles is 5, but the file ends after 2 "
                       "titles, at line 3"};
    QTest::newRow("count not a number")
        << QByteArray("sixteen\nA\n") << ten << QStringList{"1 error"}
        << QStringList{"the count of titles is \"sixteen\", which is not a number"};
    QTest::newRow("count not whole") << QByteArray("2.5\nA\nB\n") << ten << QStringList{"1 error"}
                                     << QStringList{
                                            "the count of titles is 2.5, which is not a whole number"};
    QTest::newRow("empty file") << QByteArray() << ten << QStringList{"1 error"}
                                << QStringList{"the catalogue is empty"};
    QTest::newRow("titles after the counted ones")
        << QByteArray("2\nA\nB\nC\nD\n\n") << ten << QStringList{"4 warning"}
        << QStringList{"the count of titles is 2, so this title and the 1 "
                       "after it are never read"};
    QTest::newRow("an unquoted comma makes an extra title")
        << QByteArray("2\nA\nB, and C\n") << ten << QStringList{"3 warning"}
        << QStringList{"so this title is never read"};
    QTest::newRow("missing bank") << QByteArray("3\nA\nB\nC\n") << QList<int>{1, 3, 4, 5, 6, 7, 8, 9, 10}
                                  << QStringList{"3 error"}
                                  << QStringList{"option 2 (\"B\") opens qbank2.txt, which is not in "};
    QTest::newRow("option 14 wants qbank143.txt")
        << titles16 << (QList<int>(ten) << 11 << 12 << 13 << 14 << 15 << 16) << QStringList{"15 error"}
        << QStringList{"option 14 (\"Title 14\") opens qbank143.txt, which is not in "};
    QTest::newRow("placeholder options without banks")
        << QByteArray("7\nA\nB\nC\nD\nE\nF\nG\n") << QList<int>{1, 2, 3, 4, 5, 6, 7, 9}
        << QStringList{"1 warning"}
        << QStringList{
               "options 8, 10 stay on the menu with placeholder captions, and the program cannot open their "
               "banks when one is chosen"};
    QTest::newRow("titles beyond the menu")
        << "18\n" + titles16.mid(3) + "Title 17\nTitle 18\n"
        << sixteen << QStringList{"18 warning"}
        << QStringList{"titles 17 to 18 are read, but the menu shows only 16 sets"};
    QTest::newRow("count of zero") << QByteArray("0\n") << ten << QStringList{"1 warning"}
                                   << QStringList{
                                          "the count of titles is 0, so the menu shows only its placeholder "
                                          "options \"option1\" to \"option10\""};
    QTest::newRow("blank line among titles")
        << QByteArray("3\nA\n\nB\n") << ten << QStringList{"3 warning"} << QStringList{"blank line"};
    QTest::newRow("empty quoted title") << QByteArray("2\nA\n\"\"\n") << ten << QStringList{"3 warning"}
                                        << QStringList{"title 2 is empty, so option 2 has no caption"};
}

void TestCheck::catalogue()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, banks);
    QFETCH(QStringList, where);
    QFETCH(QStringList, fragments);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const int k : banks)
        QVERIFY(
            writeFile(dir.filePath(QStringLiteral("qbank%1.txt").arg(k)), plain(1) + plain(2) + "-999\n"));
    const QString path = dir.filePath("qbanks.txt");
    QVERIFY(writeFile(path, bytes));
    CheckReport report;
    BankChecker(report).checkCatalogue(path, "qbanks.txt", dir.path());
    const Found got = found(report.files()[0]);
    QCOMPARE(got.where, where);
    for (int i = 0; i < fragments.size(); ++i) {
        if (!got.messages[i].contains(fragments[i]))
            QFAIL(qPrintable(QStringLiteral("message %1 is \"%2\"").arg(i).arg(got.messages[i])));
    }
}

void TestCheck::folder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.path();
    QVERIFY(writeFile(root + "/qbanks.txt", "2\nFirst\nSecond\n"));
    QVERIFY(QFile::copy(m_dir.filePath("blank.bmp"), root + "/blank.bmp"));
    for (const char *name : {"qbank1.txt", "qbank2.txt", "qbank3.txt", "qbank4.txt", "qbank5.txt",
                             "qbank6.txt", "qbank7.txt", "qbank8.txt", "qbank9.txt", "qbank10.txt"})
        QVERIFY(writeFile(root + '/' + name, plain(1) + plain(2) + "-999\n"));
    QVERIFY(writeFile(root + "/qbank2.txt",
                      plain(1) + record(2, "gone.png", "A.", "T", "B.", "C.", "F", "D.") + "-999\n"));
    QVERIFY(writeFile(root + "/qbank14.txt", plain(1) + plain(2) + "-999\n"));
    QVERIFY(writeFile(root + "/qbank11.txt", "nonsense"));

    CheckReport report;
    BankChecker(report).checkFolder(root);
    QStringList files;
    for (const FileReport &f : report.files())
        files << QFileInfo(f.file).fileName();
    // The catalogue, every bank the menu can open (options 1 to 10 are always
    // shown), then the banks no option opens; qbank11.txt's option is hidden.
    QCOMPARE(files,
             QStringList({"qbanks.txt", "qbank1.txt", "qbank2.txt", "qbank3.txt", "qbank4.txt", "qbank5.txt",
                          "qbank6.txt", "qbank7.txt", "qbank8.txt", "qbank9.txt", "qbank10.txt",
                          "qbank11.txt", "qbank14.txt"}));
    // qbank4.txt opens the PAR exercise, and the folder has none of its pictures.
    QStringList missing;
    for (const QString &picture : parExercisePictures()) {
        missing << QStringLiteral(
                       "option 4 opens the PAR exercise, whose picture \"%1\" does not exist in %2")
                       .arg(picture, QDir::toNativeSeparators(root));
    }
    QCOMPARE(found(report.files()[4]).messages, missing);
    QCOMPARE(report.errorCount(), 8);
    QCOMPARE(report.warningCount(), 3);
    QCOMPARE(found(report.files()[2]).where, QStringList{"10 warning"});
    QImage band(20, 10, QImage::Format_Indexed8);
    band.setColorCount(1);
    band.fill(0);
    for (const QString &picture : parExercisePictures())
        QVERIFY(band.save(root + '/' + picture, "BMP"));
    CheckReport withPictures;
    BankChecker(withPictures).checkFolder(root);
    QCOMPARE(withPictures.errorCount(), 0);
    QCOMPARE(found(report.files()[12]).messages,
             QStringList{"no option of the menu opens this file: option 14 opens qbank143.txt"});
    QCOMPARE(found(report.files()[11]).messages, QStringList{"no option of the menu opens this file"});

    CheckReport empty;
    QTemporaryDir none;
    BankChecker(empty).checkFolder(none.path());
    QCOMPARE(found(empty.files()[0]).where, QStringList{"1 error"});
    QCOMPARE(found(empty.files()[0]).messages,
             QStringList{"the folder has no catalogue qbanks.txt, so the program does not start"});

    // A catalogue that is a link loop is there, but cannot be read.
    CheckReport looped;
    QVERIFY(QFile::link("qbanks.txt", none.filePath("qbanks.txt")));
    BankChecker(looped).checkFolder(none.path());
    QCOMPARE(found(looped.files()[0]).messages,
             QStringList{"cannot be read: its symbolic links lead round in a loop"});
}

void TestCheck::reportLines()
{
    CheckReport report;
    FileReport &bank = report.add("data/qbank3.txt");
    bank.warning(12, "second");
    bank.error(4, "first");
    bank.warning(12, "third");
    bank.summary = "2 questions";
    report.add("data/qbank4.txt").warning(1, "only");
    QCOMPARE(report.lines(),
             QStringList({
                 "data/qbank3.txt:4: error: first",
                 "data/qbank3.txt:12: warning: second",
                 "data/qbank3.txt:12: warning: third",
                 "data/qbank3.txt: 2 questions",
                 "data/qbank4.txt:1: warning: only",
                 "2 files checked: 1 error, 3 warnings",
             }));
}

void TestCheck::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("bank");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("firstLine");

    const QByteArray good = plain(1) + plain(2) + "-999\n";
    const QByteArray warned = plain(1) + "-999\n";
    const QByteArray refused = "x\n";
    QTest::newRow("clean") << QStringList{"BANK"} << good << 0
                           << "BANK: 2 questions, 4 statements (2 true and 2 false keys), quota 1";
    QTest::newRow("warnings alone pass") << QStringList{"BANK"} << warned << 0
                                         << "BANK:9: warning: the bank holds 1 question: "
                                            "a test asks half the questions, rounded down, "
                                            "so this one ends before asking any";
    QTest::newRow("warnings fail with --strict")
        << QStringList{"--strict", "BANK"} << warned << 1
        << "BANK:9: warning: "
           "the bank holds 1 question: a test asks half the questions, rounded down, so this one ends before "
           "asking any";
    QTest::newRow("errors fail")
        << QStringList{"BANK"} << refused << 1
        << "BANK:1: error: a record starts with \"x\", which is not a number, so the program "
           "refuses the bank: each record must start with its number, and -999 ends the bank";
    QTest::newRow("missing file") << QStringList{"DIR/nothing.txt"} << good << 1
                                  << "DIR/nothing.txt:1: error: no such file";
    QTest::newRow("symbolic link loop") << QStringList{"DIR/qbank98.txt"} << good << 1
                                        << "DIR/qbank98.txt:1: error: cannot be read: its symbolic links "
                                           "lead round in a loop";
    QTest::newRow("folder named like a bank") << QStringList{"DIR/qbank99.txt"} << good << 1
                                              << "DIR/qbank99.txt:1: error: cannot be read: it is a folder, "
                                                 "not a file";
    QTest::newRow("no paths") << QStringList() << good << 2 << QString();
    QTest::newRow("unknown option") << QStringList{"--frobnicate", "BANK"} << good << 2 << QString();
}

void TestCheck::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, bank);
    QFETCH(int, exitCode);
    QFETCH(QString, firstLine);

    const QString path = m_dir.filePath("qbank7.txt");
    QVERIFY(writeFile(path, bank));
    for (QString &a : arguments)
        a.replace("BANK", path).replace("DIR", m_dir.path());
    const CheckRun run = runCheck(arguments);
    QCOMPARE(run.exitCode, exitCode);
    if (firstLine.isEmpty()) {
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.contains("quorix-check --help"));
    } else {
        QCOMPARE(run.out.section('\n', 0, 0),
                 QString(firstLine).replace("BANK", path).replace("DIR", m_dir.path()));
    }
}

// The checker reports what the program's opener meets: an unreadable folder
// or picture is "Permission denied", not a file that is missing.
void TestCheck::whatTheOpenerFound()
{
    const CheckRun empty = runCheck({QString()});
    QCOMPARE(empty.exitCode, 2);
    QCOMPARE(empty.err, QStringLiteral("quorix-check: an empty path was given.\n"));
    QVERIFY(empty.out.isEmpty());

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.path();
    QVERIFY(QFile::setPermissions(root,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                      | QFileDevice::ReadOther | QFileDevice::ExeOther));
    QVERIFY(QDir(root).mkdir("locked"));
    QVERIFY(writeFile(root + "/locked/qbanks.txt", "1\nFirst\n"));
    QVERIFY(QFile::setPermissions(root + "/locked", {}));
    QVERIFY(writeFile(root + "/qbank1.txt",
                      plain(1) + record(2, "secret.bmp", "A.", "T", "B.", "C.", "F", "D.") + "-999\n"));
    QVERIFY(QFile::setPermissions(root + "/qbank1.txt", QFileDevice::ReadOwner | QFileDevice::ReadOther));
    QVERIFY(QFile::copy(m_dir.filePath("blank.bmp"), root + "/blank.bmp"));
    QVERIFY(QFile::setPermissions(root + "/blank.bmp", QFileDevice::ReadOwner | QFileDevice::ReadOther));
    QVERIFY(QFile::copy(m_dir.filePath("blank.bmp"), root + "/secret.bmp"));
    QVERIFY(QFile::setPermissions(root + "/secret.bmp", {}));

    const CheckRun locked = runCheck({root + "/locked"}, true);
    QCOMPARE(locked.exitCode, 1);
    QCOMPARE(locked.out.section('\n', 0, 0),
             root + "/locked/qbanks.txt:1: error: cannot be read: Permission denied");
    const CheckRun picture = runCheck({root + "/qbank1.txt"}, true);
    QCOMPARE(picture.exitCode, 0);
    QCOMPARE(picture.out.section('\n', 0, 0),
             root + "/qbank1.txt:10: warning: picture \"secret.bmp\" cannot be read: Permission denied");
    QVERIFY(QFile::setPermissions(root + "/locked",
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

QTEST_MAIN(TestCheck)
#include "test_check.moc"
