// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/menustate.h"

namespace quorix {

QString MenuState::placeholderCaption(int option)
{
    if (option <= AlwaysShownOptions)
        return QStringLiteral("option%1").arg(option);
    if (option == 11)
        return QStringLiteral("option 11");
    return QStringLiteral("Option%1").arg(option);
}

QString MenuState::title(int option) const
{
    if (option < 1 || option >= int(m_catalogue.titles.size()))
        return {};
    return toText(m_catalogue.titles[std::size_t(option)]);
}

Result<void> MenuState::chooseOption(int option)
{
    closeBankFile();
    m_selectedTitle = title(option);
    auto file = BankFile::open(m_folder.bank(option));
    if (!file)
        return Result<void>::failure(file.error());
    m_bankFile = std::move(file.value());
    m_openOption = option;
    return {};
}

Result<LoadedBank> MenuState::acceptChosenSet()
{
    if (!m_bankFile)
        return Result<LoadedBank>::failure(QStringLiteral("No set has been chosen."));
    const int option = m_openOption;
    auto bank = m_bankFile->readAndClose();
    closeBankFile();
    if (bank)
        m_loadedOption = option;
    return bank;
}

int MenuState::restoreLoadedSet()
{
    closeBankFile();
    m_selectedTitle = title(m_loadedOption);
    return m_loadedOption;
}

void MenuState::closeBankFile()
{
    m_bankFile.reset();
    m_openOption = 0;
}

} // namespace quorix
