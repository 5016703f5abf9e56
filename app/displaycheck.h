// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace quorix {

// The platform Qt will start: -platform NAME (or --platform) from the
// command line, else QT_QPA_PLATFORM, else "wayland" in a Wayland session
// that is not GNOME's, else "xcb". Only the first of a list ("wayland;xcb"),
// without its options ("offscreen:configfile=...").
QByteArray platformToStart(int argc, char *argv[]);

// Where that platform is X11, connects to its display once and returns why
// it cannot be reached, for the user; empty when it can, or when the
// platform is another.
QString unreachableDisplay(int argc, char *argv[]);

// While it lives, a fatal message from Qt (a platform that cannot start)
// is written to standard error after "quorix: " and ends the program with
// status 1, instead of an abort and a core dump. Other messages go where
// they went before.
class FatalStartupMessages {
public:
    FatalStartupMessages();
    ~FatalStartupMessages();
    FatalStartupMessages(const FatalStartupMessages &) = delete;
    FatalStartupMessages &operator=(const FatalStartupMessages &) = delete;
};

} // namespace quorix
