// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/progressstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include <fcntl.h>
#include <unistd.h>

namespace quorix {

namespace {

// Each step brings the file from the version of its index to the next.
const char *const Migrations[][5] = {
    {
        "CREATE TABLE statement ("
        " id INTEGER PRIMARY KEY,"
        " hash TEXT NOT NULL UNIQUE," // SHA-256 of the UTF-8 text, hexadecimal
        " text TEXT NOT NULL,"
        " explanation TEXT NOT NULL,"
        " bank_file TEXT NOT NULL,"
        " record INTEGER NOT NULL,"
        " version INTEGER NOT NULL)",
        "CREATE TABLE run ("
        " id INTEGER PRIMARY KEY,"
        " started INTEGER NOT NULL," // milliseconds since 1970 UTC
        " title TEXT NOT NULL,"
        " bank_file TEXT NOT NULL)",
        "CREATE TABLE answer ("
        " id INTEGER PRIMARY KEY,"
        " run INTEGER NOT NULL REFERENCES run(id),"
        " statement INTEGER NOT NULL REFERENCES statement(id),"
        " answer TEXT NOT NULL," // TRUE, FALSE or Don't know
        " confidence INTEGER NOT NULL," // 1 to 3; 0 for none
        " key TEXT NOT NULL," // true or false, as marking announced it
        " verdict TEXT NOT NULL CHECK (verdict IN ('right', 'wrong', 'dont-know')),"
        " marks INTEGER NOT NULL,"
        " time INTEGER NOT NULL)", // milliseconds since 1970 UTC
        // The latest answer to each statement (replaced below), and each
        // run's answers.
        "CREATE INDEX answer_statement_time ON answer(statement, time)",
        "CREATE INDEX answer_run ON answer(run)",
    },
    {
        // The figures read this index alone rather than the answers three
        // times; it also finds each statement's latest answer, which the
        // index it replaces was for. Dropped first, so that its pages are
        // reused rather than left free in the file.
        "DROP INDEX answer_statement_time",
        "CREATE INDEX answer_figures ON answer(statement, confidence, verdict, time)",
    },
};
static_assert(std::size(Migrations) == ProgressStore::SchemaVersion);

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString verdictName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Right:
        return QStringLiteral("right");
    case Outcome::Wrong:
        return QStringLiteral("wrong");
    case Outcome::DontKnow:
        break;
    }
    return QStringLiteral("dont-know");
}

Outcome outcomeOf(const QString &verdict)
{
    if (verdict == QLatin1String("right"))
        return Outcome::Right;
    if (verdict == QLatin1String("wrong"))
        return Outcome::Wrong;
    return Outcome::DontKnow;
}

void addToTally(ScoreTally &t, int level, const QString &verdict, int n)
{
    t.asked += n;
    if (verdict == QLatin1String("dont-know"))
        return;
    const bool right = verdict == QLatin1String("right");
    t.answered += n;
    (right ? t.correct : t.wrong) += n;
    int *byLevel[2][3] = {{&t.wrongUnsure, &t.wrongFairlySure, &t.wrongVerySure},
                          {&t.correctUnsure, &t.correctFairlySure, &t.correctVerySure}};
    if (level >= 1 && level <= 3)
        *byLevel[right][level - 1] += n;
}

QDateTime timeOf(const QVariant &ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms.toLongLong(), Qt::UTC);
}

// text, explanation, answer, confidence, key, verdict, marks, time, record,
// version from the query's columns starting at `first`.
KeptAnswer keptAt(const QSqlQuery &query, int first)
{
    KeptAnswer kept;
    LoggedAnswer &a = kept.answer;
    a.statement = query.value(first).toString();
    a.explanation = query.value(first + 1).toString();
    a.answer = query.value(first + 2).toString();
    a.confidence = query.value(first + 3).toInt();
    a.key = query.value(first + 4).toString();
    a.outcome = outcomeOf(query.value(first + 5).toString());
    a.marks = query.value(first + 6).toInt();
    kept.time = timeOf(query.value(first + 7));
    a.record = query.value(first + 8).toInt();
    a.version = query.value(first + 9).toInt();
    return kept;
}

#define KEPT_COLUMNS                                                                                         \
    "s.text, s.explanation, a.answer, a.confidence, a.key, a.verdict, a.marks, a.time, s.record, s.version"

bool writable(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

} // namespace

ProgressStore::ProgressStore(QString folder, int maxPageCount)
    : m_folder(std::move(folder)),
      m_connection(QStringLiteral("quorix-progress-%1").arg(quintptr(this), 0, 16)),
      m_maxPageCount(maxPageCount)
{
}

ProgressStore::~ProgressStore()
{
    close();
}

