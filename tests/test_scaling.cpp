// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form1.h"
#include "app/menustate.h"
#include "core/settings.h"
#include "exercises/bmiexercise.h"
#include "exercises/form4.h"
#include "exercises/form5.h"
#include "exercises/parexercise.h"
#include "progress/progresskeeper.h"
#include "scoring/answerlog.h"
#include "scoring/form3.h"
#include "tests/support/dialoganswerer.h"
#include "tests/support/form2harness.h"
#include "tests/support/tallies.h"
#include "ui/frames.h"
#include "ui/reportprinter.h"
#include "ui/twips.h"
#include "ui/windowplacement.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace quorix;
using namespace quorixtest;

namespace {

// A few controls of each screen at their design places (twips, inside their
// parent), as the layout tables give them.
struct Twips {
    const char *name;
    int left, top, width, height;
};
const std::map<QString, std::vector<Twips>> placesOf = {
    {"Form1",
     {{"Frame1", 840, 960, 10575, 9255},
      {"Option1", 360, 720, 8000, 450},
      {"Picture1", 11640, 0, 3690, 2925},
      {"keepProgress", 11640, 8040, 3615, 495}}},
    {"Form2",
     {{"Command2", 11640, 7320, 3615, 495},
      {"Picture7", 960, 240, 5295, 855},
      {"Option8", 240, 720, 4575, 375}}},
    {"Form3", {{"Picture6", 240, 4560, 3240, 3570}, {"Picture4", 3720, 9000, 7215, 1215}}},
    {"Form4", {{"Option3", 120, 1800, 7215, 450}, {"selectperson", 11640, 4440, 3615, 495}}},
    {"Form5", {{"Option2", 120, 960, 3015, 400}, {"Picture8", 4320, 5640, 3615, 1815}}},
};

QRect expectedAt(const Twips &t, double s)
{
    const auto at = [s](int twips) { return int(std::lround(twips / 15 * s)); };
    return QRect(QPoint(at(t.left), at(t.top)), QPoint(at(t.left + t.width) - 1, at(t.top + t.height) - 1));
}

// Every screen in a state that shows its widest captions.
struct Screens {
    QTemporaryDir emptyFolder;
    DataFolder folder{emptyFolder.path()};
    MenuState menu{folder};
    Settings settings{QString()};
    ProgressKeeper progress{settings, QString()};
    ScoreTally tally = tallyOf(5, {2, 0, 1, 0, 1, 0});
    AnswerLog log;
    BmiExercise bmi;
    ParExercise par;
    RandomSource random{11};
    FakeNavigation nav;
    Harness questions{5};
    std::unique_ptr<ScreenWindow> owned;

    ScreenWindow *open(const QString &name)
    {
        if (name == "Form2") {
            questions.acceptBank(makeBank(5));
            Form2 *form = questions.open();
            for (const char *control : {"Command2", "Option1", "Option8", "OKanswer"})
                questions.click(control);
            return form;
        }
        if (name == "Form1") {
            auto form = std::make_unique<Form1>(menu, progress, nav);
            for (int k = 1; k <= 10; ++k)
                setCaption(form->option(k), "Diet and health: cardiovascular disease, diabetes and cancer");
            form->frame1()->show();
            owned = std::move(form);
        } else if (name == "Form3") {
            owned = std::make_unique<Form3>(tally, log, nav);
        } else {
            if (name == "Form4")
                owned = std::make_unique<Form4>(bmi, random, nav);
            else
                owned = std::make_unique<Form5>(par, random, folder, nav);
            owned->findChild<QPushButton *>("selectperson")->click();
        }
        owned->show();
        return owned.get();
    }
};

} // namespace

class TestScaling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startScaleFitsTheScreen_data();
    void startScaleFitsTheScreen();
    void zoomStepsAndEdges();
    void largestScreenBoundsTheWindow_data();
    void largestScreenBoundsTheWindow();
    void hugeWindowStaysWithinTheScreen();
    void screensAtScale_data();
    void screensAtScale();
    void captionShrinksUntilItFits();
    void layoutFollowsResize();
    void windowsShareOnePlacementAndZoom();
    void namePromptStandsOverItsScreen();
};

void TestScaling::startScaleFitsTheScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<double>("start");
    QTest::newRow("1280 x 1024 opens at 1") << QRect(0, 0, 1280, 1024) << 1.0;
    QTest::newRow("1280 x 720 about 0.9") << QRect(0, 0, 1280, 720) << 0.875;
    QTest::newRow("1366 x 768 laptop with a panel") << QRect(0, 28, 1366, 740) << 230.0 / 256;
    QTest::newRow("1024 x 600 netbook") << QRect(0, 0, 1024, 600) << 184.0 / 256;
    QTest::newRow("too small a screen stops at 0.5") << QRect(0, 0, 640, 400) << 0.5;
    QTest::newRow("a large display starts at 1") << QRect(0, 0, 2560, 1440) << 1.0;
}

