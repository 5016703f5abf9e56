// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/check/exacttests.h"

#include <QString>

namespace quorix::check {

// The question screen's heading shows the version of the statement on show,
// so keys of one version that are nearly all true (or all false) let a
// student answer from the heading. Returns the warning for the keys of
// statement `version` (1 or 2), or an empty text when the split could well
// be chance or the bank is too small to tell.
QString lopsidedKeysWarning(int version, int trueKeys, int falseKeys);

} // namespace quorix::check
