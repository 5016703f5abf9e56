// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/form2harness.h"

#include "questions/questiondraw.h"
#include "ui/picturearea.h"

#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

using namespace quorix;
using namespace quorixtest;

class TestForm2 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void visibilityAfterEachEvent_data();
    void visibilityAfterEachEvent();
    void hiddenControlsCannotBePressed();
    void headingAndQuestionLine();
    void loadShowsTheTestsTitleAndNoQuestion();
    void quotaOf41EndsAfter20Marked();
    void skipsDoNotUseTheQuota();
    void secondTestInOneRunIsOpen();
    void allSkippedBelowQuotaCompletes();
    void emptyBankCompletesAtOnce();
    void noQuestionTwiceAndAllReachableAfterReload();
    void selectForgetsEarlierChoices_data();
    void selectForgetsEarlierChoices();
    void answerChangeNeedsItsOwnConfidence();
    void missingPictureShowsGreyAreaAndGoesOn();
    void pictureIsLoadedFromTheDataFolder();
    void skipBeforeAnyQuestion();
    void explanationAndCommands();
    void keyboardAnswersAndFocus();
    void keysOfHiddenControlsDoNothing();
    void captionsAreExact();
};

void TestForm2::visibilityAfterEachEvent_data()
{
    // Columns: showme Command2 Command4 Frame1 OKanswer Frame3 Frame2 Command5 Label1 Label2 Label3
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const char *events, const char *expected) {
        QTest::newRow(name) << QString::fromLatin1(events).split(QLatin1Char(' '), Qt::SkipEmptyParts)
                            << QString::fromLatin1(expected);
    };
    row("loaded", "", "hVVhhhhVhhh");
    row("question shown", "select", "hhVVhhhVVhh");
    row("TRUE shows Frame3 only", "select true", "hhVVhVhVVhh");
    row("FALSE shows Frame3 only", "select false", "hhVVhVhVVhh");
    row("confidence shows OK", "select true c2", "hhVVVVhVVhh");
    row("Don't know shows OK", "select dk", "hhVVVhhVVhh");
    row("Don't know keeps Frame3", "select true c1 dk", "hhVVVVhVVhh");
    row("TRUE after Don't know hides OK", "select dk true", "hhVVhVhVVhh");
    row("FALSE after a confidence hides OK", "select true c3 false", "hhVVhVhVVhh");
    row("marked", "select true c3 ok", "VVhhhhVVVhh");
    row("marked don't know", "select dk ok", "VVhhhhVVVhh");
    row("explanation shown", "select true c1 ok explain", "VVhhhhVhVhV");
    row("next question after explanation", "select dk ok explain select", "VhVVhhhhVhh");
    row("next question after marking", "select false c2 ok select", "VhVVhhhVVhh");
    row("skipped", "select skip", "hVhhhhhVhhh");
    row("skipped with Frame3 open", "select true skip", "hVhhhVhVhhh");
    row("skipped when OK was offered", "select true c1 skip", "hVhhVVhVhhh");
    row("question after skip hides OK", "select true c1 skip select", "hhVVhhhVVhh");
    row("skip at load", "skip", "hVhhhhhVhhh");
    // A bank of 6 has a quota of 3.
    row("completed", "select dk ok select dk ok select dk ok select", "VhhhhhVVVVh");
    row("completed after explanation", "select dk ok select dk ok select dk ok explain select",
        "VhhhhhVhVVV");
}

void TestForm2::visibilityAfterEachEvent()
{
    QFETCH(QStringList, events);
    QFETCH(QString, expected);
    Harness h;
    h.acceptBank(makeBank(6));
    h.open();
    QVERIFY(h.events(events));
    QCOMPARE(h.visibility(), expected);
    // Always on screen.
    for (const char *name :
         {"Picture1", "Picture2", "Picture3", "Picture4", "Command1", "endprintscore", "endnoprint"})
        QVERIFY2(h.child(name)->isVisible(), name);
}

void TestForm2::hiddenControlsCannotBePressed()
{
    Harness h;
    h.acceptBank(makeBank(6));
    h.open();
    // Inside hidden frames the options and OK cannot be reached.
    for (const char *name : {"Option1", "Option3", "Option7", "OKanswer", "Command5"})
        QVERIFY2(!h.click(name), name);
    QVERIFY(h.events({"select", "dk"}));
    QVERIFY(!h.child("Option7")->isVisible()); // Frame3 stays hidden for Don't know
    QVERIFY(h.events({"ok"}));
    QVERIFY(!h.click("Option1"));
    QVERIFY(!h.click("OKanswer"));
    QCOMPARE(h.tally.asked, 1);
}