void TestScaling::startScaleFitsTheScreen()
{
    QFETCH(QRect, available);
    QFETCH(double, start);
    const double s = WindowPlacement::startScale(available, WindowPlacement::AssumedFrame);
    QCOMPARE(s, start);
    const QSize client = WindowPlacement::clientSize(s) + WindowPlacement::AssumedFrame;
    QVERIFY(s == 0.5 || (client.width() <= available.width() && client.height() <= available.height()));
}

void TestScaling::zoomStepsAndEdges()
{
    QCOMPARE(WindowPlacement::zoomedScale(1.0, 1, 1.25), 282.0 / 256);
    QCOMPARE(WindowPlacement::zoomedScale(1.2, 1, 1.25), 1.25);
    QCOMPARE(WindowPlacement::zoomedScale(0.875, -1, 1.0), 198.0 / 256);
    QCOMPARE(WindowPlacement::zoomedScale(0.55, -1, 1.25), 0.5);
    // Rounded edges: neighbours that touch in the design still touch.
    QCOMPARE(scaledRect(twipsRect(11640, 10200, 3615, 495), 0.5), QRect(388, 340, 121, 17));
    QCOMPARE(scaledRect(QRect(0, 0, 100, 10), 0.37).right() + 1,
             scaledRect(QRect(100, 0, 50, 10), 0.37).left());
}

void TestScaling::largestScreenBoundsTheWindow_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QSize>("size");
    QTest::newRow("no screen keeps the design") << QList<QRect>{} << 1.0 << QSize(1024, 768);
    QTest::newRow("1280 x 1024") << QList<QRect>{{0, 0, 1280, 1024}} << 1.25 << QSize(1280, 1024);
    QTest::newRow("the larger of two side by side")
        << QList<QRect>{{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}} << 360.0 / 256 << QSize(1920, 1080);
    QTest::newRow("a portrait screen is bounded by its width")
        << QList<QRect>{{0, 0, 1080, 1920}} << 270.0 / 256 << QSize(1080, 1920);
    QTest::newRow("a tiny screen stops at 0.5") << QList<QRect>{{0, 0, 320, 240}} << 0.5 << QSize(320, 240);
}

void TestScaling::largestScreenBoundsTheWindow()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(double, scale);
    QFETCH(QSize, size);
    QCOMPARE(WindowPlacement::largestScale(screens), scale);
    QCOMPARE(WindowPlacement::largestSize(screens), size);
}

void TestScaling::hugeWindowStaysWithinTheScreen()
{
    FakeNavigation nav;
    ScreenWindow form("Form3", nav);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // The test screen is 1280 x 1024: the design area fills it at 1.25.
    form.resize(10000, 10000);
    QCOMPARE(form.size(), QSize(1280, 1024));
    QCOMPARE(form.scale(), 1.25);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&form, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(form.scale() <= 1.25);
    form.setScale(4);
    QCOMPARE(form.scale(), 1.25);
}

void TestScaling::screensAtScale_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<double>("scale");
    for (const char *screen : {"Form1", "Form2", "Form3", "Form4", "Form5"})
        for (double s : {0.5, 0.75, 1.25})
            QTest::addRow("%s at %g", screen, s) << QString::fromLatin1(screen) << s;
}

void TestScaling::screensAtScale()
{
    QFETCH(QString, screen);
    QFETCH(double, scale);
    Screens screens;
    ScreenWindow *form = screens.open(screen);
    form->setScale(scale);
    QCOMPARE(form->size(), WindowPlacement::clientSize(scale));
    for (const Twips &place : placesOf.at(screen)) {
        auto *w = form->findChild<QWidget *>(place.name);
        const QRect expected = expectedAt(place, scale)
                                   .translated(w->parentWidget() == form ? form->designOrigin() : QPoint());
        QVERIFY2((w->geometry().topLeft() - expected.topLeft()).manhattanLength() <= 2, place.name);
        QVERIFY2((w->geometry().bottomRight() - expected.bottomRight()).manhattanLength() <= 2, place.name);
    }

    const QRect area(form->designOrigin(), WindowPlacement::clientSize(scale));
    const int indicator = form->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        const QRect inside = w->parentWidget() == form ? area : w->parentWidget()->rect();
        QVERIFY2(inside.adjusted(-1, -1, 1, 1).contains(w->geometry()), qPrintable(w->objectName()));
        QString caption;
        if (const auto *button = qobject_cast<QAbstractButton *>(w))
            caption = button->text();
        else if (const auto *frame = qobject_cast<QGroupBox *>(w))
            caption = frame->title();
        else if (const auto *label = qobject_cast<QLabel *>(w); label && !label->wordWrap())
            caption = label->text();
        const int needed = w->fontMetrics().size(Qt::TextShowMnemonic, caption).width()
            + (qobject_cast<QRadioButton *>(w) ? indicator : 0);
        QVERIFY2(caption.isEmpty() || needed <= w->width(), qPrintable(w->objectName() + ": " + caption));
    }
}

