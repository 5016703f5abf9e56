// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup.h"

#include "core/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <chrono>

namespace quorix {

StartupOptions StartupOptions::fromSystem()
{
    StartupOptions options;
    options.environment = QProcess::systemEnvironment();
    options.homeFolder = QDir::homePath();
    options.settingsFile = Settings::defaultFileName();
    options.progressFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return options;
}

Result<StartedUp> startUp(RandomSource &random, const DataFolder &folder, const StartupOptions &options)
{
    const auto clockSeed
        = [] { return std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()); };
    random.seed(options.seed.value_or(clockSeed()));

    auto results = ResultsFile::create(options.environment, options.homeFolder);
    if (!results)
        return Result<StartedUp>::failure(results.error());

    auto catalogue = readCatalogue(folder.catalogue());
    if (!catalogue)
        return Result<StartedUp>::failure(catalogue.error());
    return StartedUp{std::move(results.value()), catalogue.value()};
}

Result<DataFolder> findDataFolder(const QString &current, const QString &installed, bool &usedInstalled)
{
    usedInstalled = false;
    const DataFolder here(current);
    if (QFileInfo::exists(here.catalogue()))
        return here;
    const DataFolder beside(installed);
    if (QFileInfo(beside.catalogue()).isFile()) {
        usedInstalled = true;
        return beside;
    }
    return Result<DataFolder>::failure(QStringLiteral("No %1 in %2 or in %3; start with --data-dir FOLDER")
                                           .arg(DataFolder::catalogueName(),
                                                QDir::toNativeSeparators(here.path()),
                                                QDir::toNativeSeparators(beside.path())));
}

} // namespace quorix
