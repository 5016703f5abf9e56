// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/datafile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorix {

namespace {

constexpr qsizetype excerptLength = 60;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) { }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

bool isSymbolicLink(const QByteArray &name)
{
    struct stat st;
    return ::lstat(name.constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

DataFileContents failure(DataFileProblem problem, QString reason)
{
    DataFileContents out;
    out.problem = problem;
    out.reason = std::move(reason);
    return out;
}

DataFileContents systemFailure(const QByteArray &name, int error)
{
    if (error == ELOOP)
        return failure(DataFileProblem::LinkLoop, QStringLiteral("its symbolic links lead round in a loop"));
    if (error == ENOENT && isSymbolicLink(name)) {
        return failure(DataFileProblem::Missing,
                       QStringLiteral("it is a symbolic link to something that does not exist"));
    }
    const QString text = QString::fromLocal8Bit(std::strerror(error));
    return failure(error == ENOENT ? DataFileProblem::Missing : DataFileProblem::Unreadable, text);
}

DataFileContents notAFile(const QByteArray &name, mode_t mode)
{
    QString what;
    if (S_ISDIR(mode))
        what = QStringLiteral("a folder");
    else if (S_ISFIFO(mode))
        what = QStringLiteral("a named pipe (FIFO)");
    else if (S_ISCHR(mode) || S_ISBLK(mode))
        what = QStringLiteral("a device");
    else if (S_ISSOCK(mode))
        what = QStringLiteral("a socket");
    else
        what = QStringLiteral("something other than a file");
    return failure(DataFileProblem::NotAFile,
                   isSymbolicLink(name)
                       ? QStringLiteral("it is a symbolic link to %1, not to a file").arg(what)
                       : QStringLiteral("it is %1, not a file").arg(what));
}

DataFileContents tooLarge()
{
    return failure(DataFileProblem::TooLarge,
                   QStringLiteral("it is larger than %1 MB, the most a data file may hold")
                       .arg(MaxDataFileSize / (1024 * 1024)));
}

} // namespace

DataFileContents readDataFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    // A device or a pipe is not even opened: opening some has effects of its own.
    if (::stat(name.constData(), &st) != 0)
        return systemFailure(name, errno);
    if (!S_ISREG(st.st_mode))
        return notAFile(name, st.st_mode);

    // O_NONBLOCK: should the name have become a pipe since, open() returns
    // at once, and the check below refuses it.
    const FileDescriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return systemFailure(name, errno);
    if (::fstat(fd.get(), &st) != 0)
        return systemFailure(name, errno);
    if (!S_ISREG(st.st_mode))
        return notAFile(name, st.st_mode);
    if (st.st_size > MaxDataFileSize)
        return tooLarge();

    // One byte more than the limit, so a file that grew since fstat() is noticed.
    DataFileContents out;
    QByteArray &bytes = out.bytes;
    bytes.resize(qsizetype(st.st_size) + 1);
    qsizetype used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(std::min<qsizetype>(2 * used + 4096, MaxDataFileSize + 1));
        const ssize_t got = ::read(fd.get(), bytes.data() + used, std::size_t(bytes.size() - used));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return systemFailure(name, errno);
        }
        if (got == 0)
            break;
        used += got;
        if (used > MaxDataFileSize)
            return tooLarge();
    }
    bytes.resize(used);
    return out;
}

QString excerpt(QStringView text)
{
    QString out;
    out.reserve(excerptLength + 1);
    bool blankPending = false;
    for (const QChar c : text) {
        if (c.isSpace()) {
            blankPending = !out.isEmpty();
            continue;
        }
        if (blankPending)
            out += QLatin1Char(' ');
        blankPending = false;
        const auto category = c.category();
        out += (category == QChar::Other_Control || category == QChar::Other_Format) ? QChar(0xFFFD) : c;
        if (out.size() > excerptLength)
            break;
    }
    if (out.size() > excerptLength) {
        out.truncate(excerptLength - 3);
        if (out.back().isHighSurrogate())
            out.chop(1);
        out += QStringLiteral("...");
    }
    return out;
}

} // namespace quorix
