// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue reader on arbitrary bytes in qbanks.txt: it accepts a count
// with its titles or refuses with a message short enough to show.

#include "app/catalogue.h"
#include "fuzz/scratchfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const ScratchFile file("qbanks.txt");
    file.write(data, size);
    const auto catalogue = quorix::readCatalogue(file.path());
    if (catalogue) {
        if (catalogue->count > 21)
            __builtin_trap();
    } else if (catalogue.error().isEmpty() || catalogue.error().size() > 400 + file.path().size()) {
        __builtin_trap();
    }
    return 0;
}
