// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

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
    // written into, never replaced. A symbolic link or a folder is refused.
    // Given replaceOnly, an existing regular file that is not empty is
    // replaced only when it starts with those bytes, and refused otherwise.
    Result<void> writeFile(const QString &path, const QByteArray &bytes,
                           const QByteArray &replaceOnly = QByteArray()) const;

    // Creates path, which must not exist yet, with permissions (before the
    // umask); nothing is left behind when the write fails.
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

    // Writes bytes into an open file and onto the disk.
    Result<void> writeAndSync(QFileDevice &file, const QByteArray &bytes) const;

private:
    Result<void> writeAndSync(QFileDevice &file, const QString &path, const QByteArray &bytes) const;
    Result<void> replaceRegularFile(const QString &path, const QByteArray &bytes) const;
    Result<void> writeIntoSpecialFile(const QString &path, const QByteArray &bytes) const;

    WriteBytes m_write;
};

} // namespace quorix
