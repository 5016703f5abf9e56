// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/check/bankchecker.h"
#include "tools/check/checkreport.h"
#include "tools/check/figures.h"
#include "tools/check/textfit.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {

const char *const description = R"(Checks question banks and catalogues as Quorix reads them.

Give a data folder to check its catalogue qbanks.txt, every bank its menu can
open (qbank1.txt to qbank16.txt, option 14 opening qbank143.txt) and every
picture those banks name, looked for in that folder. Give a file to check it
alone: a file named qbanks.txt is taken as a catalogue, any other as a bank
whose pictures are looked for beside it. A folder named qbanks.txt or
qbank*.txt is checked as the file the program would try to open there.

Errors: what stops the program from reading a file. A file that is missing,
is not a regular file (a folder, a pipe, a device, a symbolic link to nothing
or a link loop), holds more than 16 MB or a field over 65536 characters; a
bank with more than 400 records, a file ending inside a record, a record
number that is text; a catalogue whose count is not a whole number, is above
20 or exceeds the titles in the file; a catalogue title whose bank file is
missing; in a folder whose menu opens the PAR exercise (qbank4.txt), a band
picture PAR1.bmp to PAR7.bmp or the logo zentavo.bmp that is missing or cannot
be read.

Warnings: what the program reads but shows wrongly. A key that is not exactly
"T" or "F" (no answer matches it); an empty statement, explanation or title; a
picture that is missing or cannot be read; fields that look shifted by an
unquoted comma or a blank line; a double quote inside a quoted field (the text
after it is lost) or one never closed; a blank line (read as an empty field);
a missing -999 terminator, or text after it; the same statement twice; a bank
of fewer than 2 questions; first (or second) statements so nearly all true or
all false that the heading's version number predicts the answer (an exact
binomial test, p < 0.01, in banks of 10 or more); a statement or explanation too long for its box on
the question screen (bold Liberation Sans 12 pt: statements 761 x 113 pixels,
explanations 521 x 241); wording that gives the answer away (below). In a
catalogue: a count of 0; titles after the counted ones (never read); titles 17
to 20 (read, never shown); options up to 10 that keep placeholder captions but
have no bank. In a folder: a qbank file that no option opens, such as
qbank14.txt.

Wording that gives the answer away, measured on the statements keyed "T" or
"F" of each bank and warned of on line 1, in either direction:
  Length, the characters (Unicode code points) of a statement as read, quotes
  excluded: in at least 10 records whose statements have opposite keys and
  differ in length, the longer one is the true (or the false) one with an
  exact two-sided binomial p < 0.01 at 1/2.
  Words, maximal runs of letters, case ignored ("all-trans" holds "all",
  "cannot" is not "can"): at least 8 statements hold a word of a list, and
  they are false (or true) against the rest with an exact two-sided Fisher
  p < 0.01. Absolute words: always, never, all, every, none, only, any,
  whatever, completely, entirely, impossible. Hedging words: about, can, may,
  most, often, usually, some, mainly, partly, largely, generally.
--figures prints these measures per bank and over all the banks given (a
folder gives the banks its menu opens), with the AUC of length (the chance
that a random true statement is longer than a random false one, ties
counting half), instead of checking.

Output, one line each, sorted by line within each file:
  FILE:LINE: error: MESSAGE
  FILE:LINE: warning: MESSAGE
  FILE:LINE: note: MESSAGE (with --verbose)
then per file "FILE: SUMMARY" (questions, statements, true and false keys and
the quota of a bank; the titles of a catalogue), and last the totals.

Exit status: 0 when there are no errors (warnings allowed), 1 when there is an
error (or, with --strict, a warning), 2 when the command line is wrong. With
--figures: 0, or 1 when a bank cannot be read.)";

} // namespace

int main(int argc, char *argv[])
{
    // Text sizes are measured with the platform's fonts, and no window is
    // ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform's own chatter (runtime folders, colour profiles) is no
    // concern of a teacher's; every finding is reported in the lines below.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "quorix-check: %s\n", qPrintable(message));
    });
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("quorix-check"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(description));
    parser.addHelpOption();
    const QCommandLineOption strict(QStringLiteral("strict"), QStringLiteral("Exit 1 on warnings as well."));
    parser.addOption(strict);
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("After a warning of a cue to the answer, a note on each "
                                                    "record or statement that follows it."));
    parser.addOption(verbose);
    const QCommandLineOption figures(QStringLiteral("figures"),
                                     QStringLiteral("Print how strongly length and wording predict the keys, "
                                                    "per bank and over all, instead of checking."));
    parser.addOption(figures);
    parser.addPositionalArgument(QStringLiteral("path"),
                                 QStringLiteral("A data folder, a catalogue or a bank."),
                                 QStringLiteral("path..."));
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "quorix-check: %s\nSee quorix-check --help.\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    const QStringList paths = parser.positionalArguments();
    if (paths.isEmpty()) {
        std::fputs("quorix-check: give a data folder or files to check.\nSee quorix-check --help.\n", stderr);
        return 2;
    }

    // An empty name would be taken for the current folder's file of no name.
    if (paths.contains(QString())) {
        std::fputs("quorix-check: an empty path was given.\n", stderr);
        return 2;
    }

    if (parser.isSet(figures)) {
        const quorix::check::FiguresReport shown = quorix::check::figuresReport(paths);
        for (const QString &line : shown.lines)
            std::printf("%s\n", qPrintable(line));
        for (const QString &problem : shown.problems)
            std::fprintf(stderr, "quorix-check: %s\n", qPrintable(problem));
        return shown.problems.isEmpty() ? 0 : 1;
    }

    quorix::check::CheckReport report;
    quorix::check::BankChecker checker(report);
    checker.setListCueRecords(parser.isSet(verbose));
    const QString family = quorix::check::TextFit().family();
    if (family != QLatin1String("Liberation Sans")) {
        std::fprintf(stderr,
                     "quorix-check: Liberation Sans is not installed; text lengths are measured in %s.\n",
                     qPrintable(family));
    }
    for (const QString &path : paths) {
        if (QFileInfo(path).isDir() && !quorix::check::BankChecker::namedLikeDataFile(path))
            checker.checkFolder(path);
        else
            checker.checkFile(path);
    }
    for (const QString &line : report.lines())
        std::printf("%s\n", qPrintable(line));

    if (report.errorCount() > 0 || (parser.isSet(strict) && report.warningCount() > 0))
        return 1;
    return 0;
}
