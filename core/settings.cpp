// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings.h"

#include <QSettings>
#include <QStandardPaths>

namespace quorix {

namespace {

const QString KeepProgressKey = QStringLiteral("progress/keep");

} // namespace

Settings::Settings(QString fileName) : m_fileName(std::move(fileName)) { }

Settings::~Settings() = default;

QString Settings::defaultFileName()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/quorix.conf");
}

QSettings *Settings::settings() const
{
    if (m_fileName.isEmpty())
        return nullptr;
    if (!m_settings)
        m_settings = std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
    return m_settings.get();
}

bool Settings::keepProgress() const
{
    QSettings *s = settings();
    return s ? s->value(KeepProgressKey, false).toBool() : m_keepProgress;
}

bool Settings::setKeepProgress(bool keep)
{
    QSettings *s = settings();
    if (!s) {
        m_keepProgress = keep;
        return true;
    }
    // Unticking a box that was never ticked writes nothing.
    if (s->value(KeepProgressKey, false).toBool() == keep)
        return true;
    s->setValue(KeepProgressKey, keep);
    s->sync();
    return s->status() == QSettings::NoError;
}

} // namespace quorix
