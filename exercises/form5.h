// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/datafolder.h"
#include "ui/screenwindow.h"

#include <array>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quorix {

class FaceBox;
class ParExercise;
class PictureArea;
class RandomSource;
class TextOutputBox;

// The PAR screen: the student draws activities, classifies each into a PAR
// band with a preview of the band chosen, and sees the worked answer beside
// the correct band. The exercise owns the activity and the choice; this
// class only shows them.
class Form5 : public ScreenWindow {
    Q_OBJECT
public:
    Form5(ParExercise &exercise, RandomSource &random, const DataFolder &folder, Navigation &navigation,
          QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void loadScreen();
    void onSelectpersonClicked();
    void onOptionChosen(int band);
    void onClassifyClicked();
    void onCommand1Clicked();
    void onCommand5Clicked();
    void prepareForNextShowing();
    void showIntroduction();

    ParExercise &m_exercise;
    RandomSource &m_random;
    DataFolder m_folder; // where the band and logo pictures are

    TextOutputBox *m_picture1 = nullptr;
    QGroupBox *m_frame1 = nullptr;
    std::array<QRadioButton *, 7> m_options{};
    QPushButton *m_classify = nullptr;
    PictureArea *m_picture7 = nullptr;
    QLabel *m_label2 = nullptr;
    FaceBox *m_picture4 = nullptr;
    TextOutputBox *m_picture8 = nullptr;
    PictureArea *m_picture9 = nullptr;
    TextOutputBox *m_picture11 = nullptr;
    TextOutputBox *m_picture10 = nullptr;
    QLabel *m_label1 = nullptr;
    TextOutputBox *m_picture6 = nullptr;
    PictureArea *m_picture2 = nullptr;
    QPushButton *m_selectperson = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command5 = nullptr;
};

} // namespace quorix
