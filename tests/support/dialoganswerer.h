// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace quorixtest {

// Answers each modal dialog in turn with its act. A dialog beyond them, or
// one that appears after the deadline, is rejected and noted, so that no
// test waits for a person.
class DialogAnswerer : public QObject {
public:
    using Act = std::function<void(QWidget *)>;
    explicit DialogAnswerer(std::vector<Act> acts, int deadlineMs = 20000)
        : m_acts(std::move(acts)), m_deadlineMs(deadlineMs)
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
        m_clock.start();
    }
    int answered() const { return m_next; }
    QStringList unexpected() const { return m_unexpected; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last)
            return;
        m_last = modal;
        if (m_next < int(m_acts.size()) && m_clock.elapsed() < m_deadlineMs) {
            m_acts[std::size_t(m_next++)](modal);
            return;
        }
        auto *box = qobject_cast<QMessageBox *>(modal);
        m_unexpected << (box ? box->text() : modal->objectName());
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    }
    std::vector<Act> m_acts;
    int m_deadlineMs;
    QTimer m_timer;
    QElapsedTimer m_clock;
    QPointer<QWidget> m_last;
    int m_next = 0;
    QStringList m_unexpected;
};

} // namespace quorixtest
