// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdio>

namespace quorix {

// Whether a window shown now can be seen by anyone: not on the offscreen or
// minimal platforms, where a message box would wait for ever.
bool windowsCanBeSeen();

// A refusal to start: "quorix: " and text as one line on err, and the text in
// a message box (objectName "startupRefusal") when showBox, for a student who
// started the program from a desktop menu and sees no terminal. Returns
// exitCode, for main to return.
int refuseToStart(const QString &text, int exitCode, bool showBox, std::FILE *err = stderr);

} // namespace quorix
