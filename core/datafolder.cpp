// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/datafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringView>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace quorix {

DataFolder::DataFolder(const QString &path) : m_path(QDir::cleanPath(QFileInfo(path).absoluteFilePath())) { }

Result<DataFolder> DataFolder::open(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Result<DataFolder>::failure(
            QStringLiteral("The data folder \"%1\" does not exist.").arg(path));
    if (!info.isDir())
        return Result<DataFolder>::failure(
            QStringLiteral("The data folder \"%1\" is not a folder.").arg(path));
    // Entering is what opening a file in it needs.
    if (::access(QFile::encodeName(path).constData(), X_OK) != 0) {
        return Result<DataFolder>::failure(QStringLiteral("The data folder \"%1\" cannot be opened: %2.")
                                               .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    return DataFolder(path);
}

QString DataFolder::catalogueName()
{
    return QStringLiteral("qbanks.txt");
}

QString DataFolder::bankName(int option)
{
    return QStringLiteral("qbank%1.txt").arg(option == 14 ? 143 : option);
}

QString DataFolder::catalogue() const
{
    return m_path + QLatin1Char('/') + catalogueName();
}

QString DataFolder::bank(int option) const
{
    return m_path + QLatin1Char('/') + bankName(option);
}

std::optional<QString> DataFolder::picture(const QString &name) const
{
    if (QDir::isAbsolutePath(name))
        return std::nullopt;
    for (const QStringView part : QStringView(name).split(QLatin1Char('/'))) {
        if (part == QLatin1String(".."))
            return std::nullopt;
    }
    return m_path + QLatin1Char('/') + name;
}

} // namespace quorix
