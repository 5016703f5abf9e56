// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/fakenavigation.h"
#include "ui/facebox.h"
#include "ui/fonts.h"
#include "ui/frames.h"
#include "ui/labels.h"
#include "ui/navigation.h"
#include "ui/picturearea.h"
#include "ui/screenwindow.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <optional>

using namespace quorix;
using quorixtest::FakeNavigation;

namespace {

bool isDark(const QColor &c)
{
    return c.red() + c.green() + c.blue() < 3 * 100;
}

// The middle of the darkest run of pixels in column x between y0 and y1.
std::optional<int> strokeY(const QImage &image, int x, int y0, int y1)
{
    int first = -1, last = -1;
    for (int y = y0; y <= y1; ++y) {
        if (isDark(image.pixelColor(x, y))) {
            if (first < 0)
                first = y;
            last = y;
        }
    }
    if (first < 0)
        return std::nullopt;
    return (first + last) / 2;
}

int countColour(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

void writeImage(const QString &name, QSize size, const QColor &colour, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(name, format));
}

} // namespace

class TestUiWidgets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();

    void fontsResolveToLiberationSans_data();
    void fontsResolveToLiberationSans();

    void screenWindowLooksLikeADesignScreen();
    void screenWindowEndButtonsAskNavigation();
    void screenWindowCloseAsksNavigation();
    void buttonsPressWithEnter();

    void optionsAreExclusiveAndSilentFromProgram();
    void captionsShowAmpersands();
    void framesHoldTheirControls();
    void labelsShowTextLiterally();

    void faceDescriptions_data();
    void faceDescriptions();
    void faceShapes();
    void faceUsesColourOfItsPrint();

    void pictureLoads_data();
    void pictureLoads();
    void pictureUnavailable_data();
    void pictureUnavailable();
    void largePictureScaledDownAndCentred();
    void smallPictureNotScaledUp();
    void emptyNameClears();

private:
    QTemporaryDir m_dir;
    DataFolder m_folder{m_dir.path()};
};