QString ProgressStore::path() const
{
    return m_folder + QLatin1Char('/') + fileName();
}

StoreStatus ProgressStore::failure(StoreFault fault, const QString &detail)
{
    close();
    return {fault, detail, {}};
}

StoreStatus ProgressStore::open()
{
    if (m_open)
        return {};
    const StoreStatus status = openOnce();
    return status.fault == StoreFault::Damaged ? startAfresh(status) : status;
}

StoreStatus ProgressStore::startAfresh(StoreStatus damaged)
{
    const StoreStatus moved = moveAside(std::move(damaged));
    if (moved.movedTo.isEmpty())
        return moved;
    const StoreStatus fresh = openOnce();
    return fresh.ok() ? moved : fresh;
}

StoreStatus ProgressStore::openOnce()
{
    if (!QDir().mkpath(m_folder) || !QFileInfo(m_folder).isDir())
        return failure(StoreFault::FolderUnwritable, QStringLiteral("it cannot be created"));
    // The student's answers are theirs alone.
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    const QString file = path();
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink()) {
        // Made here rather than by SQLite, which would make it readable by
        // all; its -wal and -shm files take its mode.
        const int fd
            = ::open(QFile::encodeName(file).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            const int error = errno;
            if (error == ENOSPC || error == EDQUOT)
                return failure(StoreFault::DiskFull, errnoText(error));
            if (error == EACCES || error == EPERM || error == EROFS)
                return failure(StoreFault::FolderUnwritable, errnoText(error));
            return failure(StoreFault::Other, errnoText(error));
        }
        ::close(fd);
    } else if (!info.isFile()) {
        return failure(StoreFault::Unreadable, QStringLiteral("it is not a file"));
    } else if (::access(QFile::encodeName(file).constData(), R_OK) != 0) {
        return failure(StoreFault::Unreadable, errnoText(errno));
    } else if (!writable(file)) {
        return failure(StoreFault::ReadOnly, errnoText(errno));
    } else if (!writable(m_folder)) {
        // SQLite makes its -wal and -shm files beside the file.
        return failure(StoreFault::FolderUnwritable, errnoText(errno));
    }

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        if (!db.isValid())
            return failure(StoreFault::Other,
                           QStringLiteral("Qt's SQLite driver (libqt6sql6-sqlite) is missing"));
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        if (!db.open())
            return failure(faultOf(db.lastError()), db.lastError().text());
    }
    m_open = true;

    auto version = scalar(QStringLiteral("PRAGMA user_version"));
    if (!version.ok())
        return version.status;
    if (version.value.toInt() > SchemaVersion)
        return failure(StoreFault::Newer,
                       QStringLiteral("its version is %1, this program's %2")
                           .arg(version.value.toInt())
                           .arg(SchemaVersion));

    QStringList pragmas{QStringLiteral("PRAGMA journal_mode = WAL"),
                        QStringLiteral("PRAGMA synchronous = NORMAL"),
                        QStringLiteral("PRAGMA foreign_keys = ON")};
    if (m_maxPageCount > 0)
        pragmas << QStringLiteral("PRAGMA max_page_count = %1").arg(m_maxPageCount);
    for (const QString &pragma : pragmas) {
        const StoreStatus done = exec(pragma);
        if (!done.ok())
            return done;
    }
    if (version.value.toInt() > 0) {
        // A damaged page may lie anywhere; find it now rather than halfway
        // through the student's run.
        auto check = scalar(QStringLiteral("PRAGMA quick_check"));
        if (!check.ok())
            return check.status;
        if (check.value.toString() != QLatin1String("ok"))
            return failure(StoreFault::Damaged, check.value.toString());
    }
    return migrate(version.value.toInt());
}

StoreFault ProgressStore::faultOf(const QSqlError &error) const
{
    // SQLite's primary result code; extended codes keep it in the low byte.
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return StoreFault::Locked;
    case 13: // SQLITE_FULL
        return StoreFault::DiskFull;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return StoreFault::Damaged;
    case 8: // SQLITE_READONLY
        return writable(m_folder) ? StoreFault::ReadOnly : StoreFault::FolderUnwritable;
    case 14: // SQLITE_CANTOPEN
        return writable(m_folder) ? StoreFault::Unreadable : StoreFault::FolderUnwritable;
    case 3: // SQLITE_PERM
        return StoreFault::Unreadable;
    }
    return StoreFault::Other;
}

StoreStatus ProgressStore::sqlFailure(const QSqlError &error)
{
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return failure(faultOf(error), detail);
}

StoreStatus ProgressStore::exec(const QString &sql)
{
    QSqlError error;
    {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        if (query.exec(sql))
            return {};
        error = query.lastError();
    }
    return sqlFailure(error);
}

