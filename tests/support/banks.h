// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Question banks built by tests: as the loader gives them, and as files.

#include "questions/bankloader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quorixtest {

// count questions: question n has "Statement n one" and "Statement n two",
// both keyed keys[(n-1) % size], with "Explanation n one" and "... two"; a
// "%1" in picture becomes n.
inline quorix::LoadedBank makeBank(int count, const QStringList &keys = {QStringLiteral("T")},
                                   const QString &picture = QStringLiteral("blank.bmp"))
{
    quorix::LoadedBank bank;
    for (int n = 1; n <= count; ++n) {
        quorix::QuestionRecord r;
        r.number = double(n);
        r.picture = picture.contains(QLatin1String("%1")) ? picture.arg(n) : picture;
        const QString key = keys.at((n - 1) % keys.size());
        r.statement1 = QStringLiteral("Statement %1 one").arg(n);
        r.key1 = key;
        r.explanation1 = QStringLiteral("Explanation %1 one").arg(n);
        r.statement2 = QStringLiteral("Statement %1 two").arg(n);
        r.key2 = key;
        r.explanation2 = QStringLiteral("Explanation %1 two").arg(n);
        bank.records.push_back(r);
    }
    bank.terminated = true;
    return bank;
}

// One record on one line: number, blank.bmp, "S1 tag", T, "E1 tag", "S2 tag", F, "E2 tag".
inline QByteArray bankRecordLine(const QByteArray &number, const QByteArray &tag)
{
    return number + ",blank.bmp,S1 " + tag + ",T,E1 " + tag + ",S2 " + tag + ",F,E2 " + tag + "\n";
}

// records records numbered from 1 with tags prefix1, prefix2, ..., then end.
inline QByteArray bankFileOf(int records, const QByteArray &end = "-999\n", const QByteArray &prefix = "q")
{
    QByteArray out;
    for (int i = 1; i <= records; ++i)
        out += bankRecordLine(QByteArray::number(i), prefix + QByteArray::number(i));
    return out + end;
}

} // namespace quorixtest
