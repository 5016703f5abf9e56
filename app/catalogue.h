#pragma once

#include "core/result.h"
#include "core/value.h"

#include <QString>

#include <array>

namespace quorix {

// The bank catalogue qbanks.txt: a count N and titles 1..N (N at most 20).
struct Catalogue {
    static constexpr int MaxTitles = 20;

    int count = 0; // N as read; 0 or below means no titles
    std::array<Value, 21> titles; // slots 1..20; slot 0 unused
};

// Reads the catalogue at path. The error names the file, the folder it was
// looked for in and what is wrong, with the line where that helps.
Result<Catalogue> readCatalogue(const QString &path);

} // namespace quorix
