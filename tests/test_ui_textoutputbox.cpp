// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/textoutputbox.h"

#include "ui/fonts.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTest>

#include <vector>

using namespace quorix;

Q_DECLARE_METATYPE(quorix::PrintScript)

namespace {

using P = PrintItem;

// A fixed metric: every character 10 wide, "W" 20, "i" 4; columns 10 wide.
double measure(const QString &text)
{
    double width = 0;
    for (QChar c : text)
        width += c == QLatin1Char('W') ? 20 : c == QLatin1Char('i') ? 4 : 10;
    return width;
}

TextLayout makeLayout()
{
    return TextLayout(measure, 10);
}

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

} // namespace

class TestTextOutputBox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }

    void plainText_data();
    void plainText();
    void positions_data();
    void positions();
    void openLineCounts();
    void coloursPerSegment();
    void clearEmptiesAndKeepsColour();

    void boxAccessibleTextFollowsPrintsAndClears();
    void boxRelaysOutOnFontChange();
    void boxPaintsTextAndBackground();
};

void TestTextOutputBox::plainText_data()
{
    QTest::addColumn<PrintScript>("script");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text then line end has no trailing line end")
        << PrintScript{P::textItem("abc"), P::lineEnd()} << "abc";
    QTest::newRow("print without line end leaves the line open")
        << PrintScript{P::textItem("ab"), P::textItem("cd")} << "abcd";
    QTest::newRow("text is printed character for character")
        << PrintScript{P::textItem("  two  blanks  "), P::lineEnd()} << "  two  blanks  ";
    QTest::newRow("positive number has a sign blank and a trailing blank")
        << PrintScript{P::textItem("BMI = "), P::numberItem(22.4)} << "BMI =  22.4 ";
    QTest::newRow("negative number takes the sign position")
        << PrintScript{P::textItem("score = "), P::numberItem(-12)} << "score = -12 ";
    QTest::newRow("zero") << PrintScript{P::numberItem(0)} << " 0 ";
    QTest::newRow("negative zero prints as zero") << PrintScript{P::numberItem(-0.0)} << " 0 ";
    QTest::newRow("product giving negative zero") << PrintScript{P::numberItem(0 * -2.0)} << " 0 ";
    QTest::newRow("column step pads to the column")
        << PrintScript{P::columnStep(10), P::textItem("x")} << blanks(9) + "x";
    QTest::newRow("column 1 is the left edge") << PrintScript{P::columnStep(1), P::textItem("x")} << "x";
    QTest::newRow("column 0 counts as column 1") << PrintScript{P::columnStep(0), P::textItem("x")} << "x";
    QTest::newRow("column step exactly at the position stays on the line")
        << PrintScript{P::textItem("abcdefghi"), P::columnStep(10), P::textItem("y")} << "abcdefghiy";
    QTest::newRow("column step already passed continues on the next line at that column")
        << PrintScript{P::textItem("abcdefghijkl"), P::columnStep(10), P::textItem("y")}
        << "abcdefghijkl\n" + blanks(9) + "y";
    QTest::newRow("wide letters pass the column with fewer characters")
        << PrintScript{P::textItem("WWWWW"), P::columnStep(10), P::textItem("y")}
        << "WWWWW\n" + blanks(9) + "y";
    QTest::newRow("narrow letters do not pass it with more characters")
        << PrintScript{P::textItem("iiiiiiiiiiii"), P::columnStep(10), P::textItem("y")} << "iiiiiiiiiiiiy";
    QTest::newRow("line end at the start of a line gives an empty line")
        << PrintScript{P::lineEnd(), P::textItem("a"), P::lineEnd(),
                       P::lineEnd(), P::textItem("b"), P::lineEnd()}
        << "\na\n\nb";
    QTest::newRow("empty text then line end is an empty line")
        << PrintScript{P::textItem("a"), P::lineEnd(), P::textItem(""), P::lineEnd()} << "a\n";
    QTest::newRow("report line with count and column 50")
        << PrintScript{P::columnStep(10), P::numberItem(3),        P::textItem(" wrong and unsure (score 0)"),
                       P::columnStep(50), P::textItem("score = "), P::numberItem(0),
                       P::lineEnd()}
        << blanks(9) + " 3  wrong and unsure (score 0)" + blanks(10) + "score =  0 ";
    QTest::newRow("column step then line end keeps the blanks")
        << PrintScript{P::columnStep(4), P::lineEnd(), P::textItem("z")} << blanks(3) + "\nz";
}

void TestTextOutputBox::plainText()
{
    QFETCH(PrintScript, script);
    QFETCH(QString, expected);
    TextLayout layout = makeLayout();
    layout.print(script);
    QCOMPARE(layout.plainText(), expected);
}

void TestTextOutputBox::positions_data()
{
    QTest::addColumn<PrintScript>("script");
    QTest::addColumn<std::vector<double>>("segmentX"); // of the last line
    QTest::addColumn<double>("position");

    QTest::newRow("text advances by its width")
        << PrintScript{P::textItem("ab"), P::textItem("W")} << std::vector<double>{0, 20} << 40.0;
    QTest::newRow("column step moves right")
        << PrintScript{P::textItem("ab"), P::columnStep(5), P::textItem("c")} << std::vector<double>{0, 40}
        << 50.0;
    QTest::newRow("passed column starts the next line there")
        << PrintScript{P::textItem("abcdefghijkl"), P::columnStep(10), P::textItem("y")}
        << std::vector<double>{90} << 100.0;
    QTest::newRow("number width includes its blanks")
        << PrintScript{P::numberItem(12)} << std::vector<double>{0} << 40.0;
    QTest::newRow("line end returns to the left edge")
        << PrintScript{P::textItem("abc"), P::lineEnd()} << std::vector<double>{0} << 0.0;
}

