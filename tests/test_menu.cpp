// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main menu, start-up's labelling and the moves between screens, driven
// through the real Navigator on catalogues and banks written into a fresh
// folder. Message boxes and the end of the program go through its hooks.

#include "app/form1.h"
#include "app/navigator.h"
#include "app/startup.h"
#include "core/datafolder.h"
#include "exercises/form4.h"
#include "exercises/form5.h"
#include "progress/progresswindow.h"
#include "questions/form2.h"
#include "scoring/calibration.h"
#include "scoring/form3.h"
#include "tests/support/banks.h"
#include "tests/support/catalogues.h"
#include "tests/support/dialoganswerer.h"
#include "ui/fonts.h"
#include "ui/frames.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace quorix;
using quorixtest::catalogueOf;
using quorixtest::catalogueTitle;

namespace {

// count records whose statements name the set ("S1 9.4" is record 4 of set 9),
// then the terminator.
QByteArray bankOf(int set, int count)
{
    return quorixtest::bankFileOf(count, "-999\r\n", QByteArray::number(set) + ".");
}

QString placeholder(int k)
{
    if (k <= 10)
        return QStringLiteral("option%1").arg(k);
    return k == 11 ? QStringLiteral("option 11") : QStringLiteral("Option%1").arg(k);
}

} // namespace

class MenuTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void menuStatesAfterStartUp_data();
    void menuStatesAfterStartUp();
    void titleOutlineAndPlaces();
    void routingAfterOK_data();
    void routingAfterOK();
    void laterChoiceIsTheOneLoaded();
    void placeholderOptionOpensItsFile();
    void stillMarkedOptionChosenAgain();
    void keyboardChoosesAndConfirms();
    void missingBankKeepsTheMenuUsable_data();
    void missingBankKeepsTheMenuUsable();
    void refusedBankLeavesTheLoadedSet_data();
    void refusedBankLeavesTheLoadedSet();
    void okUnloadsTheOldQuestionScreens();
    void movesBetweenScreens();
    void backFromAnExerciseKeepsItForNextTime_data();
    void backFromAnExerciseKeepsItForNextTime();
    void endWithoutPrintingEndsAtOnce();
    void closingAsksOnlyOnceSomethingIsMarked_data();
    void closingAsksOnlyOnceSomethingIsMarked();
    void closingTheScoreScreenMeansMoreQuestions();
    void printOnTheMenuClosesTheResultsFileFirst_data();
    void printOnTheMenuClosesTheResultsFileFirst();
    void closeQuestionBox();
    void keptAnswersAndTheProgressWindow();

private:
    void write(const QString &name, const QByteArray &bytes);
    bool startWith(const QByteArray &catalogue);
    void choose(int k);
    void confirm();
    void mark(bool right, int confidence);
    static void flushDeletes();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Navigator> m_nav;
    QStringList m_messages;
    int m_questions = 0;
    Navigator::CloseAnswer m_answer = Navigator::CloseAnswer::Cancel;
    int m_ended = 0;
    int m_reports = 0;
    PrintOutcome m_outcome = PrintOutcome::Printed;
    bool m_frameShownDuringReport = true;
    bool m_resultsOpenDuringReport = true;
};

void MenuTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_messages.clear();
    m_questions = 0;
    m_answer = Navigator::CloseAnswer::Cancel;
    m_ended = 0;
    m_reports = 0;
    m_outcome = PrintOutcome::Printed;
}

void MenuTest::cleanup()
{
    m_nav.reset();
    flushDeletes();
    m_dir.reset();
}

