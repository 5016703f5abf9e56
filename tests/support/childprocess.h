// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QElapsedTimer>

#include <functional>

#include <cerrno>
#include <csignal>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorixtest {

// Drops root for the unprivileged user, so that file permissions count
// although the tests run as root in CI.
inline bool becomeNobody()
{
    const passwd *nobody = ::getpwnam("nobody");
    return nobody && ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0
        && ::setuid(nobody->pw_uid) == 0;
}

struct ChildResult {
    bool finished = false; // the child ended within the bound
    bool becameNobody = true; // false when it was asked to and could not
    QByteArray output; // what work returned
};

// Runs work in a forked child, as nobody when asked, and hands back what it
// returned; a child still running after boundMs is killed.
inline ChildResult runInChild(bool asNobody, const std::function<QByteArray()> &work, int boundMs)
{
    ChildResult result;
    int fds[2];
    if (::pipe(fds) != 0)
        return result;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        if (asNobody && !becomeNobody())
            ::_exit(4);
        const QByteArray out = work();
        const bool written = ::write(fds[1], out.constData(), std::size_t(out.size())) == out.size();
        ::_exit(written ? 0 : 5);
    }
    ::close(fds[1]);

    QElapsedTimer timer;
    timer.start();
    while (!result.finished && timer.elapsed() < boundMs) {
        pollfd p{fds[0], POLLIN, 0};
        if (::poll(&p, 1, int(boundMs - timer.elapsed())) <= 0)
            continue;
        char buf[4096];
        const ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n > 0)
            result.output.append(buf, n);
        else if (n == 0 || errno != EINTR)
            result.finished = true;
    }
    ::close(fds[0]);
    if (!result.finished)
        ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.becameNobody = !(WIFEXITED(status) && WEXITSTATUS(status) == 4);
    return result;
}

} // namespace quorixtest
