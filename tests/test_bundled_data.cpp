// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/check/bankchecker.h"
#include "tools/check/checkreport.h"
#include "tools/check/textfit.h"

#include "core/datafolder.h"
#include "questions/bankloader.h"
#include "questions/questionsession.h"
#include "questions/textboxes.h"
#include "scoring/answerlog.h"
#include "scoring/tally.h"
#include "ui/fixedpictures.h"
#include "ui/labels.h"
#include "ui/picturearea.h"

#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QLabel>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace quorix;

// The course that ships in data/, read as the program reads it.
class TestBundledData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void bankLoads_data();
    void bankLoads();
    void pictureShows_data();
    void pictureShows();
    void everyPictureIsUsed();
    void picturesAreSmall();
    void fixedPictures_data();
    void fixedPictures();
    void checkerFindsNothing();
    void textFitAgreesWithTheLabels_data();
    void textFitAgreesWithTheLabels();

private:
    QString m_data;
    QStringList m_bankFiles; // paths, in option order
    QSet<QString> m_bankPictures;
};

void TestBundledData::initTestCase()
{
    m_data = qEnvironmentVariable("QUORIX_TEST_DATA");
    QVERIFY2(QFileInfo(m_data).isDir(), "QUORIX_TEST_DATA names no folder");
    for (int option = 1; option <= DataFolder::OptionCount; ++option)
        m_bankFiles << DataFolder(m_data).bank(option);
    for (const QString &name : m_bankFiles) {
        auto file = BankFile::open(name);
        QVERIFY2(file.ok(), qPrintable(file.error()));
        const auto bank = file->readAndClose();
        QVERIFY2(bank.ok(), qPrintable(bank.error()));
        for (const QuestionRecord &record : bank->records)
            m_bankPictures.insert(toText(record.picture));
    }
}

void TestBundledData::bankLoads_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &path : m_bankFiles)
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void TestBundledData::bankLoads()
{
    QFETCH(QString, name);
    auto file = BankFile::open(name);
    QVERIFY2(file.ok(), qPrintable(file.error()));
    const auto bank = file->readAndClose();
    QVERIFY2(bank.ok(), qPrintable(bank.error()));
    QVERIFY(bank->terminated);
    QVERIFY2(bank->records.size() >= 20, "a set needs at least 20 questions");

    int trueKeys = 0;
    for (const QuestionRecord &r : bank->records) {
        for (const QString &key : {r.key1, r.key2}) {
            QVERIFY2(key == "T" || key == "F",
                     qPrintable(QStringLiteral("line %1: key \"%2\"").arg(r.line).arg(key)));
            trueKeys += key == "T";
        }
        QVERIFY(!r.statement1.trimmed().isEmpty() && !r.statement2.trimmed().isEmpty());
        QVERIFY(!r.explanation1.trimmed().isEmpty() && !r.explanation2.trimmed().isEmpty());
    }
    // Roughly half true, so that guessing one answer throughout does not pay.
    const double share = double(trueKeys) / double(2 * bank->records.size());
    QVERIFY2(share >= 0.4 && share <= 0.6, qPrintable(QString::number(share)));

    ScoreTally tally;
    AnswerLog log;
    QuestionSession session(tally, log);
    session.startTest(QStringLiteral("title"), bank.value());
    QCOMPARE(session.questionCount(), int(bank->records.size()));
}

void TestBundledData::pictureShows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("largest"); // the picture area it is shown in
    QStringList names = m_bankPictures.values();
    names.sort();
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name << QSize(452, 380);
    for (int band = 1; band <= 7; ++band)
        QTest::newRow(qPrintable(QStringLiteral("PAR%1.bmp").arg(band)))
            << QStringLiteral("PAR%1.bmp").arg(band) << QSize(233, 209);
    QTest::newRow("zentavo.bmp") << QStringLiteral("zentavo.bmp") << QSize(240, 240);
    QTest::newRow("blank.bmp") << QStringLiteral("blank.bmp") << QSize(452, 380);
}

void TestBundledData::pictureShows()
{
    QFETCH(QString, name);
    QFETCH(QSize, largest);
    PictureArea area(nullptr, QStringLiteral("Picture1"));
    area.resize(largest);
    QVERIFY2(area.loadPicture(DataFolder(m_data), name), qPrintable(name));
    // Drawn at the size it is shown, so it is never scaled.
    QVERIFY2(area.image().width() <= largest.width() && area.image().height() <= largest.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(area.image().width()).arg(area.image().height())));
    if (name.endsWith(".bmp")) {
        const QImage image = QImageReader(*DataFolder(m_data).picture(name)).read();
        QVERIFY2(image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono,
                 "BMPs are kept small with a palette");
    }
}

