// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Print my score and END" end to end: the real navigator and screens on a
// catalogue written into a fresh folder, a name typed into the real prompt,
// and either the real default CUPS queue (scripts/setup-printer adds one that
// writes PDF files) or no printer at all, when the report must be saved.

#include "app/form1.h"
#include "app/navigator.h"
#include "app/startup.h"
#include "core/endsignals.h"
#include "questions/form2.h"
#include "scoring/form3.h"
#include "scoring/report.h"
#include "scoring/reportpdf.h"
#include "tests/support/dialoganswerer.h"
#include "tests/support/required.h"
#include "tests/support/tallies.h"
#include "ui/reportprinter.h"

#include <QApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>
#include <QTimer>

#include <cups/cups.h>

#include <cmath>
#include <csignal>
#include <functional>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quorix;
using quorixtest::DialogAnswerer;

namespace {

const QString studentName = QStringLiteral("Integration Student");

QString printerState()
{
    const QString dir = qEnvironmentVariable("QUORIX_PRINTER_STATE");
    return dir.isEmpty() ? QStringLiteral("/tmp/quorix-printer") : dir;
}

QString readLine(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).trimmed();
}

QString pdfText(const QString &path)
{
    const QString exe = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (exe.isEmpty())
        return {};
    QProcess p;
    p.start(exe, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished(2000);
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfInfo(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished(2000);
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Where a page has ink, at 100 dots per inch (enough for the rule lines).
struct Ink {
    QRect box;
    int pixels = 0;
};

Ink inkOf(const QString &pdf, const QString &stem)
{
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-gray"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, stem});
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished(2000);
    }
    const QImage image(stem + QStringLiteral(".png"));
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                ink.box |= QRect(x, y, 1, 1);
                ++ink.pixels;
            }
    return ink;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void typeName(QWidget *prompt)
{
    auto *dialog = qobject_cast<QInputDialog *>(prompt);
    QVERIFY2(dialog, qPrintable(prompt->objectName()));
    QCOMPARE(dialog->labelText(), QStringLiteral("Please enter your name to identify your printout"));
    QTest::keyClicks(dialog->findChild<QLineEdit *>(), studentName);
    QTest::keyClick(dialog->findChild<QLineEdit *>(), Qt::Key_Return);
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_data;
    QTemporaryDir m_home;
    std::unique_ptr<Navigator> m_nav;
    int m_quits = 0;
    int m_status = -1;
    std::unique_ptr<EndSignals> m_endSignals;
    std::function<void()> m_atQuit;

    // Start-up, a set chosen and taken to the question screen, whose own
    // "Print my score and END" is then pressed.
    // Start-up and the set taken to the question screen, then "Print my
    // score and END" pressed on the question screen or on the chart screen
    // opened over it, with tally as the score so far.
    // Without press, the run is left on the question screen.
    void pressPrint(const QString &pdfFile = {}, bool fromChart = false, const ScoreTally &tally = {},
                    bool press = true)
    {
        QVERIFY(writeFile(m_data.filePath(QStringLiteral("qbanks.txt")), "1\r\n\"Printing test set\"\r\n"));
        QVERIFY(writeFile(m_data.filePath(QStringLiteral("qbank1.txt")),
                          "1,blank.bmp,\"One a\",T,\"Why a\",\"One b\",F,\"Why b\"\r\n"
                          "2,blank.bmp,\"Two a\",T,\"Why a\",\"Two b\",F,\"Why b\"\r\n-999\r\n"));

        StartupOptions options;
        options.seed = 7;
        options.environment = {QStringLiteral("temp=") + m_data.path()};
        options.homeFolder = m_home.path();
        m_nav = std::make_unique<Navigator>(DataFolder(m_data.path()), pdfFile);
        m_nav->setQuitHandler([this](int status) {
            ++m_quits;
            m_status = status;
            if (m_atQuit)
                m_atQuit();
            // As QCoreApplication::exit leaves every event loop, a dialog's too.
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        if (m_endSignals)
            connect(m_endSignals.get(), &EndSignals::arrived, m_nav.get(), &Navigator::endOnSignal);
        QVERIFY(m_nav->start(options).ok());

        auto *option = m_nav->form1()->findChild<QRadioButton *>(QStringLiteral("Option1"));
        QVERIFY(option);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        auto *ok = m_nav->form1()->findChild<QPushButton *>(QStringLiteral("selectionOK"));
        QVERIFY(ok && ok->isVisible());
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(m_nav->form2() && m_nav->form2()->isVisible());
        m_nav->tally() = tally;
        QWidget *screen = m_nav->form2();
        if (fromChart) {
            m_nav->showScoreToDate();
            screen = m_nav->form3();
            QVERIFY(screen && screen->isVisible());
        }
        auto *print = screen->findChild<QPushButton *>(QStringLiteral("endprintscore"));
        QVERIFY(print && print->isVisible());
        if (press)
            QTest::mouseClick(print, Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_data.isValid() && m_home.isValid());
        m_quits = 0;
        // A home of our own, so a saved report lands where the test looks.
        qputenv("HOME", m_home.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral("Documents")));
    }

    void cleanup()
    {
        m_nav.reset();
        m_endSignals.reset();
        m_atQuit = nullptr;
    }

    void printsOnTheDefaultQueue()
    {
        const QString state = printerState();
        const bool unavailable = QFile::exists(state + QStringLiteral("/unavailable"));
        QUORIX_NEEDS(
            !unavailable,
            qPrintable(QStringLiteral("no CUPS queue: ") + readLine(state + QStringLiteral("/unavailable"))));
        const QString outFolder = readLine(state + QStringLiteral("/output-folder"));
        QUORIX_NEEDS(!outFolder.isEmpty(),
                     "scripts/setup-printer has not been run, so there is no CUPS queue to print on");
        QUORIX_NEEDS(!QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty(),
                     "pdftoppm (poppler-utils) is not installed");

        const QStringList before = QDir(outFolder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        DialogAnswerer answer({typeName});
        pressPrint();
        QCOMPARE(answer.answered(), 1);
        QCOMPARE(answer.unexpected(), QStringList());
        QCOMPARE(m_quits, 1);
        QVERIFY(QDir(m_home.filePath(QStringLiteral("Documents"))).isEmpty());

        // The job is done when cups-pdf has written a whole PDF. Its text went
        // through PostScript and cannot be read back, so the page is compared
        // with the report's own PDF as pictures.
        QString printed;
        const QDeadlineTimer deadline(60000);
        while (!deadline.hasExpired() && printed.isEmpty()) {
            for (const QString &name : QDir(outFolder).entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
                const QString path = QDir(outFolder).filePath(name);
                if (!before.contains(name) && pdfInfo(path).contains(QLatin1String("Pages:")))
                    printed = path;
            }
            if (printed.isEmpty())
                QTest::qWait(250);
        }
        QVERIFY2(!printed.isEmpty(),
                 qPrintable(QStringLiteral("no report appeared in %1 within 60 s").arg(outFolder)));
        const QString info = pdfInfo(printed);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QLatin1String("(A4)")), qPrintable(info));

        const QString own = m_home.filePath(QStringLiteral("own.pdf"));
        QVERIFY(
            SafeWriter()
                .writeFile(own,
                           reportPdfBytes(
                               reportScript(m_nav->tally(), studentName,
                                            QTime::currentTime().toString(QStringLiteral("HH:mm")),
                                            QLocale().toString(QDate::currentDate(), QLocale::LongFormat)))
                               .value())
                .ok());
        const Ink printedInk = inkOf(printed, m_home.filePath(QStringLiteral("printed")));
        const Ink ownInk = inkOf(own, m_home.filePath(QStringLiteral("own")));
        QVERIFY(ownInk.pixels > 0);
        const QString both = QStringLiteral("printed %1 %2 px, own %3 %4 px")
                                 .arg(QDebug::toString(printedInk.box))
                                 .arg(printedInk.pixels)
                                 .arg(QDebug::toString(ownInk.box))
                                 .arg(ownInk.pixels);
        QVERIFY2(std::abs(printedInk.box.left() - ownInk.box.left()) <= 2
                     && std::abs(printedInk.box.top() - ownInk.box.top()) <= 2
                     && std::abs(printedInk.box.right() - ownInk.box.right()) <= 2
                     && std::abs(printedInk.box.bottom() - ownInk.box.bottom()) <= 2,
                 qPrintable(both));
        QVERIFY2(printedInk.pixels > ownInk.pixels * 0.9 && printedInk.pixels < ownInk.pixels * 1.1,
                 qPrintable(both));
        QFile::remove(printed);
    }

    void sameReportFromTheQuestionAndTheChartScreens()
    {
        const ScoreTally tally = quorixtest::tallyOf(7, {1, 2, 0, 0, 1, 1}, 1);
        QStringList texts;
        for (const bool fromChart : {false, true}) {
            const QString pdf
                = m_home.filePath(fromChart ? QStringLiteral("chart.pdf") : QStringLiteral("questions.pdf"));
            DialogAnswerer answer({typeName});
            pressPrint(pdf, fromChart, tally);
            QCOMPARE(answer.unexpected(), QStringList());
            m_nav.reset();
            QString text = pdfText(pdf);
            QUORIX_NEEDS(!text.isEmpty(), "pdftotext (poppler-utils) is not installed");
            // The two runs may fall in different minutes.
            text.replace(QRegularExpression(QStringLiteral(" at \\d\\d:\\d\\d on ")),
                         QStringLiteral(" at HH:MM on "));
            texts << text;
        }
        QVERIFY2(texts[0].contains(QStringLiteral("Percent correct = 57.14")), qPrintable(texts[0]));
        QCOMPARE(texts[1], texts[0]);
    }

    // A signal ends the run as "END - don't print my results" does, with the
    // status 128 plus its number; one that comes while the report is being
    // written into a slow pipe lets the whole report through first.
    void aSignalEndsTheRunAsEndDoes_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<QString>("when");
        QTest::newRow("SIGINT on the question screen") << SIGINT << "screen";
        QTest::newRow("SIGTERM at the name prompt") << SIGTERM << "prompt";
        QTest::newRow("SIGHUP while the report goes into a slow pipe") << SIGHUP << "writing";
    }

    void aSignalEndsTheRunAsEndDoes()
    {
        QFETCH(int, signalNumber);
        QFETCH(QString, when);
        QTemporaryDir folder;
        const QByteArray pipe = QFile::encodeName(folder.filePath(QStringLiteral("report.fifo")));
        QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
        QFile reader;
        QVERIFY(reader.open(::open(pipe.constData(), O_RDONLY | O_NONBLOCK),
                            QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle));
        // The smallest pipe, so that the report has to wait for its reader.
        QVERIFY(::fcntl(reader.handle(), F_SETPIPE_SZ, 4096) > 0);
        const auto raise = [signalNumber] { ::kill(::getpid(), signalNumber); };
        QByteArray received;
        QTimer slowReader;
        slowReader.callOnTimeout([&] {
            const bool first = received.isEmpty();
            received += reader.read(512);
            if (first && !received.isEmpty())
                raise();
        });
        m_endSignals = std::make_unique<EndSignals>();
        qsizetype receivedAtQuit = -1;
        m_atQuit = [&] { receivedAtQuit = received.size(); };
        DialogAnswerer answer({[&](QWidget *prompt) {
            if (when == "prompt")
                raise();
            else
                typeName(prompt);
        }});
        if (when == "writing")
            slowReader.start(10);
        pressPrint(QFile::decodeName(pipe), false, quorixtest::tallyOf(3, {1, 1, 0, 0, 0, 1}),
                   when != "screen");
        if (when == "screen")
            raise();
        QTRY_COMPARE(m_quits, 1);
        QCOMPARE(m_status, 128 + signalNumber);
        QVERIFY(m_nav->isEnding() && !m_nav->form2()->isVisible());
        QCOMPARE(answer.unexpected(), QStringList());

        slowReader.stop();
        received += reader.readAll();
        if (when == "writing") {
            QVERIFY2(received.size() > 4096, "the write waited for its reader");
            // The end came once every byte was in the pipe.
            QVERIFY2(receivedAtQuit + 4096 >= received.size(),
                     qPrintable(QStringLiteral("%1 of %2").arg(receivedAtQuit).arg(received.size())));
            QVERIFY(received.startsWith("%PDF-") && received.trimmed().endsWith("%%EOF"));
        } else {
            QCOMPARE(received, QByteArray());
        }
        QVERIFY(QDir(m_home.filePath(QStringLiteral("Documents"))).isEmpty());
    }

    void savesWhenNoPrinterIsReachable()
    {
        // Nobody listens there; libcups is told to look again.
        qputenv("CUPS_SERVER", m_home.filePath(QStringLiteral("no-cupsd.sock")).toUtf8());
        cupsSetServer(nullptr);

        QString message;
        DialogAnswerer answer({typeName, [&](QWidget *w) {
                                   auto *box = qobject_cast<QMessageBox *>(w);
                                   QVERIFY(box);
                                   message = box->text();
                                   QTest::keyClick(box, Qt::Key_Return);
                               }});
        pressPrint();
        QCOMPARE(answer.answered(), 2);
        QCOMPARE(answer.unexpected(), QStringList());
        QCOMPARE(m_quits, 1);

        const QDir documents(m_home.filePath(QStringLiteral("Documents")));
        const QStringList saved = documents.entryList({QStringLiteral("quorix-results-*.pdf")}, QDir::Files);
        QCOMPARE(saved.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^quorix-results-\\d{4}-\\d\\d-\\d\\d-\\d{4}\\.pdf$"))
                     .match(saved.front())
                     .hasMatch(),
                 qPrintable(saved.front()));
        QVERIFY2(message.startsWith(QStringLiteral("Your results could not be printed: ")),
                 qPrintable(message));
        QVERIFY2(message.contains(documents.filePath(saved.front())), qPrintable(message));
        const QString text = pdfText(documents.filePath(saved.front()));
        if (!text.isEmpty())
            QVERIFY2(text.contains(QStringLiteral("Score for ") + studentName + QStringLiteral(" at ")),
                     qPrintable(text));
        qunsetenv("CUPS_SERVER");
        cupsSetServer(nullptr);
    }
};

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