void TestForm2::headingAndQuestionLine()
{
    Harness h;
    h.acceptBank(makeBank(41), QStringLiteral("Water-soluble vitamins"));
    h.open();
    QCOMPARE(h.text("Picture2"),
             QStringLiteral("Water-soluble vitamins\n"
                            "There are 82 questions in this test. You will be asked 20 selected at random."));
    QCOMPARE(h.text("Picture3"), QString());

    QVERIFY(h.events({"select"}));
    const int row = int(h.session.current().row);
    const int version = int(h.session.current().version);
    QVERIFY(row >= 1 && row <= 41);
    QCOMPARE(h.text("Picture3"), QStringLiteral("Question  %1 : %2   ").arg(row).arg(version));
    const QString which = version == 1 ? QStringLiteral("one") : QStringLiteral("two");
    QCOMPARE(h.child<QLabel>("Label1")->text(), QStringLiteral("Statement %1 %2").arg(row).arg(which));
    QCOMPARE(h.child<QLabel>("Label3")->text(), QStringLiteral("Explanation %1 %2").arg(row).arg(which));

    QVERIFY(h.events({"skip"}));
    QCOMPARE(h.text("Picture3"), QString());
    QCOMPARE(h.child<QLabel>("Label1")->text(), QStringLiteral(" "));
}

void TestForm2::loadShowsTheTestsTitleAndNoQuestion()
{
    Harness h;
    h.acceptBank(makeBank(3), QStringLiteral("Digestion and absorption"));
    h.open();
    QVERIFY(h.text("Picture2").startsWith(QStringLiteral("Digestion and absorption\n")));
    QCOMPARE(h.text("Picture3"), QString());
    QVERIFY(h.child("Label1")->isHidden());
}

void TestForm2::quotaOf41EndsAfter20Marked()
{
    Harness h;
    h.acceptBank(makeBank(41));
    h.open();
    for (int i = 0; i < 20; ++i)
        QVERIFY(h.events({"select", "true", "c2", "ok"}));
    QVERIFY(h.child("Label2")->isHidden());
    const QString feedback = h.text("Picture7");
    QVERIFY(h.events({"select"}));
    QVERIFY(h.child("Label2")->isVisible());
    QCOMPARE(h.child<QLabel>("Label2")->text(),
             QStringLiteral("You have completed this test. Go back to the main menu to see your score or "
                            "run another test."));
    QVERIFY(h.child("Command2")->isHidden());
    auto *label2 = h.child<QLabel>("Label2");
    QVERIFY(label2->heightForWidth(label2->width()) <= label2->height()); // not cut off
    QVERIFY(label2->geometry().bottom() < h.form->height());
    QCOMPARE(h.text("Picture7"), feedback); // the last feedback stays
    QCOMPARE(h.tally.asked, 20);
}

void TestForm2::skipsDoNotUseTheQuota()
{
    Harness h;
    h.acceptBank(makeBank(40));
    h.open();
    std::set<int> shown;
    for (int i = 0; i < 25; ++i) {
        QVERIFY(h.events({"select"}));
        shown.insert(int(h.session.current().row));
        QVERIFY(h.events(i % 5 == 0 ? QStringList{"skip"} : QStringList{"dk", "ok"}));
    }
    QCOMPARE(int(shown.size()), 25);
    QCOMPARE(h.tally.asked, 20);
    QVERIFY(h.events({"select"}));
    QVERIFY(h.child("Label2")->isVisible());
}

