// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/progressfigures.h"
#include "progress/progressstore.h"

#include <QString>

#include <optional>
#include <vector>

class QLocale;

namespace quorix {

class Settings;

// The owner of what is kept across runs: whether keeping is on (through the
// settings), the store, opened on first need so that nothing of SQL is
// loaded while keeping is off, and what went wrong with it. A fault never
// touches the run's score: the answer is simply not kept, the store stays
// closed for the rest of the program's run, and the student is told once.
class ProgressKeeper {
public:
    // An empty folder keeps nothing. maxPageCount limits the file, as a full
    // disk would.
    ProgressKeeper(Settings &settings, QString folder, int maxPageCount = 0);

    bool keeping() const;
    // False when the choice could not be written to the settings file.
    bool setKeeping(bool on);
    // Whether progress.sqlite exists; it is not opened to find out.
    bool hasKeptFile() const;
    QString filePath() const { return m_store.path(); }
    QString settingsFile() const;

    // OK on the menu opened a set; while keeping, the file is opened now.
    void beginRun(const QString &title, const QString &bankFile);
    // OK on the question screen marked a statement.
    void keep(const LoggedAnswer &answer);

    // The window's figures; none when the file could not be read (a message
    // then waits).
    std::optional<ProgressReport> report(const std::vector<SetStatements> &sets, const QLocale &locale);
    // Writes everything kept to path as CSV; the text says what happened,
    // either way.
    QString exportCsv(const QString &path, bool *exported = nullptr);
    // Deletes everything kept. The text says what happened, either way.
    QString forget(bool *forgotten = nullptr);

    // The message about a fault that the student has not been told yet;
    // empty when there is none. Each fault is told once.
    QString takeMessage();
    // After a fault that closed the store: what it was, for a student who
    // asks for the progress window.
    bool closedForRun() const { return m_closed; }
    const QString &closedReason() const { return m_closedReason; }

private:
    bool ensureOpen();
    // True when the store could go on (a damaged file started afresh).
    bool handle(const StoreStatus &status);

    Settings &m_settings;
    ProgressStore m_store;
    bool m_enabled = false;
    bool m_closed = false;
    QString m_closedReason;
    QString m_pending;
};

// What the student is told about a fault of the file at path.
QString storeFaultMessage(const StoreStatus &status, const QString &path);

} // namespace quorix
