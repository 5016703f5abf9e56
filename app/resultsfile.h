// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

namespace quorix {

// The results file: created (or emptied) at start-up, never written, closed at
// the end. Opened without following symbolic links and without blocking, and
// only emptied once it is known to be a regular file.
class ResultsFile {
public:
    ResultsFile() = default;
    ResultsFile(ResultsFile &&other) noexcept;
    ResultsFile &operator=(ResultsFile &&other) noexcept;
    ResultsFile(const ResultsFile &) = delete;
    ResultsFile &operator=(const ResultsFile &) = delete;
    ~ResultsFile();

    // environment: "NAME=value" entries (QProcess::systemEnvironment()).
    // Tries the "temp" folder (any case; unset or empty: TMPDIR, else /tmp),
    // then quorixout.txt in homeFolder.
    static Result<ResultsFile> create(const QStringList &environment, const QString &homeFolder);

    // One attempt at exactly this path.
    static Result<ResultsFile> openAt(const QString &path);

    const QString &path() const { return m_path; }
    bool isOpen() const { return m_fd >= 0; }
    void close();

private:
    int m_fd = -1;
    QString m_path;
};

} // namespace quorix
