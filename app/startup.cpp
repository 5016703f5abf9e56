#include "app/startup.h"

#include "core/settings.h"

#include <QDir>
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

Result<StartedUp> startUp(RandomSource &random, const StartupOptions &options)
{
    const auto clockSeed
        = [] { return std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()); };
    random.seed(options.seed.value_or(clockSeed()));

    auto results = ResultsFile::create(options.environment, options.homeFolder);
    if (!results)
        return Result<StartedUp>::failure(results.error());

    auto catalogue = readCatalogue(options.catalogueName);
    if (!catalogue)
        return Result<StartedUp>::failure(catalogue.error());
    return StartedUp{std::move(results.value()), catalogue.value()};
}

} // namespace quorix