void TestBundledData::everyPictureIsUsed()
{
    QSet<QString> used = m_bankPictures;
    used << "blank.bmp"
         << "zentavo.bmp";
    for (int band = 1; band <= 7; ++band)
        used << QStringLiteral("PAR%1.bmp").arg(band);
    const QStringList pictures = QDir(m_data).entryList({"*.png", "*.bmp"}, QDir::Files);
    for (const QString &name : pictures)
        QVERIFY2(used.contains(name), qPrintable(name + " is named by no bank"));
}

void TestBundledData::picturesAreSmall()
{
    qint64 total = 0;
    for (const QString &folder : {m_data, m_data + "/../ui/pictures"}) {
        QDirIterator it(folder, {"*.png", "*.bmp"}, QDir::Files);
        while (it.hasNext())
            total += QFileInfo(it.next()).size();
    }
    QVERIFY2(total < 3 * 1024 * 1024, qPrintable(QString::number(total)));
}

void TestBundledData::fixedPictures_data()
{
    QTest::addColumn<QImage>("compiled");
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<QSize>("size");
    QTest::newRow("menu") << fixedpictures::menuIllustration() << "menu-illustration.png" << QSize(246, 195);
    QTest::newRow("question screen") << fixedpictures::questionDecoration() << "question-decoration.png"
                                     << QSize(246, 195);
    QTest::newRow("chart") << fixedpictures::chartLogo() << "chart-logo.png" << QSize(240, 240);
    QTest::newRow("exercises") << fixedpictures::exerciseLogo() << "exercise-logo.png" << QSize(240, 240);
}

// The compiled pixels are the drawn picture's, pixel for pixel.
void TestBundledData::fixedPictures()
{
    QFETCH(QImage, compiled);
    QFETCH(QString, drawn);
    QFETCH(QSize, size);
    QCOMPARE(compiled.size(), size);
    const QImage source(m_data + "/../ui/pictures/" + drawn);
    QVERIFY2(!source.isNull(), qPrintable(drawn));
    QVERIFY(compiled == source.convertToFormat(QImage::Format_RGB32));
}

void TestBundledData::checkerFindsNothing()
{
    check::CheckReport report;
    check::BankChecker(report).checkFolder(m_data);
    QCOMPARE(int(report.files().size()), 17);
    if (report.errorCount() + report.warningCount() > 0)
        QFAIL(qPrintable(report.lines().join('\n')));
}

void TestBundledData::textFitAgreesWithTheLabels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("statement"); // else an explanation

    const QString sentence
        = QStringLiteral("Glucose and galactose enter with sodium through SGLT1, while fructose "
                         "uses GLUT5. ");
    const check::TextFit fit;
    for (const bool statement : {true, false}) {
        const QSize box = statement ? check::TextFit::statementBox : check::TextFit::explanationBox;
        // The longest run of words that still fits, and one word more.
        const QStringList words = sentence.repeated(8).split(' ', Qt::SkipEmptyParts);
        int n = 1;
        while (n < words.size() && fit.fits(words.mid(0, n + 1).join(' '), box))
            ++n;
        const char *kind = statement ? "statement" : "explanation";
        QTest::newRow(qPrintable(QStringLiteral("%1 of %2 words, the most that fit").arg(kind).arg(n)))
            << words.mid(0, n).join(' ') << statement;
        QTest::newRow(qPrintable(QStringLiteral("%1 of %2 words, one too many").arg(kind).arg(n + 1)))
            << words.mid(0, n + 1).join(' ') << statement;
    }
    // And every text of the course, where the long ones are.
    int row = 0;
    for (const QString &name : m_bankFiles) {
        auto file = BankFile::open(name);
        const auto bank = file->readAndClose();
        for (const QuestionRecord &r : bank->records) {
            const QString where
                = QStringLiteral("%1 line %2 #%3").arg(QFileInfo(name).fileName()).arg(r.line).arg(++row);
            QTest::newRow(qPrintable(where + " s1")) << r.statement1 << true;
            QTest::newRow(qPrintable(where + " s2")) << r.statement2 << true;
            QTest::newRow(qPrintable(where + " e1")) << r.explanation1 << false;
            QTest::newRow(qPrintable(where + " e2")) << r.explanation2 << false;
        }
    }
}

void TestBundledData::textFitAgreesWithTheLabels()
{
    QFETCH(QString, text);
    QFETCH(bool, statement);
    // The question screen's own labels, from the same helper and twips.
    QWidget screen;
    QLabel *label = statement
        ? addLabel(&screen, "Label1", statementBox.left, statementBox.top, statementBox.width,
                   statementBox.height, statementPointSize)
        : addLabel(&screen, "Label3", explanationBox.left, explanationBox.top, explanationBox.width,
                   explanationBox.height, statementPointSize, true, QColor(0, 0, 255));
    label->setText(text);
    const bool labelShowsAll = label->heightForWidth(label->width()) <= label->height();
    const QSize box = statement ? check::TextFit::statementBox : check::TextFit::explanationBox;
    QCOMPARE(label->size(), box);
    QCOMPARE(check::TextFit().fits(text, box), labelShowsAll);
}

QTEST_MAIN(TestBundledData)
#include "test_bundled_data.moc"
