// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The PAR screen on fixed seeds: its wiring, texts, pictures and visibility.
// The arithmetic and the band rules are tested at their owner
// (test_exercises).

#include "exercises/form5.h"
#include "exercises/parbands.h"
#include "exercises/parexercise.h"
#include "tests/support/exercisescreen.h"
#include "ui/facebox.h"
#include "ui/frames.h"
#include "ui/picturearea.h"
#include "ui/textoutputbox.h"

#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorix;
using namespace quorixtest;

namespace {

// First draws: a man with a BMR of 7.2 and a PAR of 1.5 (band 2); a woman
// with 5.1 and 2.5 (band 4).
constexpr std::uint64_t Man72 = 64046;
constexpr std::uint64_t Woman51 = 58315;

const QColor Green(0, 150, 0);
const QColor Red(255, 0, 0);

// The band's example lines as a text box shows them.
QString examples(int band)
{
    return parBand(band).examples.join(QLatin1Char('\n'));
}

struct Screen : ExerciseScreen<ParExercise, Form5> {
    explicit Screen(std::uint64_t seed = Man72,
                    const DataFolder &folder = DataFolder(qEnvironmentVariable("QUORIX_TEST_DATA")))
        : ExerciseScreen(seed, folder)
    {
    }

    QString visibility() const
    {
        return probe.visibility({"Picture1", "Frame1", "classify", "Picture7", "Picture8", "Label2",
                                 "Picture4", "Picture9", "Picture11", "Picture10", "Label1", "Picture6",
                                 "Picture2", "selectperson", "Command1", "Command5", "endprintscore",
                                 "endnoprint"});
    }
};

} // namespace

class TestForm5 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void visibilityAfterEachEvent_data();
    void visibilityAfterEachEvent();
    void activityAndWorkedAnswer_data();
    void activityAndWorkedAnswer();
    void previewIsReplacedByAnotherOption();
    void missingPicturesShowTheirNames();
    void leavingCallsTheScreenManager_data();
    void leavingCallsTheScreenManager();
    void buttonsStayAbovePicture11();
    void keyboardAndFocus();
};

void TestForm5::visibilityAfterEachEvent_data()
{
    // Columns: Picture1 Frame1 classify Picture7 Picture8 Label2 Picture4 Picture9 Picture11 Picture10
    // Label1 Picture6 Picture2, then the five buttons.
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("expected");
    const QString introduction = QStringLiteral("hhhhhhhhhhVVVVVVVV");
    QTest::newRow("introduction") << "" << introduction;
    QTest::newRow("activity drawn") << "draw"
                                    << "VVhhhhhhhhhVVhVVVV";
    QTest::newRow("band chosen") << "draw o3"
                                 << "VVVVVhhhhhhVVhVVVV";
    QTest::newRow("another band") << "draw o3 o6"
                                  << "VVVVVhhhhhhVVhVVVV";
    QTest::newRow("marked") << "draw o2 ok"
                            << "VhhhhVVVVVhVVVVVVV";
    QTest::newRow("drawn after marking") << "draw o2 ok draw"
                                         << "VVhhhhhhhhhVVhVVVV";
    QTest::newRow("questions after drawing") << "draw go" << introduction;
    QTest::newRow("questions after choosing") << "draw o4 go" << introduction;
    QTest::newRow("questions after marking") << "draw o4 ok go" << introduction;
    QTest::newRow("back after choosing") << "draw o4 back" << introduction;
    QTest::newRow("back after marking") << "draw o4 ok back" << introduction;
    QTest::newRow("drawn after leaving") << "draw o4 go draw"
                                         << "VVhhhhhhhhhVVhVVVV";
}

void TestForm5::visibilityAfterEachEvent()
{
    QFETCH(QString, events);
    QFETCH(QString, expected);
    Screen s;
    QVERIFY(s.events(events));
    QCOMPARE(s.visibility(), expected);
}