void TestScaling::captionShrinksUntilItFits()
{
    FakeNavigation nav;
    ScreenWindow form("Form2", nav);
    const QString caption = QStringLiteral("I am fairly sure (score +2, or -2 if wrong)");
    QPushButton *narrow = form.addButton(&form, "narrow", caption, 0, 0, 2400, 495);
    QPushButton *wide = form.addButton(&form, "wide", caption, 0, 600, 9000, 495);
    QPushButton *hidden = form.addButton(&form, "hidden", QStringLiteral("OK"), 0, 1200, 2400, 495);
    hidden->hide();
    form.show();
    for (double s : {1.0, 0.5, 1.25}) {
        form.setScale(s);
        QCOMPARE(wide->font().pointSizeF(), 9.75 * s);
        QVERIFY(narrow->font().pointSizeF() < 9.75 * s);
        QVERIFY(narrow->fontMetrics().horizontalAdvance(caption) <= narrow->width());
    }
    setCaption(narrow, QStringLiteral("OK")); // a new caption is fitted at once
    QCOMPARE(narrow->font().pointSizeF(), 9.75 * 1.25);

    // A hidden control is measured when it is shown, at the scale of then.
    setCaption(hidden, caption);
    QCOMPARE(hidden->font().pointSizeF(), 9.75 * 1.25);
    form.setScale(0.5);
    hidden->show();
    QVERIFY(hidden->font().pointSizeF() < 9.75 * 0.5);
    QVERIFY(hidden->fontMetrics().horizontalAdvance(caption) <= hidden->width());
}

void TestScaling::layoutFollowsResize()
{
    Harness h;
    h.acceptBank(makeBank(3));
    Form2 *form = h.open();
    form->resize(1200, 700);
    QTRY_COMPARE(form->size(), QSize(1200, 700));
    const double s = 700.0 / 768;
    QCOMPARE(form->scale(), s);
    const QPoint origin((1200 - qRound(1024 * s)) / 2, 0);
    QCOMPARE(form->designOrigin(), origin);
    QCOMPARE(form->outline()->geometry(), QRect(origin, WindowPlacement::clientSize(s)));
    QWidget *command2 = h.child("Command2");
    QCOMPARE(command2->geometry(), expectedAt({"", 11640, 7320, 3615, 495}, s).translated(origin));
    QVERIFY(command2->font().pointSizeF() <= 9.75 * s && command2->font().pointSizeF() > 9.75 * s * 0.8);

    form->resize(300, 200); // below the smallest scale
    QCOMPARE(form->size(), QSize(512, 384));
    QCOMPARE(form->scale(), 0.5);
}

void TestScaling::windowsShareOnePlacementAndZoom()
{
    struct SharingNavigation : FakeNavigation {
        WindowPlacement shared;
        WindowPlacement *placement() override { return &shared; }
    } nav;
    ScreenWindow first("Form1", nav), second("Form2", nav);
    first.show();
    first.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&first));
    QCOMPARE(first.scale(), 1.0); // the test screen holds 1024 x 768 and more
    const QRect available = first.screen()->availableGeometry();
    QVERIFY(available.contains(first.frameGeometry()));

    QTest::keyClick(&first, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(first.size(), WindowPlacement::clientSize(282.0 / 256));
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(&first, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(first.width() <= available.width() && first.height() <= available.height());
    const double largest = first.scale();
    QTest::keyClick(&first, Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(first.scale() < largest);
    QTest::keyClick(&first, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(first.scale(), 1.0);

    first.resize(800, 600);
    first.move(available.topLeft() + QPoint(30, 20));
    QTRY_COMPARE(first.pos(), available.topLeft() + QPoint(30, 20));
    first.hide();
    second.show();
    QCOMPARE(second.geometry(), first.geometry());
    QCOMPARE(second.scale(), 600.0 / 768);
}

void TestScaling::namePromptStandsOverItsScreen()
{
    FakeNavigation nav;
    ScreenWindow form("Form2", nav);
    form.resize(612, 384); // s = 0.5, the design area 50 pixels in from the left
    form.move(form.screen()->availableGeometry().topLeft() + QPoint(100, 60));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QPoint position;
    DialogAnswerer answer({[&](QWidget *w) {
        position = w->pos();
        qobject_cast<QDialog *>(w)->reject();
    }});
    askStudentName(&form);
    QCOMPARE(position, form.mapToGlobal(QPoint(50 + 15, 150)));
}

QTEST_MAIN(TestScaling)
#include "test_scaling.moc"
