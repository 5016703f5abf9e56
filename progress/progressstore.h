// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/progressfigures.h"
#include "scoring/answerlog.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <functional>

class QSqlError;

namespace quorix {

// What can go wrong with the progress file, each told to the student in its
// own words (progresskeeper.h).
enum class StoreFault {
    None,
    Unreadable, // the file cannot be read, or is not a file
    ReadOnly, // the file can be read but not written
    FolderUnwritable, // the folder cannot be created or written to
    Damaged, // not a database, or a damaged page: moved aside
    Locked, // another program held it past the busy timeout
    DiskFull,
    Newer, // written by a newer version: left untouched
    Other,
};

struct StoreStatus {
    StoreFault fault = StoreFault::None;
    QString detail; // the system's or SQLite's own words
    QString movedTo; // Damaged: where the file was moved
    bool ok() const { return fault == StoreFault::None; }
};

// The set a run was started on, when OK on the menu opened it.
struct RunStart {
    QString title;
    QString bankFile;
    QDateTime started;
};

// The progress file, progress.sqlite in its folder (the folder at mode 0700,
// the file at 0600): each statement once, each run that kept an answer, and
// each kept answer, written in a transaction of its own. The file is opened
// on first use, in WAL mode with synchronous=NORMAL, so an answer whose
// transaction committed survives the program being killed. Its schema
// version is PRAGMA user_version; an older file is brought up to date, a
// newer one is left untouched. A damaged file is moved aside and a fresh one
// started.
class ProgressStore {
public:
    static constexpr int SchemaVersion = 2;
    static constexpr int BusyTimeoutMs = 200;
    static QString fileName() { return QStringLiteral("progress.sqlite"); }

    // maxPageCount > 0 limits the file's size in pages, as a full disk would.
    explicit ProgressStore(QString folder, int maxPageCount = 0);
    ~ProgressStore();
    ProgressStore(const ProgressStore &) = delete;
    ProgressStore &operator=(const ProgressStore &) = delete;

    QString folder() const { return m_folder; }
    QString path() const;
    bool isOpen() const { return m_open; }

    // Opens the file, creating it and bringing its schema up to date. A
    // damaged file is moved aside and a fresh one opened: the status then
    // says Damaged while the store is open.
    StoreStatus open();
    // After a Damaged status from any step: moves the file aside and opens
    // a fresh one; the status says where it went.
    StoreStatus startAfresh(StoreStatus damaged);
    void close();

    // Answers kept after this belong to this run; the run is written with
    // its first answer, so a run without one is never counted.
    void beginRun(const RunStart &run);
    StoreStatus keep(const KeptAnswer &answer);

    StoreStatus readFigures(KeptFigures &figures);

    // Every kept answer, oldest first, with its run and set.
    struct AnswerRow {
        qint64 run = 0;
        QString setTitle;
        KeptAnswer kept;
    };
    StoreStatus readAnswers(const std::function<void(const AnswerRow &)> &each);

    // Closes the store and deletes the file with its -wal and -shm files.
    StoreStatus forget();

private:
    struct Scalar {
        StoreStatus status;
        QVariant value;
        bool ok() const { return status.ok(); }
    };

    StoreStatus openOnce();
    StoreStatus migrate(int version);
    StoreStatus moveAside(StoreStatus damaged);
    // A failure closes the store.
    StoreStatus failure(StoreFault fault, const QString &detail);
    StoreStatus sqlFailure(const QSqlError &error);
    StoreFault faultOf(const QSqlError &error) const;
    StoreStatus exec(const QString &sql);
    Scalar scalar(const QString &sql);

    QString m_folder;
    QString m_connection;
    int m_maxPageCount = 0;
    bool m_open = false;
    RunStart m_run;
    qint64 m_runId = 0; // 0 until the run's first answer is kept
};

} // namespace quorix
