// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/form2harness.h"

#include "ui/facebox.h"
#include "ui/textoutputbox.h"

#include <QFontMetricsF>
#include <QtTest>

#include <array>

using namespace quorix;
using namespace quorixtest;

using Counts = std::array<int, 10>; // asked answered correct wrong cu cf cv wu wf wv

namespace {

Counts countsOf(const ScoreTally &t)
{
    return {t.asked,           t.answered,          t.correct,         t.wrong,
            t.correctUnsure,   t.correctFairlySure, t.correctVerySure, t.wrongUnsure,
            t.wrongFairlySure, t.wrongVerySure};
}

QString countsText(const Counts &c)
{
    QStringList parts;
    for (int n : c)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestForm2Marking : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void feedbackForEachVerdict_data();
    void feedbackForEachVerdict();
    void feedbackStartsAtColumnTwo();
    void tallyAddsUpOverATest();
    void remarkingClearsTheOldFeedback();
};

void TestForm2Marking::feedbackForEachVerdict_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<QString>("feedback");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QColor>("faceBackground");
    QTest::addColumn<QColor>("textColor");
    QTest::addColumn<QString>("increments");

    const QColor grey(200, 200, 200), green(0, 255, 0), orange(255, 50, 0);
    const QColor black(0, 0, 0), darkGreen(0, 100, 0), red(255, 0, 0);
    const QString smiling = QStringLiteral("smiling face"), frowning = QStringLiteral("frowning face");

    // Each answer and confidence button and each verdict once: what the screen
    // wires and shows. The marking rules themselves are test_marking's.
    QTest::newRow("don't know after TRUE and a confidence, key F")
        << "F" << QStringList{"true", "c3", "dk"} << " You did not know the answer\n This statement is false"
        << "neutral face" << grey << black << "1 0 0 0 0 0 0 0 0 0";
    QTest::newRow("correct, unsure")
        << "T" << QStringList{"true", "c1"}
        << " You are correct, this statement is true\n\n You were not very sure; you score +1" << smiling
        << green << darkGreen << "1 1 1 0 1 0 0 0 0 0";
    QTest::newRow("correct, fairly sure")
        << "F" << QStringList{"false", "c2"}
        << " You are correct, this statement is false\n\n You were fairly sure; you score +2" << smiling
        << green << darkGreen << "1 1 1 0 0 1 0 0 0 0";
    QTest::newRow("wrong, very sure, key F")
        << "F" << QStringList{"true", "c3"}
        << " You are wrong, this statement is false\n\n You were very sure; you score -6" << frowning
        << orange << red << "1 1 0 1 0 0 0 0 0 1";
}

void TestForm2Marking::feedbackForEachVerdict()
{
    QFETCH(QString, key);
    QFETCH(QStringList, answer);
    QFETCH(QString, feedback);
    QFETCH(QString, face);
    QFETCH(QColor, faceBackground);
    QFETCH(QColor, textColor);
    QFETCH(QString, increments);

    Harness h;
    h.acceptBank(makeBank(2, {key}));
    h.open();
    QVERIFY(h.events({"select"}));
    QCOMPARE(h.session.current().key, key);
    QVERIFY(h.events(answer));
    QVERIFY(h.events({"ok"}));

    QCOMPARE(h.text("Picture7"), feedback);
    auto *faceBox = h.child<FaceBox>("Picture6");
    QCOMPARE(faceBox->accessibleDescription(), face);
    QCOMPARE(faceBox->backgroundColor(), faceBackground);
    QCOMPARE(faceBox->textColor(), QColor(0, 0, 0));
    for (const TextLayout::Line &line : h.child<TextOutputBox>("Picture7")->layout().lines()) {
        for (const TextLayout::Segment &segment : line.segments)
            QCOMPARE(segment.color, textColor);
    }
    QCOMPARE(countsText(countsOf(h.tally)), increments);
    QCOMPARE(h.session.markedInTest(), 1);
}

void TestForm2Marking::feedbackStartsAtColumnTwo()
{
    Harness h;
    h.acceptBank(makeBank(2));
    h.open();
    QVERIFY(h.events({"select", "true", "c1", "ok"}));
    auto *box = h.child<TextOutputBox>("Picture7");
    const double column = QFontMetricsF(box->font()).averageCharWidth();
    const auto &lines = box->layout().lines();
    QCOMPARE(int(lines.size()), 3);
    QVERIFY(lines[1].segments.empty());
    for (int i : {0, 2}) {
        QVERIFY(!lines[i].segments.empty());
        QCOMPARE(lines[i].segments.front().x, column);
    }
}

void TestForm2Marking::tallyAddsUpOverATest()
{
    Harness h;
    h.acceptBank(makeBank(20, {QStringLiteral("T"), QStringLiteral("F")}));
    h.tally.asked = 5; // an earlier test in this run
    h.tally.answered = 5;
    h.tally.correct = 5;
    h.tally.correctVerySure = 5;
    h.open();
    const QStringList answers[]
        = {{"true", "c1"}, {"false", "c2"}, {"dk"}, {"true", "c3"}, {"false", "c3"}, {"true", "c2"}};
    int right = 0;
    for (const QStringList &a : answers) {
        QVERIFY(h.events({"select"}));
        const bool saysTrue = a.first() == QLatin1String("true");
        if (a.first() != QLatin1String("dk") && (h.session.current().key == QLatin1String("T")) == saysTrue)
            ++right;
        QVERIFY(h.events(a));
        QVERIFY(h.events({"ok"}));
    }
    const ScoreTally &t = h.tally;
    QCOMPARE(t.asked, 11);
    QCOMPARE(t.answered, 10);
    QCOMPARE(t.correct, 5 + right);
    QCOMPARE(t.correct + t.wrong, t.answered);
    QCOMPARE(t.correctUnsure + t.correctFairlySure + t.correctVerySure, t.correct);
    QCOMPARE(t.wrongUnsure + t.wrongFairlySure + t.wrongVerySure, t.wrong);
    QCOMPARE(h.session.markedInTest(), 6);
}

void TestForm2Marking::remarkingClearsTheOldFeedback()
{
    Harness h;
    h.acceptBank(makeBank(4, {QStringLiteral("T")}));
    h.open();
    QVERIFY(h.events({"select", "false", "c3", "ok"}));
    QVERIFY(h.events({"select", "dk", "ok"}));
    QCOMPARE(h.text("Picture7"), QStringLiteral(" You did not know the answer\n This statement is true"));
    auto *faceBox = h.child<FaceBox>("Picture6");
    QCOMPARE(faceBox->face(), FaceBox::Face::Neutral);
    QCOMPARE(faceBox->backgroundColor(), QColor(200, 200, 200));
}

QTEST_MAIN(TestForm2Marking)
#include "test_form2_marking.moc"
