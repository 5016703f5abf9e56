// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/progresskeeper.h"

#include "core/settings.h"
#include "progress/progressexport.h"

#include <QDir>
#include <QFileInfo>

namespace quorix {

namespace {

QString closedTail()
{
    return QStringLiteral("\n\nYour score in this run is not affected. No more answers are kept until "
                          "Quorix is started again.");
}

} // namespace

QString storeFaultMessage(const StoreStatus &status, const QString &path)
{
    const QString file = QDir::toNativeSeparators(path);
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    const QString lead = QStringLiteral("Your answers cannot be kept: ");
    switch (status.fault) {
    case StoreFault::None:
        return {};
    case StoreFault::Unreadable:
        return lead + QStringLiteral("%1 cannot be read (%2).").arg(file, status.detail) + closedTail();
    case StoreFault::ReadOnly:
        return lead + QStringLiteral("%1 cannot be written to (%2).").arg(file, status.detail) + closedTail();
    case StoreFault::FolderUnwritable:
        return lead
            + QStringLiteral("%1 cannot be created or changed, because the folder %2 cannot be written to.")
                  .arg(file, folder)
            + closedTail();
    case StoreFault::Damaged:
        return QStringLiteral("%1 was damaged (%2). It has been moved aside as %3, and a new, empty one has "
                              "been started: your answers are kept in it from now on.")
            .arg(file, status.detail, QDir::toNativeSeparators(status.movedTo));
    case StoreFault::Locked:
        return lead + QStringLiteral("%1 is in use by another program.").arg(file) + closedTail();
    case StoreFault::DiskFull:
        return lead + QStringLiteral("the disk that holds %1 is full.").arg(file) + closedTail();
    case StoreFault::Newer:
        return lead
            + QStringLiteral("%1 was written by a newer version of Quorix (%2). It is left as it is.")
                  .arg(file, status.detail)
            + closedTail();
    case StoreFault::Other:
        break;
    }
    return lead + QStringLiteral("%1 cannot be used (%2).").arg(file, status.detail) + closedTail();
}

ProgressKeeper::ProgressKeeper(Settings &settings, QString folder, int maxPageCount)
    : m_settings(settings), m_store(folder, maxPageCount), m_enabled(!folder.isEmpty())
{
}

bool ProgressKeeper::keeping() const
{
    return m_enabled && m_settings.keepProgress();
}

bool ProgressKeeper::setKeeping(bool on)
{
    return m_settings.setKeepProgress(on);
}

QString ProgressKeeper::settingsFile() const
{
    return m_settings.fileName();
}

bool ProgressKeeper::hasKeptFile() const
{
    return m_enabled && QFileInfo::exists(m_store.path());
}

void ProgressKeeper::beginRun(const QString &title, const QString &bankFile)
{
    m_store.beginRun({title, bankFile, QDateTime::currentDateTimeUtc()});
    // Opening loads the driver and checks the file: done while the set
    // loads rather than on the run's first OK.
    if (keeping())
        ensureOpen();
}

bool ProgressKeeper::handle(const StoreStatus &status)
{
    if (status.ok())
        return true;
    StoreStatus told = status;
    if (status.fault == StoreFault::Damaged && status.movedTo.isEmpty())
        told = m_store.startAfresh(status);
    m_pending = storeFaultMessage(told, m_store.path());
    if (told.fault == StoreFault::Damaged && m_store.isOpen())
        return true;
    m_store.close();
    m_closed = true;
    m_closedReason = m_pending;
    return false;
}

bool ProgressKeeper::ensureOpen()
{
    if (!m_enabled || m_closed)
        return false;
    if (m_store.isOpen())
        return true;
    return handle(m_store.open());
}

void ProgressKeeper::keep(const LoggedAnswer &answer)
{
    if (!keeping() || !ensureOpen())
        return;
    const KeptAnswer kept{answer, QDateTime::currentDateTimeUtc()};
    const StoreStatus status = m_store.keep(kept);
    // A file found damaged now is started afresh, and this answer goes
    // into the fresh one.
    if (!status.ok() && handle(status))
        handle(m_store.keep(kept));
}

std::optional<ProgressReport> ProgressKeeper::report(const std::vector<SetStatements> &sets,
                                                     const QLocale &locale)
{
    if (!ensureOpen())
        return std::nullopt;
    KeptFigures figures;
    StoreStatus status = m_store.readFigures(figures);
    if (!status.ok()) {
        if (!handle(status))
            return std::nullopt;
        // Started afresh: nothing is kept in the new file yet.
        figures = {};
    }
    return progressReport(figures, sets, locale);
}

QString ProgressKeeper::exportCsv(const QString &path, bool *exported)
{
    if (exported)
        *exported = false;
    const QString target = QDir::toNativeSeparators(path);
    if (!ensureOpen())
        return m_closedReason.isEmpty() ? QStringLiteral("Nothing was exported: keeping is turned off.")
                                        : m_closedReason;
    QByteArray csv = csvRecord(csvHeader());
    const StoreStatus status = m_store.readAnswers([&csv](const ProgressStore::AnswerRow &row) {
        csv += csvRecord(csvFields(row.run, row.setTitle, row.kept));
    });
    if (!status.ok()) {
        handle(status);
        return QStringLiteral("Nothing was exported: %1 could not be read (%2).")
            .arg(QDir::toNativeSeparators(m_store.path()), status.detail);
    }
    const QString error = writeWholeFile(path, csv);
    if (!error.isEmpty())
        return QStringLiteral("%1 could not be written (%2). Nothing was exported.").arg(target, error);
    if (exported)
        *exported = true;
    return QStringLiteral("Your answers were exported to %1.").arg(target);
}

QString ProgressKeeper::forget(bool *forgotten)
{
    const StoreStatus status = m_store.forget();
    if (forgotten)
        *forgotten = status.ok();
    const QString file = QDir::toNativeSeparators(m_store.path());
    if (!status.ok())
        return QStringLiteral("%1 could not be deleted (%2).").arg(file, status.detail);
    return QStringLiteral("Your progress is forgotten: %1 was deleted.").arg(file);
}

QString ProgressKeeper::takeMessage()
{
    return std::exchange(m_pending, QString());
}

} // namespace quorix
