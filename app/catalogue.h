// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/datafile.h"
#include "core/fieldreader.h"
#include "core/result.h"
#include "core/value.h"

#include <QString>

#include <array>
#include <vector>

namespace quorix {

// The bank catalogue qbanks.txt: a count N and titles 1..N (N at most 20).
struct Catalogue {
    static constexpr int MaxTitles = 20;

    int count = 0; // N as read; 0 or below means no titles
    std::array<Value, 21> titles; // slots 1..20; slot 0 unused
};

// What readCatalogue met, for the checker to annotate: the fields it read
// with their lines, and where and why it stopped.
struct CatalogueReading {
    enum class Stop {
        Read, // the count and all its titles
        Unopened, // the file could not be read: problem and reason say why
        Empty, // no field at all
        CountEmpty,
        CountNotNumber,
        CountNotWhole,
        CountTooLarge, // over Catalogue::MaxTitles
        EndsEarly, // fewer titles than the count
    };
    Stop stop = Stop::Read;
    DataFileProblem problem = DataFileProblem::None;
    QString reason;
    std::vector<Field> fields; // the count, then the titles read
    std::vector<Field> unread; // what follows the titles, when all were read
    int lastLine = 0;
};

// Reads the catalogue at path. The error names the file, the folder it was
// looked for in and what is wrong, with the line where that helps. With
// reading, also reports what was read, even where the file is refused.
Result<Catalogue> readCatalogue(const QString &path, CatalogueReading *reading = nullptr);

} // namespace quorix