void TestForm2::secondTestInOneRunIsOpen()
{
    Harness h;
    h.acceptBank(makeBank(40));
    h.open();
    for (int i = 0; i < 20; ++i)
        QVERIFY(h.events({"select", "dk", "ok"}));
    QVERIFY(h.events({"select"}));
    QVERIFY(h.child("Label2")->isVisible());

    // A second test of 40: the run's tally says 20 asked, yet the test is new.
    h.acceptBank(makeBank(40), QStringLiteral("Second set"));
    h.open();
    QVERIFY(h.text("Picture2").startsWith(QStringLiteral("Second set\n")));
    for (int i = 0; i < 20; ++i) {
        QVERIFY(h.events({"select"}));
        QVERIFY2(h.child("Label2")->isHidden(), qPrintable(QString::number(i)));
        QVERIFY(h.events({"true", "c1", "ok"}));
    }
    QVERIFY(h.events({"select"}));
    QVERIFY(h.child("Label2")->isVisible());
    QCOMPARE(h.tally.asked, 40);
    QCOMPARE(h.tally.answered, 20);
}

void TestForm2::allSkippedBelowQuotaCompletes()
{
    Harness h;
    h.acceptBank(makeBank(10));
    h.open();
    for (int i = 0; i < 10; ++i)
        QVERIFY(h.events({"select", "skip"}));
    QVERIFY(h.events({"select"}));
    QVERIFY(h.child("Label2")->isVisible());
    QCOMPARE(h.child<QLabel>("Label2")->text(), completionMessage());
    QVERIFY(h.child("Command2")->isHidden());
    QCOMPARE(h.tally.asked, 0);
}

void TestForm2::emptyBankCompletesAtOnce()
{
    Harness h;
    h.acceptBank(makeBank(0));
    h.open();
    QVERIFY(h.text("Picture2")
                .endsWith(QStringLiteral(
                    "There are 0 questions in this test. You will be asked 0 selected at random.")));
    QVERIFY(h.events({"select"}));
    QVERIFY(h.child("Label2")->isVisible());
    QVERIFY(h.child("Command2")->isHidden());
    // Focus is not handed to a button that leaves or ends.
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(!focused
            || (focused->objectName() != QLatin1String("Command1")
                && !focused->objectName().startsWith(QLatin1String("end"))));
}

void TestForm2::noQuestionTwiceAndAllReachableAfterReload()
{
    Harness h(7);
    h.acceptBank(makeBank(300));
    h.open();
    std::set<int> first;
    for (int i = 0; i < 300; ++i) {
        QVERIFY(h.events({"select", "skip"}));
        QVERIFY(first.insert(int(h.session.current().row)).second);
    }
    h.acceptBank(makeBank(300));
    h.open();
    std::set<int> second;
    for (int i = 0; i < 300; ++i) {
        QVERIFY(h.events({"select", "skip"}));
        second.insert(int(h.session.current().row));
    }
    QCOMPARE(int(second.size()), 300);
    QCOMPARE(*second.begin(), 1);
    QCOMPARE(*second.rbegin(), 300);
}

void TestForm2::selectForgetsEarlierChoices_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::newRow("skip after a confidence") << QStringList{"select", "true", "c3", "skip"};
    QTest::newRow("skip after Don't know") << QStringList{"select", "dk", "skip"};
    QTest::newRow("after marking") << QStringList{"select", "false", "c2", "ok"};
}

void TestForm2::selectForgetsEarlierChoices()
{
    QFETCH(QStringList, before);
    Harness h;
    h.acceptBank(makeBank(10));
    h.open();
    QVERIFY(h.events(before));
    QVERIFY(h.events({"select"}));
    QVERIFY(h.child("OKanswer")->isHidden());
    QCOMPARE(h.session.answer(), Answer::None);
    QCOMPARE(h.session.confidence(), Confidence::None);
    for (const char *name : {"Option1", "Option2", "Option3", "Option7", "Option8", "Option9"})
        QVERIFY2(!h.child<QRadioButton>(name)->isChecked(), name);
    // Choosing the answer given before works again (it really was unchosen).
    QVERIFY(h.events({"true"}));
    QCOMPARE(h.session.answer(), Answer::True);
}