void MenuTest::write(const QString &name, const QByteArray &bytes)
{
    QFile f(m_dir->filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

bool MenuTest::startWith(const QByteArray &catalogue)
{
    write(QStringLiteral("qbanks.txt"), catalogue);
    m_nav = std::make_unique<Navigator>(DataFolder(m_dir->path()));
    m_nav->setCloseQuestion([this](QWidget *) {
        ++m_questions;
        return m_answer;
    });
    m_nav->setQuitHandler([this](int) { ++m_ended; });
    m_nav->setReportRunner([this](QWidget *) {
        ++m_reports;
        m_frameShownDuringReport = m_nav->form1()->frame1()->isVisibleTo(m_nav->form1());
        m_resultsOpenDuringReport = m_nav->resultsFile().isOpen();
        return m_outcome;
    });
    StartupOptions options;
    options.seed = 20240611;
    options.environment = {QStringLiteral("temp=") + m_dir->path()};
    options.homeFolder = m_dir->filePath(QStringLiteral("home"));
    options.settingsFile = m_dir->filePath(QStringLiteral("config/quorix.conf"));
    options.progressFolder = m_dir->filePath(QStringLiteral("share/quorix"));
    auto started = m_nav->start(options);
    if (!started) {
        qWarning("%s", qPrintable(started.error()));
        return false;
    }
    m_nav->form1()->setMessageHook([this](QWidget *, const QString &text) { m_messages << text; });
    m_nav->setMessageHook([this](QWidget *, const QString &text) { m_messages << text; });
    return true;
}

void MenuTest::choose(int k)
{
    QRadioButton *option = m_nav->form1()->option(k);
    QVERIFY(option->isVisibleTo(m_nav->form1()));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(12, option->height() / 2));
}

void MenuTest::confirm()
{
    QPushButton *ok = m_nav->form1()->selectionOK();
    QVERIFY(ok->isVisibleTo(m_nav->form1()));
    QTest::mouseClick(ok, Qt::LeftButton);
}

// One statement drawn and marked on the question screen; confidence 0 is
// "Don't know".
void MenuTest::mark(bool right, int confidence)
{
    Form2 *questions = m_nav->form2();
    QVERIFY(questions && questions->isVisible());
    const auto click = [questions](const char *name) {
        auto *w = questions->findChild<QAbstractButton *>(QLatin1String(name));
        QVERIFY2(w && w->isVisible(), name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(12, w->height() / 2));
    };
    click("Command2");
    const bool keyTrue = m_nav->session().current().key == QLatin1String("T");
    if (confidence == 0) {
        click("Option3");
    } else {
        click(keyTrue == right ? "Option1" : "Option2");
        click(confidence == 1 ? "Option7" : confidence == 2 ? "Option8" : "Option9");
    }
    click("OKanswer");
}

void MenuTest::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void MenuTest::menuStatesAfterStartUp_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("titles");
    QTest::addColumn<int>("labelled");
    QTest::newRow("N = 0: placeholders only") << 0 << 0 << 0;
    QTest::newRow("N = 7: options 8 to 10 keep their placeholders") << 7 << 7 << 7;
    QTest::newRow("N = 16: every option titled") << 16 << 16 << 16;
    QTest::newRow("N = 18: titles 17 and 18 stored, not shown") << 18 << 18 << 16;
}

void MenuTest::menuStatesAfterStartUp()
{
    QFETCH(int, count);
    QFETCH(int, titles);
    QFETCH(int, labelled);
    QVERIFY(startWith(catalogueOf(count, titles)));
    Form1 *menu = m_nav->form1();
    QVERIFY(menu->isVisible());

    for (int k = 1; k <= Form1::OptionCount; ++k) {
        QRadioButton *option = menu->option(k);
        QCOMPARE(option->objectName(), QStringLiteral("Option%1").arg(k));
        QCOMPARE(captionOf(option), k <= labelled ? catalogueTitle(k) : placeholder(k));
        QCOMPARE(option->isVisibleTo(menu), k <= 10 || k <= labelled);
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
        const QColor text = option->palette().color(option->foregroundRole());
        QCOMPARE(text, k > 10 ? QColor(0, 0, 255) : QColor(0, 0, 0));
        // What is painted, right of the caption.
        const QImage painted = option->grab().toImage();
        QCOMPARE(painted.pixelColor(option->width() - 3, option->height() / 2), QColor(224, 224, 224));
    }
    for (int k = 17; k <= count; ++k)
        QCOMPARE(m_nav->menu().title(k), catalogueTitle(k));
    QCOMPARE(menu->chosenOption(), 0);
    QVERIFY(menu->frame1()->isVisibleTo(menu));
    QVERIFY(!menu->selectionOK()->isVisibleTo(menu));
    QVERIFY(!menu->endPrintScoreButton()->isVisibleTo(menu));
    QVERIFY(menu->endNoPrintButton()->isVisibleTo(menu));
    QCOMPARE(m_nav->menu().openOption(), 0);
}

void MenuTest::titleOutlineAndPlaces()
{
    QVERIFY(startWith(catalogueOf(16, 16)));
    Form1 *menu = m_nav->form1();
    QCOMPARE(menu->windowTitle(), QStringLiteral("Quorix self-assessment questions"));
    QCOMPARE(menu->objectName(), QStringLiteral("Form1"));
    auto *shape = menu->findChild<QWidget *>(QStringLiteral("Shape1"));
    QVERIFY(shape);
    QCOMPARE(shape->geometry(), QRect(0, 0, 1024, 768));
    QCOMPARE(menu->frame1()->title(), QStringLiteral("Select a set of questions"));
    QCOMPARE(menu->frame1()->geometry(), QRect(56, 64, 705, 617));
    QCOMPARE(menu->frame1()->palette().color(QPalette::Window), QColor(255, 255, 192));
    QCOMPARE(menu->option(1)->geometry(), QRect(24, 48, 533, 30));
    QCOMPARE(menu->option(16)->geometry(), QRect(24, 528, 533, 30));
    QCOMPARE(menu->selectionOK()->geometry(), QRect(592, 560, 89, 33));
    QCOMPARE(menu->selectionOK()->text(), QStringLiteral("OK"));
    QVERIFY(menu->selectionOK()->font().bold());
    QCOMPARE(menu->selectionOK()->font().pointSizeF(), 8.25);
    QCOMPARE(menu->endPrintScoreButton()->geometry(), QRect(776, 632, 241, 33));
    QCOMPARE(menu->endNoPrintButton()->geometry(), QRect(776, 680, 241, 33));
    QCOMPARE(menu->endNoPrintButton()->text(), QStringLiteral("END - don't print my results"));
    auto *picture = menu->findChild<QWidget *>(QStringLiteral("Picture1"));
    QVERIFY(picture);
    QCOMPARE(picture->geometry(), QRect(776, 0, 246, 195));
    QVERIFY(menu->option(1)->font().bold());
    QCOMPARE(menu->option(1)->font().pointSizeF(), 9.75);
}

