// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/check/keybalance.h"

namespace quorix::check {

namespace {

constexpr int smallestTestedBank = 10;
constexpr double significance = 0.01;

} // namespace

QString lopsidedKeysWarning(int version, int trueKeys, int falseKeys)
{
    const int keys = trueKeys + falseKeys;
    if (keys < smallestTestedBank || binomialTwoSidedP(trueKeys, keys) >= significance)
        return {};
    const bool mostlyTrue = trueKeys > falseKeys;
    return QStringLiteral("%1 of %2 %3 statements are %4; the heading's version number predicts the answer")
        .arg(mostlyTrue ? trueKeys : falseKeys)
        .arg(keys)
        .arg(QLatin1String(version == 1 ? "first" : "second"))
        .arg(QLatin1String(mostlyTrue ? "true" : "false"));
}

} // namespace quorix::check
