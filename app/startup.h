// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/catalogue.h"
#include "app/resultsfile.h"
#include "core/datafolder.h"
#include "core/randomsource.h"
#include "core/result.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace quorix {

struct StartupOptions {
    std::optional<std::uint64_t> seed; // from the clock when not given
    QStringList environment; // "NAME=value" entries
    QString homeFolder; // where the results file falls back to
    // Where the choices are remembered and answers are kept; empty: nowhere.
    QString settingsFile;
    QString progressFolder;

    // The running process's environment and home folder, the user's
    // settings file and data folder, seeded from the clock.
    static StartupOptions fromSystem();
};

struct StartedUp {
    ResultsFile resultsFile;
    Catalogue catalogue;
};

// The start-up steps before the menu is shown: seeds the random generator,
// creates the results file and reads the catalogue, whose titles label the
// menu. The error is the text of the message box that ends the program
// before the menu is shown.
Result<StartedUp> startUp(RandomSource &random, const DataFolder &folder, const StartupOptions &options);

// The data folder when none was given: the current folder when it holds a
// catalogue, otherwise the installed one when that does. usedInstalled says
// which; the error names both folders.
Result<DataFolder> findDataFolder(const QString &current, const QString &installed, bool &usedInstalled);

} // namespace quorix
