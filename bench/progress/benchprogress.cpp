// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What keeping answers costs: the time an OK spends recording its answer
// (median and slowest of 1,000), the time the progress window takes to open
// with 50,000 kept answers, and the file's size per 10,000 answers.
// With --shot FILE it also saves a picture of the window after 20 runs.

#include "core/settings.h"
#include "progress/progresskeeper.h"
#include "progress/progresswindow.h"
#include "scoring/tally.h"
#include "ui/navigation.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace quorix;

namespace {

struct NoNavigation : Navigation {
    void backToMainMenu(QWidget *) override { }
    void showScoreToDate() override { }
    void moreQuestions() override { }
    void goToQuestions(QWidget *) override { }
    void printScoreAndEnd(QWidget *) override { }
    void endWithoutPrinting() override { }
    bool closeRequested(QWidget *) override { return true; }
};

constexpr int Sets = 25;
constexpr int StatementsPerSet = 80;
constexpr int AnswersPerRun = 20;

QString statementText(int set, int i)
{
    return QStringLiteral("Statement %1 of set %2: the liver stores glycogen and releases glucose into the "
                          "blood between meals, while muscle keeps its glycogen for itself.")
        .arg(i)
        .arg(set);
}

// The n-th answer ever kept: runs go through the sets in turn, and the
// student gets better as the runs go on.
LoggedAnswer answerNumber(int n)
{
    const int run = n / AnswersPerRun;
    const int set = run % Sets;
    LoggedAnswer a;
    a.record = (n * 7) % StatementsPerSet + 1;
    a.version = 1;
    a.statement = statementText(set, a.record);
    a.explanation = QStringLiteral("Muscle lacks glucose-6-phosphatase, so it cannot release free glucose.");
    a.confidence = 1 + (n + run) % 3;
    const int roll = (n * 37 + run * 11) % 100;
    if (roll < 8) {
        a.answer = QStringLiteral("Don't know");
        a.outcome = Outcome::DontKnow;
        a.confidence = 0;
    } else {
        a.answer = QStringLiteral("TRUE");
        a.outcome = roll < 45 + (run % 20) * 2 ? Outcome::Right : Outcome::Wrong;
    }
    a.key = a.outcome == Outcome::Wrong ? QStringLiteral("false") : QStringLiteral("true");
    a.marks = a.outcome == Outcome::DontKnow ? 0 : answerMarks(a.confidence, a.outcome == Outcome::Right);
    return a;
}

void keepAnswers(ProgressKeeper &keeper, int from, int to, std::vector<double> *times = nullptr)
{
    QElapsedTimer timer;
    for (int n = from; n < to; ++n) {
        if (n % AnswersPerRun == 0) {
            const int set = (n / AnswersPerRun) % Sets;
            keeper.beginRun(QStringLiteral("Set %1").arg(set), QStringLiteral("set%1.dat").arg(set));
        }
        timer.start();
        keeper.keep(answerNumber(n));
        if (times)
            times->push_back(double(timer.nsecsElapsed()) / 1e6);
    }
}

// The database file, and its write-ahead log beside it (which SQLite
// reuses, so it does not grow with the answers).
void printSize(const QString &path, int answers)
{
    const qint64 main = QFileInfo(path).size();
    const qint64 wal = QFileInfo(path + QStringLiteral("-wal")).size();
    std::printf("%d answers: database %.2f MB (%.2f MB per 10000 answers), write-ahead log %.2f MB\n",
                answers, double(main) / 1e6, double(main) / 1e6 / (answers / 10000.0), double(wal) / 1e6);
}

std::vector<SetStatements> menuSets()
{
    std::vector<SetStatements> sets;
    for (int set = 0; set < Sets; ++set) {
        SetStatements s{QStringLiteral("Set %1").arg(set), {}};
        for (int i = 1; i <= StatementsPerSet; ++i)
            s.statements << statementText(set, i);
        sets.push_back(s);
    }
    return sets;
}

// From asking for the figures to the window on screen and painted.
double openWindow(ProgressKeeper &keeper, double *figuresMs, const QString &shot = {})
{
    NoNavigation nav;
    QElapsedTimer timer;
    timer.start();
    std::vector<SetStatements> sets = menuSets();
    const auto report = keeper.report(sets, QLocale());
    if (!report) {
        std::fprintf(stderr, "the figures could not be read: %s\n", qPrintable(keeper.takeMessage()));
        return -1;
    }
    *figuresMs = double(timer.nsecsElapsed()) / 1e6;
    FormProgress window(keeper, std::move(sets), *report, nav);
    window.show();
    QApplication::processEvents();
    window.repaint();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (!shot.isEmpty())
        window.grab().save(shot);
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int shotAt = int(args.indexOf(QStringLiteral("--shot")));
    const QString shot = shotAt > 0 && shotAt + 1 < args.size() ? args[shotAt + 1] : QString();

    QTemporaryDir dir;
    Settings settings(dir.filePath(QStringLiteral("settings.conf")));
    const QString folder = dir.filePath(QStringLiteral("data"));
    settings.setKeepProgress(true);

    if (!shot.isEmpty()) {
        ProgressKeeper keeper(settings, folder);
        keepAnswers(keeper, 0, 20 * AnswersPerRun);
        double figuresMs = 0;
        openWindow(keeper, &figuresMs, shot);
        return 0;
    }

    {
        ProgressKeeper keeper(settings, folder);
        // OK's share: the first 1,000 answers, the file opened on the first run.
        std::vector<double> times;
        keepAnswers(keeper, 0, 1000, &times);
        std::sort(times.begin(), times.end());
        std::printf("recording an answer, 1000 OKs: median %.3f ms, max %.3f ms\n",
                    (times[499] + times[500]) / 2, times.back());

        keepAnswers(keeper, 1000, 10000);
        const QString path = keeper.filePath();
        printSize(path, 10000);
        keepAnswers(keeper, 10000, 50000);
        printSize(path, 50000);
        const QString message = keeper.takeMessage();
        if (!message.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
            return 1;
        }
    }

    // Each opening is a student's first press of "My progress" in a run of
    // the program: a keeper of its own opens and checks the file, with
    // nothing of it cached. The first also loads fonts and styles.
    std::printf("progress window with 50000 kept answers, ms (of which opening the file and the figures):");
    std::vector<double> opens;
    for (int i = 0; i < 7; ++i) {
        ProgressKeeper keeper(settings, folder);
        double figuresMs = 0;
        opens.push_back(openWindow(keeper, &figuresMs));
        std::printf(" %.1f (%.1f)", opens.back(), figuresMs);
        const QString message = keeper.takeMessage();
        if (opens.back() < 0 || !message.isEmpty()) {
            std::fprintf(stderr, "\n%s\n", qPrintable(message));
            return 1;
        }
    }
    std::sort(opens.begin(), opens.end());
    std::printf("\nmedian %.1f ms, max %.1f ms\n", opens[3], opens.back());
    return 0;
}
