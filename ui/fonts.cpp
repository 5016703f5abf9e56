// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include <QString>

#include <fontconfig/fontconfig.h>

namespace quorix {

void installFontSubstitutions()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    const QString liberation = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), liberation);
    QFont::insertSubstitution(QStringLiteral("Arial"), liberation);
}

QFont screenFont(double pointSize, bool bold)
{
    installFontSubstitutions();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

FontConfigReader::FontConfigReader() : m_thread([] { FcInit(); }) { }

FontConfigReader::~FontConfigReader()
{
    wait();
}

void FontConfigReader::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace quorix
