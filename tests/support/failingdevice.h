// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/safewriter.h"

#include <QIODevice>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>

namespace quorixtest {

// Passes the first limit bytes on to target, then fails as a full disk does:
// a write failure at any point, without root or a special file system.
class FailingDevice : public QIODevice {
public:
    FailingDevice(QIODevice &target, qint64 limit) : m_target(target), m_limit(limit)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 room = std::min(length, m_limit - m_written);
        if (room > 0 && m_target.write(data, room) != room) {
            setErrorString(m_target.errorString());
            return -1;
        }
        m_written += std::max<qint64>(room, 0);
        if (room < length) {
            setErrorString(QString::fromLocal8Bit(std::strerror(ENOSPC)));
            return -1;
        }
        return length;
    }

private:
    QIODevice &m_target;
    qint64 m_limit;
    qint64 m_written = 0;
};

// A writer whose writes into the files for which fails(path) holds stop after
// limit bytes; every other file is written as usual.
inline quorix::SafeWriter failingWriter(std::function<bool(const QString &path)> fails, qint64 limit = 0)
{
    return quorix::SafeWriter([fails, limit](QIODevice &out, const QString &path, const QByteArray &bytes) {
        if (!fails(path))
            return quorix::writeAll(out, bytes);
        FailingDevice failing(out, limit);
        return quorix::writeAll(failing, bytes);
    });
}

} // namespace quorixtest