void MenuTest::routingAfterOK_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("screen");
    QTest::newRow("option 1: questions") << 1 << "qbank1.txt"
                                         << "Form2";
    QTest::newRow("option 4: PAR exercise") << 4 << "qbank4.txt"
                                            << "Form5";
    QTest::newRow("option 5: BMI exercise") << 5 << "qbank5.txt"
                                            << "Form4";
    QTest::newRow("option 7: BMI exercise") << 7 << "qbank7.txt"
                                            << "Form4";
    QTest::newRow("option 10: questions") << 10 << "qbank10.txt"
                                          << "Form2";
    QTest::newRow("option 14 opens qbank143.txt") << 14 << "qbank143.txt"
                                                  << "Form2";
    QTest::newRow("option 16: questions") << 16 << "qbank16.txt"
                                          << "Form2";
}

void MenuTest::routingAfterOK()
{
    QFETCH(int, option);
    QFETCH(QString, file);
    QFETCH(QString, screen);
    QVERIFY(startWith(catalogueOf(16, 16)));
    write(file, bankOf(option, 6));
    Form1 *menu = m_nav->form1();

    choose(option);
    QVERIFY(m_nav->menu().openOption() != 0);
    QCOMPARE(DataFolder::bankName(m_nav->menu().openOption()), file);
    QCOMPARE(m_nav->menu().selectedTitle(), catalogueTitle(option));
    QVERIFY(menu->selectionOK()->isVisibleTo(menu));
    QVERIFY(!menu->endPrintScoreButton()->isVisibleTo(menu));

    confirm();
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(QLatin1Char('\n'))));
    QCOMPARE(m_nav->session().questionCount(), 6);
    QCOMPARE(m_nav->session().record(6).statement1, QStringLiteral("S1 %1.6").arg(option));
    QCOMPARE(m_nav->menu().loadedOption(), option);
    QCOMPARE(m_nav->session().markedInTest(), 0);
    QCOMPARE(m_nav->menu().openOption(), 0);
    QVERIFY(!menu->isVisible());
    QVERIFY(!menu->selectionOK()->isVisibleTo(menu));
    QVERIFY(menu->endPrintScoreButton()->isVisibleTo(menu));

    const QList<QWidget *> shown = {m_nav->form2(), m_nav->form4(), m_nav->form5()};
    int visible = 0;
    for (QWidget *w : shown) {
        if (w && w->isVisible()) {
            ++visible;
            QCOMPARE(w->objectName(), screen);
        }
    }
    QCOMPARE(visible, 1);
}

void MenuTest::laterChoiceIsTheOneLoaded()
{
    QVERIFY(startWith(catalogueOf(16, 16)));
    write(QStringLiteral("qbank3.txt"), bankOf(3, 4));
    write(QStringLiteral("qbank9.txt"), bankOf(9, 7));
    choose(3);
    choose(9);
    QVERIFY(!m_nav->form1()->option(3)->isChecked());
    QCOMPARE(DataFolder::bankName(m_nav->menu().openOption()), QStringLiteral("qbank9.txt"));
    confirm();
    QCOMPARE(m_nav->session().questionCount(), 7);
    QCOMPARE(m_nav->session().record(1).statement1, QStringLiteral("S1 9.1"));
    QCOMPARE(m_nav->menu().selectedTitle(), catalogueTitle(9));
    QVERIFY(m_nav->form2() && m_nav->form2()->isVisible());
}

void MenuTest::placeholderOptionOpensItsFile()
{
    QVERIFY(startWith(catalogueOf(7, 7)));
    write(QStringLiteral("qbank8.txt"), bankOf(8, 2));
    choose(8);
    QVERIFY(m_nav->menu().openOption() != 0);
    QCOMPARE(DataFolder::bankName(m_nav->menu().openOption()), QStringLiteral("qbank8.txt"));
    QCOMPARE(m_nav->menu().selectedTitle(), QString());
}

