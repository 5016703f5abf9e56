// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/reportprinter.h"

#include "core/value.h"
#include "scoring/report.h"
#include "scoring/reportpdf.h"
#include "tests/support/dialoganswerer.h"
#include "tests/support/failingdevice.h"
#include "tests/support/required.h"
#include "tests/support/tallies.h"
#include "ui/textoutputbox.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(quorix::ScoreTally)
Q_DECLARE_METATYPE(quorix::PrintOutcome)
Q_DECLARE_METATYPE(std::vector<quorix::AfterFailure>)

using namespace quorix;
using quorixtest::DialogAnswerer;
using quorixtest::failingWriter;
using quorixtest::tallyOf;

namespace {

PrintScript sampleReport(const ScoreTally &t = tallyOf(12, {2, 1, 3, 1, 1, 1}))
{
    return reportScript(t, QStringLiteral("Ann Smith"), QStringLiteral("14:05"),
                        QStringLiteral("Tuesday, 3 June 2025"));
}

Result<QByteArray> samplePdf(const ScoreTally &t = tallyOf(12, {2, 1, 3, 1, 1, 1}))
{
    return reportPdfBytes(sampleReport(t));
}

Result<void> writePdf(const PrintScript &report, const QString &path)
{
    return SafeWriter().writeFile(path, reportPdfBytes(report).value());
}

// The lines as words: what survives any spacing a PDF text extractor chooses.
QStringList words(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines) {
        const QString simple = line.simplified();
        if (!simple.isEmpty())
            out << simple;
    }
    return out;
}

QStringList plainLines(const TextLayout &layout)
{
    return layout.plainText().split(QLatin1Char('\n'));
}

// Runs a poppler tool; empty when it is not installed.
QString runTool(const QString &tool, const QStringList &args, bool *found)
{
    const QString exe = QStandardPaths::findExecutable(tool);
    *found = !exe.isEmpty();
    if (!*found)
        return {};
    QProcess p;
    p.start(exe, args);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished(5000);
        return QStringLiteral("<timed out>");
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A printing whose every hook records its calls and fails the test when it
// is not expected to be asked.
struct FakePrinting {
    QString folder;
    bool submitSucceeds = false;
    QString submitError = QStringLiteral("there is no default printer");
    std::vector<AfterFailure> choices;
    std::vector<QString> chosenFiles;
    SafeWriter files;

    QStringList savedMessages;
    QStringList failureMessages;
    QStringList suggestions;
    QByteArray submittedHead;
    int submits = 0;

    ReportPrinting printing()
    {
        ReportPrinting p;
        p.tellSaved = [this](QWidget *, const QString &m) { savedMessages << m; };
        p.askAfterFailure = [this](QWidget *, const QString &m) {
            failureMessages << m;
            if (choices.empty())
                return AfterFailure::GoBack;
            const AfterFailure c = choices.front();
            choices.erase(choices.begin());
            return c;
        };
        p.chooseFile = [this](QWidget *, const QString &suggested) {
            suggestions << suggested;
            if (chosenFiles.empty())
                return QString();
            const QString f = chosenFiles.front();
            chosenFiles.erase(chosenFiles.begin());
            return f;
        };
        p.submit = [this](const QString &path, const QString &) -> Result<int> {
            ++submits;
            QFile f(path);
            if (f.open(QIODevice::ReadOnly))
                submittedHead = f.read(5);
            if (submitSucceeds)
                return 42;
            return Result<int>::failure(submitError);
        };
        p.fallbackFolder = [this] { return folder; };
        p.now = [] { return QDateTime(QDate(2025, 6, 3), QTime(14, 5, 59)); };
        p.files = files;
        return p;
    }
};

bool isPdf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-";
}

// What stands at path, links not followed: to show that nothing was replaced.
QString whatIsAt(const QString &path)
{
    struct stat st { };
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return QStringLiteral("nothing");
    QFile f(path);
    if (S_ISREG(st.st_mode) && f.open(QIODevice::ReadOnly))
        return QString::fromLatin1(f.readAll().left(40));
    return QStringLiteral("mode %1 device %2 link %3")
        .arg(st.st_mode)
        .arg(st.st_rdev)
        .arg(QFileInfo(path).symLinkTarget());
}

