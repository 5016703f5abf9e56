// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIODevice>

#include <chrono>

namespace quorix {

// A pipe or device, opened without blocking, written so that a slow reader
// never freezes the windows: while it has no room, the events of the
// program's event loop other than the user's input are served, and a reader
// that takes nothing for stallLimit makes the write fail.
class PipeDevice : public QIODevice {
public:
    // Takes fd over and closes it.
    PipeDevice(int fd, std::chrono::milliseconds stallLimit);
    ~PipeDevice() override;

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override;

private:
    // Whether there is room within ms, serving events meanwhile.
    bool waitForRoom(qint64 ms);

    int m_fd;
    std::chrono::milliseconds m_stallLimit;
};

} // namespace quorix
