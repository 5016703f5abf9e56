// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Catalogues (qbanks.txt) built by tests.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quorixtest {

// The title of set k: with a comma in it, so that the file must quote it.
inline QString catalogueTitle(int k)
{
    return QStringLiteral("Set %1, the title").arg(k);
}

// The titles of sets 1 to count.
inline QStringList catalogueTitles(int count)
{
    QStringList out;
    for (int k = 1; k <= count; ++k)
        out << catalogueTitle(k);
    return out;
}

// A catalogue file: count, then titles quoted titles, each field ended by
// separator (an author's line ends by default).
inline QByteArray catalogueOf(int count, int titles, const QByteArray &separator = "\r\n")
{
    QByteArray bytes = QByteArray::number(count);
    for (int k = 1; k <= titles; ++k)
        bytes += separator + '"' + catalogueTitle(k).toUtf8() + '"';
    return bytes + "\r\n";
}

} // namespace quorixtest
