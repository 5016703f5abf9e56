// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

namespace quorix {

// SIGTERM, SIGHUP and SIGINT as a Qt signal. The handler only writes the
// signal's number into a pipe; everything else happens in the event loop, so
// a report being written is never cut off half-way. One object at a time.
class EndSignals : public QObject {
    Q_OBJECT
public:
    explicit EndSignals(QObject *parent = nullptr);
    // Puts the default actions back.
    ~EndSignals() override;

    // The signals handled, for tests and messages.
    static constexpr std::array<int, 3> handled() { return {SIGTERM, SIGHUP, SIGINT}; }

    // The first signal taken, 0 before any: reads the pipe too, so one that
    // arrived after the event loop stopped still counts.
    int received();

Q_SIGNALS:
    void arrived(int signalNumber);

private:
    // The signals in the pipe, in the order they came.
    QList<int> drain();
    void readPipe();

    int m_readEnd = -1;
    QSocketNotifier *m_notifier = nullptr;
    int m_first = 0;
};

} // namespace quorix