ProgressStore::Scalar ProgressStore::scalar(const QString &sql)
{
    QSqlError error;
    {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        if (query.exec(sql)) {
            if (query.next())
                return {{}, query.value(0)};
            if (!query.lastError().isValid())
                return {{}, QVariant()};
        }
        error = query.lastError();
    }
    return {sqlFailure(error), QVariant()};
}

StoreStatus ProgressStore::migrate(int version)
{
    if (version >= SchemaVersion)
        return {};
    StoreStatus status = exec(QStringLiteral("BEGIN IMMEDIATE"));
    for (int step = version; status.ok() && step < SchemaVersion; ++step) {
        for (const char *sql : Migrations[step]) {
            if (sql && !(status = exec(QString::fromUtf8(sql))).ok())
                return status;
        }
    }
    if (status.ok())
        status = exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    if (status.ok())
        status = exec(QStringLiteral("COMMIT"));
    return status;
}

StoreStatus ProgressStore::moveAside(StoreStatus damaged)
{
    close();
    const QString file = path();
    QString aside = file + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = aside.section(QLatin1Char('~'), 0, 0) + QStringLiteral("~%1").arg(n);
    if (!QFile::rename(file, aside))
        return {StoreFault::Other, QStringLiteral("it is damaged and cannot be moved aside"), {}};
    // The -wal belongs to the damaged file; a fresh file must not replay it.
    QFile::rename(file + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(file + QStringLiteral("-shm"));
    damaged.movedTo = aside;
    return damaged;
}

void ProgressStore::close()
{
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_open = false;
    m_runId = 0;
}

void ProgressStore::beginRun(const RunStart &run)
{
    m_run = run;
    m_runId = 0;
}

StoreStatus ProgressStore::keep(const KeptAnswer &kept)
{
    if (!m_open)
        return {StoreFault::Other, QStringLiteral("it is not open"), {}};
    StoreStatus status = exec(QStringLiteral("BEGIN IMMEDIATE"));
    if (!status.ok())
        return status;
    QSqlError error;
    qint64 runId = m_runId;
    {
        const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        QSqlQuery query(db);
        const auto run = [&] {
            if (runId != 0)
                return true;
            query.prepare(QStringLiteral("INSERT INTO run (started, title, bank_file) VALUES (?, ?, ?)"));
            query.addBindValue(m_run.started.toMSecsSinceEpoch());
            query.addBindValue(m_run.title);
            query.addBindValue(m_run.bankFile);
            if (!query.exec())
                return false;
            runId = query.lastInsertId().toLongLong();
            return true;
        };
        const LoggedAnswer &a = kept.answer;
        const QString hash = QString::fromLatin1(statementHash(a.statement));
        qint64 statementId = 0;
        const auto statement = [&] {
            query.prepare(
                QStringLiteral("INSERT INTO statement (hash, text, explanation, bank_file, record, version)"
                               " VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (hash) DO NOTHING"));
            for (const QVariant &v : {QVariant(hash), QVariant(a.statement), QVariant(a.explanation),
                                      QVariant(m_run.bankFile), QVariant(a.record), QVariant(a.version)})
                query.addBindValue(v);
            if (!query.exec())
                return false;
            query.prepare(QStringLiteral("SELECT id FROM statement WHERE hash = ?"));
            query.addBindValue(hash);
            if (!query.exec() || !query.next())
                return false;
            statementId = query.value(0).toLongLong();
            query.finish();
            return true;
        };
        const auto answer = [&] {
            query.prepare(
                QStringLiteral("INSERT INTO answer (run, statement, answer, confidence, key, verdict, "
                               "marks, time) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
            for (const QVariant &v :
                 {QVariant(runId), QVariant(statementId), QVariant(a.answer), QVariant(a.confidence),
                  QVariant(a.key), QVariant(verdictName(a.outcome)), QVariant(a.marks),
                  QVariant(kept.time.toMSecsSinceEpoch())})
                query.addBindValue(v);
            return query.exec();
        };
        if (run() && statement() && answer()) {
            query.finish();
            if (query.exec(QStringLiteral("COMMIT"))) {
                m_runId = runId;
                return {};
            }
        }
        error = query.lastError();
        query.finish();
        query.exec(QStringLiteral("ROLLBACK"));
    }
    return sqlFailure(error);
}

StoreStatus ProgressStore::readFigures(KeptFigures &figures)
{
    if (!m_open)
        return {StoreFault::Other, QStringLiteral("it is not open"), {}};
    figures = {};
    QSqlError error;
    {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.setForwardOnly(true);
        // One pass over answer_figures gives the totals, each statement's
        // counts and the calibration; the left join keeps an answer whose
        // statement row is missing in the totals, as a count of all would.
        const auto counts = [&] {
            if (!query.exec(QStringLiteral("SELECT s.hash, g.confidence, g.verdict, g.n, g.first FROM"
                                           " (SELECT statement, confidence, verdict, COUNT(*) AS n,"
                                           " MIN(time) AS first FROM answer"
                                           " GROUP BY statement, confidence, verdict) g"
                                           " LEFT JOIN statement s ON s.id = g.statement")))
                return false;
            qint64 first = std::numeric_limits<qint64>::max();
            while (query.next()) {
                const QString verdict = query.value(2).toString();
                const int n = query.value(3).toInt();
                figures.totals.answers += n;
                addToTally(figures.calibration, query.value(1).toInt(), verdict, n);
                first = std::min(first, query.value(4).toLongLong());
                if (query.isNull(0))
                    continue;
                StatementCounts &counts = figures.statements[query.value(0).toString().toLatin1()];
                counts.answers += n;
                if (verdict == QLatin1String("right"))
                    counts.right += n;
            }
            if (query.lastError().isValid())
                return false;
            if (figures.totals.answers > 0)
                figures.totals.first = QDateTime::fromMSecsSinceEpoch(first, Qt::UTC);
            if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT run FROM answer)"))
                || !query.next())
                return false;
            figures.totals.runs = query.value(0).toInt();
            return true;
        };
        const auto runs = [&] {
            if (!query.exec(
                    QStringLiteral("SELECT r.id, r.started, a.confidence, a.verdict, COUNT(*), "
                                   "SUM(a.marks) FROM answer a JOIN run r ON r.id = a.run"
                                   " WHERE a.run IN (SELECT id FROM run ORDER BY started DESC, id DESC"
                                   " LIMIT %1) GROUP BY a.run, a.confidence, a.verdict")
                        .arg(TrendRuns)))
                return false;
            QHash<qint64, std::size_t> index;
            while (query.next()) {
                const qint64 id = query.value(0).toLongLong();
                auto found = index.constFind(id);
                if (found == index.cend()) {
                    found = index.insert(id, figures.runs.size());
                    figures.runs.push_back({timeOf(query.value(1)), {}, 0});
                }
                RunTally &run = figures.runs[*found];
                addToTally(run.tally, query.value(2).toInt(), query.value(3).toString(),
                           query.value(4).toInt());
                run.marks += query.value(5).toInt();
            }
            return !query.lastError().isValid();
        };
        // Each statement's latest answer is its highest id: answers are
        // only ever added.
        const auto latest = [&] {
            if (!query.exec(QStringLiteral("SELECT " KEPT_COLUMNS " FROM (SELECT MAX(id) AS id FROM answer"
                                           " GROUP BY statement) l JOIN answer a ON a.id = l.id"
                                           " JOIN statement s ON s.id = a.statement"
                                           " WHERE a.verdict = 'wrong' AND a.confidence >= 2"
                                           " ORDER BY a.time DESC, a.id DESC LIMIT %1")
                                .arg(RevisitRows)))
                return false;
            while (query.next())
                figures.latest.push_back(keptAt(query, 0));
            std::reverse(figures.latest.begin(), figures.latest.end());
            return !query.lastError().isValid();
        };
        // One snapshot for them all.
        if (query.exec(QStringLiteral("BEGIN")) && counts() && runs() && latest()
            && query.exec(QStringLiteral("COMMIT")))
            return {};
        error = query.lastError();
        query.finish();
        query.exec(QStringLiteral("ROLLBACK"));
    }
    figures = {};
    return sqlFailure(error);
}

StoreStatus ProgressStore::readAnswers(const std::function<void(const AnswerRow &)> &each)
{
    if (!m_open)
        return {StoreFault::Other, QStringLiteral("it is not open"), {}};
    QSqlError error;
    {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.setForwardOnly(true);
        if (query.exec(QStringLiteral("SELECT a.run, r.title, " KEPT_COLUMNS " FROM answer a"
                                      " JOIN run r ON r.id = a.run JOIN statement s ON s.id = a.statement"
                                      " ORDER BY a.id"))) {
            while (query.next())
                each({query.value(0).toLongLong(), query.value(1).toString(), keptAt(query, 2)});
            if (!query.lastError().isValid())
                return {};
        }
        error = query.lastError();
    }
    return sqlFailure(error);
}

StoreStatus ProgressStore::forget()
{
    close();
    const QString file = path();
    for (const QString &suffix : {QStringLiteral("-wal"), QStringLiteral("-shm"), QString()}) {
        QFile f(file + suffix);
        if ((f.exists() || QFileInfo(f.fileName()).isSymLink()) && !f.remove())
            return {StoreFault::Other, f.errorString(), {}};
    }
    return {};
}

} // namespace quorix
