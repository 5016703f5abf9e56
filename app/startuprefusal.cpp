// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startuprefusal.h"

#include "ui/screenwindow.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace quorix {

bool windowsCanBeSeen()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

int refuseToStart(const QString &text, int exitCode, bool showBox, std::FILE *err)
{
    // The line first: it must get out even if the box never closes.
    std::fprintf(err, "quorix: %s\n", qPrintable(text));
    std::fflush(err);
    if (showBox) {
        QMessageBox box(QMessageBox::Critical, programTitle(), text, QMessageBox::Ok);
        box.setObjectName(QStringLiteral("startupRefusal"));
        box.exec();
    }
    return exitCode;
}

} // namespace quorix