void TestForm2::answerChangeNeedsItsOwnConfidence()
{
    Harness h;
    h.acceptBank(makeBank(10, {QStringLiteral("F")}));
    h.open();
    // "TRUE", fairly sure, "FALSE": no confidence is shown, so nothing can be marked yet.
    QVERIFY(h.events({"select", "true", "c2", "false"}));
    QVERIFY(h.child("OKanswer")->isHidden());
    QCOMPARE(h.session.confidence(), Confidence::None);
    QVERIFY(h.events({"c3", "ok"}));
    QCOMPARE(h.tally.correctVerySure, 1);
    QCOMPARE(h.tally.correctFairlySure, 0);

    // "Don't know", then "TRUE": OK waits for a confidence.
    QVERIFY(h.events({"select", "dk", "true"}));
    QVERIFY(h.child("OKanswer")->isHidden());
    QVERIFY(h.events({"c1", "ok"}));
    QCOMPARE(h.tally.wrongUnsure, 1);
    QCOMPARE(h.tally.answered, 2);

    // A confidence, then "Don't know": marked as not known.
    QVERIFY(h.events({"select", "true", "c3", "dk", "ok"}));
    QCOMPARE(h.tally.asked, 3);
    QCOMPARE(h.tally.answered, 2);
}

void TestForm2::missingPictureShowsGreyAreaAndGoesOn()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile garbage(dir.filePath(QStringLiteral("broken.bmp")));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a picture at all");
    garbage.close();

    for (const QString &name : {QStringLiteral("nothere.bmp"), QStringLiteral("broken.bmp")}) {
        Harness h;
        h.folder = DataFolder(dir.path());
        h.acceptBank(makeBank(4, {QStringLiteral("T")}, name));
        h.open();
        QVERIFY(h.events({"select"}));
        auto *picture = h.child<PictureArea>("Picture1");
        QCOMPARE(picture->fileName(), name);
        QVERIFY(!picture->isAvailable());
        QCOMPARE(h.session.current().picture, name);
        QVERIFY(h.child("Label1")->isVisible());
        QVERIFY(h.events({"true", "c1", "ok"}));
        QCOMPARE(h.tally.correct, 1);
    }
}

void TestForm2::pictureIsLoadedFromTheDataFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(dir.filePath(QStringLiteral("pathway.png"))));
    QVERIFY(image.save(dir.filePath(QStringLiteral("blank.bmp"))));

    Harness h;
    h.folder = DataFolder(dir.path());
    h.acceptBank(makeBank(4, {QStringLiteral("T")}, QStringLiteral("pathway.png")));
    h.open();
    auto *picture = h.child<PictureArea>("Picture1");
    QVERIFY(h.events({"select"}));
    QCOMPARE(picture->fileName(), QStringLiteral("pathway.png"));
    QVERIFY(picture->isAvailable());
    QVERIFY(h.events({"skip"}));
    QCOMPARE(picture->fileName(), QStringLiteral("blank.bmp"));
    QCOMPARE(h.session.current().picture, QStringLiteral("blank.bmp"));
    QVERIFY(picture->isAvailable());
}

void TestForm2::skipBeforeAnyQuestion()
{
    Harness h;
    h.acceptBank(makeBank(4));
    h.open();
    QVERIFY(h.events({"skip"}));
    QCOMPARE(h.text("Picture3"), QString());
    QCOMPARE(h.child<PictureArea>("Picture1")->fileName(), QStringLiteral("blank.bmp"));
    QVERIFY(h.child("Command2")->isVisible());
    QVERIFY(h.events({"select"})); // and the test goes on
    QVERIFY(h.child("Label1")->isVisible());
}

void TestForm2::explanationAndCommands()
{
    Harness h;
    h.acceptBank(makeBank(4));
    Form2 *form = h.open();
    QVERIFY(h.events({"select", "dk", "ok"}));
    QVERIFY(h.child("Label3")->isHidden());
    QVERIFY(h.events({"explain"}));
    QVERIFY(h.child("Label3")->isVisible());
    QCOMPARE(h.child<QLabel>("Label3")->text(), h.session.current().explanation);
    QVERIFY(!h.click("Command5")); // it hid itself

    QVERIFY(h.click("showme"));
    QCOMPARE(h.nav.scoreCalls, 1);
    QVERIFY(h.click("Command1"));
    QCOMPARE(h.nav.backCalls, 1);
    QCOMPARE(h.nav.backFrom, form);
    QVERIFY(h.click("endprintscore"));
    QCOMPARE(h.nav.printCalls, 1);
    QVERIFY(h.click("endnoprint"));
    QCOMPARE(h.nav.endCalls, 1);
}

