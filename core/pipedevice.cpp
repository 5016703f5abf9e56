// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/pipedevice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <poll.h>
#include <unistd.h>

namespace quorix {

namespace {

// Short enough that a window waiting on the write still repaints smoothly.
constexpr qint64 EventSliceMs = 20;

} // namespace

PipeDevice::PipeDevice(int fd, std::chrono::milliseconds stallLimit) : m_fd(fd), m_stallLimit(stallLimit)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

PipeDevice::~PipeDevice()
{
    ::close(m_fd);
}

qint64 PipeDevice::writeData(const char *data, qint64 length)
{
    qint64 done = 0;
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    while (done < length) {
        const ssize_t n = ::write(m_fd, data + done, size_t(length - done));
        if (n > 0) {
            done += n;
            sinceProgress.restart();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            setErrorString(QString::fromLocal8Bit(std::strerror(errno)));
            return -1;
        }
        const qint64 left = m_stallLimit.count() - sinceProgress.elapsed();
        if (left <= 0 || !waitForRoom(left)) {
            setErrorString(QStringLiteral("nothing was taken from it for %1 seconds")
                               .arg(QString::number(double(m_stallLimit.count()) / 1000.0)));
            return -1;
        }
    }
    return done;
}

bool PipeDevice::waitForRoom(qint64 ms)
{
    // Events are served from the thread that owns them only; a writer
    // elsewhere, or a program without an event loop, just waits.
    const QCoreApplication *app = QCoreApplication::instance();
    const bool serveEvents = app && app->thread() == QThread::currentThread();
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const qint64 left = ms - waited.elapsed();
        if (left <= 0)
            return false;
        pollfd p{m_fd, POLLOUT, 0};
        const int ready = ::poll(&p, 1, int(serveEvents ? std::min(left, EventSliceMs) : left));
        // An error or a hang-up shows in the next write.
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return true;
        // Input waits until the write is over: a click now could start
        // something the write's outcome must come before.
        if (serveEvents)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

} // namespace quorix
