// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace quorix {

// The program's remembered choices, in one settings file: the only place
// settings are read or written. Reading never creates the file, and a
// choice is written only when it differs from what the file holds, so a
// student who never changes one leaves nothing behind.
class Settings {
public:
    // An empty file name keeps everything in memory: nothing is read or
    // written (tests, and a home without a configuration folder).
    explicit Settings(QString fileName);
    ~Settings();
    Settings(const Settings &) = delete;
    Settings &operator=(const Settings &) = delete;

    // quorix.conf in the user's configuration folder (~/.config/quorix).
    static QString defaultFileName();
    const QString &fileName() const { return m_fileName; }

    // "Keep my answers on this computer"; off unless the student ticked it.
    bool keepProgress() const;
    // False when the file could not be written; the choice then holds for
    // this run only.
    bool setKeepProgress(bool keep);

private:
    QSettings *settings() const;

    QString m_fileName;
    mutable std::unique_ptr<QSettings> m_settings;
    bool m_keepProgress = false; // for a settings file of none
};

} // namespace quorix