void TestForm2::keyboardAnswersAndFocus()
{
    Harness h;
    h.acceptBank(makeBank(10, {QStringLiteral("T")}));
    h.open();
    const auto focused = [] {
        QWidget *w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    };

    h.key(Qt::Key_Return); // nothing to mark yet: selects a question
    QVERIFY(h.child("Label1")->isVisible());
    QCOMPARE(focused(), QStringLiteral("Option1"));
    h.key(Qt::Key_T);
    QVERIFY(h.child<QRadioButton>("Option1")->isChecked());
    QVERIFY(h.child("Frame3")->isVisible());
    h.key(Qt::Key_3);
    QVERIFY(h.child<QRadioButton>("Option9")->isChecked());
    QCOMPARE(focused(), QStringLiteral("OKanswer"));
    h.key(Qt::Key_Return);
    QCOMPARE(h.tally.correctVerySure, 1);
    QCOMPARE(focused(), QStringLiteral("Command2"));
    h.key(Qt::Key_E);
    QVERIFY(h.child("Label3")->isVisible());

    h.key(Qt::Key_Enter);
    QCOMPARE(focused(), QStringLiteral("Option1"));
    h.key(Qt::Key_F);
    h.key(Qt::Key_1);
    h.key(Qt::Key_Space); // presses the focused OK
    QCOMPARE(h.tally.wrongUnsure, 1);

    h.key(Qt::Key_Return);
    h.key(Qt::Key_D);
    QCOMPARE(focused(), QStringLiteral("OKanswer"));
    h.key(Qt::Key_Return);
    QCOMPARE(h.tally.asked, 3);
    QCOMPARE(h.tally.answered, 2);

    h.key(Qt::Key_Return);
    h.key(Qt::Key_Space); // chooses the focused "TRUE"
    QCOMPARE(h.session.answer(), Answer::True);
    h.key(Qt::Key_2);
    h.key(Qt::Key_D); // Don't know after a confidence
    QCOMPARE(h.session.answer(), Answer::DontKnow);
    QVERIFY(h.click("Command4"));
    QCOMPARE(focused(), QStringLiteral("Command2"));
}

void TestForm2::keysOfHiddenControlsDoNothing()
{
    Harness h;
    h.acceptBank(makeBank(10));
    h.open();
    const QString atLoad = h.visibility();
    for (Qt::Key k : {Qt::Key_T, Qt::Key_F, Qt::Key_D, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_E})
        h.key(k);
    QCOMPARE(h.visibility(), atLoad);
    QCOMPARE(h.session.answer(), Answer::None);

    QVERIFY(h.events({"select"}));
    for (Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_E})
        h.key(k); // Frame3 and Frame2 are hidden
    QCOMPARE(h.session.confidence(), Confidence::None);
    h.key(Qt::Key_Return); // neither OK nor "Select a question" is shown
    QCOMPARE(h.tally.asked, 0);
    QCOMPARE(h.visibility(), QStringLiteral("hhVVhhhVVhh"));

    QVERIFY(h.events({"dk", "ok"}));
    h.key(Qt::Key_T); // Frame1 hidden after marking
    QCOMPARE(h.session.answer(), Answer::DontKnow);
}

void TestForm2::captionsAreExact()
{
    Harness h;
    h.acceptBank(makeBank(1));
    h.open();
    const std::pair<const char *, const char *> captions[] = {
        {"Option1", "TRUE"},
        {"Option2", "FALSE"},
        {"Option3", "Don't know"},
        {"OKanswer", "OK"},
        {"Option7", "I  am unsure (score +1, or 0 if wrong)"},
        {"Option8", "I am fairly sure (score +2, or -2 if wrong)"},
        {"Option9", "I am very sure (score +3, or -6 if wrong)"},
        {"Command5", "See the explanation"},
        {"showme", "Show my score to date"},
        {"Command4", "Skip this question"},
        {"Command2", "Select a question"},
        {"Command1", "Back to main menu"},
        {"endprintscore", "Print my score and END"},
        {"endnoprint", "END - don't print my results"},
    };
    for (auto [name, caption] : captions)
        QCOMPARE(h.child<QAbstractButton>(name)->text(), QString::fromLatin1(caption));
    QCOMPARE(h.child<QGroupBox>("Frame1")->title(), QStringLiteral("This statement is:"));
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Quorix self-assessment questions"));
    QCOMPARE(h.form->objectName(), QStringLiteral("Form2"));
}

QTEST_MAIN(TestForm2)
#include "test_form2.moc"
