#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace quorix {

struct ProgramState;

struct StartupOptions {
    std::optional<std::uint64_t> seed; // from the clock when not given
    QStringList environment; // "NAME=value" entries
    QString homeFolder; // where the results file falls back to
    QString catalogueName = QStringLiteral("qbanks.txt");

    // The running process's environment and home folder, seeded from the clock.
    static StartupOptions fromSystem();
};

// The start-up steps that touch only the program state: seeds the random
// generator, creates the results file and reads the catalogue into
// bankTitles. Gives the catalogue's count N, which the menu labels by; the
// error is the text of the message box that ends the program before the menu
// is shown.
Result<int> startUp(ProgramState &state, const StartupOptions &options);

} // namespace quorix
