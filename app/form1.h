// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/datafolder.h"
#include "ui/screenwindow.h"

#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QRadioButton;
class QShowEvent;

namespace quorix {

class MenuState;
class PictureArea;
class ProgressKeeper;
struct LoadedBank;

// The main menu: the catalogue's sets as options, OK to load the chosen set,
// keeping answers across runs and "My progress", and the two ways of
// ending. Created once; afterwards only hidden and shown.
class Form1 : public ScreenWindow {
    Q_OBJECT
public:
    static constexpr int OptionCount = DataFolder::OptionCount;

    Form1(MenuState &menu, ProgressKeeper &progress, Navigation &navigation, QWidget *parent = nullptr);

    // Start-up's part on the menu: the catalogue's titles on the options (at
    // most 16), nothing chosen, OK hidden, the frame shown.
    void labelOptions();

    QGroupBox *frame1() const { return m_frame1; }
    QRadioButton *option(int k) const { return m_options[k - 1]; }
    QPushButton *selectionOK() const { return m_selectionOK; }
    QCheckBox *keepProgress() const { return m_keepProgress; }
    QPushButton *myProgress() const { return m_myProgress; }
    // "My progress" is offered while there is a progress file.
    void refreshProgressButton();
    // The option marked now, 0 when none is.
    int chosenOption() const;

    // Failures to open or load a set are told through this; the default shows
    // a warning box over the menu.
    using MessageHook = std::function<void(QWidget *parent, const QString &text)>;
    void setMessageHook(MessageHook hook) { m_message = std::move(hook); }

Q_SIGNALS:
    // OK loaded the set of this option; its test starts with this bank and
    // its first screen is to be shown.
    void bankAccepted(int option, const LoadedBank &bank);
    void progressRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void onOptionToggled(int k, bool checked);
    void onOptionClicked(int k);
    void onSelectionOKClicked();
    void onKeepProgressToggled(bool checked);
    void onMyProgressClicked();

    void chooseOption(int k);
    void restoreLoadedSet();
    void tell(const QString &text);

    MenuState &m_menu;
    ProgressKeeper &m_progress;
    QGroupBox *m_frame1 = nullptr;
    std::array<QRadioButton *, OptionCount> m_options{};
    QPushButton *m_selectionOK = nullptr;
    QCheckBox *m_keepProgress = nullptr;
    QPushButton *m_myProgress = nullptr;
    PictureArea *m_picture1 = nullptr;
    MessageHook m_message;
};

} // namespace quorix