void TestTextOutputBox::positions()
{
    QFETCH(PrintScript, script);
    QFETCH(std::vector<double>, segmentX);
    QFETCH(double, position);
    TextLayout layout = makeLayout();
    layout.print(script);
    QVERIFY(!layout.lines().empty());
    const auto &segments = layout.lines().back().segments;
    QCOMPARE(segments.size(), segmentX.size());
    for (std::size_t i = 0; i < segments.size(); ++i)
        QCOMPARE(segments[i].x, segmentX[i]);
    QCOMPARE(layout.position(), position);
}

void TestTextOutputBox::openLineCounts()
{
    TextLayout layout = makeLayout();
    QCOMPARE(layout.lines().size(), 0u);
    layout.printText("a");
    QCOMPARE(layout.lines().size(), 1u); // the unfinished line counts
    layout.endLine();
    QCOMPARE(layout.lines().size(), 1u); // and is not counted twice once ended
    layout.endLine();
    QCOMPARE(layout.lines().size(), 2u);
    QCOMPARE(layout.plainText(), QString("a\n"));
}

void TestTextOutputBox::coloursPerSegment()
{
    TextLayout layout = makeLayout();
    layout.setTextColor(Qt::red);
    layout.printText("a");
    layout.setTextColor(Qt::blue);
    layout.printText("b");
    layout.endLine();
    layout.printText("c");
    QCOMPARE(layout.lines().size(), 2u);
    QCOMPARE(layout.lines()[0].segments[0].color, QColor(Qt::red));
    QCOMPARE(layout.lines()[0].segments[1].color, QColor(Qt::blue));
    QCOMPARE(layout.lines()[1].segments[0].color, QColor(Qt::blue));
}

void TestTextOutputBox::clearEmptiesAndKeepsColour()
{
    TextLayout layout = makeLayout();
    layout.setTextColor(Qt::green);
    layout.print({P::textItem("abc"), P::lineEnd(), P::textItem("def")});
    layout.clear();
    QCOMPARE(layout.lines().size(), 0u);
    QCOMPARE(layout.plainText(), QString());
    QCOMPARE(layout.position(), 0.0);
    layout.printText("x");
    QCOMPARE(layout.lines().size(), 1u);
    QCOMPARE(layout.lines()[0].segments[0].x, 0.0);
    QCOMPARE(layout.lines()[0].segments[0].color, QColor(Qt::green));
}

void TestTextOutputBox::boxAccessibleTextFollowsPrintsAndClears()
{
    QWidget parent;
    TextOutputBox box(&parent, "Picture7", "Feedback");
    QCOMPARE(box.objectName(), QString("Picture7"));
    QCOMPARE(box.accessibleName(), QString("Feedback"));
    QCOMPARE(box.accessibleDescription(), QString());

    box.print({P::columnStep(2), P::textItem("You did not know the answer"), P::lineEnd()});
    const QString first = box.accessibleDescription();
    QVERIFY2(first.startsWith(' ') && first.endsWith("answer"), qPrintable(first));
    box.print({P::columnStep(2), P::textItem("This statement is true")});
    QCOMPARE(box.accessibleDescription(), first + "\n This statement is true");
    box.printLine("!");
    QCOMPARE(box.accessibleDescription(), first + "\n This statement is true!");
    box.clear();
    QCOMPARE(box.accessibleDescription(), QString());
    QCOMPARE(box.accessibleName(), QString("Feedback"));
}

void TestTextOutputBox::boxRelaysOutOnFontChange()
{
    QWidget parent;
    TextOutputBox box(&parent, "Picture1", "Summary");
    box.setTextColor(Qt::red);
    box.print({P::textItem("ab"), P::columnStep(10)});
    box.setTextColor(Qt::blue);
    box.print({P::textItem("x")});

    const QFont big = screenFont(24);
    box.setFont(big);
    const QFontMetricsF metrics(big);
    const auto &segments = box.layout().lines().at(0).segments;
    QCOMPARE(segments.size(), 2u);
    QCOMPARE(segments[1].x, 9 * metrics.averageCharWidth());
    QCOMPARE(segments[0].color, QColor(Qt::red));
    QCOMPARE(segments[1].color, QColor(Qt::blue));
    QCOMPARE(box.plainText(), "ab" + blanks(7) + "x");
    QCOMPARE(box.accessibleDescription(), box.plainText());
    // What follows is still printed in the colour set last.
    box.print({P::textItem("y")});
    QCOMPARE(box.layout().lines().at(0).segments.back().color, QColor(Qt::blue));
}

void TestTextOutputBox::boxPaintsTextAndBackground()
{
    QWidget parent;
    TextOutputBox box(&parent, "Picture6", "Face", 20);
    box.resize(200, 60);
    box.setTextColor(QColor(255, 0, 0));
    box.printLine("XXXX");
    box.setBackgroundColor(QColor(0, 255, 0));
    const QImage image = box.grab().toImage();
    QCOMPARE(image.pixelColor(199, 59), QColor(0, 255, 0));
    QCOMPARE(image.pixelColor(0, 0), QColor(0, 255, 0));
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixelColor(x, y) == QColor(255, 0, 0);
    QVERIFY2(red > 20, "the printed text is kept when the background changes");
}

QTEST_MAIN(TestTextOutputBox)
#include "test_ui_textoutputbox.moc"