void MenuTest::stillMarkedOptionChosenAgain()
{
    QVERIFY(startWith(catalogueOf(16, 16)));
    write(QStringLiteral("qbank2.txt"), bankOf(2, 4));
    Form1 *menu = m_nav->form1();
    choose(2);
    confirm();
    m_nav->backToMainMenu(m_nav->form2());
    flushDeletes();
    QVERIFY(menu->isVisible());
    QVERIFY(menu->option(2)->isChecked());
    QVERIFY(!menu->selectionOK()->isVisibleTo(menu));
    QCOMPARE(m_nav->menu().openOption(), 0);
    QVERIFY(menu->endPrintScoreButton()->isVisibleTo(menu));

    // Clicking the marked option opens its set again.
    choose(2);
    QVERIFY(m_nav->menu().openOption() != 0);
    QCOMPARE(DataFolder::bankName(m_nav->menu().openOption()), QStringLiteral("qbank2.txt"));
    QVERIFY(menu->selectionOK()->isVisibleTo(menu));
    confirm();
    QVERIFY(m_nav->form2() && m_nav->form2()->isVisible());

    // An ordinary choice and a click on a marked option each open the file
    // once: with the file gone, each says so once.
    m_nav->backToMainMenu(m_nav->form2());
    QFile::remove(m_dir->filePath(QStringLiteral("qbank2.txt")));
    choose(2);
    QCOMPARE(m_messages.size(), 1);
    choose(6);
    QCOMPARE(m_messages.size(), 2);
    QVERIFY(menu->option(2)->isChecked());
}

void MenuTest::keyboardChoosesAndConfirms()
{
    QVERIFY(startWith(catalogueOf(16, 16)));
    write(QStringLiteral("qbank1.txt"), bankOf(1, 2));
    write(QStringLiteral("qbank2.txt"), bankOf(2, 2));
    Form1 *menu = m_nav->form1();
    menu->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(menu));
    menu->option(1)->setFocus();
    QTest::keyClick(menu->option(1), Qt::Key_Space);
    QCOMPARE(DataFolder::bankName(m_nav->menu().openOption()), QStringLiteral("qbank1.txt"));
    QTest::keyClick(menu->option(1), Qt::Key_Down);
    QVERIFY(menu->option(2)->isChecked());
    QCOMPARE(DataFolder::bankName(m_nav->menu().openOption()), QStringLiteral("qbank2.txt"));
    QTest::keyClick(menu->option(2), Qt::Key_Return);
    QVERIFY(!menu->isVisible());
    QCOMPARE(m_nav->menu().loadedOption(), 2);

    // Back on the menu, Space on the still marked option chooses it again.
    m_nav->backToMainMenu(m_nav->form2());
    menu->option(2)->setFocus();
    QTest::keyClick(menu->option(2), Qt::Key_Space);
    QVERIFY(m_nav->menu().openOption() != 0);
    QVERIFY(menu->selectionOK()->isVisibleTo(menu));

    // OK pressed with the focus on it: the focus must not pass to an END
    // button, where the next Enter would end the program.
    menu->selectionOK()->setFocus();
    QTest::keyClick(menu->selectionOK(), Qt::Key_Space);
    QVERIFY(!menu->isVisible());
    m_nav->backToMainMenu(m_nav->form2());
    QVERIFY(QTest::qWaitForWindowActive(menu));
    QCOMPARE(menu->focusWidget(), menu->option(2));
}

void MenuTest::missingBankKeepsTheMenuUsable_data()
{
    QTest::addColumn<bool>("setLoadedBefore");
    QTest::newRow("nothing loaded yet: nothing marked") << false;
    QTest::newRow("set 2 loaded: set 2 marked again") << true;
}

void MenuTest::missingBankKeepsTheMenuUsable()
{
    QFETCH(bool, setLoadedBefore);
    QVERIFY(startWith(catalogueOf(16, 16)));
    write(QStringLiteral("qbank2.txt"), bankOf(2, 4));
    Form1 *menu = m_nav->form1();
    if (setLoadedBefore) {
        choose(2);
        confirm();
        m_nav->backToMainMenu(m_nav->form2());
    }
    m_nav->tally().asked = 5;
    m_nav->tally().correct = 3;

    choose(3);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(QStringLiteral("qbank3.txt")), qPrintable(m_messages.first()));
    QVERIFY(menu->isVisible());
    QCOMPARE(m_nav->menu().openOption(), 0);
    QVERIFY(!menu->selectionOK()->isVisibleTo(menu));
    QVERIFY(!menu->option(3)->isChecked());
    QCOMPARE(menu->chosenOption(), setLoadedBefore ? 2 : 0);
    QCOMPARE(m_nav->menu().selectedTitle(), setLoadedBefore ? catalogueTitle(2) : QString());
    QCOMPARE(m_nav->tally().asked, 5);
    QCOMPARE(m_nav->tally().correct, 3);
    QCOMPARE(m_ended, 0);

    // The menu goes on: another set can be chosen and loaded.
    write(QStringLiteral("qbank3.txt"), bankOf(3, 2));
    choose(3);
    QVERIFY(m_nav->menu().openOption() != 0);
    confirm();
    QCOMPARE(m_nav->menu().loadedOption(), 3);
    QCOMPARE(m_messages.size(), 1);
}

