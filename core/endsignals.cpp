// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/endsignals.h"

#include <QSocketNotifier>
#include <QtGlobal>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace quorix {

namespace {

// The one thing a signal handler may reach: the pipe's writing end. A handler
// cannot be given a context, so this is the single process-wide value, owned
// by the one EndSignals object.
volatile sig_atomic_t pipeWriteEnd = -1;

extern "C" void writeSignalNumber(int number)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    // A full pipe already holds a signal that will end the program.
    [[maybe_unused]] const ssize_t n = ::write(pipeWriteEnd, &byte, 1);
    errno = saved;
}

} // namespace

EndSignals::EndSignals(QObject *parent) : QObject(parent)
{
    int ends[2];
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0) {
        // Without the pipe the signals keep their default action: the
        // program ends at once, as it did before it handled them.
        qWarning("quorix: the end signals cannot be handled (no pipe)");
        return;
    }
    m_readEnd = ends[0];
    pipeWriteEnd = ends[1];
    m_notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndSignals::readPipe);

    struct sigaction action { };
    action.sa_handler = writeSignalNumber;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls go on, so no read or write elsewhere sees EINTR.
    action.sa_flags = SA_RESTART;
    for (const int number : handled())
        ::sigaction(number, &action, nullptr);
}

EndSignals::~EndSignals()
{
    if (m_readEnd < 0)
        return;
    for (const int number : handled())
        std::signal(number, SIG_DFL);
    ::close(pipeWriteEnd);
    pipeWriteEnd = -1;
    ::close(m_readEnd);
}

QList<int> EndSignals::drain()
{
    QList<int> numbers;
    if (m_readEnd < 0)
        return numbers;
    unsigned char bytes[16];
    for (;;) {
        const ssize_t n = ::read(m_readEnd, bytes, sizeof bytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        for (ssize_t i = 0; i < n; ++i)
            numbers << bytes[i];
    }
    if (m_first == 0 && !numbers.isEmpty())
        m_first = numbers.constFirst();
    return numbers;
}

void EndSignals::readPipe()
{
    for (const int number : drain())
        Q_EMIT arrived(number);
}

int EndSignals::received()
{
    drain();
    return m_first;
}

} // namespace quorix
