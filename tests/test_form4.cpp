// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The BMI screen on fixed seeds: its wiring, texts and visibility. The
// arithmetic and the class rules are tested at their owner (test_exercises).

#include "exercises/bmiexercise.h"
#include "exercises/form4.h"
#include "tests/support/exercisescreen.h"
#include "ui/facebox.h"
#include "ui/frames.h"
#include "ui/textoutputbox.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

using namespace quorix;
using namespace quorixtest;

namespace {

// First draws: a man of 170 cm and 65 kg (BMI 22.4, class 5); a woman of
// 160 cm and 64 kg (exactly 25, class 6).
constexpr std::uint64_t Man170 = 1113;
constexpr std::uint64_t Woman160 = 2553;

const QColor Green(0, 150, 0);
const QColor Red(255, 0, 0);

struct Screen : ExerciseScreen<BmiExercise, Form4> {
    explicit Screen(std::uint64_t seed = Man170) : ExerciseScreen(seed) { }

    QString visibility() const
    {
        return probe.visibility({"Picture1", "Frame1", "classify", "Picture5", "Label1", "Picture4",
                                 "Picture3", "Picture2", "selectperson", "Command1", "Command5",
                                 "endprintscore", "endnoprint"});
    }
};

} // namespace

class TestForm4 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void visibilityAfterEachEvent_data();
    void visibilityAfterEachEvent();
    void personAndWorkedAnswer_data();
    void personAndWorkedAnswer();
    void newPersonNeedsItsOwnChoice();
    void leavingCallsTheScreenManager_data();
    void leavingCallsTheScreenManager();
    void keyboardAndFocus();
};

void TestForm4::visibilityAfterEachEvent_data()
{
    // Columns: Picture1 Frame1 classify Picture5 Label1 Picture4 Picture3 Picture2, then the five buttons.
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("expected");
    QTest::newRow("introduction") << ""
                                  << "VhhhVhhVVVVVV";
    QTest::newRow("person drawn") << "draw"
                                  << "VVhhhhhVVVVVV";
    QTest::newRow("choice made") << "draw o3"
                                 << "VVVhhhhVVVVVV";
    QTest::newRow("another choice") << "draw o3 o8"
                                    << "VVVhhhhVVVVVV";
    QTest::newRow("answered") << "draw o5 ok"
                              << "VhhVhVVVVVVVV";
    QTest::newRow("drawn after answering") << "draw o5 ok draw"
                                           << "VVhVhhhVVVVVV";
    QTest::newRow("new person after a choice") << "draw o2 draw"
                                               << "VVhhhhhVVVVVV";
    QTest::newRow("questions after answering") << "draw o5 ok go"
                                               << "VhhVVhhVVVVVV";
    QTest::newRow("questions after drawing") << "draw o1 go"
                                             << "VhhhVhhVVVVVV";
    QTest::newRow("back after answering") << "draw o5 ok back"
                                          << "VhhVVhhVVVVVV";
    QTest::newRow("back after drawing") << "draw back"
                                        << "VhhhVhhVVVVVV";
}

void TestForm4::visibilityAfterEachEvent()
{
    QFETCH(QString, events);
    QFETCH(QString, expected);
    Screen s;
    QVERIFY(s.events(events));
    QCOMPARE(s.visibility(), expected);
}

void TestForm4::personAndWorkedAnswer_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("person");
    QTest::addColumn<QString>("worked");
    QTest::addColumn<QString>("said");
    QTest::addColumn<bool>("right");
    const QString man
        = QStringLiteral("You are considering a young adult man who is 170 cm tall and weighs 65 kg\n"
                         "Calculate his Body Mass Index, then decide how you would classify him");
    const QString man170 = QStringLiteral("For a person 170 cm tall and weighing 65 kg, \n"
                                          "BMI =  22.4 \n\nThis is the desirable range.");
    QTest::newRow("right") << quint64(Man170) << "o5" << man << man170
                           << "You said this person had a BMI 20 - 25\n and was within the desirable range."
                           << true;
    QTest::newRow("wrong, class 8 ends with a blank")
        << quint64(Man170) << "o8" << man << man170
        << "You said this person had a BMI > 40 \nand was severely obese." << false;
    QTest::newRow("woman of exactly 25 is overweight, class 1 begins without one")
        << quint64(Woman160) << "o1"
        << QStringLiteral("You are considering a young adult woman who is 160 cm tall and weighs 64 kg\n"
                          "Calculate her Body Mass Index, then decide how you would classify her")
        << QStringLiteral("For a person 160 cm tall and weighing 64 kg, \n"
                          "BMI =  25 \n\nThis is overweight.")
        << "You said this person had a BMI < 16\nand was suffering from severe protein-energy malnutrition."
        << false;
}