void MenuTest::refusedBankLeavesTheLoadedSet_data()
{
    QTest::addColumn<QByteArray>("bank");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ends inside a record")
        << QByteArray("1,blank.bmp,\"S a\",T,\"W a\",\"S b\",F,\"W b\"\r\n2,blank.bmp,\"S a\",T\r\n")
        << QStringList{QStringLiteral("qbank3.txt"), QStringLiteral("record 2"), QStringLiteral("line")};
    QTest::newRow("record number is a word")
        << QByteArray("one,blank.bmp,\"S a\",T,\"W a\",\"S b\",F,\"W b\"\r\n-999\r\n")
        << QStringList{QStringLiteral("qbank3.txt"), QStringLiteral("line 1")};
    QTest::newRow("more than 400 records")
        << bankOf(3, 401) << QStringList{QStringLiteral("qbank3.txt"), QStringLiteral("400")};
}

void MenuTest::refusedBankLeavesTheLoadedSet()
{
    QFETCH(QByteArray, bank);
    QFETCH(QStringList, expected);
    QVERIFY(startWith(catalogueOf(16, 16)));
    write(QStringLiteral("qbank2.txt"), bankOf(2, 4));
    write(QStringLiteral("qbank3.txt"), bank);
    Form1 *menu = m_nav->form1();
    choose(2);
    confirm();
    m_nav->backToMainMenu(m_nav->form2());
    // Two statements of set 2 marked, "Don't know".
    QuestionSession &session = m_nav->session();
    RandomSource random(3);
    std::vector<int> shownRows;
    for (int i = 0; i < 2; ++i) {
        QVERIFY(session.selectQuestion(random));
        shownRows.push_back(session.current().row);
        session.chooseAnswer(Answer::DontKnow);
        session.mark();
    }

    choose(3);
    QVERIFY(m_nav->menu().openOption() != 0);
    confirm();
    QCOMPARE(m_messages.size(), 1);
    for (const QString &part : expected)
        QVERIFY2(m_messages.first().contains(part), qPrintable(m_messages.first()));
    QVERIFY(menu->isVisible());
    QCOMPARE(m_nav->menu().openOption(), 0);
    QVERIFY(!menu->selectionOK()->isVisibleTo(menu));
    QCOMPARE(menu->chosenOption(), 2);
    QCOMPARE(m_nav->menu().selectedTitle(), catalogueTitle(2));
    QCOMPARE(m_nav->menu().loadedOption(), 2);
    QCOMPARE(session.questionCount(), 4);
    QCOMPARE(session.record(1).statement1, QStringLiteral("S1 2.1"));
    for (int row : shownRows)
        QVERIFY(session.isShown(row));
    QCOMPARE(session.markedInTest(), 2);
    QCOMPARE(m_nav->tally().asked, 2);
    QVERIFY(!m_nav->form2());
    QCOMPARE(m_ended, 0);
}

void MenuTest::okUnloadsTheOldQuestionScreens()
{
    QVERIFY(startWith(catalogueOf(16, 16)));
    write(QStringLiteral("qbank1.txt"), bankOf(1, 4));
    write(QStringLiteral("qbank5.txt"), bankOf(5, 4));
    choose(1);
    confirm();
    QPointer<Form2> firstQuestions = m_nav->form2();
    m_nav->showScoreToDate();
    QPointer<Form3> firstChart = m_nav->form3();
    QVERIFY(firstChart && firstChart->isVisible());
    m_nav->backToMainMenu(firstChart);
    QVERIFY(!m_nav->form3());
    QCOMPARE(m_nav->form2(), firstQuestions.data());

    // A new set, even one that starts with an exercise, starts without them.
    choose(5);
    confirm();
    flushDeletes();
    QVERIFY(firstQuestions.isNull());
    QVERIFY(firstChart.isNull());
    QVERIFY(!m_nav->form2());
    QVERIFY(m_nav->form4() && m_nav->form4()->isVisible());
    QTest::mouseClick(m_nav->form4()->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(m_nav->form2() && m_nav->form2()->isVisible());
    QVERIFY(!m_nav->form4()->isVisible());
}

void MenuTest::movesBetweenScreens()
{
    QVERIFY(startWith(catalogueOf(16, 16)));
    write(QStringLiteral("qbank1.txt"), bankOf(1, 4));
    choose(1);
    confirm();
    QPointer<Form2> questions = m_nav->form2();
    QVERIFY(questions && questions->isVisible());

    m_nav->showScoreToDate();
    QPointer<Form3> chart = m_nav->form3();
    QVERIFY(chart && chart->isVisible());
    m_nav->showScoreToDate();
    QCOMPARE(m_nav->form3(), chart.data());

    m_nav->moreQuestions();
    flushDeletes();
    QVERIFY(chart.isNull());
    QCOMPARE(m_nav->form2(), questions.data());
    QVERIFY(questions->isVisible());

    m_nav->backToMainMenu(questions);
    flushDeletes();
    QVERIFY(questions.isNull());
    QVERIFY(m_nav->form1()->isVisible());
    QVERIFY(m_nav->form1()->endPrintScoreButton()->isVisibleTo(m_nav->form1()));
}

// "Back to main menu" on an exercise screen shows the menu in its Back
// state and hides the screen, which the next set that starts with it reuses.
void MenuTest::backFromAnExerciseKeepsItForNextTime_data()
{
    QTest::addColumn<int>("option");
    QTest::newRow("the PAR screen") << 4;
    QTest::newRow("the BMI screen") << 5;
}

void MenuTest::backFromAnExerciseKeepsItForNextTime()
{
    QFETCH(int, option);
    QVERIFY(startWith(catalogueOf(16, 16)));
    write(QStringLiteral("qbank%1.txt").arg(option), bankOf(option, 4));
    const auto exercise = [&]() -> QWidget * {
        return option == 4 ? static_cast<QWidget *>(m_nav->form5()) : m_nav->form4();
    };
    choose(option);
    confirm();
    QPointer<QWidget> screen = exercise();
    QVERIFY(screen && screen->isVisible());
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("Command5")), Qt::LeftButton);
    flushDeletes();
    QVERIFY(screen && !screen->isVisible());
    Form1 *menu = m_nav->form1();
    QVERIFY(menu->isVisible());
    QVERIFY(menu->option(option)->isChecked());
    QVERIFY(!menu->selectionOK()->isVisibleTo(menu));
    QVERIFY(menu->endPrintScoreButton()->isVisibleTo(menu));
    QCOMPARE(m_nav->menu().openOption(), 0);

    choose(1);
    choose(option);
    confirm();
    QCOMPARE(exercise(), screen.data());
    QVERIFY(screen->isVisible());
}

