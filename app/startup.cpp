#include "app/startup.h"

#include "app/catalogue.h"
#include "app/programstate.h"

#include <QDir>
#include <QProcess>

#include <chrono>

namespace quorix {

StartupOptions StartupOptions::fromSystem()
{
    StartupOptions options;
    options.environment = QProcess::systemEnvironment();
    options.homeFolder = QDir::homePath();
    return options;
}

Result<int> startUp(ProgramState &state, const StartupOptions &options)
{
    const auto clockSeed
        = [] { return std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()); };
    state.random.seed(options.seed.value_or(clockSeed()));

    auto results = ResultsFile::create(options.environment, options.homeFolder);
    if (!results)
        return Result<int>::failure(results.error());
    state.resultsFile = std::move(results.value());
    state.resultsFilePath = state.resultsFile.path();

    auto catalogue = readCatalogue(options.catalogueName);
    if (!catalogue)
        return Result<int>::failure(catalogue.error());
    state.bankTitles = catalogue->titles;
    return catalogue->count;
}

} // namespace quorix
