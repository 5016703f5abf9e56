// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/form3.h"

#include "scoring/answerlog.h"
#include "scoring/scorechart.h"
#include "scoring/tally.h"
#include "tests/support/fakenavigation.h"
#include "tests/support/tallies.h"
#include "ui/navigation.h"
#include "ui/textoutputbox.h"

#include <QDate>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTime>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(quorix::ScoreTally)
Q_DECLARE_METATYPE(std::vector<quorix::ScoreChart::Command>)

using namespace quorix;
using quorixtest::FakeNavigation;
using quorixtest::tallyOf;
using Command = ScoreChart::Command;

namespace {

const QColor green(0, 255, 0);
const QColor red(255, 0, 0);
const QColor black(0, 0, 0);

std::vector<Command> expectedChart(std::array<double, 6> ends)
{
    std::vector<Command> c;
    c.push_back({Command::Kind::Line, {100, 30}, {100, 220}, black});
    const int tops[3] = {50, 100, 150};
    for (int i = 0; i < 3; ++i)
        c.push_back({Command::Kind::FilledRect, {100, double(tops[i])}, {ends[i], tops[i] + 50.0}, green});
    for (int i = 0; i < 3; ++i)
        c.push_back({Command::Kind::FilledRect, {100, double(tops[i])}, {ends[i + 3], tops[i] + 50.0}, red});
    for (int i = 0; i < 6; ++i)
        c.push_back(
            {Command::Kind::Outline, {100, double(tops[i % 3])}, {ends[i], tops[i % 3] + 50.0}, black});
    return c;
}

QString describe(const std::vector<Command> &commands)
{
    QStringList out;
    for (const Command &c : commands)
        out << QStringLiteral("%1 (%2,%3)-(%4,%5) %6")
                   .arg(int(c.kind))
                   .arg(c.from.x(), 0, 'g', 17)
                   .arg(c.from.y())
                   .arg(c.to.x(), 0, 'g', 17)
                   .arg(c.to.y())
                   .arg(c.color.name());
    return out.join(QLatin1Char('\n'));
}

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT

private:
    ScoreTally m_tally;
    AnswerLog m_log;
    FakeNavigation m_nav;

    std::unique_ptr<Form3> build(const ScoreTally &t)
    {
        m_tally = t;
        m_nav = FakeNavigation();
        auto form = std::make_unique<Form3>(m_tally, m_log, m_nav);
        return form;
    }
    static QString boxText(Form3 &form, const char *name)
    {
        auto *box = form.findChild<TextOutputBox *>(QString::fromLatin1(name));
        return box ? box->plainText() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }

private Q_SLOTS:
    void chartRectangles_data()
    {
        QTest::addColumn<ScoreTally>("t");
        QTest::addColumn<std::vector<Command>>("expected");

        QTest::newRow("two correct unsure, one correct very sure, one wrong fairly sure")
            << tallyOf(4, {2, 0, 1, 0, 1, 0}) << expectedChart({150, 100, 125, 100, 75, 100});
        QTest::newRow("every rated answer correct and unsure: one bar to 200")
            << tallyOf(3, {3, 0, 0, 0, 0, 0}) << expectedChart({200, 100, 100, 100, 100, 100});
        QTest::newRow("every rated answer wrong and very sure: one bar to 0")
            << tallyOf(2, {0, 0, 0, 0, 0, 2}) << expectedChart({100, 100, 100, 100, 100, 0});
        QTest::newRow("don't know answers are not in the shares")
            << tallyOf(9, {1, 0, 0, 0, 0, 1}) << expectedChart({150, 100, 100, 100, 100, 50});
        QTest::newRow("answers marked before any confidence are not in the shares")
            << tallyOf(6, {1, 0, 0, 1, 0, 0}, 3, 1) << expectedChart({150, 100, 100, 50, 100, 100});
        // Thirds: the bar ends are the single-precision values, not the doubles.
        const double third = double(float(100.0 + (1.0 / 3.0) * 100));
        const double twoThirdsLeft = double(float(100.0 - (2.0 / 3.0) * 100));
        QTest::newRow("bar ends in single precision")
            << tallyOf(3, {1, 0, 0, 0, 2, 0}) << expectedChart({third, 100, 100, 100, twoThirdsLeft, 100});
        QTest::newRow("nothing rated yet: the axis only")
            << tallyOf(3, {0, 0, 0, 0, 0, 0})
            << std::vector<Command>{{Command::Kind::Line, {100, 30}, {100, 220}, black}};
        QTest::newRow("nothing asked: the axis only")
            << ScoreTally{} << std::vector<Command>{{Command::Kind::Line, {100, 30}, {100, 220}, black}};
    }

