// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/calibrationwindow.h"

#include "questions/questionsession.h"
#include "scoring/answerlog.h"
#include "scoring/form3.h"
#include "scoring/tally.h"
#include "tests/support/banks.h"
#include "tests/support/fakenavigation.h"
#include "ui/textoutputbox.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace quorix;

namespace {

// Every named control of a screen: visible or not, and what it shows.
QString screenState(QWidget *screen)
{
    QStringList out;
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->isWindow())
            continue;
        const auto *label = qobject_cast<QLabel *>(w);
        out << QStringLiteral("%1 %2 %3 %4")
                   .arg(w->objectName())
                   .arg(w->isVisible())
                   .arg(w->accessibleDescription(), label ? label->text() : QString());
    }
    return out.join(QLatin1Char('\n'));
}

} // namespace

class TestCalibrationWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void openedFromForm3AndClosedAgain()
    {
        // Each mark at its confidence (0: "Don't know"), right or wrong.
        const struct {
            int confidence;
            bool right;
        } plan[] = {
            {1, true},  {3, false}, {2, true},  {3, false}, {3, true},  {1, false}, {3, true},
            {2, false}, {0, false}, {0, false}, {3, true},  {3, false}, {3, true},  {3, false},
            {2, true},  {2, false}, {1, true},  {1, false}, {3, true},  {3, false}, {2, false},
            {1, true},  {3, true},  {3, false}, {3, true},
        };
        ScoreTally tally;
        AnswerLog log;
        QuestionSession session(tally, log);
        session.startTest(QStringLiteral("Set"),
                          quorixtest::makeBank(60, {QStringLiteral("T"), QStringLiteral("F")}));
        RandomSource random(3);
        QStringList statements;
        for (const auto &mark : plan) {
            QVERIFY(session.selectQuestion(random));
            const bool keyTrue = session.current().key == QLatin1String("T");
            session.chooseAnswer(mark.confidence == 0        ? Answer::DontKnow
                                     : keyTrue == mark.right ? Answer::True
                                                             : Answer::False);
            session.chooseConfidence(Confidence(mark.confidence));
            session.mark();
            statements << session.current().statement;
        }

        quorixtest::FakeNavigation nav;
        Form3 form3(tally, log, nav);
        form3.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form3));
        const QString before = screenState(&form3);
        auto *calibrate = form3.findChild<QPushButton *>(QStringLiteral("calibrate"));
        QVERIFY(calibrate);
        QCOMPARE(calibrate->text(), QStringLiteral("How well calibrated am I?"));
        QCOMPARE(calibrate->geometry(), QRect(776, 496, 241, 33));

        QTest::mouseClick(calibrate, Qt::LeftButton);
        QPointer<QWidget> window = form3.findChild<QWidget *>(QStringLiteral("FormCalibration"));
        QVERIFY(window && window->isWindow());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), QStringLiteral("Quorix self-assessment questions"));
        QCOMPARE(window->size(), QSize(1024, 768));

        const auto text = [&](const char *name) {
            auto *label = window->findChild<QLabel *>(QString::fromLatin1(name));
            return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
        };
        QCOMPARE(
            window->findChild<QWidget *>(QStringLiteral("calibrationChart"))->accessibleDescription(),
            QStringLiteral("unsure: 5 answers, 60% correct, best below 67%, well calibrated\n"
                           "fairly sure: 5 answers, 40% correct, best 67% to 80%, a little over-confident\n"
                           "very sure: 13 answers, 54% correct, best above 80%, over-confident"));
        QCOMPARE(
            text("marksLost"),
            QStringLiteral("Marks lost to miscalibration: unsure 0, fairly sure 4, very sure 22; total 26"));
        QCOMPARE(text("dontKnow"),
                 QStringLiteral("On a true/false statement a guess at \"unsure\" earns +0.5 on "
                                "average and never loses marks; \"Don't know\" earns 0."));

        // Wrong very sure, wrong fairly sure, right unsure, the rest; each in
        // marking order (counted from 0).
        const int order[]
            = {1, 3, 11, 13, 19, 23, 7, 15, 20, 0, 16, 21, 2, 4, 5, 6, 8, 9, 10, 12, 14, 17, 18, 22, 24};
        auto *list = window->findChild<QListWidget *>(QStringLiteral("reviewList"));
        QVERIFY(list);
        QAccessibleInterface *rows = QAccessible::queryAccessibleInterface(list);
        QVERIFY(rows);
        QCOMPARE(rows->childCount(), int(std::size(order)));
        for (int i = 0; i < rows->childCount(); ++i) {
            const QString name = rows->child(i)->text(QAccessible::Name);
            QVERIFY2(name.startsWith(statements.at(order[i]) + QStringLiteral(" \u2014 ")), qPrintable(name));
            QCOMPARE(rows->child(i)->text(QAccessible::Description),
                     log.entries().at(std::size_t(order[i])).explanation);
        }
        QVERIFY(
            rows->child(0)
                ->text(QAccessible::Name)
                .endsWith(
                    QStringLiteral("very sure \u2014 key: %1 \u2014 wrong, -6").arg(log.entries()[1].key)));
        // 20 rows at once, none scrolled away.
        QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(19))));
        list->setCurrentRow(3);
        QCOMPARE(text("explanation"), log.entries().at(std::size_t(order[3])).explanation);

        QStringList tabStops;
        window->findChild<QWidget *>(QStringLiteral("calibrationChart"))->setFocus();
        for (int i = 0; i < 7; ++i) {
            tabStops << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(tabStops.join(QLatin1Char(' ')),
                 QStringLiteral(
                     "calibrationChart levelLines marksLost dontKnow reviewList explanation closeButton"));

        // Escape, Close and the window manager's close all go back to Form3.
        QTest::keyClick(list, Qt::Key_Escape);
        QTRY_VERIFY(window.isNull());
        QTest::mouseClick(calibrate, Qt::LeftButton);
        window = form3.findChild<QWidget *>(QStringLiteral("FormCalibration"));
        QVERIFY(window);
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("closeButton")), Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
        QTest::mouseClick(calibrate, Qt::LeftButton);
        window = form3.findChild<QWidget *>(QStringLiteral("FormCalibration"));
        QVERIFY(window && window->close());
        QTRY_VERIFY(window.isNull());

        QCOMPARE(nav.closeCalls, 0);
        QCOMPARE(nav.endCalls + nav.backCalls + nav.printCalls, 0);
        QVERIFY(form3.isVisible());
        QCOMPARE(screenState(&form3), before);
    }
};

QTEST_MAIN(TestCalibrationWindow)
#include "test_calibrationwindow.moc"
