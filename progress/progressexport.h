// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quorix {

struct KeptAnswer;

// Everything kept, as CSV (RFC 4180, UTF-8, lines ended by CR LF): a header
// row, then one row per kept answer.
QStringList csvHeader();
// run, time (UTC, ISO 8601), set, statement, answer, confidence, key,
// verdict, marks.
QStringList csvFields(qint64 run, const QString &set, const KeptAnswer &kept);
// One record: a field holding a quote, a comma or a line break is quoted,
// its quotes doubled.
QByteArray csvRecord(const QStringList &fields);

// Writes bytes to path so that the file is either complete or left as it
// was; an empty string when it worked, else why not.
QString writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace quorix
