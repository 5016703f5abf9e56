// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/resultsfile.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorix {

namespace {

const QString fileName = QStringLiteral("quorixout.txt");

// The value of the entry called name; an exact match wins over one that
// differs only in case. Unset gives an empty text.
QString environmentValue(const QStringList &environment, const QString &name, Qt::CaseSensitivity cs)
{
    std::optional<QString> found;
    for (const QString &entry : environment) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QStringView key = QStringView(entry).left(eq);
        if (key.compare(name, cs) != 0)
            continue;
        if (key == name)
            return entry.mid(eq + 1);
        if (!found)
            found = entry.mid(eq + 1);
    }
    return found.value_or(QString());
}

QString joinPath(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

ResultsFile::ResultsFile(ResultsFile &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_path(std::move(other.m_path))
{
}

ResultsFile &ResultsFile::operator=(ResultsFile &&other) noexcept
{
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
    }
    return *this;
}

ResultsFile::~ResultsFile()
{
    close();
}

void ResultsFile::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

Result<ResultsFile> ResultsFile::openAt(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    // No following of a planted symbolic link, and no waiting on a FIFO.
    const int fd
        = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int error = errno;
        if (error == ELOOP)
            return Result<ResultsFile>::failure(path + QStringLiteral(": it is a symbolic link"));
        return Result<ResultsFile>::failure(path + QStringLiteral(": ") + errnoText(error));
    }

    struct stat st { };
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return Result<ResultsFile>::failure(path + QStringLiteral(": ") + errnoText(error));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return Result<ResultsFile>::failure(path + QStringLiteral(": it is not a regular file"));
    }
    if (::ftruncate(fd, 0) != 0) {
        const int error = errno;
        ::close(fd);
        return Result<ResultsFile>::failure(path + QStringLiteral(": ") + errnoText(error));
    }

    ResultsFile file;
    file.m_fd = fd;
    file.m_path = path;
    return file;
}

Result<ResultsFile> ResultsFile::create(const QStringList &environment, const QString &homeFolder)
{
    QString folder = environmentValue(environment, QStringLiteral("temp"), Qt::CaseInsensitive);
    if (folder.isEmpty())
        folder = environmentValue(environment, QStringLiteral("TMPDIR"), Qt::CaseSensitive);
    if (folder.isEmpty())
        folder = QStringLiteral("/tmp");

    auto first = openAt(joinPath(folder, fileName));
    if (first)
        return first;
    auto second = openAt(joinPath(homeFolder, fileName));
    if (second)
        return second;
    return Result<ResultsFile>::failure(
        QStringLiteral("The results file could not be created in either place: %1; %2.")
            .arg(first.error(), second.error()));
}

} // namespace quorix
