// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

#include <thread>

namespace quorix {

// The screens and the report ask for "MS Sans Serif" and Arial; neither exists
// here and fontconfig would give DejaVu Sans, so both map to Liberation Sans,
// which has the same metrics as Arial. Safe to call more than once.
void installFontSubstitutions();

// Bold "MS Sans Serif" at the given size: the font of every caption and
// printed text unless a screen says otherwise. Installs the substitutions.
QFont screenFont(double pointSize = 9.75, bool bold = true);

// Reads the system's font configuration and font caches on a thread of its
// own. That reading is the longest single step of start-up, and the toolkit
// would otherwise do it on the first caption it measures; started before the
// application connects to the display, the two overlap. wait() (or the
// destructor) returns once it is done; call it before any text is measured.
class FontConfigReader {
public:
    FontConfigReader();
    ~FontConfigReader();
    FontConfigReader(const FontConfigReader &) = delete;
    FontConfigReader &operator=(const FontConfigReader &) = delete;
    void wait();

private:
    std::thread m_thread;
};

} // namespace quorix