    void chartRectangles()
    {
        QFETCH(ScoreTally, t);
        QFETCH(std::vector<Command>, expected);
        auto form = build(t);
        const std::vector<Command> &actual = form->chart()->commands();
        // Exact comparison of the coordinates: QPointF's == would forgive the
        // single-precision ends.
        QCOMPARE(describe(actual), describe(expected));
    }

    void chartPixels()
    {
        auto form = build(tallyOf(4, {2, 0, 1, 0, 1, 0}));
        const QImage image = form->chart()->grab().toImage();
        struct Probe {
            int x, y;
            QColor color;
            const char *what;
        };
        const Probe probes[] = {
            {140, 60, green, "unsure row inside the green bar"},
            {149, 60, green, "last column of the green bar"},
            {150, 60, black, "its black right end"},
            {175, 60, Qt::white, "past the green bar"},
            {100, 60, black, "the axis"},
            {80, 110, red, "fairly sure row inside the red bar"},
            {75, 110, black, "the red bar's black left end"},
            {60, 110, Qt::white, "past the red bar"},
            {120, 160, green, "very sure row inside the green bar"},
            {130, 160, Qt::white, "past it"},
            {100, 25, Qt::white, "above the axis"},
            {100, 215, black, "the axis below the rows"},
        };
        for (const Probe &p : probes)
            QVERIFY2(image.pixelColor(p.x, p.y) == p.color,
                     qPrintable(QStringLiteral("%1 at (%2,%3): %4")
                                    .arg(QLatin1String(p.what))
                                    .arg(p.x)
                                    .arg(p.y)
                                    .arg(image.pixelColor(p.x, p.y).name())));
    }

    void chartDescription_data()
    {
        QTest::addColumn<ScoreTally>("t");
        QTest::addColumn<QString>("description");
        QTest::newRow("S = 4") << tallyOf(4, {2, 0, 1, 0, 1, 0})
                               << "unsure: 50% correct, 0% wrong; fairly sure: 0% correct, 25% wrong; very "
                                  "sure: 25% correct, 0% wrong";
        QTest::newRow("thirds round to whole percents")
            << tallyOf(3, {1, 0, 0, 0, 2, 0})
            << "unsure: 33% correct, 0% wrong; fairly sure: 0% correct, 67% wrong; very sure: 0% correct, 0% "
               "wrong";
        QTest::newRow("S = 0") << tallyOf(2, {0, 0, 0, 0, 0, 0}) << "no answers with a confidence yet";
    }

    void chartDescription()
    {
        QFETCH(ScoreTally, t);
        QFETCH(QString, description);
        auto form = build(t);
        QCOMPARE(form->chart()->accessibleDescription(), description);
        QCOMPARE(form->chart()->accessibleName(), QStringLiteral("Score chart"));
    }

