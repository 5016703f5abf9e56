// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace quorix {

// Data files (the catalogue and the banks) come from a teacher or a student
// and may be anything: a link to a device, a pipe, a folder, a huge file.
// Only a regular file of at most MaxDataFileSize bytes is read, and opening
// never waits on a pipe or device.

constexpr qint64 MaxDataFileSize = 16 * 1024 * 1024;

enum class DataFileProblem {
    None,
    Missing, // nothing there, or a symbolic link to nothing
    LinkLoop, // symbolic links that lead back to each other
    NotAFile, // a folder, a pipe, a device or a socket
    TooLarge, // over MaxDataFileSize
    Unreadable, // permission denied, an input/output error, ...
};

struct DataFileContents {
    QByteArray bytes;
    DataFileProblem problem = DataFileProblem::None;
    // Why the file was not read, as the end of "NAME cannot be read: ..."; it
    // never names a link's target, only what the name leads to.
    QString reason;

    bool ok() const { return problem == DataFileProblem::None; }
};

DataFileContents readDataFile(const QString &path);

// Bad input as a message may quote it: at most about 60 characters on one
// line, control characters shown as U+FFFD, and "..." where it was cut.
QString excerpt(QStringView text);

} // namespace quorix