void MenuTest::endWithoutPrintingEndsAtOnce()
{
    QVERIFY(startWith(catalogueOf(16, 16)));
    write(QStringLiteral("qbank1.txt"), bankOf(1, 4));
    const QString results = m_nav->resultsFile().path();
    QVERIFY(QFileInfo::exists(results));
    choose(1); // a set chosen but not confirmed: its file is open
    QVERIFY(m_nav->menu().openOption() != 0);

    QTest::mouseClick(m_nav->form1()->endNoPrintButton(), Qt::LeftButton);
    QCOMPARE(m_ended, 1);
    QCOMPARE(m_questions, 0);
    QCOMPARE(m_reports, 0);
    QVERIFY(m_nav->isEnding());
    QVERIFY(!m_nav->resultsFile().isOpen());
    QCOMPARE(m_nav->menu().openOption(), 0);
    QVERIFY(!m_nav->form1()->isVisible());
    QVERIFY(QFileInfo::exists(results));
    QCOMPARE(QFileInfo(results).size(), 0);

    // The close events that quitting sends are let through without a question.
    m_nav->tally().asked = 1;
    QVERIFY(m_nav->closeRequested(m_nav->form1()));
    QCOMPARE(m_questions, 0);
}

void MenuTest::closingAsksOnlyOnceSomethingIsMarked_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("reports");
    QTest::addColumn<bool>("ends");
    using A = Navigator::CloseAnswer;
    QTest::newRow("nothing marked: ends without asking")
        << 0 << int(A::Cancel) << int(PrintOutcome::Printed) << 0 << 0 << true;
    QTest::newRow("marked, Cancel: stays")
        << 1 << int(A::Cancel) << int(PrintOutcome::Printed) << 1 << 0 << false;
    QTest::newRow("marked, End without printing: ends")
        << 3 << int(A::EndWithoutPrinting) << int(PrintOutcome::Printed) << 1 << 0 << true;
    QTest::newRow("marked, Print: report, then ends")
        << 3 << int(A::PrintAndEnd) << int(PrintOutcome::Printed) << 1 << 1 << true;
    QTest::newRow("marked, Print, nothing printed, go back: stays")
        << 3 << int(A::PrintAndEnd) << int(PrintOutcome::GoBack) << 1 << 1 << false;
}

void MenuTest::closingAsksOnlyOnceSomethingIsMarked()
{
    QFETCH(int, asked);
    QFETCH(int, answer);
    QFETCH(int, outcome);
    QFETCH(int, questions);
    QFETCH(int, reports);
    QFETCH(bool, ends);
    QVERIFY(startWith(catalogueOf(16, 16)));
    write(QStringLiteral("qbank1.txt"), bankOf(1, 4));
    m_answer = Navigator::CloseAnswer(answer);
    m_outcome = PrintOutcome(outcome);
    m_nav->tally().asked = asked;

    // On the menu and on the question screen alike.
    for (int screen = 0; screen < 2; ++screen) {
        QWidget *window = m_nav->form1();
        if (screen == 1) {
            if (ends)
                break;
            choose(1);
            confirm();
            window = m_nav->form2();
        }
        const int questionsBefore = m_questions;
        const int reportsBefore = m_reports;
        const bool closed = window->close();
        QCOMPARE(closed, ends);
        QCOMPARE(window->isVisible(), !ends);
        QCOMPARE(m_questions - questionsBefore, questions);
        QCOMPARE(m_reports - reportsBefore, reports);
        QCOMPARE(m_ended, ends ? 1 : 0);
    }
    QVERIFY(m_nav->form1()->frame1()->isVisibleTo(m_nav->form1()) || ends);
}

