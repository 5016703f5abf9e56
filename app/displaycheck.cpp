// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/displaycheck.h"

#include <QList>
#include <QtGlobal>

#include <cstdio>
#include <cstring>

#include <unistd.h>
#include <xcb/xcb.h>

namespace quorix {

namespace {

// The value of -NAME VALUE or --NAME VALUE on the command line, if any.
const char *optionValue(int argc, char *argv[], const char *name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const char *arg = argv[i];
        if (arg[0] == '-' && arg[1] == '-')
            ++arg;
        if (arg[0] == '-' && std::strcmp(arg + 1, name) == 0)
            return argv[i + 1];
    }
    return nullptr;
}

QtMessageHandler previousHandler = nullptr;

void fatalEndsQuietly(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        if (previousHandler)
            previousHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "quorix: the program cannot start: %s\n", qPrintable(message));
    std::fflush(stderr);
    // Nothing of the run exists yet that would need its destructors.
    _exit(1);
}

} // namespace

QByteArray platformToStart(int argc, char *argv[])
{
    QByteArray name;
    if (const char *given = optionValue(argc, argv, "platform")) {
        name = given;
    } else if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        name = qgetenv("QT_QPA_PLATFORM");
    } else {
        name = "xcb";
        const QByteArray desktop
            = qgetenv("XDG_CURRENT_DESKTOP").toLower() + qgetenv("XDG_SESSION_DESKTOP").toLower();
        if (qgetenv("XDG_SESSION_TYPE") == "wayland" && !desktop.contains("gnome"))
            name = "wayland";
    }
    return name.split(';').constFirst().split(':').constFirst().trimmed();
}

QString unreachableDisplay(int argc, char *argv[])
{
    if (platformToStart(argc, argv) != "xcb")
        return {};
    const char *given = optionValue(argc, argv, "display");
    const QByteArray display = given ? QByteArray(given) : qgetenv("DISPLAY");
    xcb_connection_t *connection = xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    if (!error)
        return {};
    if (display.isEmpty())
        return QStringLiteral("no X display is named (DISPLAY is not set). Start the program from a desktop "
                              "session, or under a virtual display with xvfb-run -a.");
    return QStringLiteral("the X display \"%1\" (named by %2) could not be reached. Check that it names a "
                          "running display, or start the program under a virtual display with xvfb-run -a.")
        .arg(QString::fromLocal8Bit(display), given ? QStringLiteral("-display") : QStringLiteral("DISPLAY"));
}

FatalStartupMessages::FatalStartupMessages()
{
    previousHandler = qInstallMessageHandler(fatalEndsQuietly);
}

FatalStartupMessages::~FatalStartupMessages()
{
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}

} // namespace quorix
