// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/displaycheck.h"
#include "app/navigator.h"
#include "app/startup.h"
#include "app/startuprefusal.h"
#include "core/endsignals.h"
#include "core/safewriter.h"
#include "ui/fonts.h"
#include "ui/screenwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

// A refusal before the menu, on standard error and, where it can be seen, in
// a message box.
int refuse(const QString &text, int exitCode)
{
    return quorix::refuseToStart(text, exitCode, quorix::windowsCanBeSeen());
}

int failUsage(const QString &text)
{
    return refuse(text, 2);
}

// The program cannot start Qt's desktop platform without a display; say so
// plainly instead of letting the platform plugin abort.
bool hasDisplay(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

bool asksOnlyForHelpOrVersion(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-v" || arg == "--version" || arg == "--help-all")
            return true;
    }
    return false;
}

// With no --data-dir the data is the current folder's. Started from a
// terminal in a folder without a catalogue, the program falls back on the
// data installed beside it (../share/quorix from the executable), found
// relative to the executable so that an unpacked package works anywhere.
quorix::Result<quorix::DataFolder> chooseDataFolder(const QCommandLineParser &parser,
                                                    const QCommandLineOption &dataDir)
{
    if (parser.isSet(dataDir))
        return quorix::DataFolder::open(parser.value(dataDir));
    bool usedInstalled = false;
    auto found = quorix::findDataFolder(
        QDir::currentPath(), QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quorix"),
        usedInstalled);
    if (found && usedInstalled) {
        std::fprintf(stderr, "quorix: no qbanks.txt in the current folder; using the installed data in %s\n",
                     qPrintable(found->path()));
    }
    return found;
}

} // namespace

int main(int argc, char *argv[])
{
    quorix::ignoreBrokenPipeSignal();
    if (!hasDisplay(argc, argv) && !asksOnlyForHelpOrVersion(argc, argv)) {
        std::fprintf(stderr,
                     "quorix: there is no display to show the program on (neither DISPLAY nor "
                     "WAYLAND_DISPLAY is set); start it from a desktop session, or under a "
                     "virtual display with xvfb-run -a.\n");
        return 1;
    }
    // --help and --version need no display: the offscreen platform serves them.
    if (!hasDisplay(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    if (const QString unreachable = quorix::unreachableDisplay(argc, argv); !unreachable.isEmpty()) {
        if (!asksOnlyForHelpOrVersion(argc, argv)) {
            std::fprintf(stderr, "quorix: %s\n", qPrintable(unreachable));
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    quorix::FontConfigReader fontConfig;
    std::optional<quorix::FatalStartupMessages> fatalAtStartup(std::in_place);
    QApplication app(argc, argv);
    fatalAtStartup.reset();
    QApplication::setApplicationName(QStringLiteral("quorix"));
    QApplication::setApplicationVersion(QStringLiteral(QUORIX_VERSION));
    quorix::installFontSubstitutions();

    QCommandLineParser parser;
    parser.setApplicationDescription(quorix::programTitle());
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Read the catalogue, banks and pictures from <dir>."),
                                     QStringLiteral("dir"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed the random generator with <n> (a whole "
                                                 "number from 0) instead of the clock."),
                                  QStringLiteral("n"));
    const QCommandLineOption printToPdf(
        QStringLiteral("print-to-pdf"),
        QStringLiteral("Write the results report to <file> as PDF instead of printing it."),
        QStringLiteral("file"));
    parser.addOptions({dataDir, seed, printToPdf});
    // Checked before process(), which would end the program with the error on
    // standard error only; process() then serves --help and --version.
    if (!parser.parse(QApplication::arguments()))
        return failUsage(parser.errorText() + QStringLiteral(" See quorix --help."));
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        return failUsage(QStringLiteral("Unexpected argument \"%1\". See quorix --help.")
                             .arg(parser.positionalArguments().constFirst()));

    quorix::StartupOptions options = quorix::StartupOptions::fromSystem();
    if (parser.isSet(seed)) {
        bool ok = false;
        const qulonglong value = parser.value(seed).toULongLong(&ok);
        if (!ok)
            return failUsage(QStringLiteral("The option --seed needs a whole number from 0, not \"%1\".")
                                 .arg(parser.value(seed)));
        options.seed = value;
    }

    QString pdfFile;
    if (parser.isSet(printToPdf)) {
        if (parser.value(printToPdf).isEmpty())
            return failUsage(QStringLiteral("The option --print-to-pdf needs a file name."));
        pdfFile = QFileInfo(parser.value(printToPdf)).absoluteFilePath();
    }

    auto folder = chooseDataFolder(parser, dataDir);
    if (!folder)
        return parser.isSet(dataDir) ? failUsage(folder.error()) : refuse(folder.error(), 1);

    fontConfig.wait();
    auto navigator = std::make_unique<quorix::Navigator>(folder.value(), pdfFile);
    quorix::EndSignals endSignals;
    QObject::connect(&endSignals, &quorix::EndSignals::arrived, navigator.get(),
                     &quorix::Navigator::endOnSignal);
    auto started = navigator->start(options);
    if (!started)
        return refuse(started.error(), 1);
    // Only once the menu's window exists: X11's hidden client-leader window,
    // made with the first window, is named after the display name of that
    // moment. Named with the program's title, it took closes meant for the
    // menu, and dropped them.
    QApplication::setApplicationDisplayName(quorix::programTitle());
    // A close that came before the event loop ran has ended the run already.
    if (navigator->isEnding())
        return 0;
    qCDebug(quorix::lcClose) << "event loop entered";
    const int status = app.exec();
    qCDebug(quorix::lcClose) << "event loop left with" << status;
    // A signal that came as the run was ending anyway still says how it ended.
    if (const int signalNumber = endSignals.received(); signalNumber != 0)
        return 128 + signalNumber;
    return status;
}
