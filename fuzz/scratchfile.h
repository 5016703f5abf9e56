// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// A file in a folder of its own, rewritten with each input, so the readers
// are fuzzed through the same opening as the program's.
class ScratchFile {
public:
    explicit ScratchFile(const char *name);
    const QString &path() const { return m_path; }
    void write(const std::uint8_t *data, std::size_t size) const;

private:
    QString m_path;
};