    void textBoxes_data()
    {
        QTest::addColumn<ScoreTally>("t");
        QTest::addColumn<QString>("picture1");
        QTest::addColumn<QString>("picture2");
        QTest::addColumn<QString>("picture3");
        QTest::addColumn<QString>("picture4");

        // 5 asked, one of them "Don't know".
        QTest::newRow("S = 4 with one don't know")
            << tallyOf(5, {2, 0, 1, 0, 1, 0})
            << "\n 5  questions asked\n\n 1  question 'don't know'\n\n 3  answered correctly\n\n"
               " 1  answered incorrectly\n\nPercent correct =  60 \n\n"
               "Raw score  (+1 if correct, -1 if wrong) =  40 %"
            << "\n 2  correct and unsure (score +1)\n\n 0  correct and fairly sure (score +2)\n\n"
               " 1 correct and very sure (score +3)\n\n 0  wrong and unsure (score 0)\n\n"
               " 1 wrong and fairly sure (score -2)\n\n 0 wrong and very sure (score -6)"
            << "\nscore =  2 \n\nscore =  0 \n\nscore =  3 \n\nscore =  0 \n\nscore = -2 \n\n"
               "score =  0 \n\n total =  3 "
            << "Confidence-weighted score =  30 %\n"
               "where 100% for all correct, and you were fairly sure of all answers.";
        QTest::newRow("T = 23 of 10 asked shows 115, not the report's 114.99")
            << tallyOf(10, {0, 1, 7, 0, 0, 0})
            << "\n 10  questions asked\n\n 2  questions 'don't know'\n\n 8  answered correctly\n\n"
               " 0  answered incorrectly\n\nPercent correct =  80 \n\n"
               "Raw score  (+1 if correct, -1 if wrong) =  80 %"
            << "\n 0  correct and unsure (score +1)\n\n 1  correct and fairly sure (score +2)\n\n"
               " 7 correct and very sure (score +3)\n\n 0  wrong and unsure (score 0)\n\n"
               " 0 wrong and fairly sure (score -2)\n\n 0 wrong and very sure (score -6)"
            << "\nscore =  0 \n\nscore =  2 \n\nscore =  21 \n\nscore =  0 \n\nscore =  0 \n\n"
               "score =  0 \n\n total =  23 "
            << "Confidence-weighted score =  115 %\n"
               "where 100% for all correct, and you were fairly sure of all answers.";
        QTest::newRow("wrong and unsure scores 0 whatever its count; negative total")
            << tallyOf(1 + 3 + 2, {0, 0, 0, 3, 2, 0}, 1, 0)
            << "\n 6  questions asked\n\n 0  questions 'don't know'\n\n 1  answered correctly\n\n"
               " 5  answered incorrectly\n\nPercent correct =  16.66 \n\n"
               "Raw score  (+1 if correct, -1 if wrong) = -66.67 %"
            << "\n 0  correct and unsure (score +1)\n\n 0  correct and fairly sure (score +2)\n\n"
               " 0 correct and very sure (score +3)\n\n 3  wrong and unsure (score 0)\n\n"
               " 2 wrong and fairly sure (score -2)\n\n 0 wrong and very sure (score -6)"
            << "\nscore =  0 \n\nscore =  0 \n\nscore =  0 \n\nscore =  0 \n\nscore = -4 \n\n"
               "score =  0 \n\n total = -4 "
            << "Confidence-weighted score = -33.34 %\n"
               "where 100% for all correct, and you were fairly sure of all answers.";
        QTest::newRow("one asked, answered don't know: singular, no guarded lines")
            << tallyOf(1, {0, 0, 0, 0, 0, 0})
            << "\n 1  question asked\n\n 1  question 'don't know'\n\n 0  answered correctly\n\n"
               " 0  answered incorrectly\n"
            << "\n 0  correct and unsure (score +1)\n\n 0  correct and fairly sure (score +2)\n\n"
               " 0 correct and very sure (score +3)\n\n 0  wrong and unsure (score 0)\n\n"
               " 0 wrong and fairly sure (score -2)\n\n 0 wrong and very sure (score -6)"
            << "\nscore =  0 \n\nscore =  0 \n\nscore =  0 \n\nscore =  0 \n\nscore =  0 \n\n"
               "score =  0 \n\n total =  0 "
            << "";
    }

    void textBoxes()
    {
        QFETCH(ScoreTally, t);
        auto form = build(t);
        QTEST(boxText(*form, "Picture1"), "picture1");
        QTEST(boxText(*form, "Picture2"), "picture2");
        QTEST(boxText(*form, "Picture3"), "picture3");
        QTEST(boxText(*form, "Picture4"), "picture4");
    }

    void countsAndScoresAreLevelAndBlue()
    {
        auto form = build(tallyOf(4, {2, 0, 1, 0, 1, 0}));
        auto *counts = form->findChild<TextOutputBox *>(QStringLiteral("Picture2"));
        auto *scores = form->findChild<TextOutputBox *>(QStringLiteral("Picture3"));
        QVERIFY(counts && scores);
        QCOMPARE(counts->geometry().top(), scores->geometry().top());
        QCOMPARE(counts->font(), scores->font());
        for (const auto &line : counts->layout().lines())
            for (const auto &segment : line.segments)
                QCOMPARE(segment.color, QColor(0, 0, 255));
        for (const auto &line : scores->layout().lines())
            for (const auto &segment : line.segments)
                QCOMPARE(segment.color, QColor(0, 0, 255));
        auto *summary = form->findChild<TextOutputBox *>(QStringLiteral("Picture1"));
        QCOMPARE(summary->layout().lines().at(1).segments.at(0).color, QColor(Qt::black));
    }

