// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

namespace quorix::check {

// quorix-check --figures: how strongly length and wording predict the keys,
// per bank and over all the banks given (a data folder gives the banks its
// menu options open), with the word lists and the thresholds of the
// warnings.
struct FiguresReport {
    QStringList lines;
    QStringList problems; // banks that could not be read, each naming its file
};

FiguresReport figuresReport(const QStringList &paths);

} // namespace quorix::check
