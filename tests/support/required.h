// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <QtTest>

// A test that needs a tool of the system (pdftotext, a CUPS queue) skips
// when it is missing on a developer's machine, but fails under scripts/test,
// which installs every tool and sets QUORIX_TOOLS_REQUIRED.
#define QUORIX_NEEDS(available, why)                                                                         \
    do {                                                                                                     \
        if (!(available)) {                                                                                  \
            if (qEnvironmentVariableIsSet("QUORIX_TOOLS_REQUIRED"))                                          \
                QFAIL(why);                                                                                  \
            QSKIP(why);                                                                                      \
        }                                                                                                    \
    } while (false)