void MenuTest::closingTheScoreScreenMeansMoreQuestions()
{
    QVERIFY(startWith(catalogueOf(16, 16)));
    write(QStringLiteral("qbank1.txt"), bankOf(1, 4));
    choose(1);
    confirm();
    m_nav->tally().asked = 1;
    m_nav->showScoreToDate();
    QPointer<Form3> chart = m_nav->form3();
    QVERIFY(chart->close());
    flushDeletes();
    QVERIFY(chart.isNull());
    QVERIFY(m_nav->form2()->isVisible());
    QCOMPARE(m_questions, 0);
    QCOMPARE(m_ended, 0);
}

void MenuTest::printOnTheMenuClosesTheResultsFileFirst_data()
{
    QTest::addColumn<int>("outcome");
    QTest::addColumn<bool>("ends");
    QTest::newRow("printed: ends") << int(PrintOutcome::Printed) << true;
    QTest::newRow("saved as PDF: ends") << int(PrintOutcome::Saved) << true;
    QTest::newRow("ended without results") << int(PrintOutcome::EndWithoutResults) << true;
    QTest::newRow("nothing printed, go back: the frame returns") << int(PrintOutcome::GoBack) << false;
}

void MenuTest::printOnTheMenuClosesTheResultsFileFirst()
{
    QFETCH(int, outcome);
    QFETCH(bool, ends);
    QVERIFY(startWith(catalogueOf(16, 16)));
    write(QStringLiteral("qbank1.txt"), bankOf(1, 4));
    choose(1);
    confirm();
    m_nav->backToMainMenu(m_nav->form2());
    m_outcome = PrintOutcome(outcome);
    Form1 *menu = m_nav->form1();

    QTest::mouseClick(menu->endPrintScoreButton(), Qt::LeftButton);
    QCOMPARE(m_reports, 1);
    QVERIFY(!m_frameShownDuringReport);
    QVERIFY(!m_resultsOpenDuringReport);
    QCOMPARE(m_ended, ends ? 1 : 0);
    QCOMPARE(menu->isVisible(), !ends);
    if (!ends)
        QVERIFY(menu->frame1()->isVisibleTo(menu));
    QCOMPARE(QFileInfo(m_nav->resultsFile().path()).size(), 0);
}

void MenuTest::closeQuestionBox()
{
    QVERIFY(startWith(catalogueOf(1, 1)));
    QString text, title;
    QStringList buttons;
    QString defaultButton, escapeButton;
    bool seen = false;
    // Polls for the box a bounded number of times.
    QTimer poll;
    int tries = 0;
    connect(&poll, &QTimer::timeout, &poll, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (++tries > 200)
                poll.stop();
            return;
        }
        poll.stop();
        seen = true;
        text = box->text();
        title = box->windowTitle();
        for (QAbstractButton *b : box->buttons())
            buttons << b->text();
        defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        escapeButton = box->escapeButton() ? box->escapeButton()->text() : QString();
        QTest::keyClick(box, Qt::Key_Escape);
        // Should Escape not close it, this does, so the test cannot hang.
        QTimer::singleShot(1000, box, [box] { box->done(-1); });
    });
    poll.start(10);
    const auto answer = Navigator::askBeforeClosing(m_nav->form1());
    QVERIFY(seen);
    QCOMPARE(answer, Navigator::CloseAnswer::Cancel);
    QCOMPARE(text, QStringLiteral("End without printing your results?"));
    QCOMPARE(title, QStringLiteral("Quorix self-assessment questions"));
    buttons.sort();
    QCOMPARE(buttons,
             (QStringList{QStringLiteral("Cancel"), QStringLiteral("End without printing"),
                          QStringLiteral("Print my score and END")}));
    QCOMPARE(defaultButton, QStringLiteral("Cancel"));
    QCOMPARE(escapeButton, QStringLiteral("Cancel"));
}

QTEST_MAIN(MenuTest)
#include "test_menu.moc"