void TestForm5::activityAndWorkedAnswer_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("activity");
    QTest::addColumn<QString>("worked");
    QTest::addColumn<QString>("said");
    QTest::addColumn<int>("band");
    QTest::addColumn<bool>("right");
    QTest::newRow("right")
        << quint64(Man72) << "o2"
        << QStringLiteral(
               "You are considering a young adult man whose BMR = 7.2  MJ / Day\n"
               "He undertakes an exercise for 30 minutes, during which he consumes  11.2 L oxygen.\n"
               "Calculate the Physical Activity Ratio (PAR) of this activity.")
        << QStringLiteral(
               "Consumption of 11.2 L of oxygen\nrepresents 225 kJ energy expenditure in 30 min\n\n"
               "BMR = 7.2 MJ /day = 150 kJ in 30 min\n\n 225  /  150  = a PAR of 1.5 ")
        << "You said PAR 1.5 - 1.8" << 2 << true;
    QTest::newRow("wrong")
        << quint64(Woman51) << "o3"
        << QStringLiteral(
               "You are considering a young adult woman whose BMR = 5.1  MJ / Day\n"
               "She undertakes an exercise for 30 minutes, during which she consumes  13.2 L oxygen.\n"
               "Calculate the Physical Activity Ratio (PAR) of this activity.")
        << QStringLiteral(
               "Consumption of 13.2 L of oxygen\nrepresents 265.6 kJ energy expenditure in 30 min\n\n"
               "BMR = 5.1 MJ /day = 106 kJ in 30 min\n\n 265.6  /  106  = a PAR of 2.5 ")
        << "You said PAR 1.9 - 2.4" << 4 << false;
}

void TestForm5::activityAndWorkedAnswer()
{
    QFETCH(quint64, seed);
    QFETCH(QString, option);
    QFETCH(QString, activity);
    QFETCH(QString, worked);
    QFETCH(QString, said);
    QFETCH(int, band);
    QFETCH(bool, right);
    Screen s(seed);
    QVERIFY(s.events(QStringLiteral("draw")));
    QCOMPARE(s.probe.text("Picture1"), activity);
    QCOMPARE(s.probe.child<TextOutputBox>("Picture1")->layout().textColor(), QColor(0, 0, 255));
    QVERIFY(s.events(option + QStringLiteral(" ok")));
    QCOMPARE(s.probe.text("Picture1"), activity);
    QCOMPARE(s.probe.child<QLabel>("Label2")->text(), said);
    QCOMPARE(s.probe.text("Picture10"), worked);
    QCOMPARE(s.probe.text("Picture9"), QStringLiteral("PAR%1.bmp").arg(band));
    QVERIFY(s.probe.child<PictureArea>("Picture9")->isAvailable());
    QCOMPARE(s.probe.text("Picture11"), examples(band));
    const QColor colour = right ? Green : Red;
    QCOMPARE(s.probe.child<TextOutputBox>("Picture10")->layout().textColor(), colour);
    auto *face = s.probe.child<FaceBox>("Picture4");
    QCOMPARE(face->textColor(), colour);
    QCOMPARE(face->accessibleDescription(),
             right ? QStringLiteral("smiling face") : QStringLiteral("frowning face"));
    QVERIFY(!s.probe.click("Option1"));
}

void TestForm5::previewIsReplacedByAnotherOption()
{
    Screen s;
    QVERIFY(s.events(QStringLiteral("draw o2")));
    QCOMPARE(s.probe.text("Picture7"), QStringLiteral("PAR2.bmp"));
    QCOMPARE(s.probe.text("Picture8"), examples(2));
    QVERIFY(s.events(QStringLiteral("o5")));
    QCOMPARE(s.probe.text("Picture7"), QStringLiteral("PAR5.bmp"));
    QCOMPARE(s.probe.text("Picture8"), examples(5));
    QVERIFY(s.events(QStringLiteral("ok")));
    QCOMPARE(s.probe.child<QLabel>("Label2")->text(), QStringLiteral("You said PAR 3.4 - 4.4"));
    QCOMPARE(s.probe.child<FaceBox>("Picture4")->accessibleDescription(), QStringLiteral("frowning face"));
}

