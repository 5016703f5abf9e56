// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form1.h"

#include "app/menustate.h"
#include "core/datafolder.h"
#include "progress/progresskeeper.h"
#include "questions/bankloader.h"
#include "ui/fixedpictures.h"
#include "ui/frames.h"
#include "ui/picturearea.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace quorix {

namespace {

// The loader's messages name the file already; make sure every one does.
QString namingFile(const QString &error, const QString &fileName)
{
    return error.contains(fileName) ? error : fileName + QStringLiteral(": ") + error;
}

} // namespace

Form1::Form1(MenuState &menu, ProgressKeeper &progress, Navigation &navigation, QWidget *parent)
    : ScreenWindow(QStringLiteral("Form1"), navigation, parent), m_menu(menu), m_progress(progress)
{
    m_frame1 = addFrame(this, QStringLiteral("Frame1"), QStringLiteral("Select a set of questions"), 840, 960,
                        10575, 9255, QColor(255, 255, 192));
    for (int k = 1; k <= OptionCount; ++k) {
        QRadioButton *option
            = addOptionButton(m_frame1, QStringLiteral("Option%1").arg(k), MenuState::placeholderCaption(k),
                              360, 720 + 480 * (k - 1), 8000, 450, QColor(224, 224, 224),
                              k > 10 ? QColor(0, 0, 255) : QColor(0, 0, 0));
        option->setVisible(k <= 10);
        m_options[k - 1] = option;
        connect(option, &QRadioButton::toggled, this,
                [this, k](bool checked) { onOptionToggled(k, checked); });
        connect(option, &QRadioButton::clicked, this, [this, k] { onOptionClicked(k); });
    }
    m_selectionOK = addButton(m_frame1, QStringLiteral("selectionOK"), QStringLiteral("OK"), 8880, 8400, 1335,
                              495, 8.25);
    connect(m_selectionOK, &QPushButton::clicked, this, &Form1::onSelectionOKClicked);

    m_keepProgress = addCheckBox(this, QStringLiteral("keepProgress"),
                                 QStringLiteral("Keep my answers on this computer"), 11640, 8040, 3615, 495);
    m_keepProgress->setChecked(m_progress.keeping());
    connect(m_keepProgress, &QCheckBox::toggled, this, &Form1::onKeepProgressToggled);
    m_myProgress = addButton(this, QStringLiteral("myProgress"), QStringLiteral("My progress"), 11640, 8640,
                             3615, 495);
    connect(m_myProgress, &QPushButton::clicked, this, &Form1::onMyProgressClicked);
    refreshProgressButton();

    addEndButtons(9480, 10200);
    endPrintScoreButton()->hide();

    m_picture1 = new PictureArea(this, QStringLiteral("Picture1"));
    placeAt(m_picture1, 11640, 0, 3690, 2925);
    m_picture1->setFixedPicture(fixedpictures::menuIllustration());

    // Hidden until start-up has labelled the options.
    m_frame1->hide();

    m_message
        = [](QWidget *parent, const QString &text) { QMessageBox::warning(parent, programTitle(), text); };
}

void Form1::labelOptions()
{
    for (int k = 1; k <= std::min(m_menu.titleCount(), OptionCount); ++k) {
        setCaption(option(k), m_menu.title(k));
        option(k)->show();
    }
    for (int k = 1; k <= 10; ++k)
        setOptionSilently(option(k), false);
    m_selectionOK->hide();
    m_frame1->show();
}

int Form1::chosenOption() const
{
    for (int k = 1; k <= OptionCount; ++k) {
        if (option(k)->isChecked())
            return k;
    }
    return 0;
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    // Enter confirms a chosen set wherever the focus is among the options.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_selectionOK->isVisibleTo(this)) {
        m_selectionOK->click();
        return;
    }
    ScreenWindow::keyPressEvent(event);
}

void Form1::showEvent(QShowEvent *event)
{
    // The first kept answer of a run made the file.
    refreshProgressButton();
    ScreenWindow::showEvent(event);
}

void Form1::refreshProgressButton()
{
    m_myProgress->setEnabled(m_progress.hasKeptFile());
}

void Form1::onKeepProgressToggled(bool checked)
{
    if (!m_progress.setKeeping(checked))
        tell(QStringLiteral("Your choice cannot be remembered: %1 cannot be written. It holds until "
                            "Quorix ends.")
                 .arg(QDir::toNativeSeparators(m_progress.settingsFile())));
}

void Form1::onMyProgressClicked()
{
    Q_EMIT progressRequested();
}

void Form1::onOptionToggled(int k, bool checked)
{
    if (checked)
        chooseOption(k);
}

void Form1::onOptionClicked(int k)
{
    // Clicking the option that is still marked emits no toggled: that click
    // chooses it again. A click that just chose it has opened its file already.
    if (!option(k)->isChecked())
        return;
    if (m_menu.openOption() == k)
        return;
    chooseOption(k);
}

void Form1::chooseOption(int k)
{
    auto opened = m_menu.chooseOption(k);
    if (!opened) {
        restoreLoadedSet();
        tell(namingFile(opened.error(), DataFolder::bankName(k))
             + QStringLiteral("\n\nThis set cannot be opened. Your score so far is kept."));
        return;
    }
    m_selectionOK->show();
}

void Form1::onSelectionOKClicked()
{
    const int k = chosenOption();
    if (k == 0 || m_menu.openOption() != k) {
        m_selectionOK->hide();
        return;
    }
    const QString fileName = DataFolder::bankName(k);
    auto bank = m_menu.acceptChosenSet();
    if (!bank) {
        restoreLoadedSet();
        tell(namingFile(bank.error(), fileName)
             + QStringLiteral("\n\nThis set was not loaded. Your score so far is kept."));
        return;
    }

    // Hiding the focused OK would pass the focus on to an END button.
    option(k)->setFocus();
    m_selectionOK->hide();
    Q_EMIT bankAccepted(k, bank.value());
    endPrintScoreButton()->show();
}

// After a set could not be opened or loaded the menu goes back to the set in
// the question table, so the student can go on with it or choose again.
void Form1::restoreLoadedSet()
{
    const int loaded = m_menu.restoreLoadedSet();
    if (m_selectionOK->hasFocus())
        option(loaded >= 1 && loaded <= OptionCount ? loaded : 1)->setFocus();
    m_selectionOK->hide();
    if (loaded >= 1 && loaded <= OptionCount) {
        setOptionSilently(option(loaded), true);
    } else {
        for (QRadioButton *o : m_options)
            setOptionSilently(o, false);
    }
}

void Form1::tell(const QString &text)
{
    if (m_message)
        m_message(this, text);
}

} // namespace quorix