// The box keeps answers from the next OK on; three runs later "My progress"
// shows them, with the calibration of every kept answer; forgetting deletes
// the file. Nothing is written before the box is ticked.
void MenuTest::keptAnswersAndTheProgressWindow()
{
    QVERIFY(startWith(catalogueOf(3, 3)));
    for (int set : {1, 2, 3})
        write(QStringLiteral("qbank%1.txt").arg(set), bankOf(set, 4));
    Form1 *menu = m_nav->form1();
    QCheckBox *keep = menu->keepProgress();
    QCOMPARE(keep->objectName(), QStringLiteral("keepProgress"));
    QCOMPARE(keep->text(), QStringLiteral("Keep my answers on this computer"));
    QCOMPARE(keep->geometry(), QRect(776, 536, 241, 33));
    QCOMPARE(menu->myProgress()->geometry(), QRect(776, 576, 241, 33));
    QVERIFY(!keep->isChecked());
    QVERIFY(!menu->myProgress()->isEnabled());

    // A set opened before the box is ticked leaves nothing behind.
    choose(1);
    confirm();
    m_nav->backToMainMenu(m_nav->form2());
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("config"))));
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("share"))));

    QTest::mouseClick(keep, Qt::LeftButton, {}, QPoint(8, keep->height() / 2));
    QVERIFY(keep->isChecked());
    QVERIFY(QFileInfo::exists(m_dir->filePath(QStringLiteral("config/quorix.conf"))));
    const struct {
        int set;
        std::vector<std::pair<bool, int>> marks;
    } runs[] = {
        {1, {{true, 3}, {false, 0}}},
        {2, {{true, 1}, {false, 2}}},
        {1, {{false, 3}}},
    };
    for (const auto &run : runs) {
        choose(run.set);
        confirm();
        for (const auto &[right, confidence] : run.marks)
            mark(right, confidence);
        m_nav->backToMainMenu(m_nav->form2());
        flushDeletes();
    }
    QVERIFY(menu->myProgress()->isEnabled());
    QVERIFY(m_messages.isEmpty());

    // Every answer of this run was kept: the store must say what its log
    // and tally say.
    const auto &entries = m_nav->answerLog().entries();
    QStringList rows;
    for (int set : {1, 2, 3}) {
        QSet<QString> seen;
        int answers = 0, right = 0;
        for (const LoggedAnswer &e : entries) {
            if (!e.statement.section(QLatin1Char(' '), 1).startsWith(QStringLiteral("%1.").arg(set)))
                continue;
            seen.insert(e.statement);
            answers += 1;
            right += e.outcome == Outcome::Right;
        }
        rows << (seen.isEmpty() ? catalogueTitle(set) + QStringLiteral(": not tried yet")
                                : QStringLiteral("%1: %2 of 8 statements seen, %3% correct")
                                      .arg(catalogueTitle(set))
                                      .arg(seen.size())
                                      .arg((200 * right + answers) / (2 * answers)));
    }
    QTest::mouseClick(menu->myProgress(), Qt::LeftButton);
    QPointer<FormProgress> window = m_nav->progressWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Quorix self-assessment questions"));
    QCOMPARE(window->size(), menu->size());
    const auto label
        = [&](const char *name) { return window->findChild<QLabel *>(QLatin1String(name))->text(); };
    QCOMPARE(label("summary"),
             QStringLiteral("Kept on this computer: 5 answers in 3 runs since ")
                 + QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
    QAccessibleInterface *list
        = QAccessible::queryAccessibleInterface(window->findChild<QListWidget *>(QStringLiteral("setList")));
    QStringList shown;
    for (int i = 0; i < list->childCount(); ++i)
        shown << list->child(i)->text(QAccessible::Name);
    QCOMPARE(shown, rows);
    auto *chart = window->findChild<QWidget *>(QStringLiteral("calibrationChart"));
    QCOMPARE(chart->accessibleDescription(), calibrationDescription(m_nav->tally()));
    QVERIFY(chart->accessibleDescription().startsWith(QStringLiteral("unsure: 1 answer, 100% correct")));
    const QStringList trend = window->findChild<QWidget *>(QStringLiteral("trendChart"))
                                  ->accessibleDescription()
                                  .split(QLatin1Char('\n'));
    QCOMPARE(trend.size(), 3);
    for (const QString &line : trend)
        QVERIFY2(line.contains(
                     QRegularExpression(QStringLiteral("^.+ \\d\\d:\\d\\d: \\d+ answers?, -?\\d+\\.\\d\\d "
                                                       "marks per answer, \\d+\\.\\d\\d lost per answer$"))),
                 qPrintable(line));
    if (!qEnvironmentVariableIsEmpty("QUORIX_PROGRESS_SHOT"))
        window->grab().save(qEnvironmentVariable("QUORIX_PROGRESS_SHOT"));

    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->findChild<QListWidget *>(QStringLiteral("setList")), Qt::Key_Escape);
    QTRY_VERIFY(window.isNull());

    // Forgetting asks, deletes the file with its -wal and -shm, and says so.
    QTest::mouseClick(menu->myProgress(), Qt::LeftButton);
    window = m_nav->progressWindow();
    QVERIFY(window);
    QStringList said;
    quorixtest::DialogAnswerer answerer({
        [](QWidget *box) {
            for (QAbstractButton *b : box->findChildren<QAbstractButton *>())
                if (b->text() == QLatin1String("Forget my progress"))
                    b->click();
        },
        [&said](QWidget *box) {
            said << static_cast<QMessageBox *>(box)->text();
            static_cast<QMessageBox *>(box)->accept();
        },
    });
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("forgetProgress")), Qt::LeftButton);
    QCOMPARE(answerer.answered(), 2);
    const QString file = m_dir->filePath(QStringLiteral("share/quorix/progress.sqlite"));
    QCOMPARE(said, QStringList{QStringLiteral("Your progress is forgotten: %1 was deleted.").arg(file)});
    for (const char *suffix : {"", "-wal", "-shm"})
        QVERIFY2(!QFileInfo::exists(file + QLatin1String(suffix)), suffix);
    QCOMPARE(label("summary"), QStringLiteral("Nothing kept yet"));
    QVERIFY(!menu->myProgress()->isEnabled());
    window->close();
}
