// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/safewriter.h"

#include "core/pipedevice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorix {

namespace {

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

Result<void> failure(const QString &why)
{
    return Result<void>::failure(why);
}

// Whether the regular file at path starts with head. Opened without following
// a link and without waiting, in case it was swapped for a pipe since.
bool startsWith(const QString &path, const QByteArray &head)
{
    const int fd
        = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    QByteArray start(head.size(), '\0');
    struct stat st { };
    ssize_t got = 0;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        while (got < head.size()) {
            const ssize_t n = ::read(fd, start.data() + got, size_t(head.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += n;
        }
    }
    ::close(fd);
    return got == head.size() && start == head;
}

} // namespace

Result<void> writeAll(QIODevice &out, const QByteArray &bytes)
{
    if (out.write(bytes) != bytes.size())
        return failure(out.errorString().isEmpty() ? QStringLiteral("the write was cut short")
                                                   : out.errorString());
    if (auto *file = qobject_cast<QFileDevice *>(&out); file && !file->flush())
        return failure(file->errorString());
    return {};
}

void ignoreBrokenPipeSignal()
{
    std::signal(SIGPIPE, SIG_IGN);
}

SafeWriter::SafeWriter()
    : m_write([](QIODevice &out, const QString &, const QByteArray &bytes) { return writeAll(out, bytes); })
{
}

SafeWriter::SafeWriter(WriteBytes write) : m_write(std::move(write)) { }

Result<void> SafeWriter::writeAndSync(QFileDevice &file, const QByteArray &bytes) const
{
    return writeAndSync(file, file.fileName(), bytes);
}

Result<void> SafeWriter::writeAndSync(QFileDevice &file, const QString &path, const QByteArray &bytes) const
{
    if (const Result<void> written = m_write(file, path, bytes); !written)
        return written;
    // A full disk may only say so when the data is flushed or synced.
    if (!file.flush())
        return failure(file.errorString());
    // Devices and pipes cannot be synced, and need not be.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        return failure(errnoText(errno));
    return {};
}

QFileDevice::Permissions SafeWriter::defaultPermissions()
{
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup
        | QFileDevice::ReadOther | QFileDevice::WriteOther;
}

QFileDevice::Permissions SafeWriter::ownerOnlyPermissions()
{
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner;
}

Result<void> SafeWriter::writeFile(const QString &path, const QByteArray &bytes,
                                   const QByteArray &replaceOnly) const
{
    struct stat st { };
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT)
            return writeNewFile(path, bytes);
        return failure(errnoText(errno));
    }
    if (S_ISREG(st.st_mode)) {
        if (!replaceOnly.isEmpty() && st.st_size > 0 && !startsWith(path, replaceOnly))
            return failure(QStringLiteral("it already holds something else, which was left as it was"));
        return replaceRegularFile(path, bytes);
    }
    // Followed, a link planted under a name known in advance (a fixed output
    // name in a shared folder) could send the output over another of the
    // user's files; replaced, the link would be lost. The user is asked for
    // the real name instead.
    if (S_ISLNK(st.st_mode))
        return failure(
            QStringLiteral("it is a symbolic link; give the name of the file it points to instead"));
    if (S_ISDIR(st.st_mode))
        return failure(QStringLiteral("it is a folder"));
    return writeIntoSpecialFile(path, bytes);
}

Result<void> SafeWriter::writeNewFile(const QString &path, const QByteArray &bytes,
                                      QFileDevice::Permissions permissions) const
{
    // Taken already: said before anything is written.
    struct stat st { };
    if (::lstat(QFile::encodeName(path).constData(), &st) == 0)
        return failure(errnoText(EEXIST));
    const QFileInfo target(path);
    QFile temporary;
    for (int attempt = 0;; ++attempt) {
        temporary.setFileName(
            target.dir().filePath(QStringLiteral(".%1.%2.part")
                                      .arg(target.fileName())
                                      .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'))));
        // NewOnly creates the file exclusively and never through a symbolic link.
        if (temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly, permissions))
            break;
        if (!temporary.exists() || attempt == 100)
            return failure(temporary.errorString());
    }
    Result<void> written = writeAndSync(temporary, path, bytes);
    temporary.close();
    if (written)
        written = putInPlace(temporary.fileName(), path);
    if (!written)
        temporary.remove();
    return written;
}

// Gives the complete temporary file the name path, which must still be free.
Result<void> SafeWriter::putInPlace(const QString &temporary, const QString &path) const
{
    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(path);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) != 0) {
        // Some file systems cannot rename without replacing; a hard link
        // never replaces either.
        if (errno != EINVAL && errno != ENOSYS)
            return failure(errnoText(errno));
        if (::link(from.constData(), to.constData()) != 0)
            return failure(errnoText(errno));
        ::unlink(from.constData());
    }
    // The new name itself must reach the disk, or a crash could lose it.
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

Result<QString> SafeWriter::writeNewFileIn(const QString &folder, const std::function<QString(int)> &nameFor,
                                           const QByteArray &bytes,
                                           QFileDevice::Permissions permissions) const
{
    const QDir dir(folder);
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        const QString path = dir.filePath(nameFor(attempt));
        const Result<void> written = writeNewFile(path, bytes, permissions);
        if (written)
            return path;
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            return Result<QString>::failure(written.error());
    }
    return Result<QString>::failure(QStringLiteral("too many files of that name are there already"));
}

Result<void> SafeWriter::replaceRegularFile(const QString &path, const QByteArray &bytes) const
{
    QSaveFile file(path);
    // A file the user may write in a folder they may not still gets written.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return failure(file.errorString());
    // Checked here: commit() itself takes a buffer that failed to flush for
    // success, and would put an empty file in place of the old one.
    const Result<void> written = writeAndSync(file, bytes);
    if (!written) {
        file.cancelWriting();
        return written;
    }
    if (!file.commit())
        return failure(file.errorString());
    return {};
}

// A device or a pipe is written into as it is: replacing it by a file would
// destroy it, and a full device must fail loudly.
Result<void> SafeWriter::writeIntoSpecialFile(const QString &path, const QByteArray &bytes) const
{
    const QByteArray encoded = QFile::encodeName(path);
    // Non-blocking, so a pipe that nobody reads fails instead of waiting for ever.
    const int fd = ::open(encoded.constData(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENXIO)
            return failure(QStringLiteral("nothing is reading from it"));
        return failure(errnoText(error));
    }
    struct stat st { };
    if (::fstat(fd, &st) != 0 || S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return failure(QStringLiteral("it changed while it was being written"));
    }
    // Left non-blocking: a reader that stops taking bytes must not freeze
    // the program, and one that takes nothing for the limit fails the write.
    PipeDevice device(fd, m_stallLimit);
    return m_write(device, path, bytes);
}

} // namespace quorix
