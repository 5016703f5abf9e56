// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QString>

#include <optional>

namespace quorix {

// The folder the catalogue, the banks and the pictures are read from, and the
// one place that knows their names. It is chosen once at start-up and handed
// to whoever opens a data file; the process's current folder is never
// changed or relied on.
class DataFolder {
public:
    // The main menu offers this many sets, option k opening bank(k).
    static constexpr int OptionCount = 16;

    // path is made absolute against the current folder once, here.
    explicit DataFolder(const QString &path);

    // A folder that exists, is a folder and can be entered; the error is a
    // sentence naming it as it was given.
    static Result<DataFolder> open(const QString &path);

    const QString &path() const { return m_path; }

    static QString catalogueName();
    // The fourteenth set's file has always been numbered 143.
    static QString bankName(int option);

    QString catalogue() const;
    QString bank(int option) const;
    // Where a picture named in a bank is looked for; nothing for a name that
    // is absolute or has a ".." part, because a bank must never make the
    // program open files outside its folder. Subfolders are fine.
    std::optional<QString> picture(const QString &name) const;

private:
    QString m_path;
};

} // namespace quorix