void TestUiWidgets::initTestCase()
{
    installFontSubstitutions();
    QVERIFY(m_dir.isValid());
    const QDir dir(m_dir.path());
    writeImage(dir.filePath("red.bmp"), {40, 30}, Qt::red, "BMP");
    writeImage(dir.filePath("blue.png"), {40, 30}, Qt::blue, "PNG");
    writeImage(dir.filePath("wide.bmp"), {2000, 1000}, Qt::red, "BMP");
    writeImage(dir.filePath("small.png"), {100, 50}, Qt::blue, "PNG");
    QVERIFY(dir.mkdir("pictures"));
    writeImage(dir.filePath("pictures/blue.png"), {40, 30}, Qt::blue, "PNG");
    writeImage(dir.filePath("two..dots.png"), {40, 30}, Qt::blue, "PNG");
    QFile junk(dir.filePath("junk.bmp"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("BM this is not a bitmap at all");
    junk.close();
    QFile empty(dir.filePath("empty.png"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QVERIFY(dir.mkdir("folder.bmp"));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo.bmp")).constData(), 0600), 0);
}

void TestUiWidgets::fontsResolveToLiberationSans_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::newRow("screen font") << screenFont() << 9.75 << true;
    QTest::newRow("statement labels") << screenFont(12) << 12.0 << true;
    QTest::newRow("OK on the menu") << screenFont(8.25) << 8.25 << true;
    QTest::newRow("not bold") << screenFont(9.75, false) << 9.75 << false;
    QFont arial("Arial");
    arial.setPointSizeF(10);
    QTest::newRow("report Arial") << arial << 10.0 << false;
}

void TestUiWidgets::fontsResolveToLiberationSans()
{
    QFETCH(QFont, font);
    QFETCH(double, pointSize);
    QFETCH(bool, bold);
    const QFontInfo info(font);
    QCOMPARE(info.family(), QString("Liberation Sans"));
    QCOMPARE(info.bold(), bold);
    QVERIFY2(qAbs(info.pointSizeF() - pointSize) < 0.5, qPrintable(QString::number(info.pointSizeF())));
}

void TestUiWidgets::screenWindowLooksLikeADesignScreen()
{
    FakeNavigation nav;
    ScreenWindow w("Form2", nav);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.objectName(), QString("Form2"));
    QCOMPARE(w.windowTitle(), QString("Quorix self-assessment questions"));
    QCOMPARE(programTitle(), QString("Quorix self-assessment questions"));
    QCOMPARE(w.size(), QSize(1024, 768));
    QCOMPARE(w.minimumSize(), QSize(512, 384));
    QVERIFY2(w.screen()->availableGeometry().width() >= 1024
                 && w.screen()->availableGeometry().height() >= 768,
             "the test screen must hold a whole 1024 x 768 window");
    QVERIFY(w.frameGeometry().width() <= w.screen()->availableGeometry().width());

    QWidget *shape = w.findChild<QWidget *>("Shape1");
    QVERIFY(shape);
    QCOMPARE(shape, w.outline());
    QCOMPARE(shape->geometry(), QRect(0, 0, 1024, 768));
    const QImage image = w.grab().toImage();
    QCOMPARE(image.pixelColor(0, 300), QColor(Qt::black));
    QCOMPARE(image.pixelColor(1023, 767), QColor(Qt::black));
    QCOMPARE(image.pixelColor(500, 300), QColor(Qt::white));

    // The outline lies beneath the controls and lets clicks through.
    QPushButton *b = w.addButton(&w, "Command2", "Select a question", 11640, 7320, 3615, 495);
    QSignalSpy clicked(b, &QPushButton::clicked);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(b->geometry(), QRect(776, 488, 241, 33));
    QCOMPARE(QFontInfo(b->font()).bold(), true);
}

void TestUiWidgets::screenWindowEndButtonsAskNavigation()
{
    FakeNavigation nav;
    ScreenWindow w("Form1", nav);
    w.addEndButtons(9480, 10200);
    QPushButton *print = w.findChild<QPushButton *>("endprintscore");
    QPushButton *end = w.findChild<QPushButton *>("endnoprint");
    QVERIFY(print && end);
    QCOMPARE(print, w.endPrintScoreButton());
    QCOMPARE(end, w.endNoPrintButton());
    QCOMPARE(print->text(), QString("Print my score and END"));
    QCOMPARE(end->text(), QString("END - don't print my results"));
    QCOMPARE(print->geometry(), QRect(776, 632, 241, 33));
    QCOMPARE(end->geometry(), QRect(776, 680, 241, 33));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(nav.calls, QStringList{"print"});
    QCOMPARE(nav.lastFrom, &w);
    QTest::mouseClick(end, Qt::LeftButton);
    QCOMPARE(nav.calls, (QStringList{"print", "end"}));
}

void TestUiWidgets::screenWindowCloseAsksNavigation()
{
    FakeNavigation nav;
    ScreenWindow w("Form4", nav);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    nav.allowClose = false;
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(nav.calls, QStringList{"close"});
    QCOMPARE(nav.lastFrom, &w);

    nav.allowClose = true;
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    QCOMPARE(nav.calls, (QStringList{"close", "close"}));
}

void TestUiWidgets::buttonsPressWithEnter()
{
    FakeNavigation nav;
    ScreenWindow w("Form2", nav);
    QPushButton *b = w.addButton(&w, "Command5", "See the explanation", 2760, 1200, 3495, 375);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    b->setFocus();
    QSignalSpy clicked(b, &QPushButton::clicked);
    QTest::keyClick(b, Qt::Key_Return);
    QTest::keyClick(b, Qt::Key_Space);
    QCOMPARE(clicked.count(), 2);
}

void TestUiWidgets::optionsAreExclusiveAndSilentFromProgram()
{
    QWidget screen;
    QGroupBox *frame
        = addFrame(&screen, "Frame1", "This statement is:", 120, 8280, 6615, 2895, QColor(255, 255, 192));
    QRadioButton *t = addOptionButton(frame, "Option1", "TRUE", 120, 360, 1900, 375);
    QRadioButton *f = addOptionButton(frame, "Option2", "FALSE", 2280, 360, 1900, 375);
    QCOMPARE(t->geometry(), QRect(8, 24, 126, 25));
    screen.resize(1024, 768);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));

    QSignalSpy tToggled(t, &QRadioButton::toggled), fToggled(f, &QRadioButton::toggled);
    QSignalSpy tClicked(t, &QRadioButton::clicked);
    QTest::mouseClick(t, Qt::LeftButton);
    QVERIFY(t->isChecked());
    QCOMPARE(tToggled.count(), 1);
    QTest::mouseClick(f, Qt::LeftButton);
    QVERIFY(f->isChecked() && !t->isChecked());

    tToggled.clear();
    fToggled.clear();
    tClicked.clear();
    setOptionSilently(t, true);
    QVERIFY(t->isChecked() && !f->isChecked());
    clearOptions({t, f});
    QVERIFY(!t->isChecked() && !f->isChecked());
    QCOMPARE(tToggled.count(), 0);
    QCOMPARE(fToggled.count(), 0);
    QCOMPARE(tClicked.count(), 0);

    // Still exclusive after being cleared, and the arrow keys choose.
    QTest::mouseClick(t, Qt::LeftButton);
    QTest::mouseClick(f, Qt::LeftButton);
    QVERIFY(f->isChecked() && !t->isChecked());
    tToggled.clear();
    QTest::keyClick(f, Qt::Key_Left);
    QVERIFY(t->isChecked() && !f->isChecked());
    QCOMPARE(tToggled.count(), 1);
    QCOMPARE(tToggled.at(0).at(0).toBool(), true);
}

