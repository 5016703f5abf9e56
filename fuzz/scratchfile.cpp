// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/scratchfile.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

ScratchFile::ScratchFile(const char *name)
{
    QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/quorix-fuzz-XXXXXX";
    if (!::mkdtemp(folder.data()))
        std::abort();
    m_path = QFile::decodeName(folder) + QLatin1Char('/') + QLatin1String(name);
}

void ScratchFile::write(const std::uint8_t *data, std::size_t size) const
{
    const int fd
        = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || ::write(fd, data, size) != ssize_t(size) || ::close(fd) != 0)
        std::abort();
}