// The longest time a widget went without a paint between start() and the
// last paint before stop().
class PaintGaps : public QObject {
public:
    explicit PaintGaps(QWidget &widget) { widget.installEventFilter(this); }
    void start()
    {
        if (!m_clock.isValid())
            m_clock.start();
    }
    void stop() { m_clock.invalidate(); }
    qint64 longestMs() const { return m_longest; }
    int count() const { return m_count; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_clock.isValid()) {
            m_longest = std::max(m_longest, m_clock.restart());
            ++m_count;
        }
        return false;
    }

private:
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
    int m_count = 0;
};

} // namespace

class TestReportPrinter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void printerFontIsArialTenPoint()
    {
        const QFont font = reportFont();
        QCOMPARE(font.pointSizeF(), 10.0);
        QCOMPARE(font.bold(), false);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    }

    void columnsAreAverageCharacterWidthsOfThePrinterFont()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        const double column = QFontMetricsF(reportFont(), &writer).averageCharWidth();
        const TextLayout layout = layoutReport(sampleReport(), &writer);
        int at10 = 0, at50 = 0;
        for (const TextLayout::Line &line : layout.lines()) {
            for (const TextLayout::Segment &s : line.segments) {
                if (s.text == QLatin1String("Quorix self-assessment questions")
                    || s.text == QLatin1String("Score for ")) {
                    QCOMPARE(s.x, 9 * column);
                    ++at10;
                }
                if (s.text == QLatin1String("score = ") || s.text == QLatin1String(" total = ")) {
                    QCOMPARE(s.x, 49 * column);
                    ++at50;
                }
            }
        }
        QCOMPARE(at10, 2);
        QCOMPARE(at50, 7);
    }

    void pastColumn50ContinuesOnTheNextLineAtColumn50_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("continues");
        QTest::newRow("a confidence line fits before column 50")
            << " 2147483647  correct and fairly sure (score +2)" << false;
        QTest::newRow("text beyond column 50 continues on the next line")
            << " 1  correct and fairly sure (score +2), and a good deal more besides" << true;
    }

    void pastColumn50ContinuesOnTheNextLineAtColumn50()
    {
        QFETCH(QString, before);
        QFETCH(bool, continues);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        const QFontMetricsF metrics(reportFont(), &writer);
        const double column50 = 49 * metrics.averageCharWidth();
        const PrintScript script
            = {PrintItem::columnStep(10),  PrintItem::textItem(before),
               PrintItem::columnStep(50),  PrintItem::textItem(QStringLiteral("score = ")),
               PrintItem::numberItem(-12), PrintItem::lineEnd()};
        const TextLayout layout = layoutReport(script, &writer);
        const auto &lines = layout.lines();
        QCOMPARE(metrics.horizontalAdvance(before) + 9 * metrics.averageCharWidth() > column50, continues);
        QCOMPARE(int(lines.size()), continues ? 2 : 1);
        const TextLayout::Line &scoreLine = lines.back();
        const TextLayout::Segment &score = scoreLine.segments.at(continues ? 0 : 1);
        QCOMPARE(score.text, QStringLiteral("score = "));
        QCOMPARE(score.x, column50);
        if (continues)
            QCOMPARE(scoreLine.plain, QString(49, QLatin1Char(' ')) + QStringLiteral("score = -12 "));
    }

    void pdfTextIsTheReportsLines_data()
    {
        QTest::addColumn<ScoreTally>("t");
        QTest::addColumn<int>("lines");
        QTest::newRow("answered") << tallyOf(12, {2, 1, 3, 1, 1, 1}) << 56;
        QTest::newRow("nothing asked") << ScoreTally{} << 41;
    }

    void pdfTextIsTheReportsLines()
    {
        QFETCH(ScoreTally, t);
        QFETCH(int, lines);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        const PrintScript script = sampleReport(t);
        const Result<void> written = writePdf(script, pdf);
        QVERIFY2(written.ok(), qPrintable(written.error()));

        bool found = false;
        const QString text = runTool(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), pdf, QStringLiteral("-")}, &found);
        QUORIX_NEEDS(found, "pdftotext (poppler-utils) is not installed");
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        const TextLayout layout = layoutReport(script, &writer);
        QCOMPARE(int(layout.lines().size()), lines);
        QCOMPARE(words(text.split(QLatin1Char('\n'))), words(plainLines(layout)));
        QVERIFY(text.contains(QString(70, QLatin1Char('_'))));
        // One page of A4.
        const QString info = runTool(QStringLiteral("pdfinfo"), {pdf}, &found);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(
                     QStringLiteral("Page size:\\s+595[.0-9]* x 84[12][.0-9]* pts \\(A4\\)"))),
                 qPrintable(info));
    }

    void pdfWordsStandAtTheirColumns()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        QVERIFY(writePdf(sampleReport(), pdf).ok());
        bool found = false;
        const QString boxes = runTool(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}, &found);
        QUORIX_NEEDS(found, "pdftotext (poppler-utils) is not installed");
        // Column 1 is where the rule lines start; a column is the average
        // character width of Arial 10 pt on the PDF device, here in points.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        const double column
            = QFontMetricsF(reportFont(), &writer).averageCharWidth() * 72 / writer.resolution();
        const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
        double ruleX = -1;
        QList<double> quorixX, scoreX;
        for (auto m = word.globalMatch(boxes); m.hasNext();) {
            const auto match = m.next();
            const double x = match.captured(1).toDouble();
            if (match.captured(2) == QString(70, QLatin1Char('_')))
                ruleX = x;
            if (match.captured(2) == QLatin1String("Quorix"))
                quorixX << x;
            if (match.captured(2) == QLatin1String("score"))
                scoreX << x;
        }
        QVERIFY(ruleX > 0);
        QCOMPARE(quorixX.size(), 1);
        QVERIFY2(std::abs(quorixX.front() - ruleX - 9 * column) < 0.1,
                 qPrintable(QString::number(quorixX.front())));
        const auto atColumn50 = std::count_if(
            scoreX.begin(), scoreX.end(), [&](double x) { return std::abs(x - ruleX - 49 * column) < 0.1; });
        QCOMPARE(int(atColumn50), 6);
    }

    void printerAndPdfWriterPaintTheSame()
    {
        QTemporaryDir dir;
        const QString viaPrinter = dir.filePath(QStringLiteral("printer.pdf"));
        const QString viaWriter = dir.filePath(QStringLiteral("writer.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(viaPrinter);
        QVERIFY(paintReport(printer, sampleReport()));
        QVERIFY(writePdf(sampleReport(), viaWriter).ok());
        bool found = false;
        const QString a = runTool(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-layout"), viaPrinter, QStringLiteral("-")}, &found);
        QUORIX_NEEDS(found, "pdftotext (poppler-utils) is not installed");
        const QString b = runTool(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-layout"), viaWriter, QStringLiteral("-")}, &found);
        QVERIFY(!a.trimmed().isEmpty());
        QCOMPARE(a, b);
    }

    void pdfFileReplacesAnExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("results.pdf"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an older file that is much longer than nothing at all");
        }
        QVERIFY(writePdf(sampleReport(), path).ok());
        QVERIFY(isPdf(path));
    }

    void pdfFileThatCannotBeWrittenFails()
    {
        QTemporaryDir dir;
        QFile plain(dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        // Below a regular file: no folder there, even for root.
        const Result<void> r = writePdf(sampleReport(), dir.filePath(QStringLiteral("plain/results.pdf")));
        QVERIFY(!r.ok());
        QVERIFY(!r.error().isEmpty());
    }

    void unusualTargetsAreNeverReplaced_data()
    {
        QTest::addColumn<QString>("target"); // what stands at the name
        QTest::addColumn<QString>("route"); // how the name was given, or what else is tried
        QTest::addColumn<QString>("failing"); // which files stop taking bytes after "limit"
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("reason"); // part of the message
        QTest::addColumn<PrintOutcome>("outcome");
        const QString full = QStringLiteral("No space left on device");
        using P = PrintOutcome;
        QTest::newRow("a device that takes nothing") << "read pipe"
                                                     << "option"
                                                     << "target" << 0 << full << P::Saved;
        QTest::newRow("a device that fails part-way") << "read pipe"
                                                      << "option"
                                                      << "target" << 4096 << full << P::Saved;
        QTest::newRow("a link") << "link"
                                << "option"
                                << "" << 0 << "it is a symbolic link" << P::Saved;
        QTest::newRow("a folder") << "folder"
                                  << "option"
                                  << "" << 0 << "it is a folder" << P::Saved;
        QTest::newRow("a pipe that is read") << "read pipe"
                                             << "option"
                                             << "" << 0 << "" << P::Printed;
        QTest::newRow("a pipe read slowly, the window served meanwhile") << "slow pipe"
                                                                         << "option"
                                                                         << "" << 0 << "" << P::Printed;
        QTest::newRow("a pipe whose reader stalls")
            << "stalled pipe"
            << "option"
            << "" << 0 << "nothing was taken from it for 0.3 seconds" << P::Saved;
        QTest::newRow("a pipe nobody reads") << "pipe"
                                             << "option"
                                             << "" << 0 << "nothing is reading from it" << P::Saved;
        QTest::newRow("a new file that fails part-way") << "nothing"
                                                        << "option"
                                                        << "target" << 4096 << full << P::Saved;
        QTest::newRow("a file that is not a report")
            << "catalogue"
            << "option"
            << "" << 0 << "it already holds something else" << P::Saved;
        QTest::newRow("an earlier report that fails part-way") << "earlier"
                                                               << "option"
                                                               << "target" << 4096 << full << P::Saved;
        QTest::newRow("a failing device chosen in the save dialog") << "read pipe"
                                                                    << "dialog"
                                                                    << "target" << 0 << full << P::GoBack;
        QTest::newRow("the documents folder failing part-way") << "nothing"
                                                               << "documents"
                                                               << "documents" << 4096 << full << P::GoBack;
        QTest::newRow("the printer's temporary file failing")
            << "nothing"
            << "printer"
            << "temporary" << 0 << "could not be prepared for printing (" + full << P::Saved;
    }

    void unusualTargetsAreNeverReplaced()
    {
        QFETCH(QString, target);
        QFETCH(QString, route);
        QFETCH(QString, failing);
        QFETCH(int, limit);
        QFETCH(QString, reason);
        QFETCH(PrintOutcome, outcome);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("results.pdf"));
        const QString other = dir.filePath(QStringLiteral("other"));
        const QByteArray name = QFile::encodeName(path);
        QFile reader;
        if (target == "link" || target == "earlier" || target == "catalogue") {
            QFile earlier(target == "link" ? other : path);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write(target == "catalogue" ? "Sample questions,sample.txt" : "%PDF- an earlier report");
        }
        if (target == "link")
            QVERIFY(QFile::link(other, path));
        if (target == "folder")
            QVERIFY(QDir().mkdir(path));
        if (target.endsWith(QLatin1String("pipe")))
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        if (target != "pipe" && target.endsWith(QLatin1String("pipe"))) {
            QVERIFY(reader.open(::open(name.constData(), O_RDONLY | O_NONBLOCK),
                                QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle));
            // The smallest pipe, so that the report has to wait for its reader.
            if (target != "read pipe")
                QVERIFY(::fcntl(reader.handle(), F_SETPIPE_SZ, 4096) > 0);
        }
        // Takes a little every 10 ms, and counts how long the window went
        // without a paint meanwhile.
        QByteArray readSlowly;
        QWidget window;
        PaintGaps paints(window);
        QTimer slowReader;
        if (target == "slow pipe") {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            slowReader.callOnTimeout([&] {
                paints.start();
                readSlowly += reader.read(512);
                window.update();
            });
            slowReader.start(10);
        }
        FakePrinting fake;
        fake.folder = dir.filePath(QStringLiteral("documents"));
        QDir().mkpath(fake.folder);
        if (route == "dialog") {
            fake.folder = dir.filePath(QStringLiteral("no-such-folder"));
            fake.choices = {AfterFailure::ChooseFile, AfterFailure::GoBack};
            fake.chosenFiles = {path};
        }
        const QString documents = fake.folder;
        const QString temporary = QDir::tempPath() + QStringLiteral("/quorix-report-");
        fake.files = failingWriter(
            [&](const QString &file) {
                return (failing == "target" && file == path)
                    || (failing == "documents" && file.startsWith(documents))
                    || (failing == "temporary" && file.startsWith(temporary));
            },
            limit);
        fake.files.setStallLimit(std::chrono::milliseconds(300));
        fake.submitSucceeds = route == "printer";
        const QString before = whatIsAt(path) + whatIsAt(other);
        const QStringList beside = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);
        const Result<QByteArray> report = samplePdf();
        QElapsedTimer clock;
        clock.start();
        const PrintOutcome got
            = printReport(nullptr, report, route == "option" ? path : QString(), fake.printing());
        paints.stop();
        QVERIFY2(clock.elapsed() < 10000, "nothing waits");
        QCOMPARE(got, outcome);
        if (route == "printer")
            QCOMPARE(fake.submits, 0);

        // Nothing replaced, nothing left beside it.
        QCOMPARE(whatIsAt(path) + whatIsAt(other), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), beside);
        const QString message = (fake.savedMessages + fake.failureMessages).join(QLatin1Char('|'));
        QVERIFY2(message.contains(reason), qPrintable(message));
        QCOMPARE(message.isEmpty(), outcome == PrintOutcome::Printed);
        if (route == "option" && outcome != PrintOutcome::Printed)
            QVERIFY2(
                message.startsWith(QStringLiteral("Your results could not be printed: the file %1 could not "
                                                  "be written (")
                                       .arg(path)),
                qPrintable(message));
        if (target == "read pipe")
            QCOMPARE(reader.read(5),
                     outcome == PrintOutcome::Printed || limit > 0 ? QByteArray("%PDF-") : QByteArray());
        if (target == "slow pipe") {
            slowReader.stop();
            QVERIFY2(readSlowly.size() > 4096, "the write waited for its reader");
            QCOMPARE(readSlowly + reader.readAll(), report.value());
            QVERIFY2(paints.count() > 3 && paints.longestMs() < 100,
                     qPrintable(QStringLiteral("%1 paints, %2 ms apart at most")
                                    .arg(paints.count())
                                    .arg(paints.longestMs())));
        }
        const QStringList saved = QDir(documents).entryList(QDir::Files);
        QCOMPARE(saved,
                 outcome == PrintOutcome::Saved && route != "dialog"
                     ? QStringList{QStringLiteral("quorix-results-2025-06-03-1405.pdf")}
                     : QStringList());
        if (!saved.isEmpty())
            QVERIFY(isPdf(QDir(documents).filePath(saved.front())));
    }

    void savedReportsNeverReplaceEachOther()
    {
        QTemporaryDir dir;
        const QDateTime when(QDate(2025, 6, 3), QTime(14, 5, 59));
        const QString first = dir.filePath(QStringLiteral("quorix-results-2025-06-03-1405.pdf"));
        {
            QFile f(first);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("the first student's report");
        }
        const Result<QString> second = saveReportInFolder(samplePdf().value(), dir.path(), when);
        QVERIFY2(second.ok(), qPrintable(second.error()));
        QCOMPARE(second.value(), dir.filePath(QStringLiteral("quorix-results-2025-06-03-1405-2.pdf")));
        const Result<QString> third = saveReportInFolder(samplePdf().value(), dir.path(), when);
        QCOMPARE(third.value(), dir.filePath(QStringLiteral("quorix-results-2025-06-03-1405-3.pdf")));
        QVERIFY(isPdf(second.value()) && isPdf(third.value()));
        QFile f(first);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("the first student's report"));
    }

    void savedReportFailsWhenTheFolderIsNotThere()
    {
        QTemporaryDir dir;
        const Result<QString> r = saveReportInFolder(
            samplePdf().value(), dir.filePath(QStringLiteral("missing")), QDateTime::currentDateTime());
        QVERIFY(!r.ok());
        QVERIFY(!r.error().isEmpty());
    }

    void withoutHomeTheReportIsSavedInTheTemporaryFolder()
    {
        QTemporaryDir temporary;
        const QByteArray home = qgetenv("HOME");
        const QByteArray tmpdir = qgetenv("TMPDIR");
        qunsetenv("HOME");
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
        FakePrinting fake;
        fake.folder = defaultFallbackFolder();
        const PrintOutcome got = printReport(nullptr, samplePdf(), QString(), fake.printing());
        qputenv("HOME", home);
        if (tmpdir.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", tmpdir);

        QCOMPARE(fake.folder, temporary.path());
        QCOMPARE(got, PrintOutcome::Saved);
        const QString path = temporary.filePath(QStringLiteral("quorix-results-2025-06-03-1405.pdf"));
        QVERIFY(isPdf(path));
        struct stat st { };
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        QCOMPARE(fake.savedMessages.size(), 1);
        QVERIFY2(fake.savedMessages.front().contains(path), qPrintable(fake.savedMessages.front()));
        QVERIFY(fake.savedMessages.front().contains(QStringLiteral("temporary folder")));
    }

    void printedWhenTheJobIsAccepted()
    {
        QTemporaryDir dir;
        FakePrinting fake;
        fake.folder = dir.path();
        fake.submitSucceeds = true;
        QCOMPARE(printReport(nullptr, samplePdf(), QString(), fake.printing()), PrintOutcome::Printed);
        QCOMPARE(fake.submits, 1);
        QCOMPARE(fake.submittedHead, QByteArray("%PDF-"));
        QVERIFY(fake.savedMessages.isEmpty() && fake.failureMessages.isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void pdfFileIsWrittenInsteadOfPrinting()
    {
        QTemporaryDir dir;
        FakePrinting fake;
        fake.folder = dir.filePath(QStringLiteral("documents"));
        const QString path = dir.filePath(QStringLiteral("out.pdf"));
        QCOMPARE(printReport(nullptr, samplePdf(), path, fake.printing()), PrintOutcome::Printed);
        QCOMPARE(fake.submits, 0);
        QVERIFY(isPdf(path));
        QVERIFY(fake.savedMessages.isEmpty());
    }

    void failedPrintIsSavedAndTheStudentTold_data()
    {
        QTest::addColumn<bool>("toPdfFile");
        QTest::addColumn<QString>("submitError");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no default printer") << false << "there is no default printer"
                                            << "there is no default printer";
        QTest::newRow("job refused") << false << "the printer \"Q\" did not accept the job (Printer stopped)"
                                     << "the printer \"Q\" did not accept the job (Printer stopped)";
        QTest::newRow("--print-to-pdf file not writable") << true << ""
                                                          << "could not be written";
    }

    void failedPrintIsSavedAndTheStudentTold()
    {
        QFETCH(bool, toPdfFile);
        QFETCH(QString, submitError);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        FakePrinting fake;
        fake.folder = dir.path();
        fake.submitError = submitError;
        const QString pdfFile = toPdfFile ? dir.filePath(QStringLiteral("none/x.pdf")) : QString();
        QCOMPARE(printReport(nullptr, samplePdf(), pdfFile, fake.printing()), PrintOutcome::Saved);
        const QString saved = dir.filePath(QStringLiteral("quorix-results-2025-06-03-1405.pdf"));
        QVERIFY(isPdf(saved));
        QCOMPARE(fake.savedMessages.size(), 1);
        const QString message = fake.savedMessages.front();
        QVERIFY2(message.startsWith(QStringLiteral("Your results could not be printed: ")),
                 qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY2(message.contains(saved), qPrintable(message));
        QVERIFY(fake.failureMessages.isEmpty());
    }

    void whenNothingCanBeSavedTheStudentChooses_data()
    {
        QTest::addColumn<std::vector<AfterFailure>>("choices");
        QTest::addColumn<QStringList>("files"); // "ok" a writable file, "bad" one that is not
        QTest::addColumn<PrintOutcome>("outcome");
        QTest::addColumn<int>("questions");
        using A = AfterFailure;
        QTest::newRow("go back") << std::vector<A>{A::GoBack} << QStringList() << PrintOutcome::GoBack << 1;
        QTest::newRow("end without results")
            << std::vector<A>{A::EndWithoutResults} << QStringList() << PrintOutcome::EndWithoutResults << 1;
        QTest::newRow("save as a chosen file")
            << std::vector<A>{A::ChooseFile} << QStringList{"ok"} << PrintOutcome::Saved << 1;
        QTest::newRow("save dialog cancelled asks again")
            << std::vector<A>{A::ChooseFile, A::GoBack} << QStringList{""} << PrintOutcome::GoBack << 2;
        QTest::newRow("chosen file not writable asks again")
            << std::vector<A>{A::ChooseFile, A::ChooseFile} << QStringList{"bad", "ok"} << PrintOutcome::Saved
            << 2;
    }

    void whenNothingCanBeSavedTheStudentChooses()
    {
        QFETCH(std::vector<AfterFailure>, choices);
        QFETCH(QStringList, files);
        QFETCH(PrintOutcome, outcome);
        QFETCH(int, questions);
        QTemporaryDir dir;
        FakePrinting fake;
        fake.folder = dir.filePath(QStringLiteral("no-such-folder"));
        fake.choices = choices;
        const QString good = dir.filePath(QStringLiteral("chosen.pdf"));
        const QString bad = dir.filePath(QStringLiteral("no-such-folder/chosen.pdf"));
        for (const QString &f : files)
            fake.chosenFiles.push_back(f == QLatin1String("ok")        ? good
                                           : f == QLatin1String("bad") ? bad
                                                                       : QString());

        QCOMPARE(printReport(nullptr, samplePdf(), QString(), fake.printing()), outcome);
        QCOMPARE(fake.failureMessages.size(), questions);
        const QString first = fake.failureMessages.front();
        QVERIFY2(first.startsWith(
                     QStringLiteral("Your results could not be printed: there is no default printer.")),
                 qPrintable(first));
        QVERIFY2(first.contains(QStringLiteral("could not be saved in %1 either").arg(fake.folder)),
                 qPrintable(first));
        if (files.contains(QStringLiteral("bad")))
            QVERIFY2(fake.failureMessages.at(1).startsWith(
                         QStringLiteral("Your results could not be saved as %1: ").arg(bad)),
                     qPrintable(fake.failureMessages.at(1)));
        if (!fake.suggestions.isEmpty())
            QCOMPARE(fake.suggestions.front(),
                     QDir(fake.folder).filePath(QStringLiteral("quorix-results-2025-06-03-1405.pdf")));
        QCOMPARE(isPdf(good), outcome == PrintOutcome::Saved);
        QVERIFY(fake.savedMessages.isEmpty());
    }

    void namePromptTakesTheTypedName()
    {
        QWidget screen;
        screen.show();
        QString title, label, initial;
        QPoint position;
        DialogAnswerer answer({[&](QWidget *w) {
            auto *dialog = qobject_cast<QInputDialog *>(w);
            QVERIFY(dialog);
            title = dialog->windowTitle();
            label = dialog->labelText();
            initial = dialog->textValue();
            position = dialog->pos();
            auto *edit = dialog->findChild<QLineEdit *>();
            QTest::keyClicks(edit, QStringLiteral("Ann Smith"));
            QTest::keyClick(edit, Qt::Key_Return);
        }});
        QCOMPARE(askStudentName(&screen), QStringLiteral("Ann Smith"));
        QCOMPARE(answer.unexpected(), QStringList());
        QCOMPARE(title, QStringLiteral("Quorix self-assessment questions"));
        QCOMPARE(label, QStringLiteral("Please enter your name to identify your printout"));
        QCOMPARE(initial, QString());
        QCOMPARE(position, QPoint(30, 300));
    }

    void namePromptCancelledGivesAnEmptyName()
    {
        DialogAnswerer answer({[](QWidget *w) {
            auto *edit = w->findChild<QLineEdit *>();
            QTest::keyClicks(edit, QStringLiteral("half a name"));
            QTest::keyClick(w, Qt::Key_Escape);
        }});
        QCOMPARE(askStudentName(nullptr), QString());
        QCOMPARE(answer.answered(), 1);
    }

    void realMessagesSayWhereTheResultsAre()
    {
        QTemporaryDir dir;
        ReportPrinting printing = ReportPrinting::system();
        printing.submit = [](const QString &, const QString &) {
            return Result<int>::failure(QStringLiteral("there is no default printer"));
        };
        printing.fallbackFolder = [&] { return dir.path(); };
        QString text;
        DialogAnswerer answer({[&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("Quorix self-assessment questions"));
            text = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        }});
        QCOMPARE(printReport(nullptr, samplePdf(), QString(), printing), PrintOutcome::Saved);
        const QStringList saved = QDir(dir.path()).entryList({QStringLiteral("quorix-results-*.pdf")});
        QCOMPARE(saved.size(), 1);
        QVERIFY2(text.contains(dir.filePath(saved.front())), qPrintable(text));
    }

    void escapeOnTheFailureMessageGoesBack()
    {
        QTemporaryDir dir;
        ReportPrinting printing = ReportPrinting::system();
        printing.submit = [](const QString &, const QString &) {
            return Result<int>::failure(QStringLiteral("there is no default printer"));
        };
        printing.fallbackFolder = [&] { return dir.filePath(QStringLiteral("missing")); };
        QStringList buttons;
        DialogAnswerer answer({[&](QWidget *w) {
            for (auto *b : w->findChildren<QPushButton *>())
                buttons << b->text();
            QTest::keyClick(w, Qt::Key_Escape);
        }});
        QCOMPARE(printReport(nullptr, samplePdf(), QString(), printing), PrintOutcome::GoBack);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"End without results", "Go back", "Save as..."}));
    }
};

QTEST_MAIN(TestReportPrinter)
#include "test_reportprinter.moc"