void TestForm4::personAndWorkedAnswer()
{
    QFETCH(quint64, seed);
    QFETCH(QString, option);
    QFETCH(QString, person);
    QFETCH(QString, worked);
    QFETCH(QString, said);
    QFETCH(bool, right);
    Screen s(seed);
    QVERIFY(s.events(QStringLiteral("draw")));
    QCOMPARE(s.probe.text("Picture1"), person);
    QVERIFY(s.events(option + QStringLiteral(" ok")));
    QCOMPARE(s.probe.text("Picture1"), QString());
    QCOMPARE(s.probe.text("Picture3"), worked);
    QCOMPARE(s.probe.text("Picture5"), said);
    const QColor colour = right ? Green : Red;
    QCOMPARE(s.probe.child<TextOutputBox>("Picture5")->layout().textColor(), colour);
    auto *face = s.probe.child<FaceBox>("Picture4");
    QCOMPARE(face->textColor(), colour);
    QCOMPARE(face->accessibleDescription(),
             right ? QStringLiteral("smiling face") : QStringLiteral("frowning face"));
    // Marked once: the options are gone until the next draw.
    QVERIFY(!s.probe.click("Option5"));
}

// A choice made for one person is never marked against the next.
void TestForm4::newPersonNeedsItsOwnChoice()
{
    Screen s;
    QVERIFY(s.events(QStringLiteral("draw o5 draw")));
    for (QRadioButton *option : s.probe.child<QGroupBox>("Frame1")->findChildren<QRadioButton *>())
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
    QVERIFY(!s.probe.click("classify"));
    s.probe.key(Qt::Key_Return); // draws, as OK is not offered
    QVERIFY(s.probe.text("Picture3").isEmpty());
    QCOMPARE(s.exercise.choice(), 0);
    QVERIFY(s.events(QStringLiteral("o7 ok")));
    QVERIFY(s.probe.text("Picture5").startsWith(QStringLiteral("You said this person had a BMI 30 - 40")));
}

void TestForm4::leavingCallsTheScreenManager_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Go to questions") << "go";
    QTest::newRow("Back to main menu") << "back";
}

void TestForm4::leavingCallsTheScreenManager()
{
    QFETCH(QString, button);
    Screen s;
    QVERIFY(s.events(QStringLiteral("draw o5 ") + button));
    const bool back = button == QLatin1String("back");
    QCOMPARE(s.nav.backCalls, back ? 1 : 0);
    QCOMPARE(s.nav.questionsCalls, back ? 0 : 1);
    QCOMPARE(back ? s.nav.backFrom : s.nav.questionsFrom, &s.form);
    QVERIFY(!s.exercise.canMark());
    QCOMPARE(s.probe.text("Picture1"), QString());
}

void TestForm4::keyboardAndFocus()
{
    Screen s;
    QCOMPARE(s.probe.focused(), QStringLiteral("selectperson"));
    QCOMPARE(captionOf(s.probe.child<QRadioButton>("Option4")), QStringLiteral("BMI 18 - 20 = underweight"));
    s.probe.key(Qt::Key_3); // no options yet
    QCOMPARE(s.exercise.choice(), 0);
    s.probe.key(Qt::Key_Return);
    QCOMPARE(s.probe.focused(), QStringLiteral("Option1"));
    QVERIFY(!s.probe.child<QRadioButton>("Option1")->isChecked());
    s.probe.key(Qt::Key_5);
    QVERIFY(s.probe.child<QRadioButton>("Option5")->isChecked());
    QVERIFY(s.probe.child("classify")->isVisible());
    s.probe.key(Qt::Key_Return);
    QCOMPARE(s.probe.child<FaceBox>("Picture4")->accessibleDescription(), QStringLiteral("smiling face"));
    QCOMPARE(s.probe.focused(), QStringLiteral("selectperson"));
    s.probe.key(Qt::Key_Return);
    QVERIFY(s.probe.child("Frame1")->isVisible());
    QCOMPARE(s.nav.backCalls + s.nav.questionsCalls + s.nav.endCalls + s.nav.printCalls, 0);
}

QTEST_MAIN(TestForm4)
#include "test_form4.moc"