void TestUiWidgets::captionsShowAmpersands()
{
    QWidget screen;
    QRadioButton *option = addOptionButton(&screen, "Option3", "Vitamins & minerals", 0, 0, 8000, 450);
    QCOMPARE(captionOf(option), QString("Vitamins & minerals"));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(option);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), QString("Vitamins & minerals"));
    setCaption(option, "option4");
    QCOMPARE(captionOf(option), QString("option4"));
    QGroupBox *frame = addFrame(&screen, "Frame1", "Fats & oils", 0, 0, 1500, 1500, Qt::yellow);
    QCOMPARE(frame->title(), QString("Fats && oils"));
}

void TestUiWidgets::framesHoldTheirControls()
{
    QWidget screen;
    QFrame *frame = addPlainFrame(&screen, "Frame3", 360, 9120, 5295, 1815, QColor(255, 255, 128));
    QRadioButton *unsure
        = addOptionButton(frame, "Option7", "I  am unsure (score +1, or 0 if wrong)", 240, 240, 4575, 375);
    screen.resize(1024, 768);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QCOMPARE(frame->geometry(), QRect(24, 608, 353, 121));
    QCOMPARE(unsure->text(), QString("I  am unsure (score +1, or 0 if wrong)"));
    QVERIFY(unsure->isVisible());
    const QImage image = frame->grab().toImage();
    QCOMPARE(image.pixelColor(350, 118), QColor(255, 255, 128));
    frame->hide();
    QVERIFY(!unsure->isVisible());
}

void TestUiWidgets::labelsShowTextLiterally()
{
    QWidget screen;
    QLabel *label = addLabel(&screen, "Label1", 120, 720, 11415, 1695, 12, true, Qt::black, Qt::white);
    const QString statement = "Vitamin <b>A</b> & <i>carotene</i> are the same";
    label->setText(statement);
    QCOMPARE(label->geometry(), QRect(8, 48, 761, 113));
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(label->wordWrap());
    QCOMPARE(QFontInfo(label->font()).pointSizeF(), 12.0);
    // A long statement wraps within the box instead of running past it.
    label->setText(QString("Carbohydrate ").repeated(20));
    QVERIFY(label->heightForWidth(label->width()) > 2 * QFontMetrics(label->font()).height());
    QVERIFY(label->heightForWidth(label->width()) <= label->height());

    QLabel *clear = addLabel(&screen, "Label3", 840, 1080, 1575, 495, 9.75, true, Qt::black, QColor());
    QVERIFY(!clear->autoFillBackground());
}

void TestUiWidgets::faceDescriptions_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<int>("face");
    QTest::addColumn<QString>("description");
    QTest::newRow("J smiles") << QChar('J') << int(FaceBox::Face::Smiling) << "smiling face";
    QTest::newRow("K is neutral") << QChar('K') << int(FaceBox::Face::Neutral) << "neutral face";
    QTest::newRow("L frowns") << QChar('L') << int(FaceBox::Face::Frowning) << "frowning face";
    QTest::newRow("other character clears") << QChar('j') << int(FaceBox::Face::None) << "";
}