// The screen goes on; each missing picture shows its name.
void TestForm5::missingPicturesShowTheirNames()
{
    QTemporaryDir empty;
    Screen s(Man72, DataFolder(empty.path()));
    QVERIFY(s.events(QStringLiteral("draw o2")));
    QCOMPARE(s.probe.text("Picture7"), QStringLiteral("Picture not available: PAR2.bmp"));
    QVERIFY(s.events(QStringLiteral("ok")));
    QCOMPARE(s.probe.text("Picture9"), QStringLiteral("Picture not available: PAR2.bmp"));
    QVERIFY(s.events(QStringLiteral("go")));
    QCOMPARE(s.probe.text("Picture2"), QStringLiteral("Picture not available: zentavo.bmp"));
    QVERIFY(s.events(QStringLiteral("draw")));
}

void TestForm5::leavingCallsTheScreenManager_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Go to questions") << "go";
    QTest::newRow("Back to main menu") << "back";
}

void TestForm5::leavingCallsTheScreenManager()
{
    QFETCH(QString, button);
    Screen s;
    QCOMPARE(s.probe.text("Picture2"), QString()); // the compiled-in logo
    QVERIFY(s.events(QStringLiteral("draw o2 ") + button));
    const bool back = button == QLatin1String("back");
    QCOMPARE(s.nav.backCalls, back ? 1 : 0);
    QCOMPARE(s.nav.questionsCalls, back ? 0 : 1);
    QCOMPARE(back ? s.nav.backFrom : s.nav.questionsFrom, &s.form);
    QVERIFY(!s.exercise.canMark());
    QCOMPARE(s.probe.text("Picture2"), QStringLiteral("zentavo.bmp"));
    QVERIFY(s.probe.child<PictureArea>("Picture2")->isAvailable());
}

// Picture11 reaches into the button column; the buttons are drawn and
// clicked above it.
void TestForm5::buttonsStayAbovePicture11()
{
    Screen s;
    QVERIFY(s.events(QStringLiteral("draw o2 ok")));
    QVERIFY(s.probe.child("Picture11")->isVisible());
    const QRect picture = s.probe.child("Picture11")->geometry();
    for (const char *name : {"Command5", "endprintscore", "endnoprint"}) {
        QWidget *button = s.probe.child(name);
        // Probed where the two overlap: elsewhere the button wins anyway.
        const QRect overlap = button->geometry() & picture;
        QVERIFY2(!overlap.isEmpty(), name);
        QCOMPARE(s.form.childAt(overlap.center()), button);
    }
}

void TestForm5::keyboardAndFocus()
{
    Screen s;
    QCOMPARE(s.probe.focused(), QStringLiteral("selectperson"));
    QCOMPARE(captionOf(s.probe.child<QRadioButton>("Option7")), QStringLiteral("PAR 6.0 - 7.9"));
    s.probe.key(Qt::Key_2);
    QCOMPARE(s.exercise.choice(), 0);
    s.probe.key(Qt::Key_Return);
    QCOMPARE(s.probe.focused(), QStringLiteral("Option1"));
    s.probe.key(Qt::Key_8); // there is no option 8
    QCOMPARE(s.exercise.choice(), 0);
    s.probe.key(Qt::Key_Return); // "select an activity" is hidden and OK not offered yet
    QVERIFY(s.probe.child("Frame1")->isVisible());
    s.probe.key(Qt::Key_2);
    QVERIFY(s.probe.child<QRadioButton>("Option2")->isChecked());
    s.probe.key(Qt::Key_Return);
    QCOMPARE(s.probe.child<FaceBox>("Picture4")->accessibleDescription(), QStringLiteral("smiling face"));
    QCOMPARE(s.probe.focused(), QStringLiteral("selectperson"));
    QCOMPARE(s.nav.backCalls + s.nav.questionsCalls + s.nav.endCalls + s.nav.printCalls, 0);
}

QTEST_MAIN(TestForm5)
#include "test_form5.moc"
