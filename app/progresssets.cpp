// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/progresssets.h"

#include "app/menustate.h"
#include "core/datafolder.h"
#include "questions/bankloader.h"

#include <algorithm>

namespace quorix {

std::vector<SetStatements> progressSets(const MenuState &menu, const DataFolder &folder)
{
    std::vector<SetStatements> sets;
    for (int k = 1; k <= std::min(menu.titleCount(), DataFolder::OptionCount); ++k) {
        SetStatements set{menu.title(k), {}};
        auto file = BankFile::open(folder.bank(k));
        auto bank = file ? file->readAndClose() : Result<LoadedBank>::failure(file.error());
        if (bank) {
            const auto &records = bank->records;
            const std::size_t count = std::min(records.size(), std::size_t(LoadedBank::MaxRecords));
            for (std::size_t i = 0; i < count; ++i)
                set.statements << records[i].statement1 << records[i].statement2;
        }
        sets.push_back(std::move(set));
    }
    return sets;
}

} // namespace quorix