    void dateAndTimeLine()
    {
        const QDate dayBefore = QDate::currentDate();
        const QTime before = QTime::currentTime();
        auto form = build(ScoreTally{});
        const QTime after = QTime::currentTime();
        const QString text = boxText(*form, "Picture7");
        const QString date = QLocale().toString(dayBefore, QLocale::LongFormat);
        QVERIFY2(text.startsWith(date + QStringLiteral(" at ")), qPrintable(text));
        const QString time = text.mid(date.size() + 4);
        QVERIFY2(time == before.toString(QStringLiteral("HH:mm"))
                     || time == after.toString(QStringLiteral("HH:mm")),
                 qPrintable(text));
        // The longest date of the year shows whole.
        auto *box = form->findChild<QWidget *>(QStringLiteral("Picture7"));
        const QString longest
            = QLocale().toString(QDate(2026, 9, 30), QLocale::LongFormat) + QStringLiteral(" at 23:59");
        QVERIFY2(QFontMetrics(box->font()).horizontalAdvance(longest) < box->width(), qPrintable(longest));
    }

    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<bool>("opaque");
        QTest::addColumn<int>("alignment");
        QTest::newRow("Label1") << "Label1"
                                << "  wrong" << QRect(16, 8, 89, 33) << QColor(255, 0, 0) << true
                                << int(Qt::AlignLeft);
        QTest::newRow("Label2") << "Label2"
                                << "correct  " << QRect(104, 8, 89, 33) << QColor(0, 192, 0) << true
                                << int(Qt::AlignRight);
        QTest::newRow("Label3") << "Label3"
                                << "unsure" << QRect(56, 72, 105, 33) << QColor(Qt::black) << false
                                << int(Qt::AlignHCenter);
        QTest::newRow("Label4") << "Label4"
                                << "fairly sure" << QRect(56, 120, 105, 33) << QColor(Qt::black) << false
                                << int(Qt::AlignHCenter);
        QTest::newRow("Label5") << "Label5"
                                << "very sure" << QRect(56, 168, 105, 33) << QColor(Qt::black) << false
                                << int(Qt::AlignHCenter);
    }

    void labels()
    {
        QFETCH(QString, name);
        auto form = build(tallyOf(4, {2, 0, 1, 0, 1, 0}));
        auto *label = form->chart()->findChild<QLabel *>(name);
        QVERIFY(label);
        QTEST(label->text(), "caption");
        QTEST(label->geometry(), "geometry");
        QTEST(label->palette().color(QPalette::WindowText), "color");
        QTEST(label->autoFillBackground(), "opaque");
        QFETCH(int, alignment);
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
        if (label->autoFillBackground())
            QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::white));
    }

    void layoutInTwips()
    {
        auto form = build(ScoreTally{});
        const struct {
            const char *name;
            QRect rect;
        } places[] = {
            {"Picture7", QRect(16, 272, 305, 33)},    {"Picture6", QRect(16, 304, 216, 238)},
            {"Picture1", QRect(256, 8, 465, 233)},    {"Picture2", QRect(256, 304, 257, 249)},
            {"Picture3", QRect(504, 304, 209, 249)},  {"Picture4", QRect(248, 600, 481, 81)},
            {"Picture5", QRect(776, 0, 240, 240)},    {"Command2", QRect(776, 400, 241, 33)},
            {"Command5", QRect(776, 592, 241, 33)},   {"endprintscore", QRect(776, 640, 241, 33)},
            {"endnoprint", QRect(776, 688, 241, 33)}, {"Shape3", QRect(0, 0, 1024, 768)},
        };
        for (const auto &p : places) {
            auto *w = form->findChild<QWidget *>(QString::fromLatin1(p.name));
            QVERIFY2(w, p.name);
            QCOMPARE(w->geometry(), p.rect);
        }
        QVERIFY(!form->findChild<QWidget *>(QStringLiteral("Shape1")));
        QCOMPARE(form->objectName(), QStringLiteral("Form3"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Quorix self-assessment questions"));
    }

    void buttons()
    {
        auto form = build(tallyOf(4, {2, 0, 1, 0, 1, 0}));
        form->show();
        auto button
            = [&](const char *name) { return form->findChild<QPushButton *>(QString::fromLatin1(name)); };
        QCOMPARE(button("Command2")->text(), QStringLiteral("More questions"));
        QCOMPARE(button("Command5")->text(), QStringLiteral("Back to main menu"));
        QCOMPARE(button("endprintscore")->text(), QStringLiteral("Print my score and END"));
        QCOMPARE(button("endnoprint")->text(), QStringLiteral("END - don't print my results"));

        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(m_nav.moreCalls, 1);
        QTest::mouseClick(button("Command5"), Qt::LeftButton);
        QCOMPARE(m_nav.backCalls, 1);
        QCOMPARE(m_nav.backFrom, form.get());
        QTest::mouseClick(button("endprintscore"), Qt::LeftButton);
        QCOMPARE(m_nav.printCalls, 1);
        QCOMPARE(m_nav.printFrom, form.get());
        QTest::mouseClick(button("endnoprint"), Qt::LeftButton);
        QCOMPARE(m_nav.endCalls, 1);
    }

    void builtOnceFromTheTallyOfItsLoading()
    {
        auto form = build(tallyOf(4, {2, 0, 1, 0, 1, 0}));
        // Shown once before the tally moves on, so that the show below is a
        // second one, which must not build the screen again.
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QString before = boxText(*form, "Picture1");
        const auto chartBefore = describe(form->chart()->commands());
        m_tally = tallyOf(9, {5, 0, 1, 0, 1, 0});
        form->hide();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(boxText(*form, "Picture1"), before);
        QCOMPARE(describe(form->chart()->commands()), chartBefore);
    }
};

QTEST_MAIN(TestForm3)
#include "test_form3.moc"