void TestUiWidgets::faceDescriptions()
{
    QFETCH(QChar, character);
    QFETCH(int, face);
    QFETCH(QString, description);
    QWidget screen;
    FaceBox box(&screen, "Picture6");
    box.printFace('L');
    box.printFace(character);
    QCOMPARE(int(box.face()), face);
    QCOMPARE(box.accessibleDescription(), description);
    box.clear();
    QCOMPARE(box.face(), FaceBox::Face::None);
    QCOMPARE(box.accessibleDescription(), QString());
}

void TestUiWidgets::faceShapes()
{
    // The exercise screens' 72 pt box, 1335 x 1455 twips.
    QWidget screen;
    FaceBox box(&screen, "Picture4", 72);
    box.resize(89, 97);
    box.setBackgroundColor(Qt::white);
    const int cx = 44, cy = 48;
    const double d = 72 * box.logicalDpiY() / 72.0 * 0.9;
    const int mouthTop = cy + int(d * 0.02), mouthBottom = cy + int(d * 0.4);
    const int endX = cx - int(d * 0.2);

    struct Mouth {
        int middle, end;
    };
    auto mouthOf = [&](QChar c) {
        box.printFace(c);
        const QImage image = box.grab().toImage();
        const auto middle = strokeY(image, cx, mouthTop, mouthBottom);
        const auto end = strokeY(image, endX, mouthTop, mouthBottom);
        [&] { QVERIFY2(middle && end, "the mouth is drawn"); }();
        return Mouth{middle.value_or(0), end.value_or(0)};
    };
    const Mouth smile = mouthOf('J'), straight = mouthOf('K'), frown = mouthOf('L');
    QVERIFY2(smile.end < smile.middle, "a smile curves up at its ends");
    QVERIFY2(qAbs(straight.end - straight.middle) <= 1, "the neutral mouth is straight");
    QVERIFY2(frown.end > frown.middle, "a frown curves down at its ends");
    QVERIFY(smile.middle > straight.middle && straight.middle > frown.middle);

    // Round outline and eyes above the mouth; the background elsewhere.
    const QImage image = box.grab().toImage();
    QVERIFY(isDark(image.pixelColor(cx, cy - int(d / 2)))
            || isDark(image.pixelColor(cx, cy - int(d / 2) + 1)));
    QVERIFY(isDark(image.pixelColor(cx - int(d * 0.17), cy - int(d * 0.13))));
    QVERIFY(isDark(image.pixelColor(cx + int(d * 0.17), cy - int(d * 0.13))));
    QCOMPARE(image.pixelColor(cx, cy - int(d * 0.3)), QColor(Qt::white));
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));

    box.clear();
    QCOMPARE(countColour(box.grab().toImage(), Qt::white), 89 * 97);
}

void TestUiWidgets::faceUsesColourOfItsPrint()
{
    QWidget screen;
    FaceBox box(&screen, "Picture6", 36);
    box.resize(49, 57);
    box.setBackgroundColor(QColor(255, 50, 0));
    box.setTextColor(QColor(0, 0, 255));
    box.printFace('L');
    box.setTextColor(QColor(0, 255, 0)); // applies only to what is printed next
    const QImage image = box.grab().toImage();
    QCOMPARE(image.pixelColor(0, 0), QColor(255, 50, 0));
    QVERIFY(countColour(image, QColor(0, 0, 255)) > 10);
    QCOMPARE(countColour(image, QColor(0, 255, 0)), 0);
    box.setBackgroundColor(QColor(200, 200, 200));
    QCOMPARE(box.grab().toImage().pixelColor(48, 56), QColor(200, 200, 200));
}

void TestUiWidgets::pictureLoads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("BMP") << "red.bmp" << QColor(Qt::red);
    QTest::newRow("PNG") << "blue.png" << QColor(Qt::blue);
    QTest::newRow("in a subfolder") << "pictures/blue.png" << QColor(Qt::blue);
    QTest::newRow("two dots inside a name") << "two..dots.png" << QColor(Qt::blue);
}

