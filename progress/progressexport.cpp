// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/progressexport.h"

#include "progress/progressfigures.h"
#include "scoring/calibration.h"

#include <QSaveFile>

namespace quorix {

QStringList csvHeader()
{
    return {QStringLiteral("run"),       QStringLiteral("time"),    QStringLiteral("set"),
            QStringLiteral("statement"), QStringLiteral("answer"),  QStringLiteral("confidence"),
            QStringLiteral("key"),       QStringLiteral("verdict"), QStringLiteral("marks")};
}

QStringList csvFields(qint64 run, const QString &set, const KeptAnswer &kept)
{
    const LoggedAnswer &a = kept.answer;
    QString verdict = QStringLiteral("Don't know");
    if (a.outcome == Outcome::Right)
        verdict = QStringLiteral("right");
    else if (a.outcome == Outcome::Wrong)
        verdict = QStringLiteral("wrong");
    const bool level = a.outcome != Outcome::DontKnow && a.confidence >= 1 && a.confidence <= 3;
    return {QString::number(run),
            kept.time.toUTC().toString(Qt::ISODate),
            set,
            a.statement,
            a.answer,
            level ? levelName(a.confidence) : QString(),
            a.key,
            verdict,
            QString::number(a.marks)};
}

QByteArray csvRecord(const QStringList &fields)
{
    QByteArray record;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += ',';
        QByteArray field = fields[i].toUtf8();
        if (field.contains('"') || field.contains(',') || field.contains('\n') || field.contains('\r'))
            field = '"' + field.replace('"', "\"\"") + '"';
        record += field;
    }
    return record + "\r\n";
}

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // A short write is caught here: commit() alone would put a partial file
    // in place.
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace quorix
