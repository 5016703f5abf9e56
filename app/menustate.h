// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program shell's state: the main menu's titles, the set chosen on it
// with its open bank file, and the set loaded last. Start-up fills the
// titles; the menu screen chooses and accepts sets through this class and
// hands an accepted bank on to the question session.

#include "app/catalogue.h"
#include "core/datafolder.h"
#include "core/result.h"
#include "questions/bankloader.h"

#include <QString>

#include <optional>
#include <utility>

namespace quorix {

class MenuState {
public:
    // Bank files are opened in folder.
    explicit MenuState(DataFolder folder) : m_folder(std::move(folder)) { }

    // Options 1 to 10 are on the menu whatever the catalogue's count; those
    // it titles nothing keep their placeholder captions.
    static constexpr int AlwaysShownOptions = 10;
    static QString placeholderCaption(int option);

    void setCatalogue(const Catalogue &catalogue) { m_catalogue = catalogue; }
    // The catalogue's count N as read; the menu labels options 1..min(N, 16).
    int titleCount() const { return m_catalogue.count; }
    // Empty for a slot the catalogue did not fill.
    QString title(int option) const;

    // Choosing option k: its title becomes the selected one and its bank
    // file is opened, closing any other. The error names the file.
    Result<void> chooseOption(int option);
    // The option whose bank file is open, 0 when none is.
    int openOption() const { return m_bankFile ? m_openOption : 0; }

    // OK: reads the open bank file whole and closes it. An accepted bank
    // makes its option the loaded set; a refused one changes nothing.
    Result<LoadedBank> acceptChosenSet();

    // After a set could not be opened or loaded the menu goes back to the
    // set loaded last: its title is selected again. Gives its option, 0
    // before the first set was loaded.
    int restoreLoadedSet();

    const QString &selectedTitle() const { return m_selectedTitle; }
    int loadedOption() const { return m_loadedOption; }

    void closeBankFile();

private:
    DataFolder m_folder;
    Catalogue m_catalogue;
    QString m_selectedTitle;
    std::optional<BankFile> m_bankFile;
    int m_openOption = 0;
    int m_loadedOption = 0;
};

} // namespace quorix