void TestUiWidgets::pictureLoads()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QWidget screen;
    PictureArea area(&screen, "Picture1");
    area.resize(100, 100);
    QVERIFY(area.loadPicture(m_folder, name));
    QVERIFY(area.isAvailable());
    QCOMPARE(area.fileName(), name);
    QCOMPARE(area.accessibleDescription(), name);
    QCOMPARE(area.grab().toImage().pixelColor(50, 50), colour);
}

void TestUiWidgets::pictureUnavailable_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << "nowhere.bmp";
    QTest::newRow("garbage in a bitmap's name") << "junk.bmp";
    QTest::newRow("empty file") << "empty.png";
    QTest::newRow("a folder") << "folder.bmp";
    QTest::newRow("a FIFO is not opened") << "fifo.bmp";
    // Each names a readable picture, but not by a name inside the folder.
    QTest::newRow("absolute name") << m_dir.filePath("red.bmp");
    QTest::newRow("out and back in by ..") << "../" + QFileInfo(m_dir.path()).fileName() + "/red.bmp";
    QTest::newRow(".. inside the name") << "pictures/../red.bmp";
}

void TestUiWidgets::pictureUnavailable()
{
    QFETCH(QString, name);
    QWidget screen;
    PictureArea area(&screen, "Picture1");
    area.resize(452, 380);
    QVERIFY(area.loadPicture(m_folder, "red.bmp"));
    QVERIFY(!area.loadPicture(m_folder, name)); // replaces what it showed
    QVERIFY(!area.isAvailable());
    QCOMPARE(area.fileName(), name);
    QCOMPARE(area.accessibleDescription(), "Picture not available: " + name);
    const QImage image = area.grab().toImage();
    QCOMPARE(image.pixelColor(1, 1), QColor(192, 192, 192));
    QCOMPARE(countColour(image, Qt::red), 0);
    QVERIFY2(countColour(image, QColor(192, 192, 192)) < 452 * 380, "the message is drawn");
}

void TestUiWidgets::largePictureScaledDownAndCentred()
{
    QWidget screen;
    PictureArea area(&screen, "Picture1");
    area.resize(452, 380);
    QVERIFY(area.loadPicture(m_folder, "wide.bmp"));
    // Decoded no larger than the test screen of 1280 x 1024.
    QCOMPARE(area.image().size(), QSize(1280, 640));
    const QImage image = area.grab().toImage();
    // 2000 x 1000 fits as 452 x 226, 77 pixels from the top.
    QCOMPARE(image.pixelColor(0, 190), QColor(Qt::red));
    QCOMPARE(image.pixelColor(451, 190), QColor(Qt::red));
    QCOMPARE(image.pixelColor(226, 80), QColor(Qt::red));
    QCOMPARE(image.pixelColor(226, 300), QColor(Qt::red));
    QCOMPARE(image.pixelColor(226, 74), QColor(Qt::white));
    QCOMPARE(image.pixelColor(226, 306), QColor(Qt::white));
}

void TestUiWidgets::smallPictureNotScaledUp()
{
    QWidget screen;
    PictureArea area(&screen, "Picture1");
    area.resize(452, 380);
    QVERIFY(area.loadPicture(m_folder, "small.png"));
    const QImage image = area.grab().toImage();
    QCOMPARE(countColour(image, Qt::blue), 100 * 50);
    QCOMPARE(image.pixelColor(176, 165), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(275, 214), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(175, 190), QColor(Qt::white));
}

void TestUiWidgets::emptyNameClears()
{
    QWidget screen;
    PictureArea area(&screen, "Picture1");
    area.resize(100, 100);
    QVERIFY(area.loadPicture(m_folder, "nowhere.bmp") == false);
    QVERIFY(area.loadPicture(m_folder, ""));
    QVERIFY(!area.isAvailable());
    QCOMPARE(area.accessibleDescription(), QString());
    QCOMPARE(countColour(area.grab().toImage(), Qt::white), 100 * 100);

    area.setFixedPicture(QImage(":/nothing.png")); // a null image shows nothing, no message
    QCOMPARE(countColour(area.grab().toImage(), Qt::white), 100 * 100);
}

// The font configuration is read ahead of the application, as the program
// reads it, so every font check here sees fonts found that way.
int main(int argc, char **argv)
{
    quorix::FontConfigReader fontConfig;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    fontConfig.wait();
    TestUiWidgets test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_ui_widgets.moc"
