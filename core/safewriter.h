// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <chrono>
#include <functional>

class QIODevice;

namespace quorix {

// Writes bytes into out, every write checked; a file is flushed as well, so
// that a full disk or device is an error here rather than later.
Result<void> writeAll(QIODevice &out, const QByteArray &bytes);

// Once, at start-up: a pipe whose reader has gone then makes a write fail with
// EPIPE, an ordinary write failure, instead of ending the program.
void ignoreBrokenPipeSignal();

// Output files written so that a failure is always reported and never costs
// what stood at the name before.
class SafeWriter {
public:
    // How bytes go into the file named path once it is open. Tests put a
    // device that fails part-way in between; the default is writeAll.
    using WriteBytes
        = std::function<Result<void>(QIODevice &out, const QString &path, const QByteArray &bytes)>;

    SafeWriter();
    explicit SafeWriter(WriteBytes write);

    // Writes to path: a new file is created, an existing regular file is
    // replaced only once the new one is complete, and a device or pipe is
    // written into, never replaced, failing when it takes nothing for the
    // stall limit. A symbolic link or a folder is refused.
    // Given replaceOnly, an existing regular file that is not empty is
    // replaced only when it starts with those bytes, and refused otherwise.
    Result<void> writeFile(const QString &path, const QByteArray &bytes,
                           const QByteArray &replaceOnly = QByteArray()) const;

    // Creates path, which must not exist yet, with permissions (before the
    // umask). The bytes go into a temporary file beside it, which takes the
    // name only when complete and only if nothing has taken it meanwhile, so
    // the name never holds a part of them.
    Result<void> writeNewFile(const QString &path, const QByteArray &bytes,
                              QFileDevice::Permissions permissions = defaultPermissions()) const;

    // Creates the first of nameFor(1), nameFor(2), ... (up to 1000) that is
    // not taken in folder, replacing nothing: the path written, or why not.
    Result<QString> writeNewFileIn(const QString &folder, const std::function<QString(int attempt)> &nameFor,
                                   const QByteArray &bytes,
                                   QFileDevice::Permissions permissions = defaultPermissions()) const;

    // Read and write for everyone, as the umask allows.
    static QFileDevice::Permissions defaultPermissions();
    // Read and write for the owner alone, for files in a shared folder.
    static QFileDevice::Permissions ownerOnlyPermissions();

    // How long a pipe or device may take nothing before its write fails.
    void setStallLimit(std::chrono::milliseconds limit) { m_stallLimit = limit; }
    static constexpr std::chrono::milliseconds defaultStallLimit{10000};

    // Writes bytes into an open file and onto the disk.
    Result<void> writeAndSync(QFileDevice &file, const QByteArray &bytes) const;

private:
    Result<void> writeAndSync(QFileDevice &file, const QString &path, const QByteArray &bytes) const;
    Result<void> putInPlace(const QString &temporary, const QString &path) const;
    Result<void> replaceRegularFile(const QString &path, const QByteArray &bytes) const;
    Result<void> writeIntoSpecialFile(const QString &path, const QByteArray &bytes) const;

    WriteBytes m_write;
    std::chrono::milliseconds m_stallLimit = defaultStallLimit;
};

} // namespace quorix
