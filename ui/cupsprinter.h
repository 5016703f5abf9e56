// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QString>

namespace quorix {

// Submits the PDF at pdfPath to the default CUPS destination as one job
// named title: the job id, or why not. libcups is loaded on first use.
Result<int> submitToDefaultPrinter(const QString &pdfPath, const QString &title);

} // namespace quorix
